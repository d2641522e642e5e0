#pragma once
#include <cstdint>
#include "platform/text.h"

// GetVersion: the low byte is the major version, the next byte the minor.
uint32_t WindowsVersion();
uint32_t TickCount();
// ShellExecute "open" in a normal window; the outcome is ignored.
void ShellOpen(const Text& target);
