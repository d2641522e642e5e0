#include "platform/commands.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "settings/settings.h"
#include "shares/guest_sharing_files.h"
#include "shares/shares.h"

namespace {

// A command line that holds a space is quoted so it still names one file.
Text FileCommandLine(const Text& path) {
    return FindFirst(path, " ") == -1 ? path : "\"" + path + "\"";
}

}  // namespace

void EnableGuestSharing() {
    if (SystemName() == "Windows 7")
        ShowMessage("你的操作系统为win7，要在管理员权限下才可以改名。你可以关闭软件，右击，用管理员的方式运行",
                    kIconWarning);
    RunCommand("NET USER Guest /active:yes", Show::Hidden);
    RunCommand("NET USER Guest /passwordreq:no", Show::Hidden);
    WriteWholeFile(SharingBatchFile(), SharingBatchText());
    WriteWholeFile(SharingRegFile(), SharingRegText());
    // The batch file imports the registry file by its bare name, so it runs
    // in the folder that holds both. A registry file cannot be started as a
    // process at all, so the batch file's import is the only one.
    RunCommand(FileCommandLine(SharingBatchFile()), Show::Normal, WorkFolder());
}
