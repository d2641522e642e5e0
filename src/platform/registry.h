// Registry values named by one path; the last backslash outside a
// double-byte character separates key and value name.
#pragma once
#include <cstdint>
#include "platform/text.h"

enum class RegRoot { LocalMachine, CurrentUser };

// REG_SZ as stored, REG_EXPAND_SZ expanded, anything else or missing: empty.
Text RegReadText(RegRoot root, const Text& path);
// Opens the key for writing or creates it; REG_SZ with its zero counted.
bool RegWriteText(RegRoot root, const Text& path, const Text& value);
bool RegWriteDword(RegRoot root, const Text& path, uint32_t value);
// The key opens for reading and the value can be queried, whatever its type.
bool RegValueExists(RegRoot root, const Text& path);

// HKLM value that holds the local computer name.
inline const char kComputerNamePath[] =
    "SYSTEM\\CurrentControlSet\\Control\\ComputerName\\ComputerName\\ComputerName";
