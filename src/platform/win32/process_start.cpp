#include "platform/win32/process_start.h"

#include <string>

#include "platform/win32/text_convert.h"

bool StartProcess(const Text& commandLine, const Text& workFolder, STARTUPINFOW& startup,
                  bool inheritHandles, DWORD creationFlags, ProcessHandles& started) {
    // CreateProcessW may write into the command line, so it gets its own copy.
    std::wstring line = Wide(commandLine);
    line.push_back(L'\0');
    std::wstring folder = Wide(workFolder);
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(nullptr, &line[0], nullptr, nullptr, inheritHandles, creationFlags, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &info))
        return false;
    *started.process.out() = info.hProcess;
    *started.thread.out() = info.hThread;
    return true;
}
