#include <windows.h>
#include <shellapi.h>

#include "platform/system.h"
#include "platform/win32/text_convert.h"

uint32_t WindowsVersion() { return GetVersion(); }

uint32_t TickCount() { return GetTickCount(); }

void ShellOpen(const Text& target) {
    ShellExecuteW(nullptr, L"open", Wide(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
