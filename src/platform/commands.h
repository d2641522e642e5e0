// Starting processes from a command line, as CreateProcess takes it: the line
// is passed unchanged, no file-type association is consulted.
#pragma once
#include "platform/text.h"

enum class Show { Hidden, Normal };

// Starts and returns after at most 1000 ms of WaitForInputIdle.
// An empty working folder means the program's current directory.
bool RunCommand(const Text& commandLine, Show show, const Text& workFolder = Text());

struct CommandOutcome {
    bool started = false;   // the process could be created
    bool finished = false;  // it ended within the time-out
    int exitCode = -1;      // valid when finished
    Text output;            // what it wrote to stdout and stderr, as bytes
};
// Starts hidden with its output captured and waits for its end, at most
// timeoutMs. A process still running at the bound is left running.
CommandOutcome RunCommandAndWait(const Text& commandLine, int timeoutMs,
                                 const Text& workFolder = Text());
