#include "settings_fixture.h"

namespace {

const char kHelpFile[] = "青屿文件共享帮助.htm";

using HelpTest = SettingsTest;

TEST_F(HelpTest, WritesThePageAndOpensIt) {
    OpenHelp();
    Text path = WorkFolder() + kHelpFile;
    EXPECT_EQ(fake::ShellOpens(), std::vector<Text>{path});
    EXPECT_TRUE(fake::Messages().empty());
    std::string page = ReadWholeFile(path);
    EXPECT_NE(page.find("<meta charset=\"gbk\">"), std::string::npos);
    const char* const kMustCover[] = {
        "以IP方式查看", "查看本机共享资源", "开启共享功能---解决不能共享", "远程链接桌面",
        "开启远程桌面服务", "清除密码以及计算机名", "一键共享文件夹或磁盘", "更改本机计算机名",
        "更改公司名称", "帮助", "关于",
        "防火墙", "Guest", "空白密码", "forceguest", "管理员", "工作组", "Windows 7",
    };
    for (const char* topic : kMustCover) EXPECT_NE(page.find(topic), std::string::npos) << topic;
}

TEST_F(HelpTest, ReplacesAnOutdatedPageAndKeepsACurrentOne) {
    Text path = WorkFolder() + kHelpFile;
    WriteWholeFile(path, "<html>old</html>");
    OpenHelp();
    std::string current = ReadWholeFile(path);
    EXPECT_NE(current, "<html>old</html>");
    EXPECT_GT(current.size(), 1000u);
    OpenHelp();
    EXPECT_EQ(ReadWholeFile(path), current);
    EXPECT_EQ(fake::ShellOpens().size(), 2u);
}

TEST_F(HelpTest, NoPageToOpenIsReported) {
    fake::SetWorkFolder("/nonexistent-qy-folder/");
    OpenHelp();
    EXPECT_TRUE(fake::ShellOpens().empty());
    ASSERT_EQ(fake::Messages().size(), 1u);
    EXPECT_EQ(fake::Messages()[0].icon, 16);
}

TEST(About, KeepsTheFrameAndGivesNoMadeUpNumber) {
    fake::Reset();
    ShowAbout();
    ASSERT_EQ(fake::Messages().size(), 1u);
    const fake::ShownMessage about = fake::Messages()[0];
    EXPECT_EQ(about.icon, 64);
    EXPECT_EQ(about.title, "信息：");
    const Text head = "朗桥V6.2  作者QQ：";
    const Text tail = "\r\n如果无法共享请查看帮助，实在共享不了请联系我。";
    ASSERT_GT(about.text.size(), head.size() + tail.size());
    EXPECT_EQ(about.text.substr(0, head.size()), head);
    EXPECT_EQ(about.text.substr(about.text.size() - tail.size()), tail);
    Text contact = about.text.substr(head.size(), about.text.size() - head.size() - tail.size());
    EXPECT_EQ(contact.find_first_of("0123456789"), Text::npos) << contact;
    EXPECT_NE(contact.find("帮助"), Text::npos);
}

}  // namespace
