#include "platform/win32/dialog_template.h"

#include <cstring>

namespace {

template <typename T>
void AppendStruct(std::vector<WORD>& words, const T& value) {
    static_assert(sizeof(T) % sizeof(WORD) == 0, "templates are made of WORDs");
    size_t at = words.size();
    words.resize(at + sizeof(T) / sizeof(WORD));
    memcpy(&words[at], &value, sizeof(T));
}

}  // namespace

DialogTemplate::DialogTemplate(DWORD style, short width, short height, const wchar_t* font, WORD pointSize) {
    DLGTEMPLATE head = {};
    head.style = style | DS_SETFONT;
    head.cx = width;
    head.cy = height;
    AppendStruct(words_, head);
    words_.push_back(0);  // no menu
    words_.push_back(0);  // the standard dialog class
    words_.push_back(0);  // empty caption
    words_.push_back(pointSize);
    Append(font);
}

void DialogTemplate::Add(WORD windowClass, WORD id, DWORD style, short x, short y, short width, short height,
                         const std::wstring& text) {
    AlignToDword();
    DLGITEMTEMPLATE item = {};
    item.style = style | WS_CHILD | WS_VISIBLE;
    item.x = x;
    item.y = y;
    item.cx = width;
    item.cy = height;
    item.id = id;
    AppendStruct(words_, item);
    words_.push_back(0xFFFF);
    words_.push_back(windowClass);
    Append(text);
    words_.push_back(0);  // no creation data
    // The header counts its items.
    reinterpret_cast<DLGTEMPLATE*>(words_.data())->cdit++;
}

const DLGTEMPLATE* DialogTemplate::get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

// Every item starts on a DWORD boundary of the template; the vector's buffer
// itself is at least DWORD aligned.
void DialogTemplate::AlignToDword() {
    if (words_.size() % 2) words_.push_back(0);
}

void DialogTemplate::Append(const std::wstring& text) {
    words_.insert(words_.end(), text.begin(), text.end());
    words_.push_back(0);
}
