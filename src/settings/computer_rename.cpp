#include "platform/dialogs.h"
#include "platform/registry.h"
#include "settings/settings.h"

namespace {

// Windows takes the name from these at the next start; written in this order.
const char* const kNameValues[] = {
    kComputerNamePath,
    "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\NV Hostname",
    "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Hostname",
};

// A NetBIOS name holds at most 15 bytes.
const size_t kMaxNameBytes = 15;
const char kForbidden[] = "`~!@#$%^&*()=+_[]{}\\|;:.'\",<>/?";

struct Character {
    size_t at, length;
};

// Visits each character; a lead byte and its trail are one, so a trail byte
// that happens to equal an ASCII sign is not taken for it.
template <typename Visit>
bool AnyCharacter(const Text& s, Visit visit) {
    for (size_t at = 0; at < s.size();) {
        size_t length = ((unsigned char)s[at] >= 0x80 && at + 1 < s.size()) ? 2 : 1;
        if (visit(Character{at, length})) return true;
        at += length;
    }
    return false;
}

bool HasForbiddenSign(const Text& name) {
    return AnyCharacter(name, [&](Character c) {
        unsigned char first = (unsigned char)name[c.at];
        return c.length == 1 && (first < 0x20 || first == 0x7F ||
                                 Text(kForbidden).find(char(first)) != Text::npos);
    });
}

bool OnlyDigits(const Text& name) {
    return !name.empty() && name.find_first_not_of("0123456789") == Text::npos;
}

const char kNotChanged[] = "计算机名没有修改。";

}  // namespace

Text ComputerNameProblem(const Text& name) {
    if (name.size() > kMaxNameBytes)
        return Text("计算机名太长：最多15个字节（一个汉字占2个字节）。") + kNotChanged;
    if (HasSpace(name)) return Text("计算机名不能包含空格。") + kNotChanged;
    if (HasForbiddenSign(name))
        return Text("计算机名不能包含以下字符：` ~ ! @ # $ % ^ & * ( ) = + _ [ ] { } \\ | ; : . ' \" , < > / ?") +
               "。" + kNotChanged;
    if (OnlyDigits(name)) return Text("计算机名不能只由数字组成。") + kNotChanged;
    return Text();
}

Notice RenameComputerTo(const Text& name) {
    Text problem = ComputerNameProblem(name);
    if (!problem.empty()) return {problem, kIconWarning};
    const size_t count = sizeof kNameValues / sizeof kNameValues[0];
    bool existed[count];
    Text earlier[count];
    for (size_t i = 0; i < count; ++i) {
        existed[i] = RegValueExists(RegRoot::LocalMachine, kNameValues[i]);
        earlier[i] = RegReadText(RegRoot::LocalMachine, kNameValues[i]);
    }
    for (size_t i = 0; i < count; ++i) {
        if (RegWriteText(RegRoot::LocalMachine, kNameValues[i], name)) continue;
        // Half a rename would give the computer two names; put back what went.
        for (size_t j = 0; j < i; ++j)
            if (existed[j]) RegWriteText(RegRoot::LocalMachine, kNameValues[j], earlier[j]);
        return {"计算机名没有修改：无法写入注册表。请关闭软件，右击，用管理员的方式运行后再试。",
                kIconError};
    }
    return {"修改成功！下次重启后生效！", kIconInfo};
}

void RenameComputer() {
    if (SystemName() == "Windows 7")
        ShowMessage("你的操作系统为win7，要在管理员权限下才可以改名。你可以关闭软件，右击，用管理员的方式运行",
                    kIconWarning);
    Text entered = RegReadText(RegRoot::LocalMachine, kComputerNamePath);
    if (!InputBox("请在下面输入要更改的计算机名！", "更改计算机名", entered, kInputPlain)) return;
    if (entered.empty()) return;
    Notice notice = RenameComputerTo(entered);
    ShowMessage(notice.text, notice.icon);
}
