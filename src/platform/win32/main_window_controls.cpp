// ComputerList and StatusLabel: creation and the label's own drawing.
#include <string>

#include "app/app_texts.h"
#include "app/layout.h"
#include "platform/win32/main_window_state.h"
#include "platform/win32/text_convert.h"

namespace {

const wchar_t kLabelClass[] = L"QingyuStatusLabel";
const int kListId = 100;
const int kLabelId = 101;
const COLORREF kLabelTextColour = RGB(0, 0, 255);
const COLORREF kWhite = RGB(255, 255, 255);

HFONT LabelFont(HWND label) { return reinterpret_cast<HFONT>(GetWindowLongPtrW(label, GWLP_USERDATA)); }

void OnLabelPaint(HWND label) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(label, &ps);
    RECT r;
    GetClientRect(label, &r);
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    int length = GetWindowTextLengthW(label);
    std::wstring text(size_t(length) + 1, L'\0');
    length = GetWindowTextW(label, &text[0], length + 1);
    HGDIOBJ oldFont = SelectObject(dc, LabelFont(label) ? LabelFont(label) : GetStockObject(DEFAULT_GUI_FONT));
    SetTextColor(dc, kLabelTextColour);
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, text.c_str(), length, &r, DT_NOCLIP | DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, oldFont);
    EndPaint(label, &ps);
}

LRESULT CALLBACK LabelProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_PAINT: OnLabelPaint(w); return 0;
    case WM_ERASEBKGND: return 1;  // WM_PAINT fills the whole label
    case WM_SETFONT:
        SetWindowLongPtrW(w, GWLP_USERDATA, static_cast<LONG_PTR>(wp));
        if (LOWORD(lp)) InvalidateRect(w, nullptr, FALSE);
        return 0;
    case WM_GETFONT: return static_cast<LRESULT>(GetWindowLongPtrW(w, GWLP_USERDATA));
    case WM_SETTEXT: {
        LRESULT r = DefWindowProcW(w, msg, wp, lp);
        InvalidateRect(w, nullptr, FALSE);
        return r;
    }
    // Reacts on the press itself, wherever the button is released.
    case WM_LBUTTONDOWN: SendMessageW(GetParent(w), kStatusPressed, 0, 0); return 0;
    }
    return DefWindowProcW(w, msg, wp, lp);
}

HWND CreateChild(const MainWindowState& s, DWORD exStyle, const wchar_t* cls, const Text& text, DWORD style,
                 const Box& b, int id) {
    return CreateWindowExW(exStyle, cls, Wide(text).c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, b.left,
                           b.top, b.width, b.height, s.window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleW(nullptr), nullptr);
}

void SetUpComputerList(HWND list) {
    ListView_SetExtendedListViewStyle(list, LVS_EX_INFOTIP | LVS_EX_SUBITEMIMAGES);
    SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    ListView_SetTextColor(list, RGB(0, 0, 0));
    ListView_SetTextBkColor(list, kWhite);
    ListView_SetBkColor(list, kWhite);
    // The list destroys its image list with itself (no LVS_SHAREIMAGELISTS).
    ListView_SetImageList(list, CreateComputerImages(), LVSIL_NORMAL);
}

HFONT CreateLabelFont() {
    LOGFONTW f = {};
    f.lfHeight = kStatusFontHeight;
    f.lfWeight = kStatusFontWeight;
    f.lfCharSet = GB2312_CHARSET;  // no face name: the character set's default face
    return CreateFontIndirectW(&f);
}

}  // namespace

bool RegisterStatusLabelClass(HINSTANCE instance) {
    WNDCLASSEXW c = {};
    c.cbSize = sizeof c;
    c.lpfnWndProc = LabelProc;
    c.hInstance = instance;
    c.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    c.lpszClassName = kLabelClass;
    return RegisterClassExW(&c) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool CreateMainControls(MainWindowState& s) {
    SendMessageW(s.window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    s.list = CreateChild(s, WS_EX_CLIENTEDGE, WC_LISTVIEWW, Text(),
                         WS_TABSTOP | LVS_ICON | LVS_AUTOARRANGE | LVS_ALIGNTOP | LVS_SINGLESEL, kComputerListBox,
                         kListId);
    s.label = CreateChild(s, 0, kLabelClass, kStatusInitial, 0, kStatusLabelBox, kLabelId);
    if (!s.list || !s.label) return false;
    SetUpComputerList(s.list);
    s.labelFont = CreateLabelFont();
    SendMessageW(s.label, WM_SETFONT, reinterpret_cast<WPARAM>(s.labelFont), FALSE);
    // In front of the list where the two overlap.
    SetWindowPos(s.label, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return true;
}

void ReleaseMainControls(MainWindowState& s) {
    if (s.label) SendMessageW(s.label, WM_SETFONT, 0, FALSE);
    if (s.labelFont) DeleteObject(s.labelFont);
    s.labelFont = nullptr;
}
