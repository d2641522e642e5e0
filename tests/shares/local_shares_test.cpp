#include <gtest/gtest.h>

#include "app/program_texts/program_texts.h"
#include "platform/fake/fake.h"
#include "platform/registry.h"
#include "shares/local_shares.h"
#include "shares/shares.h"

namespace {

class LocalSharesTest : public ::testing::Test {
protected:
    void SetUp() override {
        fake::Reset();
        LocalComputerName().clear();
        fake::SetRegText(RegRoot::LocalMachine, kComputerNamePath, "办公室");
    }
    static CommandOutcome Finished(int exitCode, const Text& output = Text()) {
        CommandOutcome o;
        o.started = o.finished = true;
        o.exitCode = exitCode;
        o.output = output;
        return o;
    }
    static std::vector<Text> CommandLines() {
        std::vector<Text> lines;
        for (const auto& c : fake::Commands()) lines.push_back(c.commandLine);
        return lines;
    }
};

TEST_F(LocalSharesTest, ListsSharesNewestFirstCutByTheNameLength) {
    // The computer part is cut by its length, not compared: OFFICE has as
    // many bytes as 办公室.
    fake::SetShares("办公室", {"\\\\办公室\\A", "\\\\办公室\\资料", "\\\\OFFICE\\旧名",
                               "\\\\办公室\\Local Disk (E)", "\\\\办公室\\打印机"});
    ShowLocalShares();
    EXPECT_EQ(LocalComputerName(), "办公室");
    EXPECT_TRUE(fake::ShareWindowOpen());
    EXPECT_EQ(fake::ShareListItems(), (std::vector<Text>{"打印机", "Local Disk (E)", "旧名", "资料", "A"}));
    EXPECT_TRUE(fake::Messages().empty());
}

TEST_F(LocalSharesTest, NoSharesSaysSoAndNeverShowsTheWindow) {
    ShowLocalShares();
    EXPECT_EQ(fake::ShareWindowRuns(), 1);
    EXPECT_FALSE(fake::ShareWindowOpen());
    auto messages = fake::Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "本机没有共享资源");
    EXPECT_EQ(messages[0].icon, 64);
    EXPECT_EQ(messages[0].title, "信息：");
}

TEST_F(LocalSharesTest, RefreshShowsCurrentSharesWithTheNameReadAtOpening) {
    fake::SetShares("办公室", {"\\\\办公室\\A"});
    ShowLocalShares();
    fake::SetRegText(RegRoot::LocalMachine, kComputerNamePath, "新名字");
    fake::SetShares("办公室", {"\\\\办公室\\B", "\\\\办公室\\C"});
    fake::PressRefresh();
    EXPECT_EQ(fake::ShareListItems(), (std::vector<Text>{"C", "B"}));
    fake::SetShares("办公室", {});
    fake::PressRefresh();
    EXPECT_TRUE(fake::ShareListItems().empty());
    EXPECT_TRUE(fake::ShareWindowOpen());
    EXPECT_TRUE(fake::Messages().empty());
}

TEST(DeleteCommandLine, DeletesExactlyTheNamedShare) {
    struct Case {
        const char* name;
        const char* expected;
    } cases[] = {
        {"资料", "net share 资料 /delete"},
        {"Local Disk (E)", "net share \"Local Disk (E)\" /delete /y"},
        {"本地　磁盘", "net share \"本地　磁盘\" /delete /y"},
    };
    for (const Case& c : cases) EXPECT_EQ(DeleteCommandLine(c.name), c.expected) << c.name;
}

TEST_F(LocalSharesTest, DeleteRemovesTheItemOnlyWhenNetShareSucceeded) {
    fake::SetShares("办公室", {"\\\\办公室\\资料", "\\\\办公室\\Local Disk (E)", "\\\\办公室\\文档"});
    ShowLocalShares();  // 文档, Local Disk (E), 资料
    fake::SelectShare(1);
    fake::PressDelete();
    ASSERT_EQ(CommandLines(), std::vector<Text>{"net share \"Local Disk (E)\" /delete /y"});
    EXPECT_TRUE(fake::Commands()[0].waited);
    EXPECT_EQ(fake::ShareListItems(), (std::vector<Text>{"文档", "资料"}));
    EXPECT_TRUE(fake::Messages().empty());

    fake::SetCommandOutcome([](const Text&) { return Finished(2, "拒绝访问。\r\n"); });
    fake::SelectShare(1);
    fake::PressDelete();
    EXPECT_EQ(CommandLines().back(), "net share 资料 /delete");
    EXPECT_EQ(fake::ShareListItems(), (std::vector<Text>{"文档", "资料"}));
    auto messages = fake::Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, 16);
    EXPECT_NE(messages[0].text.find("资料"), Text::npos);
    EXPECT_NE(messages[0].text.find("拒绝访问。"), Text::npos);

    // Still running at the bound: the outcome is unknown, so the item stays.
    fake::SetCommandOutcome([](const Text&) {
        CommandOutcome o;
        o.started = true;
        return o;
    });
    fake::PressDelete();
    EXPECT_EQ(fake::ShareListItems(), (std::vector<Text>{"文档", "资料"}));
    EXPECT_EQ(fake::Messages().size(), 2u);
}

TEST_F(LocalSharesTest, DeleteWithoutSelectionDoesNothing) {
    fake::SetShares("办公室", {"\\\\办公室\\资料"});
    ShowLocalShares();
    fake::SelectShare(-1);
    fake::PressDelete();
    EXPECT_TRUE(fake::Commands().empty());
    EXPECT_EQ(fake::ShareListItems(), std::vector<Text>{"资料"});
}

}  // namespace
