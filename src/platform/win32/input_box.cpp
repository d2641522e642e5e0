#include <windows.h>

#include "platform/dialogs.h"
#include "platform/win32/dialog_template.h"
#include "platform/win32/text_convert.h"

namespace {

const WORD kButton = 0x0080, kEdit = 0x0081, kStatic = 0x0082;
const WORD kPromptId = 100, kFieldId = 101;

struct InputState {
    std::wstring prompt, title, text;
};

std::wstring WindowText(HWND window) {
    int length = GetWindowTextLengthW(window);
    std::wstring text(size_t(length) + 1, L'\0');
    int got = GetWindowTextW(window, &text[0], length + 1);
    text.resize(size_t(got > 0 ? got : 0));
    return text;
}

INT_PTR OnInit(HWND dialog, InputState* state) {
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
    SetWindowTextW(dialog, state->title.c_str());
    SetDlgItemTextW(dialog, kPromptId, state->prompt.c_str());
    HWND field = GetDlgItem(dialog, kFieldId);
    SetWindowTextW(field, state->text.c_str());
    SendMessageW(field, EM_SETSEL, 0, -1);
    SetFocus(field);
    return FALSE;  // the focus is set
}

INT_PTR OnCommand(HWND dialog, WORD id) {
    if (id == IDOK) {
        auto* state = reinterpret_cast<InputState*>(GetWindowLongPtrW(dialog, DWLP_USER));
        state->text = WindowText(GetDlgItem(dialog, kFieldId));
        EndDialog(dialog, IDOK);
        return TRUE;
    }
    if (id == IDCANCEL) {  // also the close box and Esc
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

INT_PTR CALLBACK InputProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) return OnInit(dialog, reinterpret_cast<InputState*>(lParam));
    if (message == WM_COMMAND) return OnCommand(dialog, LOWORD(wParam));
    return FALSE;
}

DialogTemplate InputTemplate(int mode) {
    DWORD fieldStyle = WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | (mode == kInputPassword ? ES_PASSWORD : 0);
    DialogTemplate t(DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU, 250, 82, L"MS Shell Dlg", 9);
    t.Add(kStatic, kPromptId, SS_LEFT, 8, 7, 234, 26);
    t.Add(kEdit, kFieldId, fieldStyle, 8, 37, 234, 14);
    t.Add(kButton, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 86, 60, 74, 15, Wide("确认输入(&O)"));
    t.Add(kButton, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 168, 60, 74, 15, Wide("取消(&C)"));
    return t;
}

}  // namespace

bool InputBox(const Text& prompt, const Text& title, Text& text, int mode) {
    InputState state{Wide(prompt), Wide(title), Wide(text)};
    DialogTemplate t = InputTemplate(mode);
    // Owned by the thread's active window, which it disables while it is up.
    INT_PTR answer = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), t.get(), GetActiveWindow(), InputProc,
                                             reinterpret_cast<LPARAM>(&state));
    if (answer != IDOK) return false;
    text = Narrow(state.text);
    return true;
}
