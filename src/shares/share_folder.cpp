#include "platform/commands.h"
#include "platform/dialogs.h"
#include "settings/settings.h"
#include "shares/command_output.h"
#include "shares/share_command.h"
#include "shares/shares.h"

namespace {

const char kWindows7Advice[] =
    "\r\n\r\n提示：您的操作系统为Winddown7 如果别人打不开你的电脑，请在属性的安全里面设置权限 "
    "操作可参考帮助。";

void ShowShared(const Text& systemName, const Text& commandName, const Text& path) {
    bool windows7 = systemName == "Windows 7";
    Text text = "共享成功！\r\n共享名为：" + commandName + "\r\n共享路径：" + path;
    if (windows7) text += kWindows7Advice;
    ShowMessage(text, windows7 ? kIconWarning : kIconInfo, "操作系统为：" + systemName);
}

}  // namespace

void ShareFolderAt(const Text& path, const Text& enteredName) {
    Text systemName = SystemName();
    Text commandName = RemoveSpaces(enteredName);
    Text commandLine = ShareCommandLine(systemName, commandName, path);
    if (commandLine.empty()) {
        ShowMessage("系统不详", kIconError);
        return;
    }
    Text problem = ShareNameProblem(commandName);
    if (!problem.empty()) {
        ShowMessage(problem, kIconError);
        return;
    }

    CommandOutcome outcome = RunCommandAndWait(commandLine, kShareCommandTimeoutMs);
    // A command still running at the bound may yet succeed; only a known
    // failure is reported as one.
    if (outcome.started && (!outcome.finished || outcome.exitCode == 0)) {
        ShowShared(systemName, commandName, path);
        return;
    }
    ShowMessage("共享失败！\r\n共享名为：" + commandName + "\r\n共享路径：" + path + "\r\n\r\n" +
                    FailureDetails(outcome, commandLine),
                kIconError);
}

void ShareFolder() {
    Text path = BrowseForFolder("选择要共享的文件夹");
    if (path.empty()) return;
    Text enteredName = ProposedShareName(path);
    if (!InputBox("请输入共享的名称", "确定共享", enteredName, kInputPlain) || enteredName.empty())
        return;
    ShareFolderAt(path, enteredName);
}
