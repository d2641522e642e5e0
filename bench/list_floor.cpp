#include "list_floor.h"

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "platform/main_view.h"
#include "platform/win32/main_window_state.h"
#include "platform/win32/text_convert.h"
#include "process_figures.h"

namespace {

const wchar_t kFloorClass[] = L"QyBenchFloor";

struct Fill {
    HWND window = nullptr;
    HWND list = nullptr;
    std::vector<std::wstring> texts;
    double seconds = -1;
};

DWORD WINAPI Insert(void* parameter) {
    auto* fill = static_cast<Fill*>(parameter);
    unsigned long long start = CounterNow();
    SendMessageW(fill->list, WM_SETREDRAW, FALSE, 0);
    for (size_t i = 0; i < fill->texts.size(); ++i) {
        LVITEMW item = {};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = static_cast<int>(i);
        item.pszText = &fill->texts[i][0];
        item.iImage = kImageUnanswered;
        SendMessageW(fill->list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageW(fill->list, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(fill->list, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    fill->seconds = SecondsSince(start);
    PostMessageW(fill->window, WM_CLOSE, 0, 0);
    return 0;
}

LRESULT CALLBACK FloorProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(w, msg, wp, lp);
}

}  // namespace

double MeasureInsertFloor(const TextList& texts) {
    Fill fill;
    for (const Text& t : texts) fill.texts.push_back(Wide(t));
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW c = {};
    c.cbSize = sizeof c;
    c.lpfnWndProc = FloorProc;
    c.hInstance = instance;
    c.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    c.lpszClassName = kFloorClass;
    RegisterClassExW(&c);
    fill.window = CreateWindowExW(0, kFloorClass, L"floor", WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 100, 100, 525,
                                  352, nullptr, nullptr, instance, nullptr);
    if (!fill.window) return -1;
    fill.list = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                                WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | LVS_ICON | LVS_AUTOARRANGE |
                                    LVS_ALIGNTOP | LVS_SINGLESEL,
                                0, 0, 520, 300, fill.window, nullptr, instance, nullptr);
    if (!fill.list) {
        DestroyWindow(fill.window);
        return -1;
    }
    SendMessageW(fill.list, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    ListView_SetImageList(fill.list, CreateComputerImages(), LVSIL_NORMAL);
    ShowWindow(fill.window, SW_SHOWNORMAL);
    UpdateWindow(fill.window);

    HANDLE thread = CreateThread(nullptr, 0, Insert, &fill, 0, nullptr);
    if (!thread) {
        DestroyWindow(fill.window);
        return -1;
    }
    MSG m;
    while (GetMessageW(&m, nullptr, 0, 0) > 0) {
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    return fill.seconds;
}
