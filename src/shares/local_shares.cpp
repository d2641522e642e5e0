#include "shares/local_shares.h"

#include "app/program_texts/program_texts.h"
#include "platform/commands.h"
#include "platform/dialogs.h"
#include "platform/network.h"
#include "platform/registry.h"
#include "shares/command_output.h"
#include "shares/shares.h"

namespace {

bool OpenWindow(ShareListControl& list) {
    LocalComputerName() = RegReadText(RegRoot::LocalMachine, kComputerNamePath);
    FillShareList(list);
    if (list.Count() > 0) return true;
    ShowMessage("本机没有共享资源", kIconInfo);
    return false;
}

}  // namespace

void FillShareList(ShareListControl& list) {
    TextList remoteNames = ListShares(LocalComputerName());
    list.Clear();
    // "\\" + computer + "\" is cut by its length, without comparing it.
    int prefix = int(LocalComputerName().size()) + 3;
    for (const Text& remote : remoteNames) list.InsertAt(0, LastBytes(remote, int(remote.size()) - prefix));
}

Text DeleteCommandLine(const Text& shareName) {
    // Quoted, a name with spaces reaches net share as one argument; /y
    // answers its question about open connections.
    if (HasSpace(shareName)) return "net share \"" + shareName + "\" /delete /y";
    return "net share " + shareName + " /delete";
}

void DeleteSelectedShare(ShareListControl& list) {
    Text name = list.ItemText(list.Selected());
    if (name.empty()) return;
    Text commandLine = DeleteCommandLine(name);
    CommandOutcome outcome = RunCommandAndWait(commandLine, kShareCommandTimeoutMs);
    if (outcome.finished && outcome.exitCode == 0) {
        int selected = list.Selected();
        if (selected >= 0) list.RemoveAt(selected);
        return;
    }
    Text reason = outcome.started && !outcome.finished
                      ? Text("命令仍在运行，请稍后按“刷新”查看结果。")
                      : FailureDetails(outcome, commandLine);
    ShowMessage("删除共享失败！\r\n共享名为：" + name + "\r\n\r\n" + reason, kIconError);
}

void ShowLocalShares() {
    ShareWindowHandlers handlers;
    handlers.onCreated = OpenWindow;
    handlers.onRefresh = FillShareList;
    handlers.onDelete = DeleteSelectedShare;
    RunShareWindow(handlers);
}
