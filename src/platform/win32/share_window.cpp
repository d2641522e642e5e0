// LocalSharesWindow: a modal window with its own message loop.
#include <windows.h>
#include <commctrl.h>

#include "platform/ui.h"
#include "platform/win32/main_window_resources.h"
#include "platform/win32/share_window_layout.h"
#include "platform/win32/share_window_list.h"
#include "platform/win32/text_convert.h"
#include "platform/win32/thread_windows.h"
#include "platform/win32/window_state.h"

namespace {

const wchar_t kShareWindowClass[] = L"QingyuLocalShares";
enum ControlId { kListId = 101, kRefreshId = 102, kDeleteId = 103 };

struct ShareWindowState {
    const ShareWindowHandlers* handlers = nullptr;
    ThreadWindowsDisabled* disabled = nullptr;
    HWND window = nullptr;
    HWND list = nullptr;
    ListViewShareList* shareList = nullptr;
    bool closed = false;
};

HWND CreateButton(HWND parent, const char* text, const share_window::Box& box, int id) {
    return CreateWindowExW(0, L"BUTTON", Wide(text).c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                           box.left, box.top, box.width, box.height, parent, reinterpret_cast<HMENU>(INT_PTR(id)),
                           GetModuleHandleW(nullptr), nullptr);
}

BOOL CALLBACK SetFontOf(HWND child, LPARAM font) {
    SendMessageW(child, WM_SETFONT, WPARAM(font), TRUE);
    return TRUE;
}

bool OnCreate(ShareWindowState& s) {
    using namespace share_window;
    s.list = CreateShareListView(s.window, kListId);
    if (!s.list || !CreateButton(s.window, kRefreshText, kRefreshBox, kRefreshId) ||
        !CreateButton(s.window, kDeleteText, kDeleteBox, kDeleteId))
        return false;
    EnumChildWindows(s.window, SetFontOf, reinterpret_cast<LPARAM>(GetStockObject(DEFAULT_GUI_FONT)));
    return true;
}

void OnCommand(ShareWindowState& s, int id, int code) {
    if (id == IDCANCEL) PostMessageW(s.window, WM_CLOSE, 0, 0);
    if (code != BN_CLICKED || !s.shareList) return;
    if (id == kRefreshId && s.handlers->onRefresh) s.handlers->onRefresh(*s.shareList);
    if (id == kDeleteId && s.handlers->onDelete) s.handlers->onDelete(*s.shareList);
}

void OnClose(ShareWindowState& s) {
    s.disabled->Restore();
    DestroyWindow(s.window);
}

LRESULT CALLBACK ShareWindowProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    ShareWindowState* s = WindowState<ShareWindowState>(w, msg, lp);
    if (!s) return DefWindowProcW(w, msg, wp, lp);
    switch (msg) {
    case WM_CREATE: return OnCreate(*s) ? 0 : -1;
    case WM_COMMAND: OnCommand(*s, LOWORD(wp), HIWORD(wp)); return 0;
    case WM_CLOSE: OnClose(*s); return 0;
    case WM_DESTROY: s->closed = true; return 0;
    case WM_NCDESTROY: SetWindowLongPtrW(w, GWLP_USERDATA, 0); break;
    }
    return DefWindowProcW(w, msg, wp, lp);
}

bool RegisterShareWindowClass(HINSTANCE instance) {
    WNDCLASSEXW c = {};
    c.cbSize = sizeof c;
    c.lpfnWndProc = ShareWindowProc;
    c.hInstance = instance;
    c.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(QY_PROGRAM_ICON));
    c.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    c.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    c.lpszClassName = kShareWindowClass;
    return RegisterClassExW(&c) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// Esc in the window or one of its controls closes it, and only it.
bool IsEscapeFor(const MSG& m, HWND window) {
    return m.message == WM_KEYDOWN && m.wParam == VK_ESCAPE && (m.hwnd == window || IsChild(window, m.hwnd));
}

void MessageLoop(ShareWindowState& s) {
    MSG m = {};
    while (!s.closed) {
        BOOL got = GetMessageW(&m, nullptr, 0, 0);
        if (got == -1) break;
        if (got == 0) {
            // The program is ending; the outer loop must see the quit too.
            PostQuitMessage(int(m.wParam));
            break;
        }
        if (IsEscapeFor(m, s.window)) {
            SendMessageW(s.window, WM_CLOSE, 0, 0);
            continue;
        }
        if (IsDialogMessageW(s.window, &m)) continue;
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
}

}  // namespace

void RunShareWindow(const ShareWindowHandlers& handlers) {
    using namespace share_window;
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!RegisterShareWindowClass(instance)) return;

    HWND previous = GetActiveWindow();
    ThreadWindowsDisabled disabled;
    // An owned window gets no task-bar button; the owner is a hidden window
    // of its own, since MainWindow must not own it.
    HWND owner = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
    ShareWindowState state;
    state.handlers = &handlers;
    state.disabled = &disabled;
    HWND window = CreateWindowExW(WS_EX_CONTROLPARENT, kShareWindowClass, Wide(kCaption).c_str(),
                                  WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
                                  CentredLeft(GetSystemMetrics(SM_CXSCREEN)), CentredTop(GetSystemMetrics(SM_CYSCREEN)),
                                  kWidth, kHeight, owner, nullptr, instance, &state);
    if (window) {
        ListViewShareList shareList(state.list);
        state.shareList = &shareList;
        bool keep = !handlers.onCreated || handlers.onCreated(shareList);
        if (keep && !state.closed) {
            ShowWindow(window, SW_SHOWNORMAL);
            UpdateWindow(window);
            SetFocus(state.list);
            MessageLoop(state);
        }
        disabled.Restore();
        if (IsWindow(window)) DestroyWindow(window);
    }
    disabled.Restore();
    if (owner) DestroyWindow(owner);
    if (previous && IsWindow(previous) && IsWindowEnabled(previous)) SetActiveWindow(previous);
}
