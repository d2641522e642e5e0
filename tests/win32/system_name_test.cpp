// SystemName as Wine reports each Windows version. Wine reads the version
// when a process starts, so a helper program prints it; the version is set
// for that program alone, which leaves every other test process unaffected.
#include <windows.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include "platform/commands.h"
#include "platform/files.h"

namespace {

const wchar_t kHelperDefaults[] = L"Software\\Wine\\AppDefaults\\qy_print_system_name.exe";

class HelperVersion {
public:
    explicit HelperVersion(const wchar_t* version) {
        HKEY key;
        if (RegCreateKeyExW(HKEY_CURRENT_USER, kHelperDefaults, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                            nullptr) != ERROR_SUCCESS)
            return;
        RegSetValueExW(key, L"Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version),
                       DWORD((wcslen(version) + 1) * sizeof(wchar_t)));
        RegCloseKey(key);
    }
    ~HelperVersion() { SHDeleteKeyW(HKEY_CURRENT_USER, kHelperDefaults); }
};

TEST(SystemName, NamesTheVersionWineReports) {
    const struct {
        const wchar_t* wineVersion;
        Text expected;
    } cases[] = {
        {L"win2k", "Windows 2000"},     {L"winxp", "Windows XP"}, {L"win2003", "Windows Server 2003"},
        {L"vista", "Vista"},            {L"win7", "Windows 7"},   {L"win8", "\xA3\xBF"},
        {L"win10", "\xA3\xBF"},
    };
    const Text helper = "\"" + ProgramFolder() + "qy_print_system_name.exe\"";
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "Wine version " << c.wineVersion);
        HelperVersion version(c.wineVersion);
        CommandOutcome out = RunCommandAndWait(helper, 30000);
        ASSERT_TRUE(out.finished);
        EXPECT_EQ(out.output, c.expected);
    }
}

}  // namespace
