// MainWindow's state, shared by its window procedure, its controls and the
// MainView requests. Everything here is touched on the user-interface thread
// only.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "platform/ui.h"

struct MainWindowState {
    const MainWindowHandlers* handlers = nullptr;
    HWND window = nullptr;
    HWND list = nullptr;
    HWND label = nullptr;
    HFONT labelFont = nullptr;
    HWND focus = nullptr;  // control that had the focus when the window was left
    bool gone = false;  // WM_DESTROY has run: requests do nothing
    // Appends stream in with the list's redraw off; they are shown in batches.
    bool redrawSuspended = false;
    DWORD suspendedAt = 0;
};

// Private messages of MainWindow.
enum : UINT {
    kViewRequest = WM_APP + 1,  // lParam: the request, run on this thread
    kDestroyRequest,            // MainWindowDestroy
    kStatusPressed,             // left button down on StatusLabel
};
enum : UINT_PTR { kRepaintTimer = 1 };
// Pending appends become visible at least this often.
constexpr DWORD kRepaintIntervalMs = 100;

// main_window_controls.cpp
bool CreateMainControls(MainWindowState& s);
void ReleaseMainControls(MainWindowState& s);
bool RegisterStatusLabelClass(HINSTANCE instance);
// main_window_menu.cpp
void ShowContextMenu(MainWindowState& s);
// main_view.cpp
void MainViewAttach(MainWindowState* s);
void MainViewDetach();
void RunViewRequest(MainWindowState& s, LPARAM request);
void SuspendListRedraw(MainWindowState& s);
void ShowPendingAppends(MainWindowState& s);
// images.cpp: the two computer pictures, answered and not answered.
HIMAGELIST CreateComputerImages();
