// Runs PingHostAsync over a list of names and measures how the checks end;
// reusable by any benchmark that needs the figures.
#pragma once
#include "platform/text.h"

struct PingRunFigures {
    int requested = 0;
    int completed = 0;      // checks whose `done` ran
    int answered = 0;       // of those, with a result of 0 or more
    int calledTwice = 0;    // `done` ran more than once (must stay 0)
    double secondsToLast = 0;  // from the first request to the last `done`
    double secondsToHalf = 0;  // ... to the `done` of half the requests
    double secondsToIssue = 0; // to hand every request over
};

// Waits at most `limitMs` for the last check.
PingRunFigures RunPings(const TextList& names, int timeoutMs, unsigned long limitMs);

// n distinct names: "127.0.y.x" loopback addresses that answer, or names
// under .invalid that never resolve.
TextList LoopbackNames(int n);
TextList UnresolvableNames(int n);
