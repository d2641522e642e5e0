#include "platform/dialogs.h"
#include "platform/main_view.h"
#include "remote/remote.h"
#include "remote/remote_command.h"
#include "remote/saved_password.h"

namespace {

const char kUser[] = "administrator";
const char kSelectComputer[] = "请你选择计算机";
const char kPasswordPrompt[] = "请在下面输入本计算机的密码，如果没有密码，请不要输入。";
const char kPasswordTitle[] = "输入本计算机的密码";
const char kUnusableName[] =
    "计算机名含有不能用于文件名的字符（\\ / : * ? \" < > | 或 ..），无法连接远程桌面：";

}  // namespace

bool IsUsableComputerName(const Text& computer) {
    if (computer.empty()) return false;
    // Control characters would also break the connection file into lines.
    for (unsigned char c : computer)
        if (c < 0x20) return false;
    // Found on character boundaries: a double-byte character may end in 0x5C
    // or 0x7C and is still one harmless character.
    for (const char* forbidden : {"\\", "/", ":", "*", "?", "\"", "<", ">", "|", ".."})
        if (FindFirst(computer, forbidden) > 0) return false;
    return true;
}

std::optional<CommandMessage> ConnectSelectedComputer() {
    const Text computer = ListItemText(ListSelected());
    if (computer.empty()) return CommandMessage{kSelectComputer, kIconWarning};
    if (!IsUsableComputerName(computer)) return CommandMessage{kUnusableName + computer, kIconError};

    const Text saved = ReadSavedPassword(computer);
    if (!saved.empty()) {
        ConnectRemoteDesktop(kUser, saved, computer);
        return std::nullopt;
    }
    Text entered;
    if (!InputBox(kPasswordPrompt, kPasswordTitle, entered, kInputPassword)) return std::nullopt;
    // Connect first: whether the remote computer accepts the password cannot
    // be known, so it is remembered either way.
    ConnectRemoteDesktop(kUser, entered, computer);
    SavePassword(computer, entered);
    return std::nullopt;
}

void RemoteDesktopCommand() { ShowCommandMessage(ConnectSelectedComputer()); }
