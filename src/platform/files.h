// Whole files in the temporary folder. Failures are reported by the result;
// callers that must stay silent simply ignore it.
#pragma once
#include "platform/text.h"

// GetTempPath with a trailing backslash; empty when Windows gives none.
Text WorkFolder();
// Every byte of the file; no bytes when it is missing or unreadable.
std::string ReadWholeFile(const Text& path);
// Creates or truncates, writes the bytes as they are, closes.
bool WriteWholeFile(const Text& path, const std::string& bytes);
bool DeleteFileAt(const Text& path);
// A file or a folder of that name exists.
bool PathExists(const Text& path);
// Folder holding the running program, with a trailing backslash.
Text ProgramFolder();
