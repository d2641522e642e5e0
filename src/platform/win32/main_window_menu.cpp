// ContextMenu: built from the handlers' item texts each time it is shown.
#include "app/app_texts.h"
#include "app/layout.h"
#include "platform/win32/main_window_state.h"
#include "platform/win32/text_convert.h"

void ShowContextMenu(MainWindowState& s) {
    // The hidden top-level entry whose items pop up; never shown as a bar.
    HMENU bar = CreateMenu();
    HMENU menu = CreatePopupMenu();
    if (!bar || !menu || !AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(menu), Wide(kMenuTitle).c_str())) {
        if (menu) DestroyMenu(menu);
        if (bar) DestroyMenu(bar);
        return;
    }
    const TextList& items = s.handlers->menuItems;
    for (size_t i = 0; i < items.size(); ++i)
        AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(i + 1), Wide(items[i]).c_str());
    POINT at;
    GetCursorPos(&at);
    // Without this a click elsewhere does not dismiss the menu.
    SetForegroundWindow(s.window);
    int chosen = static_cast<int>(TrackPopupMenu(menu, TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY,
                                                 at.x + kMenuOffset, at.y + kMenuOffset, 0, s.window, nullptr));
    PostMessageW(s.window, WM_NULL, 0, 0);
    DestroyMenu(bar);  // and the pop-up with it
    // The handler runs once the menu has closed.
    if (chosen > 0 && s.handlers->onMenuItem) s.handlers->onMenuItem(chosen);
}
