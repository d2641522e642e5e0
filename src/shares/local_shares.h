// The list and delete actions of the local shares window.
#pragma once
#include "platform/text.h"
#include "platform/ui.h"

// Lists the shares of LocalComputerName, the last one returned at the top.
void FillShareList(ShareListControl& list);
// Deletes the selected share and removes its item once net share succeeded.
void DeleteSelectedShare(ShareListControl& list);

// The net share line that deletes exactly the share of that name.
Text DeleteCommandLine(const Text& shareName);
