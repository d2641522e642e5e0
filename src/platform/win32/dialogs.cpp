#include <windows.h>

#include "platform/dialogs.h"
#include "platform/win32/text_convert.h"

namespace {

struct IconStyle {
    int icon;
    UINT style;
};

const IconStyle kIconStyles[] = {
    {kIconError, MB_ICONERROR},
    {kIconWarning, MB_ICONWARNING},
    {kIconInfo, MB_ICONINFORMATION},
};

UINT StyleFor(int icon) {
    for (const IconStyle& s : kIconStyles)
        if (s.icon == icon) return s.style;
    return 0;
}

}  // namespace

void ShowMessage(const Text& text, int icon, const Text& title) {
    MessageBoxW(nullptr, Wide(text).c_str(), Wide(title).c_str(), MB_OK | MB_TASKMODAL | StyleFor(icon));
}
