#include "shares/share_command.h"

namespace {

struct SystemOptions {
    const char* systemName;
    const char* options;
};

// Vista and Windows 7 share with no access for other users unless granted.
const SystemOptions kShareOptions[] = {
    {"Windows 7", " /grant:Guests,full /grant:Everyone,full"},
    {"Windows XP", ""},
    {"Windows Server 2003", ""},
    {"Windows 2000", ""},
    {"Vista", " /grant:Guests,full /grant:Everyone,full"},
};

// Characters Windows does not allow in a share name; '=' and '"' would also
// break the "name=path" argument.
const char kRefusedCharacters[] = "\\/[]:|<>+=;,?*\"";

// A space would split the argument net share receives.
Text QuotedIfSpaced(const Text& path) {
    return FindFirst(path, " ") == -1 ? path : "\"" + path + "\"";
}

}  // namespace

Text ProposedShareName(const Text& chosenPath) {
    int lastSlash = FindLast(chosenPath, "\\");
    Text name = LastBytes(chosenPath, int(chosenPath.size()) - lastSlash);
    if (name == "Desktop") return "桌面";
    if (!name.empty()) return name;
    int colon = FindFirst(chosenPath, ":");
    return "本地磁盘（" + UpperAscii(FirstBytes(chosenPath, colon - 1)) + "）";
}

Text ShareNameProblem(const Text& commandName) {
    if (commandName.empty()) return "共享名不能为空，请输入一个不全是空格的名称。";
    for (const char* c = kRefusedCharacters; *c; ++c)
        if (FindFirst(commandName, Text(1, *c)) != -1)
            return "共享名不能包含下列字符：\\ / [ ] : | < > + = ; , ? * \"";
    return Text();
}

Text ShareCommandLine(const Text& systemName, const Text& commandName, const Text& path) {
    for (const SystemOptions& row : kShareOptions)
        if (systemName == row.systemName)
            return "net share " + commandName + "=" + QuotedIfSpaced(path) + row.options;
    return Text();
}
