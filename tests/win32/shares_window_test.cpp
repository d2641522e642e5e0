// LocalSharesWindow as Win32 builds it: geometry, styles, the list view, the
// buttons, modality and the Esc key. The checks run from a timer inside the
// window's own message loop, the way a user's input would arrive.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/program_texts/program_texts.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "platform/ui.h"
#include "shares/shares.h"
#include "platform/win32/share_window_layout.h"
#include "platform/win32/text_convert.h"
#include "win32/platform_support.h"
#include "win32/shares_support.h"

namespace {

using share_window::Box;

Box ClientBoxOf(HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

bool operator==(const Box& a, const Box& b) {
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

HWND FindShareWindow() { return FindWindowW(nullptr, Wide(share_window::kCaption).c_str()); }

HWND ButtonOf(HWND window, const char* text) { return FindWindowExW(window, nullptr, L"Button", Wide(text).c_str()); }

// A visible top-level window standing in for MainWindow.
class OtherWindow {
public:
    OtherWindow() {
        window_ = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    ~OtherWindow() { DestroyWindow(window_); }
    HWND get() const { return window_; }

private:
    HWND window_;
};

// Counts how often the share window is asked to show itself.
class ShowCounter {
public:
    ShowCounter() {
        count_ = 0;
        hook_ = SetWindowsHookExW(WH_CALLWNDPROC, OnMessage, nullptr, GetCurrentThreadId());
    }
    ~ShowCounter() { UnhookWindowsHookEx(hook_); }
    int shows() const { return count_; }

private:
    static LRESULT CALLBACK OnMessage(int code, WPARAM wp, LPARAM lp) {
        auto* m = reinterpret_cast<CWPSTRUCT*>(lp);
        if (code == HC_ACTION && m->message == WM_SHOWWINDOW && m->wParam && m->hwnd == FindShareWindow()) ++count_;
        return CallNextHookEx(nullptr, code, wp, lp);
    }
    static int count_;
    HHOOK hook_;
};
int ShowCounter::count_ = 0;

// Runs `step` from the share window's message loop once it is running.
std::function<void()> g_step;
void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    if (g_step) g_step();
}
void WhenLoopRuns(std::function<void()> step) {
    g_step = std::move(step);
    SetTimer(nullptr, 0, 50, OnTimer);
}

TEST(SharesWindow, LayoutStylesButtonsAndEscape) {
    OtherWindow other;
    ShowCounter counter;
    bool otherEnabledAtCreation = true, shownAtCreation = true;
    HWND window = nullptr, list = nullptr;
    RECT outer = {};
    LONG_PTR style = 0, listStyle = 0;
    DWORD listExtended = 0;
    Box listBox = {}, refreshBox = {}, deleteBox = {};
    LVCOLUMNW column = {};
    wchar_t columnText[64] = {};
    bool otherEnabledWhileOpen = true, headerShown = false;
    HWND owner = nullptr;
    std::vector<Text> refreshed, deleted;

    ShareWindowHandlers handlers;
    handlers.onCreated = [&](ShareListControl& shares) {
        window = FindShareWindow();
        shownAtCreation = window && IsWindowVisible(window);
        otherEnabledAtCreation = IsWindowEnabled(other.get()) != FALSE;
        shares.InsertAt(0, "资料");
        shares.InsertAt(0, "Local Disk (E)");
        WhenLoopRuns([&] {
            window = FindShareWindow();
            GetWindowRect(window, &outer);
            style = GetWindowLongPtrW(window, GWL_STYLE);
            owner = GetWindow(window, GW_OWNER);
            otherEnabledWhileOpen = IsWindowEnabled(other.get()) != FALSE;
            list = FindWindowExW(window, nullptr, WC_LISTVIEWW, nullptr);
            listStyle = GetWindowLongPtrW(list, GWL_STYLE);
            listExtended = DWORD(SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
            listBox = ClientBoxOf(list);
            refreshBox = ClientBoxOf(ButtonOf(window, share_window::kRefreshText));
            deleteBox = ClientBoxOf(ButtonOf(window, share_window::kDeleteText));
            column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
            column.pszText = columnText;
            column.cchTextMax = 64;
            SendMessageW(list, LVM_GETCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
            HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
            headerShown = header && IsWindowVisible(header);

            SendMessageW(ButtonOf(window, share_window::kRefreshText), BM_CLICK, 0, 0);
            LVITEMW select = {};
            select.stateMask = select.state = LVIS_SELECTED | LVIS_FOCUSED;
            SendMessageW(list, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&select));
            SendMessageW(ButtonOf(window, share_window::kDeleteText), BM_CLICK, 0, 0);
            PostMessageW(list, WM_KEYDOWN, VK_ESCAPE, 0);
        });
        return true;
    };
    handlers.onRefresh = [&](ShareListControl& shares) {
        for (int i = 0; i < shares.Count(); ++i) refreshed.push_back(shares.ItemText(i));
        shares.Clear();
        shares.InsertAt(0, "C");
        shares.InsertAt(0, "B");
        shares.InsertAt(0, "A");
    };
    handlers.onDelete = [&](ShareListControl& shares) {
        deleted.push_back(shares.ItemText(shares.Selected()));
        shares.RemoveAt(shares.Selected());
        for (int i = 0; i < shares.Count(); ++i) deleted.push_back(shares.ItemText(i));
    };
    RunShareWindow(handlers);

    ASSERT_TRUE(window);
    EXPECT_FALSE(shownAtCreation);
    EXPECT_EQ(counter.shows(), 1);
    EXPECT_FALSE(otherEnabledAtCreation);
    EXPECT_FALSE(otherEnabledWhileOpen);
    EXPECT_TRUE(IsWindowEnabled(other.get()));
    EXPECT_FALSE(IsWindow(window)) << "Esc closes the window";
    EXPECT_TRUE(IsWindow(other.get())) << "and only it";

    int screenW = GetSystemMetrics(SM_CXSCREEN), screenH = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_EQ(outer.right - outer.left, 319);
    EXPECT_EQ(outer.bottom - outer.top, 282);
    EXPECT_EQ(outer.left, (screenW - 319) / 2);
    EXPECT_EQ(outer.top, (screenH - 282) / 2);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), WS_CAPTION | WS_SYSMENU);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    // Owned by a window of its own, so it has no task-bar button, and not by MainWindow.
    EXPECT_TRUE(owner);
    EXPECT_NE(owner, other.get());

    EXPECT_TRUE(listBox == (Box{1, 4, 207, 244}));
    EXPECT_TRUE(refreshBox == (Box{216, 16, 88, 32}));
    EXPECT_TRUE(deleteBox == (Box{216, 64, 88, 32}));
    EXPECT_EQ(listStyle & LVS_TYPEMASK, LVS_REPORT);
    EXPECT_TRUE(listStyle & LVS_SINGLESEL);
    EXPECT_TRUE(listStyle & WS_BORDER);
    EXPECT_EQ(listStyle & (LVS_SORTASCENDING | LVS_SORTDESCENDING | LVS_NOCOLUMNHEADER), 0);
    EXPECT_EQ(listExtended & (LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT), DWORD(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT));
    EXPECT_TRUE(headerShown);
    EXPECT_EQ(column.cx, 200);
    EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_LEFT);
    EXPECT_EQ(Narrow(columnText, wcslen(columnText)), "本机共享资源");

    EXPECT_EQ(refreshed, (std::vector<Text>{"Local Disk (E)", "资料"}));
    EXPECT_EQ(deleted, (std::vector<Text>{"B", "A", "C"}));
}

TEST(SharesWindow, ClosedUnshownWhenCreationSaysSo) {
    OtherWindow other;
    if (!other.get()) GTEST_SKIP() << "no display for windows";
    bool otherEnabledAtCreation = true;
    HWND window = nullptr;
    ShowCounter counter;
    ShareWindowHandlers handlers;
    handlers.onCreated = [&](ShareListControl&) {
        window = FindShareWindow();
        otherEnabledAtCreation = IsWindowEnabled(other.get()) != FALSE;
        return false;
    };
    RunShareWindow(handlers);

    ASSERT_TRUE(window);
    EXPECT_FALSE(otherEnabledAtCreation);
    EXPECT_EQ(counter.shows(), 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(IsWindowEnabled(other.get()));
}

std::vector<Text> ListItems(HWND list) {
    std::vector<Text> items;
    int count = int(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        LVITEMW item = {};
        item.pszText = text;
        item.cchTextMax = 256;
        SendMessageW(list, LVM_GETITEMTEXTW, WPARAM(i), reinterpret_cast<LPARAM>(&item));
        items.push_back(Narrow(text, wcslen(text)));
    }
    return items;
}

// The test network provider answers for the local computer from a file.
class LocalNetwork {
public:
    explicit LocalNetwork(const std::vector<Text>& shares)
        : file_(WorkFolder() + UniqueName("network") + ".txt"), variable_(L"QY_TEST_NETWORK", Wide(file_)) {
        Text name = RegReadText(RegRoot::LocalMachine, kComputerNamePath);
        Text text = "WORKGROUP\r\n\\\\" + name + "\r\n";
        for (const Text& share : shares) text += "\\\\" + name + "\\" + share + "\r\n";
        WriteWholeFile(file_, text);
    }
    ~LocalNetwork() { DeleteFileAt(file_); }

private:
    Text file_;
    ScopedVariable variable_;
};

TEST(SharesWindow, ListsTheLocalComputersSharesNewestFirst) {
    OtherWindow other;
    if (!other.get()) GTEST_SKIP() << "no display for windows";
    LocalNetwork network({"共享文档", "Local Disk (E)", "打印机"});
    std::vector<Text> shown;
    WhenLoopRuns([&] {
        HWND list = FindWindowExW(FindShareWindow(), nullptr, WC_LISTVIEWW, nullptr);
        shown = ListItems(list);
        PostMessageW(list, WM_KEYDOWN, VK_ESCAPE, 0);
    });
    ShowLocalShares();
    EXPECT_EQ(LocalComputerName(), RegReadText(RegRoot::LocalMachine, kComputerNamePath));
    EXPECT_EQ(shown, (std::vector<Text>{"打印机", "Local Disk (E)", "共享文档"}))
        << "is the test network provider installed (tests/win32/setup-prefix.sh)?";
    EXPECT_TRUE(IsWindowEnabled(other.get()));
}

TEST(SharesWindow, NoLocalSharesIsSaidAndTheWindowNeverShows) {
    OtherWindow other;
    if (!other.get()) GTEST_SKIP() << "no display for windows";
    LocalNetwork network({});
    ShowCounter counter;
    MessageCatcher catcher;
    ShowLocalShares();
    auto messages = catcher.Wait(1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "本机没有共享资源");
    EXPECT_EQ(messages[0].icon, 64);
    EXPECT_EQ(messages[0].title, "信息：");
    EXPECT_EQ(counter.shows(), 0);
    EXPECT_FALSE(FindShareWindow());
    EXPECT_TRUE(IsWindowEnabled(other.get()));
}

}  // namespace
