#include <cstdlib>

#include "platform/commands.h"
#include "platform/registry.h"
#include "remote/connection_file.h"
#include "remote/remote.h"
#include "remote_fixture.h"

namespace {

const char kDevices[] = "Software\\Microsoft\\Terminal Server Client\\LocalDevices\\";

struct ConnectionCase {
    const char* label;
    Text computer;
    Text password;
    std::string utf16;  // the password's UTF-16LE bytes with the zero; unused when empty
};

class ConnectionFileTest : public RemoteTest, public ::testing::WithParamInterface<ConnectionCase> {};

TEST_P(ConnectionFileTest, WritesTheTableLineByLineAndStartsTheClient) {
    const ConnectionCase& c = GetParam();
    ConnectRemoteDesktop("administrator", c.password, c.computer);

    const Text passwordLine = c.password.empty() ? Text("%密码%") : "password 51:b:" + FakeBlobOf(c.utf16);
    const std::vector<Text> expected = ExpectedConnectionFile(c.computer, "administrator", passwordLine);
    const Text written = ReadWholeFile(RdpTempPath());
    const std::vector<Text> lines = SplitCrLf(written);
    ASSERT_EQ(lines.size(), 45u);
    for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
    EXPECT_EQ(written, RdpText());
    EXPECT_NE(written.back(), '\n');

    ASSERT_EQ(fake::Commands().size(), 1u);
    EXPECT_EQ(fake::Commands()[0].commandLine, "mstsc.exe " + RdpTempPath());
    EXPECT_EQ(fake::Commands()[0].show, Show::Normal);
    EXPECT_FALSE(fake::Commands()[0].waited);

    auto devices = fake::GetRegValue(RegRoot::CurrentUser, kDevices + c.computer);
    ASSERT_TRUE(devices.has_value());
    EXPECT_EQ(devices->type, fake::RegType::Dword);
    EXPECT_EQ(devices->dword, 76u);
}

INSTANTIATE_TEST_SUITE_P(
    Computers, ConnectionFileTest,
    ::testing::Values(
        ConnectionCase{"NameNoPassword", "PC-01", "", ""},
        ConnectionCase{"AddressWithPassword", "192.168.1.20", "abc", std::string("a\0b\0c\0\0\0", 8)},
        // 财务室; password 密码1 = U+5BC6 U+7801 U+0031
        ConnectionCase{"GbkNameGbkPassword", "财务室", "密码1",
                       std::string("\xC6\x5B\x01\x78\x31\x00\x00\x00", 8)}),
    [](const auto& param) { return std::string(param.param.label); });

TEST_F(RemoteTest, TemplateIs45LinesOf1038BytesWithPlaceholders) {
    std::vector<Text> lines = ExpectedConnectionFile("", "%账号%", "%密码%");
    lines[5] = "full address:s:%服务器地址%";
    lines[12] = "%磁盘%";
    lines[34] = "%智能卡%";
    Text expected;
    for (const Text& line : lines) expected += (expected.empty() ? "" : "\r\n") + line;
    EXPECT_EQ(expected.size(), 1038u);
    EXPECT_EQ(ConnectionTemplate(), expected);
}

TEST_F(RemoteTest, FailedProtectionLeavesThePasswordPlaceholder) {
    fake::FailProtection(true);
    ConnectRemoteDesktop("administrator", "secret", "PC-01");
    EXPECT_EQ(SplitCrLf(ReadWholeFile(RdpTempPath())),
              ExpectedConnectionFile("PC-01", "administrator", "%密码%"));
    EXPECT_EQ(MakePasswordBlob("secret"), "0");
}

TEST_F(RemoteTest, PlaceholderBytesInsideADoubleByteCharacterAreLeftAlone) {
    // The lead byte 0xB0 swallows the '%' after it, so "%磁盘%" in this name
    // does not start on a character boundary and must not be replaced.
    const Text computer = "\xB0%磁盘%";
    ConnectRemoteDesktop("administrator", "", computer);
    const std::vector<Text> lines = SplitCrLf(RdpText());
    ASSERT_EQ(lines.size(), 45u);
    EXPECT_EQ(lines[5], "full address:s:\xB0%磁盘%:3389");
    EXPECT_EQ(lines[12], "redirectsmartcards:i:1");
}

unsigned long NumberOf(const Text& path) {
    const Text name = path.substr(WorkFolder().size());
    EXPECT_EQ(name.substr(name.size() - 4), ".tmp");
    const Text hex = name.substr(0, name.size() - 4);
    EXPECT_EQ(hex.find_first_not_of("0123456789abcdef"), Text::npos) << hex;
    EXPECT_NE(hex[0], '0') << hex;
    return std::strtoul(hex.c_str(), nullptr, 16);
}

TEST_F(RemoteTest, EveryConnectionGetsAFreshFileAndKeepsTheEarlierOnes) {
    fake::SetTickCount(0xABCDEF00u);
    ConnectRemoteDesktop("administrator", "", "PC-01");
    const Text first = RdpTempPath();
    const unsigned long n = NumberOf(first);
    EXPECT_GE(n, 0xABCDEF00ul);

    ConnectRemoteDesktop("administrator", "", "PC-01");
    const Text second = RdpTempPath();
    EXPECT_EQ(NumberOf(second), n + 1);

    // Names that are taken, by a file or a folder, are stepped over.
    char takenFile[16], takenFolder[16];
    std::snprintf(takenFile, sizeof takenFile, "%lx.tmp", n + 2);
    std::snprintf(takenFolder, sizeof takenFolder, "%lx.tmp", n + 3);
    WriteWholeFile(WorkFolder() + takenFile, "x");
    std::filesystem::create_directory(WorkFolder() + takenFolder);
    ConnectRemoteDesktop("administrator", "", "PC-01");
    EXPECT_EQ(NumberOf(RdpTempPath()), n + 4);

    EXPECT_EQ(SplitCrLf(ReadWholeFile(first)).size(), 45u);
    EXPECT_EQ(SplitCrLf(ReadWholeFile(second)).size(), 45u);
    EXPECT_EQ(ReadWholeFile(WorkFolder() + takenFile), "x");
    EXPECT_EQ(fake::Commands().size(), 3u);
}

TEST_F(RemoteTest, ClientGetsTheQuotedPathWhenTheFolderHoldsASpace) {
    const Text folder = fake::TempFolder() + "Local Settings/";
    std::filesystem::create_directory(folder);
    fake::SetWorkFolder(folder);
    ConnectRemoteDesktop("administrator", "", "PC-01");
    EXPECT_EQ(RdpTempPath().substr(0, folder.size()), folder);
    ASSERT_EQ(fake::Commands().size(), 1u);
    EXPECT_EQ(fake::Commands()[0].commandLine, "mstsc.exe \"" + RdpTempPath() + "\"");
    EXPECT_EQ(SplitCrLf(ReadWholeFile(RdpTempPath())).size(), 45u);
}

TEST_F(RemoteTest, LocalDevicesValueIsCreatedOnceAndExistingOnesAreLeftAlone) {
    ConnectRemoteDesktop("administrator", "", "PC-01");
    ConnectRemoteDesktop("administrator", "", "PC-01");
    EXPECT_EQ(fake::RegWrites(), std::vector<Text>{Text(kDevices) + "PC-01=dword:76"});

    const fake::RegValue existing[] = {
        {fake::RegType::Dword, "", 13},
        {fake::RegType::Sz, "keep", 0},
        {fake::RegType::Binary, std::string("\0\1", 2), 0},
    };
    for (const fake::RegValue& value : existing) {
        fake::Reset();
        fake::SetRegValue(RegRoot::CurrentUser, Text(kDevices) + "誠", value);
        ConnectRemoteDesktop("administrator", "", "誠");
        EXPECT_TRUE(fake::RegWrites().empty());
        auto after = fake::GetRegValue(RegRoot::CurrentUser, Text(kDevices) + "誠");
        ASSERT_TRUE(after.has_value());
        EXPECT_EQ(after->type, value.type);
        EXPECT_EQ(after->data, value.data);
        EXPECT_EQ(after->dword, value.dword);
    }
}

}  // namespace
