// Turning what a waited-for command did into the lines a message shows.
#pragma once
#include "platform/commands.h"
#include "platform/text.h"

// How long a share command may take before the program stops waiting.
constexpr int kShareCommandTimeoutMs = 30000;

// The command's own words (its output without trailing blank lines), or a
// sentence for a command that could not start or printed nothing.
Text FailureDetails(const CommandOutcome& outcome, const Text& commandLine);
