// Settings commands against Wine's real registry and temporary folder.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/files.h"
#include "platform/registry.h"
#include "settings/settings.h"

namespace {

struct RawValue {
    bool found = false;
    DWORD type = 0;
    std::wstring data;  // as stored, zero included when it was counted
};

RawValue ReadRaw(const wchar_t* key, const wchar_t* name) {
    RawValue v;
    HKEY h;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key, 0, KEY_QUERY_VALUE, &h) != ERROR_SUCCESS) return v;
    DWORD size = 0;
    if (RegQueryValueExW(h, name, nullptr, &v.type, nullptr, &size) == ERROR_SUCCESS) {
        v.data.resize(size / sizeof(wchar_t));
        v.found = RegQueryValueExW(h, name, nullptr, &v.type, reinterpret_cast<BYTE*>(&v.data[0]), &size) ==
                  ERROR_SUCCESS;
    }
    RegCloseKey(h);
    return v;
}

struct NameValue {
    const wchar_t* key;
    const wchar_t* name;
    const char* path;
};

const NameValue kNameValues[] = {
    {L"SYSTEM\\CurrentControlSet\\Control\\ComputerName\\ComputerName", L"ComputerName",
     "SYSTEM\\CurrentControlSet\\Control\\ComputerName\\ComputerName\\ComputerName"},
    {L"SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters", L"NV Hostname",
     "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\NV Hostname"},
    {L"SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters", L"Hostname",
     "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Hostname"},
};

TEST(SettingsWine, RenameWritesTheThreeValuesWithTheirZero) {
    Text earlier[3];
    for (int i = 0; i < 3; ++i) earlier[i] = RegReadText(RegRoot::LocalMachine, kNameValues[i].path);

    Notice notice = RenameComputerTo("QY-RENAMED");
    EXPECT_EQ(notice.text, "修改成功！下次重启后生效！");
    EXPECT_EQ(notice.icon, 64);
    for (const NameValue& v : kNameValues) {
        RawValue raw = ReadRaw(v.key, v.name);
        ASSERT_TRUE(raw.found) << v.path;
        EXPECT_EQ(raw.type, DWORD(REG_SZ)) << v.path;
        EXPECT_EQ(raw.data, std::wstring(L"QY-RENAMED", 11)) << v.path;  // zero counted
    }

    Notice refused = RenameComputerTo("QY RENAMED");
    EXPECT_EQ(refused.icon, 48);
    EXPECT_EQ(ReadRaw(kNameValues[0].key, kNameValues[0].name).data, std::wstring(L"QY-RENAMED", 11));

    for (int i = 0; i < 3; ++i)
        if (!earlier[i].empty()) RegWriteText(RegRoot::LocalMachine, kNameValues[i].path, earlier[i]);
}

TEST(SettingsWine, ClearRemovesTheListedFilesInTheTemporaryFolder) {
    Text work = WorkFolder();
    ASSERT_FALSE(work.empty());
    ASSERT_EQ(work.back(), '\\');
    Text company = work + "公司名字";
    std::string companyBefore = ReadWholeFile(company);
    bool hadCompany = PathExists(company);

    const Text listed[] = {work + "QYT-PC1.txt", work + "10.250.3.7.txt", work + "青屿测试机.txt"};
    const Text kept = work + "QYT-OTHER.txt";
    // Where "..\QYT-VICTIM" would lead: the folder above the temporary one.
    const Text victim = work + "..\\QYT-VICTIM.txt";
    for (const Text& path : listed) ASSERT_TRUE(WriteWholeFile(path, "pw")) << path;
    ASSERT_TRUE(WriteWholeFile(kept, "pw"));
    ASSERT_TRUE(WriteWholeFile(victim, "pw"));
    ASSERT_TRUE(WriteWholeFile(company, "某公司"));

    Notice notice = ClearSavedFiles({"QYT-PC1", "10.250.3.7", "青屿测试机", "QYT-MISSING", "..\\QYT-VICTIM"});
    EXPECT_EQ(notice.text, "清除成功！");
    EXPECT_EQ(notice.icon, 64);
    for (const Text& path : listed) EXPECT_FALSE(PathExists(path)) << path;
    EXPECT_FALSE(PathExists(company));
    EXPECT_TRUE(PathExists(kept));
    EXPECT_TRUE(PathExists(victim));

    DeleteFileAt(kept);
    DeleteFileAt(victim);
    if (hadCompany) WriteWholeFile(company, companyBefore);
}

TEST(SettingsWine, HelpPageIsValidGbkInTheTemporaryFolder) {
    Text path = PrepareHelpPage();
    ASSERT_EQ(path, WorkFolder() + "青屿文件共享帮助.htm");
    std::string page = ReadWholeFile(path);
    ASSERT_FALSE(page.empty());
    int wide = MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, page.data(), int(page.size()), nullptr, 0);
    ASSERT_GT(wide, 0) << "not valid GBK";
    std::wstring text(size_t(wide), L'\0');
    MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, page.data(), int(page.size()), &text[0], wide);
    EXPECT_NE(text.find(L"<meta charset=\"gbk\">"), std::wstring::npos);
    EXPECT_NE(text.find(L"\u66f4\u6539\u672c\u673a\u8ba1\u7b97\u673a\u540d"), std::wstring::npos);  // 更改本机计算机名
}

}  // namespace
