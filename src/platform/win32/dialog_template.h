// Builds a dialog template in memory, so dialogs need no resource script.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

class DialogTemplate {
public:
    // Size in dialog units; the caption is set when the dialog starts.
    DialogTemplate(DWORD style, short width, short height, const wchar_t* font, WORD pointSize);
    // `windowClass` is one of the predefined atoms (0x0080 button,
    // 0x0081 edit, 0x0082 static).
    void Add(WORD windowClass, WORD id, DWORD style, short x, short y, short width, short height,
             const std::wstring& text = std::wstring());
    const DLGTEMPLATE* get() const;

private:
    void AlignToDword();
    void Append(const std::wstring& text);

    std::vector<WORD> words_;
};
