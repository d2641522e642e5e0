// The least a window program does before its first paint: register a class,
// create a window, show it. Prints the time from process creation to that
// WM_PAINT, the figure scan_bench gives for MainWindow.
#include <windows.h>

#include <cstdio>

#include "process_figures.h"

namespace {

double g_firstPaint = -1;

LRESULT CALLBACK Proc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_PAINT && g_firstPaint < 0) {
        g_firstPaint = SecondsSinceProcessStart();
        PostMessageW(w, WM_CLOSE, 0, 0);
    }
    if (msg == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(w, msg, wp, lp);
}

}  // namespace

int main() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW c = {};
    c.cbSize = sizeof c;
    c.lpfnWndProc = Proc;
    c.hInstance = instance;
    c.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    c.lpszClassName = L"QyBenchMinimal";
    RegisterClassExW(&c);
    HWND w = CreateWindowExW(0, L"QyBenchMinimal", L"minimal", WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 100, 100,
                             525, 352, nullptr, nullptr, instance, nullptr);
    if (!w) return 1;
    ShowWindow(w, SW_SHOWNORMAL);
    UpdateWindow(w);
    MSG m;
    while (GetMessageW(&m, nullptr, 0, 0) > 0) DispatchMessageW(&m);
    std::printf("  %-52s %10.3f ms\n", "process start to a minimal window's first paint", g_firstPaint * 1000);
    return 0;
}
