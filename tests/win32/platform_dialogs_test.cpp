// The input box, driven from a second thread the way a user would: find the
// dialog by its caption, look at it, type, press a button.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/dialogs.h"
#include "platform/win32/text_convert.h"

namespace {

struct Seen {
    bool found = false;
    std::wstring prompt, field, okText, cancelText;
    DWORD fieldStyle = 0;
    DWORD selStart = 0, selEnd = 0;
    LONG_PTR okStyle = 0;
    HWND owner = nullptr;
    bool ownerEnabled = true;
};

std::wstring TextOf(HWND window) {
    wchar_t buffer[512] = {};
    GetWindowTextW(window, buffer, 512);
    return buffer;
}

HWND FindFieldOf(HWND dialog) {
    HWND child = nullptr;
    while ((child = FindWindowExW(dialog, child, L"Edit", nullptr)) != nullptr) return child;
    return nullptr;
}

// Runs `act` on the dialog with caption `title` once it is up.
class DialogDriver {
public:
    DialogDriver(std::wstring title, std::function<void(HWND, Seen&)> act)
        : title_(std::move(title)), act_(std::move(act)) {
        thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
    }
    ~DialogDriver() {
        WaitForSingleObject(thread_, 20000);
        CloseHandle(thread_);
    }
    Seen seen;

private:
    static DWORD WINAPI Run(LPVOID self) {
        auto* d = static_cast<DialogDriver*>(self);
        HWND dialog = nullptr;
        for (int i = 0; i < 1000 && !dialog; ++i, Sleep(10)) dialog = FindWindowW(L"#32770", d->title_.c_str());
        if (!dialog) return 0;
        Seen& s = d->seen;
        s.found = true;
        HWND field = FindFieldOf(dialog);
        s.field = TextOf(field);
        s.fieldStyle = DWORD(GetWindowLongPtrW(field, GWL_STYLE));
        SendMessageW(field, EM_GETSEL, WPARAM(&s.selStart), LPARAM(&s.selEnd));
        s.prompt = TextOf(FindWindowExW(dialog, nullptr, L"Static", nullptr));
        s.okText = TextOf(GetDlgItem(dialog, IDOK));
        s.cancelText = TextOf(GetDlgItem(dialog, IDCANCEL));
        s.okStyle = GetWindowLongPtrW(GetDlgItem(dialog, IDOK), GWL_STYLE);
        s.owner = GetWindow(dialog, GW_OWNER);
        if (s.owner) s.ownerEnabled = IsWindowEnabled(s.owner);
        d->act_(dialog, s);
        return 0;
    }
    std::wstring title_;
    std::function<void(HWND, Seen&)> act_;
    HANDLE thread_;
};

void TypeAndConfirm(HWND dialog, const wchar_t* text) {
    SendMessageW(FindFieldOf(dialog), WM_SETTEXT, 0, LPARAM(text));
    PostMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
}

// A visible, active top-level window of this thread, as the program has.
class OwnerWindow {
public:
    OwnerWindow() {
        window_ = CreateWindowExW(0, L"Static", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                                  nullptr, nullptr, nullptr, nullptr);
        if (window_) SetActiveWindow(window_);
    }
    ~OwnerWindow() {
        if (window_) DestroyWindow(window_);
    }
    HWND get() const { return window_; }

private:
    HWND window_;
};

TEST(InputBox, ShowsPromptAndSelectedTextAndReturnsWhatWasConfirmed) {
    OwnerWindow owner;
    if (!owner.get()) GTEST_SKIP() << "no display for windows";
    DialogDriver driver(L"确定共享", [](HWND dialog, Seen&) { TypeAndConfirm(dialog, L"资料 共享"); });
    Text text = "资料";
    EXPECT_TRUE(InputBox("请输入共享的名称", "确定共享", text, kInputPlain));
    EXPECT_EQ(text, "资料 共享");

    const Seen& s = driver.seen;
    ASSERT_TRUE(s.found);
    EXPECT_EQ(s.prompt, L"请输入共享的名称");
    EXPECT_EQ(s.field, L"资料");
    EXPECT_EQ(s.selStart, 0u);
    EXPECT_EQ(s.selEnd, 2u);
    EXPECT_EQ(s.fieldStyle & ES_PASSWORD, 0u);
    EXPECT_EQ(s.okText, L"确认输入(&O)");
    EXPECT_EQ(s.cancelText, L"取消(&C)");
    EXPECT_EQ(s.okStyle & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    EXPECT_EQ(s.owner, owner.get());
    EXPECT_FALSE(s.ownerEnabled);
    EXPECT_TRUE(IsWindowEnabled(owner.get()));
}

TEST(InputBox, CancelOrCloseLeavesTheTextAlone) {
    OwnerWindow owner;
    if (!owner.get()) GTEST_SKIP() << "no display for windows";
    const struct {
        const char* how;
        UINT message;
        WPARAM wParam;
    } ways[] = {{"cancel button", WM_COMMAND, IDCANCEL}, {"close box", WM_SYSCOMMAND, SC_CLOSE}};
    for (const auto& way : ways) {
        SCOPED_TRACE(way.how);
        DialogDriver driver(L"公司名称", [&](HWND dialog, Seen&) {
            SendMessageW(FindFieldOf(dialog), WM_SETTEXT, 0, LPARAM(L"别的"));
            PostMessageW(dialog, way.message, way.wParam, 0);
        });
        Text text = "青屿";
        EXPECT_FALSE(InputBox("请输入规公司的名称！", "公司名称", text, kInputPlain));
        EXPECT_EQ(text, "青屿");
        EXPECT_TRUE(driver.seen.found);
    }
}

TEST(InputBox, PasswordModeMasksTheField) {
    OwnerWindow owner;
    if (!owner.get()) GTEST_SKIP() << "no display for windows";
    DialogDriver driver(L"输入本计算机的密码", [](HWND dialog, Seen&) { TypeAndConfirm(dialog, L"密码1"); });
    Text text;
    EXPECT_TRUE(InputBox("请输入密码", "输入本计算机的密码", text, kInputPassword));
    EXPECT_EQ(text, "密码1");
    EXPECT_NE(driver.seen.fieldStyle & ES_PASSWORD, 0u);
}

TEST(InputBox, ConfirmingAnEmptyFieldGivesEmptyText) {
    OwnerWindow owner;
    if (!owner.get()) GTEST_SKIP() << "no display for windows";
    DialogDriver driver(L"更改计算机名", [](HWND dialog, Seen&) { TypeAndConfirm(dialog, L""); });
    Text text = "旧名字";
    EXPECT_TRUE(InputBox("请在下面输入要更改的计算机名！", "更改计算机名", text, kInputPlain));
    EXPECT_EQ(text, "");
}

}  // namespace

namespace {

TEST(ShowMessage, TaskModalBoxWithoutOwnerAndOnlyAnOkButton) {
    OwnerWindow program;
    if (!program.get()) GTEST_SKIP() << "no display for windows";
    std::wstring text;
    bool programEnabled = true, hasCancel = true;
    DialogDriver driver(L"信息：", [&](HWND box, Seen&) {
        text = TextOf(GetDlgItem(box, 0xFFFF));  // the message box's text control
        programEnabled = IsWindowEnabled(program.get());
        hasCancel = GetDlgItem(box, IDCANCEL) != nullptr || GetDlgItem(box, IDNO) != nullptr;
        PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    });
    ShowMessage("共享成功！", kIconInfo);
    ASSERT_TRUE(driver.seen.found);
    EXPECT_EQ(text, L"共享成功！");
    EXPECT_EQ(driver.seen.owner, nullptr);
    EXPECT_FALSE(programEnabled) << "task-modal boxes disable the thread's windows";
    EXPECT_FALSE(hasCancel);
    EXPECT_TRUE(IsWindowEnabled(program.get()));
}

}  // namespace
