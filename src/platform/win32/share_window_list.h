// ShareList: the report-style list view of LocalSharesWindow behind the
// portable ShareListControl.
#pragma once
#include <windows.h>

#include "platform/ui.h"

class ListViewShareList : public ShareListControl {
public:
    explicit ListViewShareList(HWND list) : list_(list) {}
    void Clear() override;
    void InsertAt(int position, const Text& text) override;
    int Count() override;
    int Selected() override;
    Text ItemText(int position) override;
    void RemoveAt(int position) override;

private:
    HWND list_;
};

// Creates the list view with its one column; null when it cannot.
HWND CreateShareListView(HWND parent, int id);
