#include <windows.h>
#include <shlobj.h>

#include "platform/dialogs.h"
#include "platform/win32/text_convert.h"
#include "platform/win32/thread_windows.h"

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
        // The browser disables only its owner; the program's other windows
        // must not take input while it is up either. The owner is left to the
        // browser, which re-enables it before giving it back the activation.
        ThreadWindowsDisabled disabled(info.hwndOwner);
        chosen = SHBrowseForFolderW(&info);
    }
    if (!chosen) return Text();
    wchar_t path[MAX_PATH] = {};
    bool isFolder = SHGetPathFromIDListW(chosen, path) != 0;
    CoTaskMemFree(chosen);
    return isFolder ? NarrowZ(path) : Text();
}
