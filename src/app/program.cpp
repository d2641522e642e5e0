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
    h.onEnd = ReleaseProgramTexts;
    for (size_t i = 0; i < kContextMenuSize; ++i) h.menuItems.push_back(kContextMenu[i].text);
    return h;
}

}  // namespace

// The exit routine runs only after a run that happened: when the window
// cannot be created the result is -1 and nothing else is done.
int RunProgram() { return RunMainWindow(ProgramHandlers()); }
