// Code page 936 conversion and data protection, against Windows itself.
#include <windows.h>
#include <wincrypt.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/crypto.h"

namespace {

std::string Bytes(std::initializer_list<unsigned char> b) { return std::string(b.begin(), b.end()); }

struct ConversionCase {
    const char* name;
    std::string gbk;
    std::string utf16;
};

TEST(Utf16Conversion, GbkAndUtf16BytesTranslateBothWays) {
    const ConversionCase cases[] = {
        {"empty", "", ""},
        {"ascii", "ab1", Bytes({'a', 0, 'b', 0, '1', 0})},
        {"chinese", "\xC4\xE3\xBA\xC3", Bytes({0x60, 0x4F, 0x7D, 0x59})},        // 你好
        {"full-width question mark", "\xA3\xBF", Bytes({0x1F, 0xFF})},           // ？
        {"zero inside", std::string("a\0b", 3), Bytes({'a', 0, 0, 0, 'b', 0})},
        {"trail byte 0x5C", "\xD5\x5C", Bytes({0xA0, 0x8A})},                    // 誠
    };
    for (const ConversionCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(GbkToUtf16Bytes(c.gbk, false), c.utf16);
        EXPECT_EQ(GbkToUtf16Bytes(c.gbk, true), c.utf16 + std::string(2, '\0'));
        EXPECT_EQ(Utf16BytesToGbk(c.utf16), c.gbk);
    }
}

TEST(Utf16Conversion, OddTrailingByteIsIgnored) {
    EXPECT_EQ(Utf16BytesToGbk(Bytes({0x60, 0x4F, 0x7D})), "\xC4\xE3");
}

TEST(DataProtection, RoundTripsBytesWithoutKeepingThemReadable) {
    const char raw[] = "密码 pass\0word";
    const std::string plain = GbkToUtf16Bytes(std::string(raw, sizeof raw - 1), true);
    std::string sealed, opened;
    ASSERT_TRUE(ProtectData(plain, "psw", sealed));
    EXPECT_EQ(sealed.find(plain), std::string::npos);
    ASSERT_TRUE(UnprotectData(sealed, opened));
    EXPECT_EQ(opened, plain);
}

TEST(DataProtection, DescriptionIsStoredAsUtf16) {
    std::string sealed;
    ASSERT_TRUE(ProtectData("x", "psw", sealed));
    DATA_BLOB in = {DWORD(sealed.size()), reinterpret_cast<BYTE*>(&sealed[0])}, out = {};
    LPWSTR description = nullptr;
    ASSERT_TRUE(CryptUnprotectData(&in, &description, nullptr, nullptr, nullptr, 0, &out));
    EXPECT_EQ(std::wstring(description), L"psw");
    LocalFree(description);
    LocalFree(out.pbData);
}

TEST(DataProtection, EmptyPlainTextRoundTrips) {
    std::string sealed, opened = "left over";
    ASSERT_TRUE(ProtectData("", "psw", sealed));
    ASSERT_TRUE(UnprotectData(sealed, opened));
    EXPECT_EQ(opened, "");
}

TEST(DataProtection, BytesThatWereNeverProtectedDoNotOpen) {
    std::string opened = "unchanged";
    EXPECT_FALSE(UnprotectData("plain text, not a protected blob", opened));
    EXPECT_EQ(opened, "unchanged");
}

}  // namespace
