#include "platform/win32/share_window_list.h"

#include <commctrl.h>

#include <vector>

#include "platform/win32/share_window_layout.h"
#include "platform/win32/text_convert.h"

void ListViewShareList::Clear() { SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0); }

void ListViewShareList::InsertAt(int position, const Text& text) {
    std::wstring wide = Wide(text);
    LVITEMW item = {};
    item.mask = LVIF_TEXT;
    item.iItem = position;
    item.pszText = const_cast<wchar_t*>(wide.c_str());
    SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

int ListViewShareList::Count() { return int(SendMessageW(list_, LVM_GETITEMCOUNT, 0, 0)); }

int ListViewShareList::Selected() {
    return int(SendMessageW(list_, LVM_GETNEXTITEM, WPARAM(-1), MAKELPARAM(LVNI_SELECTED, 0)));
}

Text ListViewShareList::ItemText(int position) {
    if (position < 0) return Text();
    // The list view copies at most the buffer less its zero and does not
    // say whether it cut: grow until the text fits with room to spare.
    for (size_t size = 256; size <= 65536; size *= 4) {
        std::vector<wchar_t> buffer(size, L'\0');
        LVITEMW item = {};
        item.iSubItem = 0;
        item.pszText = buffer.data();
        item.cchTextMax = int(size);
        LRESULT copied = SendMessageW(list_, LVM_GETITEMTEXTW, WPARAM(position), reinterpret_cast<LPARAM>(&item));
        if (size_t(copied) + 1 < size) return NarrowZ(buffer.data());
    }
    return Text();
}

void ListViewShareList::RemoveAt(int position) { SendMessageW(list_, LVM_DELETEITEM, WPARAM(position), 0); }

HWND CreateShareListView(HWND parent, int id) {
    using namespace share_window;
    // A thin single-line border (WS_BORDER), not the sunken client edge.
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS;
    HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"", style, kListBox.left, kListBox.top, kListBox.width,
                                kListBox.height, parent, reinterpret_cast<HMENU>(INT_PTR(id)),
                                GetModuleHandleW(nullptr), nullptr);
    if (!list) return nullptr;
    DWORD extended = LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT;
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
    std::wstring title = Wide(kColumnTitle);
    LVCOLUMNW column = {};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    column.fmt = LVCFMT_LEFT;
    column.cx = kColumnWidth;
    column.pszText = &title[0];
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    return list;
}
