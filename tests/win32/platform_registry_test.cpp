// Registry access against Wine's real registry. Values are set and checked
// with the plain Win32 calls, so the conversions are checked independently.
#include <windows.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/registry.h"
#include "win32/platform_support.h"

namespace {

class Registry : public ::testing::Test {
protected:
    void SetUp() override {
        key_ = "Software\\QingyuTests\\" + UniqueName("reg");
        wkey_ = std::wstring(key_.begin(), key_.end());
        RegCreateKeyExW(HKEY_CURRENT_USER, wkey_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hkey_, nullptr);
        ASSERT_NE(hkey_, nullptr);
    }
    void TearDown() override {
        RegCloseKey(hkey_);
        SHDeleteKeyW(HKEY_CURRENT_USER, wkey_.c_str());
    }
    void SetRaw(const wchar_t* name, DWORD type, const void* data, DWORD size) {
        ASSERT_EQ(RegSetValueExW(hkey_, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
    }
    void SetRawText(const wchar_t* name, DWORD type, const std::wstring& text) {
        SetRaw(name, type, text.c_str(), DWORD((text.size() + 1) * 2));
    }
    // Type and bytes as stored, or type 0 when the value is missing.
    std::pair<DWORD, std::string> Raw(const std::wstring& subkey, const std::wstring& name) {
        HKEY h;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, (wkey_ + subkey).c_str(), 0, KEY_QUERY_VALUE, &h) != ERROR_SUCCESS)
            return {0, std::string()};
        DWORD type = 0;
        std::string data(4096, '\0');
        DWORD size = DWORD(data.size());
        LONG rc = RegQueryValueExW(h, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&data[0]), &size);
        RegCloseKey(h);
        if (rc != ERROR_SUCCESS) return {0, std::string()};
        return {type, data.substr(0, size)};
    }
    Text Path(const Text& rest) const { return key_ + "\\" + rest; }

    Text key_;
    std::wstring wkey_;
    HKEY hkey_ = nullptr;
};

std::string Utf16Z(const std::wstring& text) {
    return std::string(reinterpret_cast<const char*>(text.c_str()), (text.size() + 1) * 2);
}

TEST_F(Registry, ReadsTextsByTheirType) {
    SetEnvironmentVariableW(L"QY_REG_TEST", L"C:\\展开");
    SetRawText(L"sz", REG_SZ, L"中文 %QY_REG_TEST%");
    SetRawText(L"expand", REG_EXPAND_SZ, L"%QY_REG_TEST%\\文件");
    SetRawText(L"unknown", REG_EXPAND_SZ, L"%QY_NOT_SET%");
    DWORD number = 7;
    SetRaw(L"dword", REG_DWORD, &number, sizeof number);
    SetRaw(L"binary", REG_BINARY, "ab", 2);
    // Written without its zero, as some tools do.
    SetRaw(L"uncounted", REG_SZ, L"无零", 4);
    SetRaw(L"", REG_SZ, L"默认", 6);

    const struct {
        const char* value;
        Text expected;
    } cases[] = {
        {"sz", "中文 %QY_REG_TEST%"},   {"expand", "C:\\展开\\文件"}, {"unknown", "%QY_NOT_SET%"},
        {"dword", ""},                  {"binary", ""},               {"uncounted", "无零"},
        {"", "默认"},                   {"missing", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(RegReadText(RegRoot::CurrentUser, Path(c.value)), c.expected);
    }
    EXPECT_EQ(RegReadText(RegRoot::CurrentUser, key_ + "\\no such key\\sz"), "");
    SetEnvironmentVariableW(L"QY_REG_TEST", nullptr);
}

TEST_F(Registry, ValueExistsWhateverItsType) {
    DWORD number = 1;
    SetRaw(L"dword", REG_DWORD, &number, sizeof number);
    SetRawText(L"名字", REG_SZ, L"");
    EXPECT_TRUE(RegValueExists(RegRoot::CurrentUser, Path("dword")));
    EXPECT_TRUE(RegValueExists(RegRoot::CurrentUser, Path("名字")));
    EXPECT_FALSE(RegValueExists(RegRoot::CurrentUser, Path("missing")));
    EXPECT_FALSE(RegValueExists(RegRoot::CurrentUser, key_ + "\\no such key\\dword"));
}

TEST_F(Registry, TextIsWrittenAsSzWithItsZeroCounted) {
    ASSERT_TRUE(RegWriteText(RegRoot::CurrentUser, Path("名字"), "计算机一"));
    EXPECT_EQ(Raw(L"", L"名字"), std::make_pair(DWORD(REG_SZ), Utf16Z(L"计算机一")));
    ASSERT_TRUE(RegWriteText(RegRoot::CurrentUser, Path("名字"), ""));
    EXPECT_EQ(Raw(L"", L"名字"), std::make_pair(DWORD(REG_SZ), Utf16Z(L"")));
}

TEST_F(Registry, DwordIsWrittenAsDword) {
    ASSERT_TRUE(RegWriteDword(RegRoot::CurrentUser, Path("n"), 0x01020304));
    EXPECT_EQ(Raw(L"", L"n"), std::make_pair(DWORD(REG_DWORD), std::string("\x04\x03\x02\x01", 4)));
}

TEST_F(Registry, WritingCreatesMissingKeys) {
    // The key name holds a character whose second GBK byte is a backslash.
    ASSERT_TRUE(RegWriteText(RegRoot::CurrentUser, Path("新\\\xD5\x5C键\\值"), "v"));
    EXPECT_EQ(Raw(L"\\新\\誠键", L"值"), std::make_pair(DWORD(REG_SZ), Utf16Z(L"v")));
    ASSERT_TRUE(RegWriteDword(RegRoot::CurrentUser, Path("另一\\n"), 5));
    EXPECT_EQ(Raw(L"\\另一", L"n").first, DWORD(REG_DWORD));
}

TEST(RegistryRoots, LocalMachineAndCurrentUserAreDistinct) {
    // Wine always keeps the computer name in HKLM; HKCU has no such key.
    EXPECT_TRUE(RegValueExists(RegRoot::LocalMachine, kComputerNamePath));
    EXPECT_NE(RegReadText(RegRoot::LocalMachine, kComputerNamePath), "");
    EXPECT_FALSE(RegValueExists(RegRoot::CurrentUser, kComputerNamePath));
}

}  // namespace
