#include "platform/win32/thread_windows.h"

namespace {

BOOL CALLBACK CollectEnabled(HWND window, LPARAM windows) {
    if (IsWindowVisible(window) && IsWindowEnabled(window))
        reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    return TRUE;
}

}  // namespace

ThreadWindowsDisabled::ThreadWindowsDisabled(HWND spared) {
    std::vector<HWND> all;
    EnumThreadWindows(GetCurrentThreadId(), CollectEnabled, reinterpret_cast<LPARAM>(&all));
    for (HWND w : all)
        if (w != spared) windows_.push_back(w), EnableWindow(w, FALSE);
}

void ThreadWindowsDisabled::Restore() {
    for (HWND w : windows_)
        if (IsWindow(w)) EnableWindow(w, TRUE);
    windows_.clear();
}
