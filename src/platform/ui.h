// The program's windows. Window code lives in platform/win32; what the
// windows do is decided by the handlers given here.
#pragma once
#include <functional>
#include "platform/text.h"

struct MainWindowHandlers {
    std::function<void()> onCreated;          // before the window is first shown
    std::function<void()> onListClick;        // NM_CLICK, item or empty space
    std::function<void(int)> onMenuItem;      // 1-based item of the context menu
    std::function<void()> onStatusPress;      // left button down on the label
    std::function<void()> onEnd;              // the exit routine: after the message
                                              // loop, before the thread is released
    TextList menuItems;                       // texts of the context menu, in order
};

// Prepares the thread (OleInitialize, current directory = the program
// folder), creates MainWindow, runs the message
// loop and returns the exit code (0 normally, -1 when the window could not be
// created).
int RunMainWindow(const MainWindowHandlers& handlers);

// The report-style list of LocalSharesWindow.
class ShareListControl {
public:
    virtual ~ShareListControl() = default;
    virtual void Clear() = 0;
    virtual void InsertAt(int position, const Text& text) = 0;
    virtual int Count() = 0;
    virtual int Selected() = 0;              // -1 when none
    virtual Text ItemText(int position) = 0;  // empty for -1
    virtual void RemoveAt(int position) = 0;
};

struct ShareWindowHandlers {
    // Runs before the window is shown; returning false closes it unshown.
    std::function<bool(ShareListControl&)> onCreated;
    std::function<void(ShareListControl&)> onRefresh;
    std::function<void(ShareListControl&)> onDelete;
};

// Modal, disables the program's other windows; returns when it has closed.
void RunShareWindow(const ShareWindowHandlers& handlers);
