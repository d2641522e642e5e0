#include "app/program.h"

#include "app/context_menu.h"
#include "app/program_texts/program_texts.h"
#include "app/startup.h"
#include "neighbourhood/neighbourhood.h"
#include "platform/ui.h"
#include "settings/settings.h"

namespace {

MainWindowHandlers ProgramHandlers() {
    MainWindowHandlers h;
    h.onCreated = StartupHandler;
    h.onListClick = OnComputerListClick;
    h.onStatusPress = OpenHelp;
    h.onMenuItem = RunMenuItem;
    for (size_t i = 0; i < kContextMenuSize; ++i) h.menuItems.push_back(kContextMenu[i].text);
    return h;
}

}  // namespace

int RunProgram() {
    int code = RunMainWindow(ProgramHandlers());
    // No window, no run: the exit routine belongs to a run that happened.
    if (code == -1) return code;
    ReleaseProgramTexts();
    return code;
}
