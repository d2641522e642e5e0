#include "app/startup.h"

#include "app/app_texts.h"
#include "neighbourhood/neighbourhood.h"
#include "platform/files.h"
#include "platform/main_view.h"
#include "platform/registry.h"
#include "platform/threads.h"
#include "settings/settings.h"

void StartupHandler() {
    // The scan first: it is the slow one, and the caption must not delay it.
    StartThread(NeighbourhoodScan, 1);
    StartThread(StartupCaption, 1);
}

void StartupCaption(int) {
    Text company = StoredText(ReadWholeFile(CompanyFilePath()));
    if (company.empty()) company = kDefaultCompany;
    CaptionSet(company + kStartupCaptionMiddle + RegReadText(RegRoot::LocalMachine, kComputerNamePath));
}
