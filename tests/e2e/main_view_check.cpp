// Checks the real MainWindow as it is created (caption, frame, place, the
// controls' settings), then drives MainView against it: requests from a
// background thread, the batched appends (their cost is printed), and the end
// with threads still sending requests. Prints each failed check and exits with 1
// if there was one; the end itself must not hang (the script times it).
#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <cstdio>
#include <string>

#include "platform/main_view.h"
#include "platform/system.h"
#include "platform/threads.h"
#include "platform/ui.h"

namespace {

std::atomic<int> g_failures{0};
std::atomic<bool> g_gone{false};

void Check(bool ok, const char* what) {
    if (ok) return;
    ++g_failures;
    std::printf("FAIL: %s\n", what);
    std::fflush(stdout);
}

// Keeps asking while the window goes away; none of this may crash or block.
void Hammer(int) {
    for (;;) {
        int at = ListAppend("late", kImageUnanswered);
        if (g_gone && at != -1) Check(false, "an append after the end was carried out");
        ListItemText(0);
        ListSetImageIfText(0, "late", kImageAnswered);
        StatusSetText("x");
    }
}

std::wstring WindowText(HWND w) {
    wchar_t buffer[256] = {};
    GetWindowTextW(w, buffer, 256);
    return buffer;
}

// The first child of that class, walking the Z order from the top.
HWND ChildOfClass(HWND parent, const wchar_t* cls) {
    for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        wchar_t name[64] = {};
        GetClassNameW(c, name, 64);
        if (lstrcmpiW(name, cls) == 0) return c;
    }
    return nullptr;
}

bool HasBox(HWND child, int left, int top, int width, int height) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r.left == left && r.top == top && r.right - r.left == width && r.bottom - r.top == height;
}

// Runs as the created event: every control exists, nothing is shown yet.
void CheckCreatedWindow() {
    HWND main = FindWindowW(nullptr, L"青屿文件共享 6.0");
    Check(main != nullptr, "MainWindow with its first caption");
    if (!main) return;
    Check(!IsWindowVisible(main), "not yet shown in the created event");
    RECT r;
    GetWindowRect(main, &r);
    int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    Check(r.right - r.left == 525 && r.bottom - r.top == 352, "outer size 525 x 352");
    Check(r.left == (sw - 525) / 2 && r.top == (sh - 352) / 2, "centred on the screen");
    LONG style = GetWindowLongW(main, GWL_STYLE);
    Check((style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX)) == (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX) &&
              !(style & (WS_THICKFRAME | WS_MAXIMIZEBOX)),
          "fixed frame, close box and minimise button, no maximise");
    Check(GetMenu(main) == nullptr, "no menu bar");

    HWND list = ChildOfClass(main, L"SysListView32");
    Check(list != nullptr, "ComputerList exists");
    if (!list) return;
    Check(HasBox(list, 0, 0, 520, 300), "ComputerList at 0,0 520 x 300");
    LONG ls = GetWindowLongW(list, GWL_STYLE);
    const LONG wanted = LVS_ICON | LVS_AUTOARRANGE | LVS_ALIGNTOP | LVS_SINGLESEL | WS_TABSTOP;
    const LONG unwanted = LVS_SHOWSELALWAYS | LVS_EDITLABELS | LVS_SORTASCENDING | LVS_SORTDESCENDING |
                          LVS_SHAREIMAGELISTS | LVS_NOLABELWRAP;
    Check((ls & wanted) == wanted && !(ls & unwanted) && (ls & LVS_TYPEMASK) == LVS_ICON, "ComputerList styles");
    Check(GetWindowLongW(list, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, "ComputerList sunken edge");
    Check(SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) == (LVS_EX_INFOTIP | LVS_EX_SUBITEMIMAGES),
          "ComputerList extended styles exactly info tips and sub-item images");
    Check(ListView_GetBkColor(list) == RGB(255, 255, 255) && ListView_GetTextColor(list) == RGB(0, 0, 0) &&
              ListView_GetTextBkColor(list) == RGB(255, 255, 255),
          "ComputerList colours");
    HIMAGELIST images = ListView_GetImageList(list, LVSIL_NORMAL);
    int cx = 0, cy = 0;
    Check(images && ImageList_GetImageCount(images) == 2 && ImageList_GetIconSize(images, &cx, &cy) && cx == 58 &&
              cy == 58,
          "two computer images of 58 x 58");
    Check(ListView_GetItemCount(list) == 0, "the list starts empty");

    HWND label = GetWindow(main, GW_CHILD);  // topmost child
    Check(label != list && label != nullptr, "StatusLabel in front of ComputerList");
    if (!label || label == list) return;
    Check(HasBox(label, 0, 298, 520, 24), "StatusLabel at 0,298 520 x 24");
    Check(WindowText(label) == L"快速获取请单击空白处。正在获取在线计算机，请稍后。。。", "StatusLabel's first text");
    LOGFONTW f = {};
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0));
    Check(font && GetObjectW(font, sizeof f, &f) && f.lfHeight == -14 && f.lfWeight == 400 &&
              f.lfCharSet == GB2312_CHARSET && f.lfFaceName[0] == 0 && !f.lfItalic && !f.lfUnderline,
          "StatusLabel font");
}

void Worker(int) {
    Check(ListAppend("A", kImageUnanswered) == 0, "first append at 0");
    Check(ListAppend("B", kImageUnanswered) == 1, "second append at 1");
    Check(ListCount() == 2, "count 2");
    Check(ListItemText(0) == "A" && ListItemText(1) == "B", "item texts");
    Check(ListItemText(-1).empty() && ListItemText(2).empty(), "texts of missing positions are empty");
    std::string longText;
    for (int i = 0; i < 300; ++i) longText += "计算机";
    ListSetText(1, longText);
    Check(ListItemText(1) == longText, "a 900-byte text reads back whole");
    ListSetText(7, "nowhere");
    Check(ListCount() == 2, "setting a missing position adds nothing");
    Check(ListSetImageIfText(0, "A", kImageAnswered), "image set when the text matches");
    Check(!ListSetImageIfText(0, "B", kImageAnswered), "image not set when the text differs");
    Check(!ListSetImageIfText(5, "A", kImageAnswered), "image not set for a missing position");
    Check(ListSelected() == -1, "nothing selected");
    ListClear();
    Check(ListCount() == 0, "clear empties the list");

    const int n = 10240;
    DWORD start = GetTickCount();
    bool inOrder = true;
    for (int i = 0; i < n; ++i) inOrder = inOrder && ListAppend("PC-" + std::to_string(i), kImageUnanswered) == i;
    ListShowPending();
    DWORD took = GetTickCount() - start;
    Check(inOrder && ListCount() == n, "10240 appends in order");
    Check(ListItemText(n - 1) == "PC-10239", "last appended text");
    std::printf("appended %d items from a background thread in %lu ms (%.0f us per item)\n", n,
                static_cast<unsigned long>(took), took * 1000.0 / n);
    std::fflush(stdout);

    for (int i = 0; i < 4; ++i) StartThread(Hammer, 0);
    Sleep(200);
    MainWindowDestroy();
}

}  // namespace

int main() {
    Check(ListAppend("early", kImageUnanswered) == -1, "append before the window exists");
    Check(ListCount() == 0 && ListItemText(0).empty(), "reads before the window exist are empty");
    MainWindowHandlers h;
    h.onCreated = [] {
        CheckCreatedWindow();
        StartThread(Worker, 0);
    };
    int code = RunMainWindow(h);
    g_gone = true;
    Check(code == 0, "RunMainWindow returns 0");
    Check(ListAppend("after", kImageUnanswered) == -1 && ListCount() == 0, "requests after the end do nothing");
    std::printf("%s\n", g_failures ? "failed" : "ok");
    // Ends as the program does, with the threads still asking.
    EndProcess(g_failures ? 1 : 0);
}
