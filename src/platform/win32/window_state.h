// The state a window procedure works on: passed as CreateWindowEx's last
// argument and kept in the window's user data until WM_NCDESTROY clears it.
#pragma once
#include <windows.h>

// The window's state, stored first on WM_NCCREATE (which also sets its
// `window`); null before that and after WM_NCDESTROY.
template <typename State>
State* WindowState(HWND w, UINT msg, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* s = static_cast<State*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        s->window = w;
        SetWindowLongPtrW(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(s));
    }
    return reinterpret_cast<State*>(GetWindowLongPtrW(w, GWLP_USERDATA));
}
