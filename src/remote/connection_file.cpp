#include "remote/connection_file.h"

#include <cstdio>

#include "app/program_texts/program_texts.h"
#include "platform/commands.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "platform/system.h"
#include "remote/password_blob.h"
#include "remote/remote.h"

namespace {

// Goes up by one for every name made, so two connections within the same
// millisecond still get different names.
uint32_t g_namesMade = 0;

Text LowerHex(uint32_t number) {
    char digits[9];
    std::snprintf(digits, sizeof digits, "%x", unsigned(number));
    return digits;
}

Text Replace(const Text& text, const Text& placeholder, const Text& value) {
    return ReplaceAll(text, placeholder, value, Case::IgnoreAscii);
}

}  // namespace

Text ConnectionText(const Text& user, const Text& passwordBlob, const Text& computer) {
    Text text = ConnectionTemplate();
    text = Replace(text, "%账号%", user);
    text = Replace(text, "%服务器地址%", computer + ":" + "3389");
    if (!passwordBlob.empty()) text = Replace(text, "%密码%", "password 51:b:" + passwordBlob);
    text = Replace(text, "%磁盘%", "redirectsmartcards:i:1");
    text = Replace(text, "%智能卡%", "drivestoredirect:s:");
    return text;
}

Text NewConnectionFileName() {
    const Text folder = WorkFolder();
    uint32_t number = TickCount() + g_namesMade++;
    Text name = folder + LowerHex(number) + ".tmp";
    while (PathExists(name)) name = folder + LowerHex(++number) + ".tmp";
    return name;
}

Text ClientCommandLine(const Text& connectionFile) {
    // Unquoted, a path such as "C:\Documents and Settings\..." would be split
    // at its first space and the client would open the wrong file.
    bool needsQuotes = connectionFile.find_first_of(" \t") != Text::npos;
    return "mstsc.exe " + (needsQuotes ? "\"" + connectionFile + "\"" : connectionFile);
}

void EnsureLocalDevicesValue(const Text& computer) {
    const Text path = kLocalDevicesKey + computer;
    if (!RegValueExists(RegRoot::CurrentUser, path)) RegWriteDword(RegRoot::CurrentUser, path, 76);
}

void ConnectRemoteDesktop(const Text& user, const Text& password, const Text& computer) {
    RdpTempPath() = NewConnectionFileName();
    // Without a blob the password line stays a placeholder and the client
    // asks for the password itself; that also covers a failed protection.
    Text blob;
    if (!password.empty() && !ProtectPassword(password, blob)) blob.clear();
    RdpText() = ConnectionText(user, blob, computer);
    WriteWholeFile(RdpTempPath(), RdpText());
    EnsureLocalDevicesValue(computer);
    RunCommand(ClientCommandLine(RdpTempPath()), Show::Normal);
}
