// The remembered administrator password of each computer, one file per
// computer in the work folder.
#pragma once
#include "platform/text.h"

// WorkFolder + computer name + ".txt".
Text SavedPasswordFile(const Text& computer);

// Empty when there is no file or it holds no password. Reads both the
// protected form and the plain form earlier versions wrote.
Text ReadSavedPassword(const Text& computer);

// Stores the password protected for the current user. An empty password
// leaves an empty file, so that the next connection asks again. When the
// password cannot be protected nothing is written: it is never kept in plain.
void SavePassword(const Text& computer, const Text& password);
