#include <gtest/gtest.h>

#include "platform/fake/fake.h"
#include "platform/files.h"
#include "shares/shares.h"

namespace {

Text WithCrLf(const std::vector<Text>& lines) {
    Text text;
    for (const Text& line : lines) text += line + "\r\n";
    return text;
}

const Text kBatchFile = WithCrLf({
        "@ ECHO OFF",
        "@ ECHO.",
        "@ ECHO." + Text(28, ' ') + "说" + Text(6, ' ') + "明",  // 3
        "@ ECHO " + Text(68, '-'),  // 4
        "@ ECHO 本批处理执行后，将作以下一些设置：",
        "@ ECHO 1、允许SAM帐户和共享的匿名枚举(原版系统允许，本系统默认是禁用)。",
        "@ ECHO 2、本机帐户若空密码，允许其它机访问本机。",
        "@ ECHO 3、Windows防火墙：允许文件和打印机共享。",
        "@ ECHO 4、共享方式：本地用户以来宾身份验证。",
        "@ ECHO 5、来宾帐户：启用。",
        "@ ECHO " + Text(68, '-'),  // 11
        "@ ECHO.",
        "@ ECHO 采用这种共享方式，其它机访问本机都不用输用户名和密码。举例来说，家庭",
        "@ ECHO 局域网，彼此都是可以信任的，请使用这种方式。",
        "@ ECHO.",
        "@ ECHO 无论采用哪一种共享方式，共享只是方便内部使用，在用路由器上网的场合，",
        "@ ECHO 外网不能访问到您的机，无需担心共享了就会被入侵。您只需记住，单机拨号",
        "@ ECHO 上网时，不要打开共享就可以了。",
        "@ ECHO " + Text(68, '-'),  // 19
        "@ ECHO.",
        "PAUSE",
        "regedit /s 开启共享.reg",
        "net user Guest /active:yes",
        "cls",
        "@ ECHO.",
        "@ ECHO " + Text(68, '-'),  // 26
        "@ ECHO 操作完成。",
        "@ ECHO 注意：本机要重启后才会生效。",
        "@ ECHO.",
        "@ ECHO 硬盘各分区的默认共享仍未打开。如需要打开，",
        "@ ECHO 请到本目录找到注册表文件，双击导入即可。",
        "@ ECHO " + Text(68, '-'),  // 32
        "@ ECHO.",
        "@ ECHO 疑难问题补充：",
        "@ ECHO   如果以前的共享方式是“本地用户以自己自己身份验证”时共享了文件夹，",
        "@ ECHO 则现在改为以来宾身份验证后再访问该文件夹,会弹出错误：“无法访问，您",
        "@ ECHO 没有权限使用网络资源.”解决办法是：在该文件夹属性上把原共享取消，然",
        "@ ECHO 后重新共享，就行了。",
        "@ ECHO ",
        "start /min mshta vbscript:msgbox(\"开启共享成功，重启计算机生效\",64,\"信息\")(window.close)",
});

// Lines 30 and 31 carry value names of the program's own choosing; the test
// checks their shape only.
const std::vector<Text> kRegLines = {
        "Windows Registry Editor Version 5.00",
        "",
        "[HKEY_LOCAL_MACHINE\\SYSTEM\\ControlSet001\\Control\\Lsa]",
        "\"restrictanonymous\"=dword:00000000",
        "",
        "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Lsa]",
        "\"restrictanonymous\"=dword:00000000",
        "; 以上两行在系统中的位置是：本地安全策略-安全选项-网络访问：不允许SAM帐户和共享",
        "; 的匿名枚举。系统默认值是：已停用。",
        "; 解说：操作系统默认:利用ipc$通道可以建立空连接,匿名枚举出该机有多少帐户。显然",
        "; 有一定的安全隐患。本系统已设为不允许空连接了。以此提高单机拨号上网的安全性。",
        "; 负面影响是局域网不能互访了。要更改一下才可以解决。",
        "",
        "",
        "",
        "",
        "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Lsa]",
        "\"limitblankpassworduse\"=dword:00000000",
        "",
        "[HKEY_LOCAL_MACHINE\\SYSTEM\\ControlSet001\\Control\\Lsa]",
        "\"limitblankpassworduse\"=dword:00000000",
        "; 以上两行在系统中的位置是：本地安全策略--安全选项--帐户：使用空白密码的本地帐户",
        "; 只允许进行控制台登录。系统默认值是：已启用。",
        "; 解说：很多人的帐户是不加密码的。这样，当局域网中别的电脑访问本机时，会弹出错误提示：",
        "; 登录失败：用户帐户限制………。这是XP系统的一条安全策略造成的，防止别人趁你空密码时",
        "; 进入你的电脑。如果你觉得无所谓，不必做这些限制，那就把它设为：已停用。",
        "",
        "",
        "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\UserAssist\\{75048700-EF1F-11D0-9888-006097DEACF9}\\Count]",
        "",  // 30
        "",  // 31
        "",
        "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\SharedAccess\\Parameters\\FirewallPolicy\\StandardProfile\\GloballyOpenPorts\\List]",
        "\"445:TCP\"=\"445:TCP:LocalSubNet:Enabled:@xpsp2res.dll,-22005\"",
        "\"137:UDP\"=\"137:UDP:LocalSubNet:Enabled:@xpsp2res.dll,-22001\"",
        "\"138:UDP\"=\"138:UDP:LocalSubNet:Enabled:@xpsp2res.dll,-22002\"",
        "\"139:TCP\"=\"139:TCP:LocalSubNet:Enabled:@xpsp2res.dll,-22004\"",
        "",
        "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\SharedAccess\\Epoch]",
        "\"Epoch\"=dword:000001ED",
        "",
        "[HKEY_LOCAL_MACHINE\\SYSTEM\\ControlSet001\\Control\\Print\\Providers]",
        "\"LogonTime\"=hex:E8,31,8E,4F,64,95,C6,01",
        "",
        "[HKEY_LOCAL_MACHINE\\SYSTEM\\ControlSet001\\Services\\SharedAccess\\Parameters\\FirewallPolicy\\StandardProfile\\GloballyOpenPorts\\List]",
        "\"445:TCP\"=\"445:TCP:LocalSubNet:Enabled:@xpsp2res.dll,-22005\"",
        "\"137:UDP\"=\"137:UDP:LocalSubNet:Enabled:@xpsp2res.dll,-22001\"",
        "\"138:UDP\"=\"138:UDP:LocalSubNet:Enabled:@xpsp2res.dll,-22002\"",
        "\"139:TCP\"=\"139:TCP:LocalSubNet:Enabled:@xpsp2res.dll,-22004\"",
        "",
        "[HKEY_LOCAL_MACHINE\\SYSTEM\\ControlSet001\\Services\\SharedAccess\\Epoch]",
        "\"Epoch\"=dword:000001ED",
        "; 以上数值对应系统中的位置：控制面板--防火墙--例外--文件和打印机共享。系统默认：不选。",
        "; 解说：所有的策略都设置好了，局域网依然不能访问，提示：您没有权限使用网络资源，找",
        "; 不到网络路径！呵呵，真是令人火冒三丈！其实XP还有一道关卡，就是防火墙，必须要经过",
        "; 防火墙的允许才行。",
        "",
        "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Lsa]",
        "\"forceguest\"=dword:00000001",
        "; 以上数值对应系统中的位置是：控制面板--管理工具--本地安全策略--本地策略--安全选项，",
        "; 网络访问：本地帐户的共享和安全模式：仅来宾-本地用户以来宾份验证。这时，当局域网",
        "; 其他机访问本机时，不会弹出对话框，就可以直接进入。在家庭网等完全可以信任的区域，",
        "; 建议使用这种方式。",
};

class GuestSharingTest : public ::testing::Test {
protected:
    void SetUp() override { fake::Reset(); }
    static Text BatchPath() { return WorkFolder() + "\\共享.bat"; }
    static Text RegPath() { return WorkFolder() + "\\开启共享.reg"; }
};

TEST_F(GuestSharingTest, WritesTheBatchFileByteForByte) {
    EnableGuestSharing();
    Text written = ReadWholeFile(BatchPath());
    EXPECT_EQ(written.size(), 1720u);
    EXPECT_EQ(written, kBatchFile);
}

TEST_F(GuestSharingTest, WritesTheRegistryFileLineForLine) {
    EnableGuestSharing();
    Text written = ReadWholeFile(RegPath());
    ASSERT_GE(written.size(), 2u);
    EXPECT_EQ(written.substr(written.size() - 2), "\r\n");
    std::vector<Text> lines;
    for (size_t at = 0, end; (end = written.find("\r\n", at)) != Text::npos; at = end + 2)
        lines.push_back(written.substr(at, end - at));
    ASSERT_EQ(lines.size(), 63u);
    for (size_t i = 0; i < lines.size(); ++i)
        if (i != 29 && i != 30) {
            EXPECT_EQ(lines[i], kRegLines[i]) << "line " << i + 1;
        }
    // A quoted name of plain characters, then the 16 bytes of REG_BINARY.
    const char* values[] = {"\"=hex:0C,00,00,00,26,00,00,00,F0,FB,E5,52,64,95,C6,01",
                            "\"=hex:0C,00,00,00,08,00,00,00,F0,FB,E5,52,64,95,C6,01"};
    for (int i = 0; i < 2; ++i) {
        const Text& line = lines[size_t(29 + i)];
        Text tail = values[i];
        ASSERT_GT(line.size(), tail.size() + 1) << line;
        EXPECT_EQ(line.front(), '"') << line;
        EXPECT_EQ(line.substr(line.size() - tail.size()), tail) << line;
        Text name = line.substr(1, line.size() - tail.size() - 1);
        EXPECT_EQ(name.find_first_of("\"\\[]="), Text::npos) << name;
    }
    EXPECT_NE(lines[29], lines[30]);
}

TEST_F(GuestSharingTest, EnablesGuestAndStartsTheBatchInWorkFolder) {
    WriteWholeFile(BatchPath(), "old and longer than nothing");
    EnableGuestSharing();
    EnableGuestSharing();  // rewrites the same bytes and starts again
    EXPECT_EQ(ReadWholeFile(BatchPath()), kBatchFile);
    auto commands = fake::Commands();
    ASSERT_EQ(commands.size(), 6u);
    for (int run = 0; run < 2; ++run) {
        const fake::StartedCommand* c = &commands[size_t(run * 3)];
        EXPECT_EQ(c[0].commandLine, "NET USER Guest /active:yes");
        EXPECT_EQ(c[0].show, Show::Hidden);
        EXPECT_EQ(c[1].commandLine, "NET USER Guest /passwordreq:no");
        EXPECT_EQ(c[1].show, Show::Hidden);
        EXPECT_EQ(c[2].commandLine, BatchPath());
        EXPECT_EQ(c[2].show, Show::Normal);
        EXPECT_EQ(c[2].workFolder, WorkFolder());
        EXPECT_FALSE(c[2].waited);
    }
    EXPECT_TRUE(fake::Messages().empty());
}

TEST_F(GuestSharingTest, WarnsFirstOnWindows7Only) {
    struct Case {
        int major, minor;
        bool warns;
    } cases[] = {{6, 1, true}, {5, 1, false}, {6, 0, false}, {6, 2, false}};
    for (const Case& c : cases) {
        fake::Reset();
        fake::SetVersion(c.major, c.minor);
        size_t commandsAtWarning = 99;
        fake::OnMessage([&](const fake::ShownMessage&) { commandsAtWarning = fake::Commands().size(); });
        EnableGuestSharing();
        auto messages = fake::Messages();
        ASSERT_EQ(messages.size(), c.warns ? 1u : 0u) << c.major << "." << c.minor;
        if (!c.warns) continue;
        EXPECT_EQ(messages[0].text,
                  "你的操作系统为win7，要在管理员权限下才可以改名。你可以关闭软件，右击，用管理员的方式运行");
        EXPECT_EQ(messages[0].icon, 48);
        EXPECT_EQ(messages[0].title, "信息：");
        EXPECT_EQ(commandsAtWarning, 0u);
        EXPECT_EQ(fake::Commands().size(), 3u);
    }
}

TEST_F(GuestSharingTest, QuotesTheBatchPathWhenWorkFolderHasASpace) {
    Text folder = fake::TempFolder() + "Local Settings/";
    fake::SetWorkFolder(folder);
    EnableGuestSharing();
    auto commands = fake::Commands();
    ASSERT_EQ(commands.size(), 3u);
    EXPECT_EQ(commands[2].commandLine, "\"" + folder + "\\共享.bat\"");
}

}  // namespace
