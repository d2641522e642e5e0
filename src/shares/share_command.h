// What a folder share does, apart from its dialogs: the proposed name, the
// checks on the name and the net share command line.
#pragma once
#include "platform/text.h"

// The last path component; "Desktop" becomes 桌面 and a drive root
// such as C:\ becomes 本地磁盘（C）.
Text ProposedShareName(const Text& chosenPath);

// Why net share would refuse this name (already without spaces); empty when
// it can be used.
Text ShareNameProblem(const Text& commandName);

// The net share line for the running system; empty for an unknown one.
Text ShareCommandLine(const Text& systemName, const Text& commandName, const Text& path);

// Shares the chosen folder under the confirmed name and reports the outcome.
void ShareFolderAt(const Text& path, const Text& enteredName);
