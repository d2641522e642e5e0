#include <sys/stat.h>

#include "settings_fixture.h"

namespace {

const char kCompanyFile[] = "公司名字";

using CompanyTest = SettingsTest;

TEST_F(CompanyTest, CancelChangesNothing) {
    fake::QueueInput(false);
    ChangeCompany();
    ASSERT_EQ(fake::Inputs().size(), 1u);
    EXPECT_EQ(fake::Inputs()[0].prompt, "请输入规公司的名称！");
    EXPECT_EQ(fake::Inputs()[0].title, "公司名称");
    EXPECT_EQ(fake::Inputs()[0].initial, "青屿");
    EXPECT_EQ(fake::Inputs()[0].mode, 1);
    EXPECT_FALSE(PathExists(WorkFolder() + kCompanyFile));
    EXPECT_EQ(fake::Caption(), "");
    EXPECT_TRUE(fake::Messages().empty());
}

struct ConfirmCase {
    const char* entered;
    const char* computerName;  // nullptr: the value is missing
    const char* caption;
};

const ConfirmCase kConfirmCases[] = {
    {"青屿", "PC-01", "青屿文件共享5.0---我的计算机名：PC-01"},
    {"", "PC-01", "文件共享5.0---我的计算机名：PC-01"},
    {"某某公司", nullptr, "某某公司文件共享5.0---我的计算机名："},
};

TEST_F(CompanyTest, ConfirmStoresTheNameAndShowsItInTheCaption) {
    for (const ConfirmCase& c : kConfirmCases) {
        fake::Reset();
        WriteWholeFile(WorkFolder() + kCompanyFile, "an older and longer name");
        if (c.computerName) SetComputerName(c.computerName);
        fake::QueueInput(true, c.entered);
        ChangeCompany();
        EXPECT_TRUE(PathExists(WorkFolder() + kCompanyFile)) << c.entered;
        EXPECT_EQ(ReadWholeFile(WorkFolder() + kCompanyFile), c.entered);
        EXPECT_EQ(fake::Caption(), c.caption);
        ASSERT_EQ(fake::Messages().size(), 1u);
        EXPECT_EQ(fake::Messages()[0].text, "设置成功");
        EXPECT_EQ(fake::Messages()[0].icon, 64);
        EXPECT_EQ(fake::Messages()[0].title, "信息：");
    }
}

TEST_F(CompanyTest, UnwritableFileIsReportedAndTheCaptionStillChanges) {
    SetComputerName("PC-01");
    // A folder of that name makes the write fail.
    ASSERT_EQ(mkdir((WorkFolder() + kCompanyFile).c_str(), 0700), 0);
    fake::QueueInput(true, "青屿");
    ChangeCompany();
    EXPECT_EQ(fake::Caption(), "青屿文件共享5.0---我的计算机名：PC-01");
    ASSERT_EQ(fake::Messages().size(), 1u);
    EXPECT_EQ(fake::Messages()[0].icon, 16);
    EXPECT_NE(fake::Messages()[0].text, "设置成功");
}

}  // namespace
