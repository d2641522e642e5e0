// Workgroups, computers and shares through the real WNet functions, over the
// test network provider that tests/win32/setup-prefix.sh installs.
#include <gtest/gtest.h>

#include <memory>

#include "platform/files.h"
#include "platform/network.h"
#include "platform/win32/text_convert.h"
#include "win32/platform_support.h"

namespace {

// Describes the network for the provider (format in testnp/test_network.h).
class TestNetwork : public ::testing::Test {
protected:
    void Use(const std::string& gbkLines) {
        path_ = WorkFolder() + UniqueName("qy_network") + ".txt";
        ASSERT_TRUE(WriteWholeFile(path_, gbkLines));
        variable_ = std::make_unique<ScopedVariable>(L"QY_TEST_NETWORK", Wide(path_));
    }
    void TearDown() override { DeleteFileAt(path_); }

private:
    Text path_;
    std::unique_ptr<ScopedVariable> variable_;
};

// "誠" is D5 5C: its trail byte is a backslash.
const char kOffice[] =
    "WORKGROUP\r\n"
    "\\\\ALPHA\r\n"
    "\\\\ALPHA\\docs\r\n"
    "\\\\ALPHA\\共享文件\r\n"
    "\\\\BETA\r\n"
    "空组\r\n"
    "研发部\r\n"
    "\\\\张三的电脑\r\n"
    "\\\\誠信PC\r\n"
    "\\\\誠信PC\\打印机\r\n";

TEST_F(TestNetwork, WorkgroupsAndTheirComputersInEnumerationOrder) {
    Use(kOffice);
    TextList workgroups = ListWorkgroups();
    ASSERT_FALSE(workgroups.empty()) << "test network provider not installed? see tests/win32/setup-prefix.sh";
    EXPECT_EQ(workgroups, (TextList{"WORKGROUP", "空组", "研发部"}));
    EXPECT_EQ(ListComputers("WORKGROUP"), (TextList{"ALPHA", "BETA"}));
    EXPECT_EQ(ListComputers("空组"), TextList{});
    EXPECT_EQ(ListComputers("研发部"), (TextList{"张三的电脑", "誠信PC"}));
    EXPECT_EQ(ListComputers("NO-SUCH-GROUP"), TextList{});
}

TEST_F(TestNetwork, SharesOfAComputerAreFullRemoteNames) {
    Use(kOffice);
    EXPECT_EQ(ListShares("ALPHA"), (TextList{"\\\\ALPHA\\docs", "\\\\ALPHA\\共享文件"}));
    EXPECT_EQ(ListShares("誠信PC"), (TextList{"\\\\誠信PC\\打印机"}));
    EXPECT_EQ(ListShares("BETA"), TextList{});
    EXPECT_EQ(ListShares("NO-SUCH-PC"), TextList{});
}

TEST_F(TestNetwork, NoWorkgroupsGivesAnEmptyList) {
    Use("");
    EXPECT_EQ(ListWorkgroups(), TextList{});
}

// Far more than one enumeration buffer holds: nothing may be lost or
// reordered, and the list stops at 10240 computers.
TEST_F(TestNetwork, ALargeWorkgroupIsListedWholeUpToTheBound) {
    std::string lines = "BIG\r\n";
    for (int i = 0; i < 10241; ++i) lines += "\\\\计算机-" + std::to_string(i) + "\r\n";
    lines += "NEXT\r\n\\\\LAST\r\n";
    Use(lines);
    TextList computers = ListComputers("BIG");
    ASSERT_EQ(computers.size(), 10240u);
    for (size_t i = 0; i < computers.size(); ++i) ASSERT_EQ(computers[i], "计算机-" + std::to_string(i));
    EXPECT_EQ(ListComputers("NEXT"), TextList{"LAST"});
}

}  // namespace
