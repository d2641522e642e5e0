// The shell folder browser, driven from a second thread: the folder chosen
// in it comes back as a file-system path. Wine's browser has no edit box,
// so the folder is chosen the way a program preselects one.
#include <windows.h>
#include <objbase.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/win32/text_convert.h"
#include "win32/platform_support.h"

namespace {

struct Browse {
    DWORD thread;
    std::wstring chosen;  // empty: press cancel
    bool found = false;
    HWND owner = nullptr;
    bool otherWindowEnabled = true;
    HWND other = nullptr;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM found) {
    wchar_t cls[64] = {};
    GetClassNameW(window, cls, 64);
    if (std::wstring(cls) == L"#32770" && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

DWORD WINAPI Drive(LPVOID parameter) {
    auto* b = static_cast<Browse*>(parameter);
    HWND dialog = nullptr;
    for (int i = 0; i < 1000 && !dialog; ++i, Sleep(10))
        EnumThreadWindows(b->thread, FindDialog, reinterpret_cast<LPARAM>(&dialog));
    if (!dialog) return 0;
    b->found = true;
    b->owner = GetWindow(dialog, GW_OWNER);
    b->otherWindowEnabled = IsWindowEnabled(b->other);
    if (b->chosen.empty()) {
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        return 0;
    }
    // The browser fills its tree after it shows; choose once it has settled
    // on its first selection, and confirm once the new one has taken.
    HWND tree = FindWindowExW(dialog, nullptr, L"SysTreeView32", nullptr);
    auto selected = [&] { return SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0); };
    LRESULT first = 0;
    for (int i = 0; i < 200 && !(first = selected()); ++i) Sleep(10);
    SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, LPARAM(b->chosen.c_str()));
    for (int i = 0; i < 200 && selected() == first; ++i) Sleep(10);
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    return 0;
}

HWND TopWindow(const wchar_t* caption) {
    return CreateWindowExW(0, L"Static", caption, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                           nullptr, nullptr, nullptr);
}

Text BrowseChoosing(const std::wstring& chosen, Browse& b) {
    b.chosen = chosen;
    b.thread = GetCurrentThreadId();
    HANDLE driver = CreateThread(nullptr, 0, Drive, &b, 0, nullptr);
    Text path = BrowseForFolder("选择要共享的文件夹");
    WaitForSingleObject(driver, 20000);
    CloseHandle(driver);
    return path;
}

class FolderBrowser : public ::testing::Test {
protected:
    void SetUp() override {
        CoInitialize(nullptr);
        other_ = TopWindow(L"other");
        main_ = TopWindow(L"main");
        if (!main_) GTEST_SKIP() << "no display for windows";
        SetActiveWindow(main_);
    }
    void TearDown() override {
        if (main_) DestroyWindow(main_);
        if (other_) DestroyWindow(other_);
        CoUninitialize();
    }
    HWND main_ = nullptr, other_ = nullptr;
};

TEST_F(FolderBrowser, ChosenFoldersComeBackAsPaths) {
    // Wine's browser does not reliably reach the deeply nested temporary
    // folder; right below a drive root it does.
    const Text folder = "C:\\" + UniqueName("资料");
    ASSERT_TRUE(CreateDirectoryW(Wide(folder).c_str(), nullptr));
    const struct {
        std::wstring chosen;
        Text expected;
    } cases[] = {{Wide(folder), folder}, {L"C:\\windows", "C:\\windows"}, {L"C:\\", "C:\\"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(Narrow(c.chosen));
        Browse b;
        b.other = other_;
        EXPECT_EQ(BrowseChoosing(c.chosen, b), c.expected);
        EXPECT_TRUE(b.found);
        EXPECT_EQ(b.owner, main_);
        EXPECT_FALSE(b.otherWindowEnabled) << "the program's other windows take no input meanwhile";
        EXPECT_TRUE(IsWindowEnabled(other_));
        EXPECT_TRUE(IsWindowEnabled(main_));
    }
    RemoveDirectoryW(Wide(folder).c_str());
}

TEST_F(FolderBrowser, CancelGivesEmptyText) {
    Browse b;
    b.other = other_;
    EXPECT_EQ(BrowseChoosing(L"", b), "");
    EXPECT_TRUE(b.found);
}

}  // namespace
