// Local machine settings and the small commands of the context menu.
#pragma once
#include "platform/text.h"

// Names the running Windows version; computed afresh on every call.
Text SystemName();

void ChangeCompany();
void RenameComputer();
void ClearSavedData();
void OpenHelp();
void ShowAbout();
