#include <windows.h>
#include <shlobj.h>

#include <vector>

#include "platform/dialogs.h"
#include "platform/win32/text_convert.h"

namespace {

BOOL CALLBACK CollectEnabled(HWND window, LPARAM windows) {
    if (IsWindowVisible(window) && IsWindowEnabled(window))
        reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    return TRUE;
}

// The browser disables only its owner; the program's other windows of this
// thread must not take input while it is up either. The owner is left to the
// browser, which re-enables it before giving it back the activation.
class OtherWindowsDisabled {
public:
    explicit OtherWindowsDisabled(HWND owner) {
        std::vector<HWND> all;
        EnumThreadWindows(GetCurrentThreadId(), CollectEnabled, reinterpret_cast<LPARAM>(&all));
        for (HWND w : all)
            if (w != owner) windows_.push_back(w), EnableWindow(w, FALSE);
    }
    ~OtherWindowsDisabled() {
        for (HWND w : windows_)
            if (IsWindow(w)) EnableWindow(w, TRUE);
    }

private:
    std::vector<HWND> windows_;
};

}  // namespace

Text BrowseForFolder(const Text& title) {
    std::wstring caption = Wide(title);
    wchar_t displayName[MAX_PATH] = {};
    BROWSEINFOW info = {};
    info.hwndOwner = GetActiveWindow();
    info.pszDisplayName = displayName;
    info.lpszTitle = caption.c_str();
    info.ulFlags = BIF_EDITBOX;

    LPITEMIDLIST chosen;
    {
        OtherWindowsDisabled disabled(info.hwndOwner);
        chosen = SHBrowseForFolderW(&info);
    }
    if (!chosen) return Text();
    wchar_t path[MAX_PATH] = {};
    bool isFolder = SHGetPathFromIDListW(chosen, path) != 0;
    CoTaskMemFree(chosen);
    return isFolder ? NarrowZ(path) : Text();
}
