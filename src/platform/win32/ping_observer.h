// A benchmark's view of the asynchronous ping: called on the platform thread
// after each check's `done` has returned. Unset in the program, where it
// costs one relaxed load per check.
#pragma once
#include "platform/text.h"

using PingEndObserver = void (*)(const Text& name, int result);
void SetPingEndObserver(PingEndObserver observer);

// Checks whose time-out had passed before their echo could be sent (Wine
// takes echoes slowly when thousands are outstanding); they ended unanswered.
int PingsNeverSent();
