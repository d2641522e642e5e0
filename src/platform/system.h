#pragma once
#include <cstdint>
#include "platform/text.h"

// GetVersion: the low byte is the major version, the next byte the minor.
uint32_t WindowsVersion();
uint32_t TickCount();
// ShellExecute "open" in a normal window; the outcome is ignored.
void ShellOpen(const Text& target);

// Ends the process with this code at once. Background threads stop wherever
// they are; nothing is waited for, so the end cannot be held up by a thread
// that holds a lock the usual exit path needs.
[[noreturn]] void EndProcess(int exitCode);
