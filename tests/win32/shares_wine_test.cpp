// Share commands against real processes under Wine: a recording stand-in for
// net.exe, the real cmd running the guest-sharing batch file and the real
// regedit importing its registry file. Message boxes are read and dismissed
// by a watcher so the commands run unattended.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "platform/files.h"
#include "platform/registry.h"
#include "platform/win32/text_convert.h"
#include "win32/recorder/recorder_log.h"
#include "settings/settings.h"
#include "shares/local_shares.h"
#include "shares/share_command.h"
#include "shares/shares.h"
#include "win32/platform_support.h"
#include "win32/shares_support.h"

namespace {

// A recording net.exe beside the test executable, where CreateProcess looks
// first, with its log, exit code and output set for the commands it serves.
class NetStandIn {
public:
    NetStandIn(int exitCode, const Text& output = Text())
        : log_(WorkFolder() + UniqueName("net_log") + ".txt"),
          logVar_(L"QY_RECORD_LOG", Wide(log_)),
          exitVar_(L"QY_RECORD_EXIT", std::to_wstring(exitCode)),
          outputVar_(L"QY_RECORD_OUTPUT", Wide(output)) {
        PlaceRecorder("net.exe");
    }
    ~NetStandIn() { DeleteFileAt(log_); }
    std::vector<Text> CommandLines() const {
        std::vector<Text> lines;
        for (const RecordedRun& r : ReadRecorderLog(log_)) lines.push_back(r.commandLine);
        return lines;
    }
    const Text& Log() const { return log_; }

private:
    Text log_;
    ScopedVariable logVar_, exitVar_, outputVar_;
};

class VectorShareList : public ShareListControl {
public:
    std::vector<Text> items;
    int selected = -1;
    void Clear() override { items.clear(); }
    void InsertAt(int position, const Text& text) override { items.insert(items.begin() + position, text); }
    int Count() override { return int(items.size()); }
    int Selected() override { return selected; }
    Text ItemText(int position) override { return position < 0 ? Text() : items[size_t(position)]; }
    void RemoveAt(int position) override { items.erase(items.begin() + position), selected = -1; }
};

TEST(SharesWine, ShareCommandReachesNetAndItsExitCodeDecidesTheMessage) {
    const Text folder = "C:\\共享 测试";
    const Text grant = SystemName() == "Windows 7" || SystemName() == "Vista"
                           ? " /grant:Guests,full /grant:Everyone,full" : "";
    {
        NetStandIn net(0);
        MessageCatcher catcher;
        ShareFolderAt(folder, "我的 资料");
        EXPECT_EQ(net.CommandLines(), std::vector<Text>{"net share 我的资料=\"C:\\共享 测试\"" + grant});
        auto shown = catcher.Wait(MessagesAppear() ? 1 : 0);
        if (MessagesAppear()) {
            ASSERT_EQ(shown.size(), 1u);
            EXPECT_EQ(shown[0].title, "操作系统为：" + SystemName());
            EXPECT_EQ(shown[0].text.rfind("共享成功！\r\n共享名为：我的资料\r\n共享路径：C:\\共享 测试", 0), 0u)
                << shown[0].text;
            EXPECT_EQ(shown[0].icon, SystemName() == "Windows 7" ? 48 : 64);
        }
    }
    {
        NetStandIn net(2, "系统发生 2118 错误。\r\n\r\n该名称已被使用。\r\n");
        MessageCatcher catcher;
        ShareFolderAt(folder, "资料");
        EXPECT_EQ(net.CommandLines().size(), 1u);
        auto shown = catcher.Wait(MessagesAppear() ? 1 : 0);
        if (MessagesAppear()) {
            ASSERT_EQ(shown.size(), 1u);
            EXPECT_EQ(shown[0].title, "信息：");
            EXPECT_EQ(shown[0].text.rfind("共享失败！", 0), 0u) << shown[0].text;
            EXPECT_NE(shown[0].text.find("该名称已被使用。"), Text::npos) << shown[0].text;
            EXPECT_EQ(shown[0].icon, 16);
        }
    }
}

TEST(SharesWine, DeleteRunsNetWithTheQuotedNameAndKeepsAFailedItem) {
    {
        NetStandIn net(0);
        VectorShareList list;
        list.items = {"资料", "Local Disk (E)"};
        list.selected = 1;
        DeleteSelectedShare(list);
        EXPECT_EQ(net.CommandLines(), std::vector<Text>{"net share \"Local Disk (E)\" /delete /y"});
        EXPECT_EQ(list.items, std::vector<Text>{"资料"});
    }
    {
        NetStandIn net(2, "拒绝访问。\r\n");
        MessageCatcher catcher;
        VectorShareList list;
        list.items = {"资料"};
        list.selected = 0;
        DeleteSelectedShare(list);
        EXPECT_EQ(net.CommandLines(), std::vector<Text>{"net share 资料 /delete"});
        EXPECT_EQ(list.items, std::vector<Text>{"资料"});
        auto shown = catcher.Wait(MessagesAppear() ? 1 : 0);
        if (MessagesAppear()) {
            ASSERT_EQ(shown.size(), 1u);
            EXPECT_NE(shown[0].text.find("拒绝访问。"), Text::npos) << shown[0].text;
            EXPECT_EQ(shown[0].icon, 16);
        }
    }
}

// Only an existing DWORD of that exact value counts.
bool HasDword(const Text& path, DWORD expected) {
    RegistryPath p = SplitRegistryPath(path);
    HKEY key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, Wide(p.key).c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return false;
    DWORD type = 0, value = 0, size = sizeof value;
    LONG rc = RegQueryValueExW(key, Wide(p.value).c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    RegCloseKey(key);
    return rc == ERROR_SUCCESS && type == REG_DWORD && value == expected;
}

// The batch file waits at PAUSE for a key from the console it shares with
// this test: press one ahead. Without a console (input from NUL) PAUSE reads
// the end of its input and goes on by itself.
void PressKeyInConsole() {
    INPUT_RECORD keys[2] = {};
    for (int i = 0; i < 2; ++i) {
        keys[i].EventType = KEY_EVENT;
        keys[i].Event.KeyEvent.bKeyDown = i == 0;
        keys[i].Event.KeyEvent.wRepeatCount = 1;
        keys[i].Event.KeyEvent.wVirtualKeyCode = VK_RETURN;
        keys[i].Event.KeyEvent.uChar.UnicodeChar = L'\r';
    }
    DWORD written = 0;
    WriteConsoleInputW(GetStdHandle(STD_INPUT_HANDLE), keys, 2, &written);
}

// Copies the recording stand-in into `folder` under `exeName`.
Text PlaceRecorderIn(const Text& folder, const Text& exeName) {
    Text target = folder + exeName;
    CopyFileW(Wide(ProgramFolder() + "qy_recorder.exe").c_str(), Wide(target).c_str(), FALSE);
    return target;
}

TEST(SharesWine, GuestSharingBatchRunsInWorkFolderAndImportsTheRegistryFile) {
    const Text lsa = "SYSTEM\\CurrentControlSet\\Control\\Lsa\\";
    const Text lsa001 = "SYSTEM\\ControlSet001\\Control\\Lsa\\";
    const Text ports =
        "SYSTEM\\CurrentControlSet\\Services\\SharedAccess\\Parameters\\FirewallPolicy\\StandardProfile\\"
        "GloballyOpenPorts\\List\\";
    const std::vector<std::pair<Text, DWORD>> dwords = {
        {lsa001 + "restrictanonymous", 0},     {lsa + "restrictanonymous", 0},
        {lsa + "limitblankpassworduse", 0},    {lsa001 + "limitblankpassworduse", 0},
        {"SYSTEM\\CurrentControlSet\\Services\\SharedAccess\\Epoch\\Epoch", 0x1ED},
        {lsa + "forceguest", 1},
    };
    const std::vector<std::pair<Text, Text>> texts = {
        {ports + "445:TCP", "445:TCP:LocalSubNet:Enabled:@xpsp2res.dll,-22005"},
        {ports + "137:UDP", "137:UDP:LocalSubNet:Enabled:@xpsp2res.dll,-22001"},
        {ports + "138:UDP", "138:UDP:LocalSubNet:Enabled:@xpsp2res.dll,-22002"},
        {ports + "139:TCP", "139:TCP:LocalSubNet:Enabled:@xpsp2res.dll,-22004"},
    };
    // Values that only the import can correct.
    for (const auto& d : dwords) ASSERT_TRUE(RegWriteDword(RegRoot::LocalMachine, d.first, 0xBAD)) << d.first;
    for (const auto& t : texts) ASSERT_TRUE(RegWriteText(RegRoot::LocalMachine, t.first, "old")) << t.first;

    // cmd looks for the batch file's own commands in its current directory
    // first: stand-ins there record that the batch ran to its last line.
    const Text work = WorkFolder();
    NetStandIn net(0);
    Text batchNet = PlaceRecorderIn(work, "net.exe");
    Text batchMshta = PlaceRecorderIn(work, "mshta.exe");
    DeleteFileAt(work + "共享.bat");
    DeleteFileAt(work + "开启共享.reg");

    PressKeyInConsole();
    MessageCatcher catcher;  // the warning on Windows 7
    EnableGuestSharing();
    DWORD start = GetTickCount();
    std::vector<RecordedRun> runs;
    while ((runs = ReadRecorderLog(net.Log())).size() < 4 && GetTickCount() - start < 30000) Sleep(50);
    DeleteFileAt(batchNet);
    DeleteFileAt(batchMshta);

    ASSERT_EQ(runs.size(), 4u) << "the batch did not run to its end";
    // The two Guest commands are not waited for, so they may log in either order.
    std::set<Text> guestCommands = {runs[0].commandLine, runs[1].commandLine};
    EXPECT_EQ(guestCommands, (std::set<Text>{"NET USER Guest /active:yes", "NET USER Guest /passwordreq:no"}));
    EXPECT_EQ(runs[0].show, SW_HIDE);
    EXPECT_EQ(runs[1].show, SW_HIDE);
    EXPECT_NE(runs[2].commandLine.find("Guest /active:yes"), Text::npos) << runs[2].commandLine;
    EXPECT_NE(runs[3].commandLine.find("vbscript:msgbox("), Text::npos) << runs[3].commandLine;
    for (size_t i = 2; i < 4; ++i) EXPECT_EQ(runs[i].folder + "\\", work) << runs[i].commandLine;

    bool warns = SystemName() == "Windows 7" && MessagesAppear();
    auto shown = catcher.Wait(warns ? 1 : 0, 0);
    ASSERT_EQ(shown.size(), warns ? 1u : 0u);
    if (warns) {
        EXPECT_EQ(shown[0].text, "你的操作系统为win7，要在管理员权限下才可以改名。你可以关闭软件，右击，用管理员的方式运行");
        EXPECT_EQ(shown[0].icon, 48);
    }
    EXPECT_EQ(ReadWholeFile(work + "共享.bat").size(), 1720u);
    for (const auto& d : dwords) EXPECT_TRUE(HasDword(d.first, d.second)) << d.first;
    for (const auto& t : texts) EXPECT_EQ(RegReadText(RegRoot::LocalMachine, t.first), t.second) << t.first;
}

}  // namespace
