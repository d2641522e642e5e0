// ContextMenu's items in order, each with the command it runs.
#pragma once
#include <cstddef>

struct MenuCommand {
    const char* text;
    void (*handler)();
};

extern const MenuCommand kContextMenu[];
extern const size_t kContextMenuSize;

// Runs the handler of the 1-based item; anything else does nothing.
void RunMenuItem(int item);
