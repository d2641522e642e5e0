#include <windows.h>
#include <shellapi.h>

#include <cstdio>

#include "platform/system.h"
#include "platform/win32/text_convert.h"

uint32_t WindowsVersion() { return GetVersion(); }

uint32_t TickCount() { return GetTickCount(); }

void ShellOpen(const Text& target) {
    ShellExecuteW(nullptr, L"open", Wide(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void EndProcess(int exitCode) {
    std::fflush(nullptr);
    // Not ExitProcess: it lets other threads run into DLL detach and the C
    // runtime's exit handlers, and under Wine a thread stopped inside a heap
    // or loader lock can then hang the end.
    TerminateProcess(GetCurrentProcess(), static_cast<UINT>(exitCode));
    ExitProcess(static_cast<UINT>(exitCode));
}
