#include <gtest/gtest.h>

#include <fstream>

#include "app/program.h"
#include "app/program_texts/program_texts.h"
#include "app/startup.h"
#include "neighbourhood/neighbourhood.h"
#include "platform/fake/fake.h"
#include "platform/registry.h"

namespace {

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override { fake::Reset(); }

    static void WriteCompanyFile(const std::string& bytes) {
        std::ofstream(fake::TempFolder() + "公司名字", std::ios::binary) << bytes;
    }
};

TEST_F(StartupTest, StartsScanThenCaptionBothWithOneAndReturnsZero) {
    EXPECT_EQ(RunProgram(), 0);
    auto threads = fake::Threads();
    ASSERT_EQ(threads.size(), 2u);
    EXPECT_EQ(threads[0].routine, &NeighbourhoodScan);
    EXPECT_EQ(threads[0].argument, 1);
    EXPECT_EQ(threads[1].routine, &StartupCaption);
    EXPECT_EQ(threads[1].argument, 1);
}

TEST_F(StartupTest, ExitRoutineReleasesTheProgramTexts) {
    RdpTempPath() = "C:\\temp\\1A2B.tmp";
    RdpText() = "full address:s:PC-01";
    LocalComputerName() = "PC-01";
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_EQ(RdpTempPath(), "");
    EXPECT_EQ(RdpText(), "");
    EXPECT_EQ(LocalComputerName(), "");
}

TEST_F(StartupTest, ThreadsThatCannotStartAreIgnored) {
    fake::FailThreadCreation(true);
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_EQ(fake::Caption(), "");
}

struct CaptionCase {
    const char* label;
    bool companyFile;
    std::string companyBytes;
    bool computerName;
    std::string expected;
};

TEST_F(StartupTest, CaptionFromCompanyFileAndComputerName) {
    const CaptionCase cases[] = {
        {"no file", false, "", true, "xx公司局域网文件共享---计算机名：PC-01"},
        {"empty file", true, "", true, "xx公司局域网文件共享---计算机名：PC-01"},
        {"company", true, "青屿科技", true, "青屿科技文件共享---计算机名：PC-01"},
        {"zero byte cuts", true, std::string("青屿\0科技", 9), true, "青屿文件共享---计算机名：PC-01"},
        {"zero byte first", true, std::string("\0abc", 4), true, "xx公司局域网文件共享---计算机名：PC-01"},
        {"no computer name", false, "", false, "xx公司局域网文件共享---计算机名："},
    };
    for (const CaptionCase& c : cases) {
        SCOPED_TRACE(c.label);
        fake::Reset();
        if (c.companyFile) WriteCompanyFile(c.companyBytes);
        if (c.computerName) fake::SetRegText(RegRoot::LocalMachine, kComputerNamePath, "PC-01");
        StartupCaption(1);
        EXPECT_EQ(fake::Caption(), c.expected);
    }
}

TEST_F(StartupTest, CaptionRoutineRunsFromTheStartUp) {
    fake::SetRegText(RegRoot::LocalMachine, kComputerNamePath, "财务-01");
    RunProgram();
    fake::RunRecordedThreads();
    EXPECT_EQ(fake::Caption(), "xx公司局域网文件共享---计算机名：财务-01");
}

}  // namespace
