#include <gtest/gtest.h>

#include "platform/fake/fake.h"
#include "shares/share_command.h"
#include "shares/shares.h"

namespace {

TEST(ProposedShareName, DerivesTheNameFromTheLastComponent) {
    struct Case {
        const char* path;
        const char* expected;
    } cases[] = {
        {"D:\\工作\\资料", "资料"},
        {"C:\\Documents and Settings\\me\\Desktop", "桌面"},
        {"C:\\Users\\me\\desktop", "desktop"},
        {"C:\\Users\\me\\DESKTOP", "DESKTOP"},
        {"D:\\MyDesktop", "MyDesktop"},
        {"C:\\", "本地磁盘（C）"},
        {"c:\\", "本地磁盘（C）"},
        {"资料", "资料"},
        // 淺 ends in byte 0x5C: the search must not take it for a backslash.
        {"E:\\數據\\淺", "淺"},
    };
    for (const Case& c : cases) EXPECT_EQ(ProposedShareName(c.path), c.expected) << c.path;
}

class ShareFolderTest : public ::testing::Test {
protected:
    void SetUp() override { fake::Reset(); }

    // Picks `path`, confirms `name` and runs the command.
    void Share(const Text& path, const Text& name) {
        fake::QueueFolder(path);
        fake::QueueInput(true, name);
        ShareFolder();
    }
    Text OnlyCommand() {
        auto commands = fake::Commands();
        EXPECT_EQ(commands.size(), 1u);
        if (commands.empty()) return Text();
        EXPECT_TRUE(commands[0].waited);
        EXPECT_EQ(commands[0].show, Show::Hidden);
        return commands[0].commandLine;
    }
    static CommandOutcome Finished(int exitCode, const Text& output) {
        CommandOutcome o;
        o.started = o.finished = true;
        o.exitCode = exitCode;
        o.output = output;
        return o;
    }
};

TEST_F(ShareFolderTest, AsksWithTheProposedNameAndBrowserTitle) {
    Share("C:\\", "本地磁盘（C）");
    ASSERT_EQ(fake::FolderTitles(), std::vector<Text>{"选择要共享的文件夹"});
    auto inputs = fake::Inputs();
    ASSERT_EQ(inputs.size(), 1u);
    EXPECT_EQ(inputs[0].prompt, "请输入共享的名称");
    EXPECT_EQ(inputs[0].title, "确定共享");
    EXPECT_EQ(inputs[0].initial, "本地磁盘（C）");
    EXPECT_EQ(inputs[0].mode, 1);
    EXPECT_EQ(OnlyCommand(), "net share 本地磁盘（C）=C:\\");
}

TEST_F(ShareFolderTest, CommandLineFollowsTheSystem) {
    const Text grant = " /grant:Guests,full /grant:Everyone,full";
    struct Case {
        int major, minor;
        const char* path;
        const char* name;
        Text expected;
    } cases[] = {
        {5, 0, "D:\\资料", "资料", "net share 资料=D:\\资料"},
        {5, 1, "D:\\工作\\资料", "资料", "net share 资料=D:\\工作\\资料"},
        {5, 2, "D:\\资料", "资料", "net share 资料=D:\\资料"},
        {6, 0, "D:\\资料", "资料", "net share 资料=D:\\资料" + grant},
        {6, 1, "D:\\资料", "资料", "net share 资料=D:\\资料" + grant},
        // Spaces leave the name and quote the path.
        {5, 1, "D:\\My Files", "my share", "net share myshare=\"D:\\My Files\""},
        {6, 1, "D:\\My Files", "我的　资料", "net share 我的资料=\"D:\\My Files\"" + grant},
    };
    for (const Case& c : cases) {
        fake::Reset();
        fake::SetVersion(c.major, c.minor);
        Share(c.path, c.name);
        EXPECT_EQ(OnlyCommand(), c.expected) << c.major << "." << c.minor << " " << c.name;
    }
}

TEST_F(ShareFolderTest, CancelOrEmptyNameEndsSilently) {
    ShareFolder();  // browser cancelled
    fake::QueueFolder("D:\\资料");
    fake::QueueInput(false, "资料");
    ShareFolder();
    fake::QueueFolder("D:\\资料");
    fake::QueueInput(true, "");
    ShareFolder();
    EXPECT_EQ(fake::Inputs().size(), 2u);
    EXPECT_TRUE(fake::Commands().empty());
    EXPECT_TRUE(fake::Messages().empty());
}

TEST_F(ShareFolderTest, RefusesNamesNetShareCannotTake) {
    const char* names[] = {" ", "　 　", "a:b", "a/b", "a\\b", "a=b", "a,b", "a*b", "a\"b", "[x]", "a|b"};
    for (const char* name : names) {
        fake::Reset();
        Share("D:\\资料", name);
        EXPECT_TRUE(fake::Commands().empty()) << name;
        auto messages = fake::Messages();
        ASSERT_EQ(messages.size(), 1u) << name;
        EXPECT_EQ(messages[0].icon, 16) << name;
        EXPECT_EQ(messages[0].title, "信息：");
        EXPECT_EQ(messages[0].text.find("共享成功"), Text::npos);
    }
    // Double-byte characters ending in the bytes of '\\' and '|' are no refusal.
    fake::Reset();
    Share("D:\\淺", "東淺");
    EXPECT_EQ(OnlyCommand(), "net share 東淺=D:\\淺");
}

TEST_F(ShareFolderTest, SuccessMessageNamesTheShareThatExists) {
    fake::SetVersion(5, 1);
    Share("D:\\工作\\资料", "我的 资料");
    auto messages = fake::Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "共享成功！\r\n共享名为：我的资料\r\n共享路径：D:\\工作\\资料");
    EXPECT_EQ(messages[0].icon, 64);
    EXPECT_EQ(messages[0].title, "操作系统为：Windows XP");
}

TEST_F(ShareFolderTest, Windows7AddsAdviceAndWarningIcon) {
    fake::SetVersion(6, 1);
    Share("D:\\资料", "资料");
    auto messages = fake::Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text,
              "共享成功！\r\n共享名为：资料\r\n共享路径：D:\\资料"
              "\r\n\r\n提示：您的操作系统为Winddown7 如果别人打不开你的电脑，请在属性的安全里面设置权限 "
              "操作可参考帮助。");
    EXPECT_EQ(messages[0].icon, 48);
    EXPECT_EQ(messages[0].title, "操作系统为：Windows 7");
}

TEST_F(ShareFolderTest, UnknownSystemShowsOnlyItsMessage) {
    fake::SetVersion(6, 2);
    Share("D:\\资料", "资料");
    EXPECT_TRUE(fake::Commands().empty());
    auto messages = fake::Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "系统不详");
    EXPECT_EQ(messages[0].icon, 16);
    EXPECT_EQ(messages[0].title, "信息：");
}

TEST_F(ShareFolderTest, FailureIsReportedWithTheCommandsOwnWords) {
    const Text netSays = "系统发生 2118 错误。\r\n\r\n该名称已被使用。\r\n\r\n";
    fake::SetCommandOutcome([&](const Text&) { return Finished(2, netSays); });
    Share("D:\\资料", "资料");
    auto messages = fake::Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text.rfind("共享失败！", 0), 0u) << messages[0].text;
    EXPECT_NE(messages[0].text.find("系统发生 2118 错误。\r\n\r\n该名称已被使用。"), Text::npos);
    EXPECT_EQ(messages[0].icon, 16);
    EXPECT_EQ(messages[0].title, "信息：");

    fake::Reset();
    fake::SetCommandOutcome([](const Text&) { return CommandOutcome(); });  // could not start
    Share("D:\\资料", "资料");
    ASSERT_EQ(fake::Messages().size(), 1u);
    EXPECT_EQ(fake::Messages()[0].text.rfind("共享失败！", 0), 0u);
    EXPECT_EQ(fake::Messages()[0].icon, 16);
}

TEST_F(ShareFolderTest, CommandStillRunningAtTheBoundCountsAsDone) {
    fake::SetCommandOutcome([](const Text&) {
        CommandOutcome o;
        o.started = true;
        return o;
    });
    Share("D:\\资料", "资料");
    auto messages = fake::Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text.rfind("共享成功！", 0), 0u);
    EXPECT_EQ(messages[0].icon, 64);
}

}  // namespace
