#include "neighbourhood/neighbourhood.h"
#include "platform/main_view.h"
#include "platform/system.h"
#include "platform/threads.h"

void OnComputerListClick() {
    Text clicked = ListItemText(ListSelected());
    if (!clicked.empty()) {
        MainWindowHide();
        Text name = ListItemText(ListSelected());
        // A pass may have cleared the list since the click; open what was clicked.
        if (name.empty()) name = clicked;
        ShellOpen("\\\\" + name);
        MainWindowDestroy();
    } else if (ListCount() > 0) {
        StartThread(NeighbourhoodScan, 1);
    } else {
        CacheReload();
    }
}
