// MainWindow: creation, the message routing and the message loop.
#include <ole2.h>

#include "app/app_texts.h"
#include "app/layout.h"
#include "platform/files.h"
#include "platform/win32/main_window_resources.h"
#include "platform/win32/main_window_state.h"
#include "platform/win32/text_convert.h"
#include "platform/win32/window_state.h"

namespace {

const wchar_t kMainClass[] = L"QingyuShareMain";

BOOL CALLBACK FindOtherWindow(HWND w, LPARAM main) {
    if (w != reinterpret_cast<HWND>(main) && IsWindowVisible(w)) return FALSE;
    return TRUE;
}

// A visible top-level window of this thread other than MainWindow keeps the
// program running; the hidden ones COM and the input method own do not.
bool OtherProgramWindowExists(HWND main) {
    return !EnumThreadWindows(GetCurrentThreadId(), FindOtherWindow, reinterpret_cast<LPARAM>(main));
}

LRESULT OnNotify(MainWindowState& s, const NMHDR& n) {
    if (n.hwndFrom != s.list) return 0;
    if (n.code == NM_CLICK && s.handlers->onListClick) s.handlers->onListClick();
    if (n.code == NM_RCLICK) ShowContextMenu(s);
    return 0;
}

void OnDestroy(MainWindowState& s) {
    s.gone = true;
    MainViewDetach();
    KillTimer(s.window, kRepaintTimer);
    ReleaseMainControls(s);
    if (!OtherProgramWindowExists(s.window)) PostQuitMessage(0);
}

// Gives the focus back to the control that had it (the list at first), so
// keys such as Esc reach the window again after a dialog has closed.
void OnActivate(MainWindowState& s, bool active) {
    if (!active) {
        HWND f = GetFocus();
        if (f && IsChild(s.window, f)) s.focus = f;
        return;
    }
    SetFocus(s.focus && IsWindow(s.focus) ? s.focus : s.list);
}

void OnStatusPressed(MainWindowState& s) {
    if (s.handlers->onStatusPress) s.handlers->onStatusPress();
}

LRESULT CALLBACK MainProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    MainWindowState* s = WindowState<MainWindowState>(w, msg, lp);
    if (!s) return DefWindowProcW(w, msg, wp, lp);
    switch (msg) {
    case WM_CREATE: return CreateMainControls(*s) ? 0 : -1;
    case WM_ACTIVATE:
        if (!HIWORD(wp)) OnActivate(*s, LOWORD(wp) != WA_INACTIVE);  // not while minimised
        return 0;
    case WM_NOTIFY: return OnNotify(*s, *reinterpret_cast<NMHDR*>(lp));
    case WM_TIMER: if (wp == kRepaintTimer) ShowPendingAppends(*s); return 0;
    case kViewRequest: if (!s->gone) RunViewRequest(*s, lp); return 0;
    case kDestroyRequest: DestroyWindow(w); return 0;
    case kStatusPressed: OnStatusPressed(*s); return 0;
    case WM_DESTROY: OnDestroy(*s); return 0;
    case WM_NCDESTROY: SetWindowLongPtrW(w, GWLP_USERDATA, 0); break;
    }
    return DefWindowProcW(w, msg, wp, lp);
}

bool RegisterMainClass(HINSTANCE instance) {
    WNDCLASSEXW c = {};
    c.cbSize = sizeof c;
    c.lpfnWndProc = MainProc;
    c.hInstance = instance;
    c.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(QY_PROGRAM_ICON), IMAGE_ICON,
                                            GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
    c.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(QY_PROGRAM_ICON), IMAGE_ICON,
                                              GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    c.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    c.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    c.lpszClassName = kMainClass;
    return RegisterClassExW(&c) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// Esc pressed alone while MainWindow or one of its controls has the focus.
bool IsEscapeForMain(const MSG& m, HWND main) {
    if (m.message != WM_KEYDOWN || m.wParam != VK_ESCAPE) return false;
    if (m.hwnd != main && !IsChild(main, m.hwnd)) return false;
    for (int key : {VK_CONTROL, VK_SHIFT, VK_MENU})
        if (GetKeyState(key) & 0x8000) return false;
    return true;
}

int MessageLoop(HWND main) {
    MSG m = {};
    BOOL got;
    while ((got = GetMessageW(&m, nullptr, 0, 0)) != 0) {
        if (got == -1) return 0;
        if (IsEscapeForMain(m, main)) {
            DestroyWindow(main);
            continue;
        }
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
    return static_cast<int>(m.wParam);
}

}  // namespace

int RunMainWindow(const MainWindowHandlers& handlers) {
    OleInitialize(nullptr);
    SetCurrentDirectoryW(Wide(ProgramFolder()).c_str());
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    HINSTANCE instance = GetModuleHandleW(nullptr);

    MainWindowState state;
    state.handlers = &handlers;
    HWND main = nullptr;
    if (RegisterMainClass(instance) && RegisterStatusLabelClass(instance))
        main = CreateWindowExW(0, kMainClass, Wide(kMainCaption).c_str(), WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                               CentredLeft(GetSystemMetrics(SM_CXSCREEN)), CentredTop(GetSystemMetrics(SM_CYSCREEN)),
                               kMainWidth, kMainHeight, nullptr, nullptr, instance, &state);
    if (!main) {
        OleUninitialize();
        return -1;
    }
    MainViewAttach(&state);
    if (handlers.onCreated) handlers.onCreated();
    int code = 0;
    if (IsWindow(main)) {
        ShowWindow(main, SW_SHOWNORMAL);
        UpdateWindow(main);
        code = MessageLoop(main);
    }
    if (handlers.onEnd) handlers.onEnd();
    OleUninitialize();
    return code;
}
