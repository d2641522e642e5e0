// CreateProcessW with the command line exactly as given: no application
// name, so Windows parses the line itself and no file association is used.
#pragma once
#include <windows.h>

#include "platform/text.h"
#include "platform/win32/handles.h"

struct ProcessHandles {
    UniqueHandle process;
    UniqueHandle thread;
};

// An empty working folder leaves the program's current directory.
bool StartProcess(const Text& commandLine, const Text& workFolder, STARTUPINFOW& startup,
                  bool inheritHandles, DWORD creationFlags, ProcessHandles& started);
