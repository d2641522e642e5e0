#include "settings_fixture.h"

namespace {

const char kComputerName[] = "SYSTEM\\CurrentControlSet\\Control\\ComputerName\\ComputerName\\ComputerName";
const char kNvHostname[] = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\NV Hostname";
const char kHostname[] = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Hostname";
const char kWin7Warning[] =
    "你的操作系统为win7，要在管理员权限下才可以改名。你可以关闭软件，右击，用管理员的方式运行";
const char kSuccess[] = "修改成功！下次重启后生效！";

using RenameTest = SettingsTest;

TEST_F(RenameTest, WritesTheThreeValuesInOrder) {
    SetComputerName("OLD-PC");
    fake::QueueInput(true, "NEW-PC");
    RenameComputer();
    ASSERT_EQ(fake::Inputs().size(), 1u);
    EXPECT_EQ(fake::Inputs()[0].prompt, "请在下面输入要更改的计算机名！");
    EXPECT_EQ(fake::Inputs()[0].title, "更改计算机名");
    EXPECT_EQ(fake::Inputs()[0].initial, "OLD-PC");
    EXPECT_EQ(fake::Inputs()[0].mode, 1);
    EXPECT_EQ(fake::RegWrites(), (std::vector<Text>{Text(kComputerName) + "=NEW-PC",
                                                    Text(kNvHostname) + "=NEW-PC",
                                                    Text(kHostname) + "=NEW-PC"}));
    for (const char* path : {kComputerName, kNvHostname, kHostname}) {
        auto value = fake::GetRegValue(RegRoot::LocalMachine, path);
        ASSERT_TRUE(value) << path;
        EXPECT_EQ(value->type, fake::RegType::Sz);
    }
    ASSERT_EQ(fake::Messages().size(), 1u);
    EXPECT_EQ(fake::Messages()[0].text, kSuccess);
    EXPECT_EQ(fake::Messages()[0].icon, 64);
    EXPECT_EQ(fake::Messages()[0].title, "信息：");
}

TEST_F(RenameTest, WarnsFirstOnWindows7OnlyAndGoesOn) {
    struct Case {
        int major, minor;
        bool warns;
    };
    for (Case c : {Case{5, 1, false}, Case{6, 0, false}, Case{6, 1, true}, Case{6, 2, false}}) {
        fake::Reset();
        fake::SetVersion(c.major, c.minor);
        fake::QueueInput(true, "NEW-PC");
        RenameComputer();
        auto shown = fake::Messages();
        ASSERT_EQ(shown.size(), c.warns ? 2u : 1u) << c.major << "." << c.minor;
        if (c.warns) {
            EXPECT_EQ(shown[0].text, kWin7Warning);
            EXPECT_EQ(shown[0].icon, 48);
            EXPECT_EQ(shown[0].title, "信息：");
        }
        EXPECT_EQ(shown.back().text, kSuccess);
        EXPECT_EQ(fake::RegWrites().size(), 3u);
    }
}

TEST_F(RenameTest, CancelOrEmptyWritesNothing) {
    for (bool confirm : {false, true}) {
        fake::Reset();
        fake::SetVersion(6, 1);
        SetComputerName("OLD-PC");
        fake::QueueInput(confirm, "");
        RenameComputer();
        EXPECT_TRUE(fake::RegWrites().empty());
        ASSERT_EQ(fake::Messages().size(), 1u);  // the warning only
        EXPECT_EQ(fake::Messages()[0].text, kWin7Warning);
    }
}

TEST_F(RenameTest, RefusedWriteIsReportedAsAFailure) {
    SetComputerName("OLD-PC");
    fake::RefuseRegistryWrites(true);
    fake::QueueInput(true, "NEW-PC");
    RenameComputer();
    ASSERT_EQ(fake::Messages().size(), 1u);
    EXPECT_EQ(fake::Messages()[0].icon, 16);
    EXPECT_NE(fake::Messages()[0].text, kSuccess);
    EXPECT_EQ(fake::GetRegValue(RegRoot::LocalMachine, kComputerName)->data, "OLD-PC");
}

struct NameCase {
    Text name;
    bool accepted;
};

std::vector<NameCase> NameCases() {
    std::vector<NameCase> cases = {
        {"ABCDEFGHIJKLMNO", true},    // 15 bytes
        {"ABCDEFGHIJKLMNOP", false},  // 16 bytes
        {"一二三四五六七A", true},     // 15 bytes
        {"一二三四五六七八", false},   // 16 bytes
        {"PC-01", true},
        {"2号机", true},
        {"1-2", true},
        {"12345", false},
        {"0", false},
        {"MY PC", false},
        {"MY　PC", false},  // full-width space
        {" PC", false},
        {"PC\t1", false},
        // Trail bytes 5C, 7C and 5F are not '\', '|' and '_'.
        {"癨皘癬", true},
    };
    for (char sign : Text("`~!@#$%^&*()=+_[]{}\\|;:.'\",<>/?"))
        cases.push_back({Text("PC") + sign + "1", false});
    return cases;
}

TEST_F(RenameTest, RefusesNamesThatBreakTheNetworkName) {
    for (const NameCase& c : NameCases()) {
        fake::Reset();
        SetComputerName("OLD-PC");
        fake::QueueInput(true, c.name);
        RenameComputer();
        ASSERT_EQ(fake::Messages().size(), 1u) << c.name;
        if (c.accepted) {
            EXPECT_EQ(fake::Messages()[0].text, kSuccess) << c.name;
            EXPECT_EQ(fake::RegWrites().size(), 3u) << c.name;
        } else {
            EXPECT_NE(fake::Messages()[0].text, kSuccess) << c.name;
            EXPECT_EQ(fake::Messages()[0].icon, 48) << c.name;
            EXPECT_TRUE(fake::RegWrites().empty()) << c.name;
        }
    }
}

}  // namespace
