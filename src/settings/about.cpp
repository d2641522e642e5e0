#include "platform/dialogs.h"
#include "settings/settings.h"

namespace {
// There is no personal contact to give; the help page answers instead.
const char kContact[] = "（无，本软件不提供QQ联系方式，请查看帮助页）";
}  // namespace

Text AboutText() {
    return Text("朗桥V6.2  作者QQ：") + kContact + "\r\n如果无法共享请查看帮助，实在共享不了请联系我。";
}

void ShowAbout() { ShowMessage(AboutText(), kIconInfo); }
