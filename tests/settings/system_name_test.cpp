#include <gtest/gtest.h>

#include "platform/fake/fake.h"
#include "settings/settings.h"

namespace {

struct VersionCase {
    uint32_t getVersion;
    const char* expected;
};

// Real GetVersion words: build number and platform bits in the high word.
const VersionCase kCases[] = {
    {0x08930005, "Windows 2000"},         // 5.0 build 2195
    {0x0A280105, "Windows XP"},           // 5.1 build 2600
    {0x8A280105, "Windows XP"},           // platform bit set
    {0x0ECE0205, "Windows Server 2003"},  // 5.2 build 3790
    {0x17700006, "Vista"},                // 6.0 build 6000
    {0x1DB10106, "Windows 7"},            // 6.1 build 7601
    {0x00000106, "Windows 7"},            // no build number at all
    {0x23F00206, "\xA3\xBF"},             // 6.2
    {0x4A61000A, "\xA3\xBF"},             // 10.0
    {0x00000004, "\xA3\xBF"},             // 4.0
    {0x00000A05, "Vista"},                // 5.10 reads as 6.0
};

TEST(SystemName, NamesEachVersionWord) {
    for (const VersionCase& c : kCases) {
        fake::Reset();
        fake::SetWindowsVersion(c.getVersion);
        EXPECT_EQ(SystemName(), c.expected) << std::hex << c.getVersion;
    }
}

TEST(SystemName, UnknownIsTheFullWidthQuestionMark) {
    fake::Reset();
    fake::SetVersion(6, 3);
    EXPECT_EQ(SystemName(), "？");
    EXPECT_EQ(SystemName(), "\xA3\xBF");
}

}  // namespace
