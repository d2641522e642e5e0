#include <gtest/gtest.h>

#include "platform/text.h"

namespace {

// "中" is D6 D0; "啊" is B0 A1, whose trail byte is not ASCII; "\x81\x5C" is a
// GBK character whose trail byte is a backslash, "\x81\x61" one whose trail
// byte is 'a'.
const Text kTrailBackslash = "\x81\x5C";
const Text kTrailA = "\x81\x61";

struct FindCase {
    Text haystack, needle;
    Case c;
    int first, last;
};

TEST(TextFind, PositionsAreOneBasedAndStepOverDoubleByteCharacters) {
    const FindCase cases[] = {
        {"abcabc", "bc", Case::Exact, 2, 5},
        {"abc", "x", Case::Exact, -1, -1},
        {"", "a", Case::Exact, -1, -1},
        {"abc", "", Case::Exact, -1, -1},
        {"ABC", "b", Case::Exact, -1, -1},
        {"ABC", "b", Case::IgnoreAscii, 2, 2},
        // A single byte never matches the trail byte of a double-byte character.
        {kTrailBackslash, "\\", Case::Exact, -1, -1},
        {"C:" + kTrailBackslash + "\\x", "\\", Case::Exact, 5, 5},
        {kTrailA + "a", "a", Case::Exact, 3, 3},
        {kTrailA + "A", "a", Case::IgnoreAscii, 3, 3},
        {"中文中", "中", Case::Exact, 1, 5},
        // Upper-casing ignores bytes of double-byte characters.
        {"\xB0\xE1x", "\xB0\xC1", Case::IgnoreAscii, -1, -1},
    };
    for (const FindCase& t : cases) {
        EXPECT_EQ(FindFirst(t.haystack, t.needle, t.c), t.first) << t.haystack << " / " << t.needle;
        EXPECT_EQ(FindLast(t.haystack, t.needle, t.c), t.last) << t.haystack << " / " << t.needle;
    }
}

TEST(TextSlices, FirstAndLastBytesClampTheirCount) {
    EXPECT_EQ(FirstBytes("abcdef", 2), "ab");
    EXPECT_EQ(LastBytes("abcdef", 2), "ef");
    for (int n : {0, -1, -100}) {
        EXPECT_EQ(FirstBytes("abc", n), "");
        EXPECT_EQ(LastBytes("abc", n), "");
    }
    EXPECT_EQ(FirstBytes("abc", 3), "abc");
    EXPECT_EQ(FirstBytes("abc", 99), "abc");
    EXPECT_EQ(LastBytes("abc", 99), "abc");
    EXPECT_EQ(LastBytes("", 1), "");
}

TEST(TextCase, UpperCasingChangesOnlyAsciiLetters) {
    EXPECT_EQ(UpperAscii("c:\\abz{}"), "C:\\ABZ{}");
    EXPECT_EQ(UpperAscii("中a"), "中A");
    EXPECT_EQ(UpperAscii(kTrailA), kTrailA.substr(0, 1) + "A");  // bytes, not characters
}

TEST(TextSpaces, RemovesHalfAndFullWidthSpacesOnly) {
    EXPECT_EQ(RemoveSpaces("my share"), "myshare");
    EXPECT_EQ(RemoveSpaces("我的\xA1\xA1共享 x"), "我的共享x");
    EXPECT_EQ(RemoveSpaces("a\tb"), "a\tb");
    EXPECT_EQ(RemoveSpaces(" \xA1\xA1 "), "");
    // A1 A1 split across two characters is not a space: B0 A1 then A1 B0.
    EXPECT_EQ(RemoveSpaces("\xB0\xA1\xA1\xB0"), "\xB0\xA1\xA1\xB0");
    EXPECT_TRUE(HasSpace("a b"));
    EXPECT_TRUE(HasSpace("a\xA1\xA1"));
    EXPECT_FALSE(HasSpace("\xB0\xA1\xA1\xB0"));
}

TEST(TextReplace, ReplacesLeftToRightWithoutOverlapOnCharacterBoundaries) {
    EXPECT_EQ(ReplaceAll("aaa", "aa", "b", Case::Exact), "ba");
    EXPECT_EQ(ReplaceAll("xAx", "a", "-", Case::Exact), "xAx");
    EXPECT_EQ(ReplaceAll("xAx", "a", "-", Case::IgnoreAscii), "x-x");
    EXPECT_EQ(ReplaceAll("%账号%/%账号%", "%账号%", "admin", Case::IgnoreAscii), "admin/admin");
    EXPECT_EQ(ReplaceAll("abc", "", "x", Case::Exact), "abc");
    // A match never starts on a trail byte.
    EXPECT_EQ(ReplaceAll(kTrailA + "a", "a", "b", Case::Exact), kTrailA + "b");
    EXPECT_EQ(ReplaceAll(kTrailBackslash, "\\", "/", Case::Exact), kTrailBackslash);
    // The replacement is not scanned again.
    EXPECT_EQ(ReplaceAll("ab", "a", "aa", Case::Exact), "aab");
}

TEST(TextRegistryPath, SplitsAtTheLastBackslashOutsideDoubleByteCharacters) {
    RegistryPath p = SplitRegistryPath("SYSTEM\\Tcpip\\Parameters\\NV Hostname");
    EXPECT_EQ(p.key, "SYSTEM\\Tcpip\\Parameters");
    EXPECT_EQ(p.value, "NV Hostname");
    p = SplitRegistryPath("Software\\LocalDevices\\" + kTrailBackslash + "pc");
    EXPECT_EQ(p.key, "Software\\LocalDevices");
    EXPECT_EQ(p.value, kTrailBackslash + "pc");
    p = SplitRegistryPath("Value");
    EXPECT_EQ(p.key, "");
    EXPECT_EQ(p.value, "Value");
}

TEST(TextStored, KeepsTheBytesBeforeTheFirstZero) {
    EXPECT_EQ(StoredText(std::string("ab\0cd", 5)), "ab");
    EXPECT_EQ(StoredText(std::string("\0x", 2)), "");
    EXPECT_EQ(StoredText("abc"), "abc");
}

TEST(TextLiterals, NarrowLiteralsAreGbk) {
    EXPECT_EQ(Text("信息："), "\xD0\xC5\xCF\xA2\xA3\xBA");
    EXPECT_EQ(Text("（）"), "\xA3\xA8\xA3\xA9");
}

}  // namespace
