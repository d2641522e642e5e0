#include <windows.h>

#include "platform/commands.h"
#include "platform/win32/handles.h"
#include "platform/win32/process_start.h"
#include "platform/win32/text_convert.h"

bool RunCommand(const Text& commandLine, Show show, const Text& workFolder) {
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = show == Show::Hidden ? SW_HIDE : SW_SHOWNORMAL;
    ProcessHandles process;
    if (!StartProcess(commandLine, workFolder, startup, false, 0, process)) return false;
    WaitForInputIdle(process.process.get(), 1000);
    return true;
}
