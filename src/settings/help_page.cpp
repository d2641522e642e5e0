#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/system.h"
#include "settings/settings.h"

const char kHelpPageFileName[] = "青屿文件共享帮助.htm";

Text PrepareHelpPage() {
    Text path = WorkFolder() + kHelpPageFileName;
    if (ReadWholeFile(path) == kHelpPageHtml) return path;
    if (WriteWholeFile(path, kHelpPageHtml)) return path;
    // An older page still helps more than none.
    return PathExists(path) ? path : Text();
}

void OpenHelp() {
    Text path = PrepareHelpPage();
    if (path.empty()) {
        ShowMessage("无法在临时文件夹中写入帮助页“" + WorkFolder() + kHelpPageFileName + "”。", kIconError);
        return;
    }
    ShellOpen(path);
}
