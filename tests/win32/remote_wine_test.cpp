// Remote desktop against Wine's real data protection, registry, cmd and reg,
// with a recording stand-in for the remote desktop client.
#include <windows.h>
#include <shellapi.h>
#include <wincrypt.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/program_texts/program_texts.h"
#include "platform/crypto.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "platform/win32/text_convert.h"
#include "recorder/recorder_log.h"
#include "remote/remote.h"
#include "remote/remote_command.h"
#include "remote/saved_password.h"
#include "settings/settings.h"
#include "win32/platform_support.h"

namespace {

const wchar_t kTerminalServer[] = L"SYSTEM\\CurrentControlSet\\Control\\Terminal Server";

std::string HexToBytes(const std::string& hex) {
    std::string bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2) bytes += char(std::stoi(hex.substr(i, 2), nullptr, 16));
    return bytes;
}

// The block inside the blob, and the description stored with it.
bool Unprotect(const std::string& sealed, std::string& plain, std::wstring& description) {
    DATA_BLOB in = {DWORD(sealed.size()), reinterpret_cast<BYTE*>(const_cast<char*>(sealed.data()))}, out = {};
    LPWSTR name = nullptr;
    if (!CryptUnprotectData(&in, &name, nullptr, nullptr, nullptr, 0, &out)) return false;
    plain.assign(reinterpret_cast<const char*>(out.pbData), out.cbData);
    description = name ? name : L"";
    LocalFree(name);
    LocalFree(out.pbData);
    return true;
}

TEST(RemoteWine, PasswordBlobOpensToTheBlockThatStartsWithTheUtf16Password) {
    struct Case {
        Text password;
        std::string utf16;  // with its zero, written out by hand
        size_t blockBytes;
    };
    std::string longUtf16;
    for (int i = 0; i < 300; ++i) longUtf16 += std::string("k\0", 2);
    const Case cases[] = {
        {"密码ab", std::string("\xC6\x5B\x01\x78" "a\0b\0\0\0", 10), 512},
        {Text(300, 'k'), longUtf16 + std::string(2, '\0'), 602},
    };
    for (const Case& c : cases) {
        const Text blob = MakePasswordBlob(c.password);
        ASSERT_EQ(blob.size() % 2, 1u);
        EXPECT_EQ(blob.back(), '0');
        EXPECT_EQ(blob.find_first_not_of("0123456789ABCDEF"), Text::npos);

        std::string block;
        std::wstring description;
        ASSERT_TRUE(Unprotect(HexToBytes(blob.substr(0, blob.size() - 1)), block, description));
        EXPECT_EQ(description, L"psw");
        ASSERT_EQ(block.size(), c.blockBytes);
        EXPECT_EQ(block.substr(0, c.utf16.size()), c.utf16);
    }
}

TEST(RemoteWine, SavedPasswordIsKeptProtectedAndLegacyFilesStillRead) {
    const Text computer = UniqueName("QYT-SAVED");
    const Text file = SavedPasswordFile(computer);
    SavePassword(computer, "密码 pw");
    const std::string stored = ReadWholeFile(file);
    EXPECT_EQ(stored.find("pw"), std::string::npos);
    EXPECT_EQ(ReadSavedPassword(computer), "密码 pw");

    WriteWholeFile(file, std::string("旧密码\0junk", 11));
    EXPECT_EQ(ReadSavedPassword(computer), "旧密码");
    std::string opened;
    EXPECT_TRUE(UnprotectData(ReadWholeFile(file), opened));  // no longer plain
    DeleteFileAt(file);
}

struct RawDword {
    bool found = false;
    DWORD type = 0, value = 0;
};

RawDword ReadDword(HKEY root, const std::wstring& key, const std::wstring& name) {
    RawDword v;
    HKEY h;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_QUERY_VALUE, &h) != ERROR_SUCCESS) return v;
    DWORD size = sizeof v.value;
    v.found = RegQueryValueExW(h, name.c_str(), nullptr, &v.type, reinterpret_cast<BYTE*>(&v.value), &size) ==
              ERROR_SUCCESS;
    RegCloseKey(h);
    return v;
}

// A folder of its own under the real temporary folder, removed at the end.
class ScratchFolder {
public:
    explicit ScratchFolder(const Text& stem) : path_(Wide(WorkFolder() + UniqueName(stem))) {
        CreateDirectoryW(path_.c_str(), nullptr);
    }
    ~ScratchFolder() {
        SHFILEOPSTRUCTW op = {};
        std::wstring from = path_ + L'\0';
        op.wFunc = FO_DELETE;
        op.pFrom = from.c_str();
        op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
        SHFileOperationW(&op);
    }
    const std::wstring& path() const { return path_; }
    Text gbk() const { return Narrow(path_); }

private:
    std::wstring path_;
};

TEST(RemoteWine, ClientGetsTheQuotedPathOfA45LineFile) {
    PlaceRecorder("mstsc.exe");
    ScratchFolder temp("qy remote");
    ScratchFolder logs("qy_remote_log");
    const std::wstring log = logs.path() + L"\\mstsc.log";
    ScopedVariable tmp(L"TMP", temp.path()), tempVar(L"TEMP", temp.path()), record(L"QY_RECORD_LOG", log);
    ASSERT_EQ(WorkFolder(), temp.gbk() + "\\");

    const Text computer = UniqueName("QYT-RDP");
    const std::wstring devicesKey = L"Software\\Microsoft\\Terminal Server Client\\LocalDevices";
    ConnectRemoteDesktop("administrator", "pw", computer);

    WaitForFile(Narrow(log));
    const std::vector<RecordedRun> runs = ReadRecorderLog(Narrow(log));
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].show, SW_SHOWNORMAL);
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(Wide(runs[0].commandLine).c_str(), &argc);
    ASSERT_EQ(argc, 2);
    EXPECT_EQ(std::wstring(argv[0]), L"mstsc.exe");
    const std::wstring named = argv[1];
    LocalFree(argv);
    EXPECT_EQ(Narrow(named), RdpTempPath());
    EXPECT_EQ(named.substr(0, temp.path().size() + 1), temp.path() + L"\\");

    const std::string file = ReadWholeFile(Narrow(named));
    size_t lines = 1;
    for (size_t at = file.find("\r\n"); at != std::string::npos; at = file.find("\r\n", at + 2)) ++lines;
    EXPECT_EQ(lines, 45u);
    EXPECT_NE(file.find("\r\nfull address:s:" + computer + ":3389\r\n"), std::string::npos);
    EXPECT_NE(file.find("\r\npassword 51:b:"), std::string::npos);

    const RawDword devices = ReadDword(HKEY_CURRENT_USER, devicesKey, Wide(computer));
    EXPECT_TRUE(devices.found);
    EXPECT_EQ(devices.type, DWORD(REG_DWORD));
    EXPECT_EQ(devices.value, 76u);
    HKEY key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, devicesKey.c_str(), 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
        RegDeleteValueW(key, Wide(computer).c_str());
        RegCloseKey(key);
    }
}

// Runs the service switch with `folder` as the current directory, which the
// batch file and the cmd that runs it inherit.
CommandMessage SwitchOnIn(const std::wstring& folder) {
    wchar_t earlier[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, earlier);
    SetCurrentDirectoryW(folder.c_str());
    CommandMessage message = SwitchOnRemoteService();
    SetCurrentDirectoryW(earlier);
    return message;
}

TEST(RemoteWine, RealRegSwitchesTheServiceOn) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, kTerminalServer, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                              nullptr),
              ERROR_SUCCESS);
    DWORD one = 1;
    RegSetValueExW(key, L"fDenyTSConnections", 0, REG_DWORD, reinterpret_cast<BYTE*>(&one), sizeof one);
    RegCloseKey(key);

    // The batch file's path holds a space and Chinese text, as a temporary
    // folder under "Documents and Settings" would.
    ScratchFolder temp("qy 远程 temp");
    ScopedVariable tmp(L"TMP", temp.path()), tempVar(L"TEMP", temp.path());
    ScratchFolder empty("qy_remote_cwd");
    const CommandMessage message = SwitchOnIn(empty.path());
    if (SystemName() == "Windows 7") {
        EXPECT_EQ(message.text,
                  "服务已开启！由于你的是Windows 7系统，牵涉到权限问题，请到控制面板--系统--远程设置--选择用户里设置！");
        EXPECT_EQ(message.icon, 48);
    } else {
        EXPECT_EQ(message.text, "开启成功！");
        EXPECT_EQ(message.icon, 64);
    }
    const RawDword deny = ReadDword(HKEY_LOCAL_MACHINE, kTerminalServer, L"fDenyTSConnections");
    EXPECT_TRUE(deny.found);
    EXPECT_EQ(deny.type, DWORD(REG_DWORD));
    EXPECT_EQ(deny.value, 0u);
    EXPECT_EQ(ReadWholeFile(temp.gbk() + "\\开启.bat").size(), 114u);
}

TEST(RemoteWine, FailingRegGivesTheErrorMessage) {
    ScratchFolder folder("qy_remote_reg");
    CopyFileW(Wide(ProgramFolder() + "qy_recorder.exe").c_str(), (folder.path() + L"\\reg.exe").c_str(), FALSE);
    const std::wstring log = folder.path() + L"\\reg.log";
    ScopedVariable record(L"QY_RECORD_LOG", log), fail(L"QY_RECORD_EXIT", L"1");

    const CommandMessage message = SwitchOnIn(folder.path());
    EXPECT_EQ(message.icon, 16);
    EXPECT_NE(message.text.find("管理员"), Text::npos);
    EXPECT_EQ(message.text.find("成功"), Text::npos);

    const std::vector<RecordedRun> runs = ReadRecorderLog(Narrow(log));
    ASSERT_EQ(runs.size(), 1u);
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(Wide(runs[0].commandLine).c_str(), &argc);
    ASSERT_EQ(argc, 10);
    EXPECT_EQ(std::wstring(argv[2]), L"HKLM\\SYSTEM\\CurrentControlSet\\Control\\Terminal Server");
    EXPECT_EQ(std::wstring(argv[4]), L"fDenyTSConnections");
    LocalFree(argv);
}

}  // namespace
