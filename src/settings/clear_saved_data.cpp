#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/main_view.h"
#include "settings/settings.h"

namespace {

// An item text is a computer name or an address; one that could reach a file
// outside the work folder is neither, so its file is left alone.
bool SafeFileStem(const Text& stem) {
    static const char kPathSigns[] = "\\/:*?\"<>|";
    for (size_t at = 0; at < stem.size();) {
        unsigned char c = (unsigned char)stem[at];
        if (c >= 0x80 && at + 1 < stem.size()) {
            at += 2;  // a trail byte is never a path sign
            continue;
        }
        if (Text(kPathSigns).find(char(c)) != Text::npos) return false;
        ++at;
    }
    return FindFirst(stem, "..") == -1;
}

// A missing file counts as deleted.
bool Remove(const Text& path) { return DeleteFileAt(path) || !PathExists(path); }

}  // namespace

Notice ClearSavedFiles(const TextList& computerNames) {
    TextList kept;
    for (const Text& name : computerNames) {
        if (!SafeFileStem(name)) continue;
        Text path = WorkFolder() + name + ".txt";
        if (!Remove(path)) kept.push_back(path);
    }
    if (!Remove(CompanyFilePath())) kept.push_back(CompanyFilePath());
    if (kept.empty()) return {"清除成功！", kIconInfo};
    Text text = "以下文件无法删除，请关闭正在使用它们的程序后再试：";
    for (const Text& path : kept) text += "\r\n" + path;
    return {text, kIconError};
}

void ClearSavedData() {
    TextList names;
    int count = ListCount();
    for (int i = 0; i < count; ++i) names.push_back(ListItemText(i));
    Notice notice = ClearSavedFiles(names);
    ShowMessage(notice.text, notice.icon);
}
