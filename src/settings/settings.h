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

// The commands above are thin: they ask, then show what these decide. The
// decisions are reachable on their own because a message box blocks a test.
struct Notice {
    Text text;
    int icon = 64;
};

// The file that remembers the company name shown in the caption.
Text CompanyFilePath();

// Stores the name, shows it in the caption at once, says how that went.
Notice ApplyCompanyName(const Text& company);

// Why a name cannot serve as the computer's network name; empty when it can.
Text ComputerNameProblem(const Text& name);
// Writes the three values Windows takes the name from at the next start.
Notice RenameComputerTo(const Text& name);

// Forgets the remembered password of each computer named and the company name.
Notice ClearSavedFiles(const TextList& computerNames);

// Writes the help page into the work folder when it is missing or outdated;
// its path, or empty when there is none to open.
Text PrepareHelpPage();
extern const char kHelpPageFileName[];
extern const char kHelpPageHtml[];

Text AboutText();
