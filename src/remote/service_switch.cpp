#include "platform/commands.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "remote/remote.h"
#include "remote/remote_command.h"
#include "settings/settings.h"

namespace {

// `reg` on a slow or busy machine takes a few seconds at most; beyond this
// the command is left running and the outcome is reported as unknown.
const int kBatchTimeoutMs = 15000;

const char kSwitchedOn[] = "开启成功！";
const char kSwitchedOnWindows7[] =
    "服务已开启！由于你的是Windows 7系统，牵涉到权限问题，请到控制面板--系统--远程设置--选择用户里设置！";
const char kRefused[] =
    "远程桌面服务没有开启：修改注册表的命令失败了。请右击本程序，选择“以管理员身份运行”后再试。";
const char kNotConfirmed[] =
    "开启远程桌面服务的命令在15秒内没有结束，无法确认服务是否已开启。";
const char kNotWritten[] = "远程桌面服务没有开启：无法写入文件 ";
const char kNotStarted[] = "远程桌面服务没有开启：无法运行 ";

Text Quoted(const Text& path) {
    return path.find(' ') != Text::npos ? "\"" + path + "\"" : path;
}

}  // namespace

Text ServiceBatchFile() { return WorkFolder() + "开启.bat"; }

Text ServiceBatchLine() {
    // The quotes enclose only the space of "Terminal Server", which is enough
    // for REG to receive the key path as one argument.
    return Text("@REG ADD HKLM\\SYSTEM\\CurrentControlSet\\Control\\Terminal") + "\" \"" +
           "Server /v fDenyTSConnections /t REG_DWORD /d 00000000 /f";
}

CommandMessage SwitchOnRemoteService() {
    const Text batch = ServiceBatchFile();
    if (!WriteWholeFile(batch, ServiceBatchLine())) return {kNotWritten + batch, kIconError};
    const CommandOutcome outcome = RunCommandAndWait(Quoted(batch), kBatchTimeoutMs);
    if (!outcome.started) return {kNotStarted + batch, kIconError};
    if (!outcome.finished) return {kNotConfirmed, kIconWarning};
    if (outcome.exitCode != 0) return {kRefused, kIconError};
    if (SystemName() == "Windows 7") return {kSwitchedOnWindows7, kIconWarning};
    return {kSwitchedOn, kIconInfo};
}

void RemoteServiceCommand() { ShowCommandMessage(SwitchOnRemoteService()); }
