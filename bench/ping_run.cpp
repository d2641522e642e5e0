#include "ping_run.h"

#include <windows.h>

#include <memory>
#include <vector>

#include "platform/network.h"
#include "process_figures.h"

namespace {

struct Tally {
    explicit Tally(int n) : calls(static_cast<size_t>(n)), allDone(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    ~Tally() { CloseHandle(allDone); }
    std::vector<LONG> calls;
    LONG completed = 0, answered = 0;
    HANDLE allDone;
    unsigned long long start = 0;
    double secondsToLast = 0, secondsToHalf = 0;
};

}  // namespace

PingRunFigures RunPings(const TextList& names, int timeoutMs, unsigned long limitMs) {
    const int n = static_cast<int>(names.size());
    // Shared with the completions, which may outlive a run that gave up waiting.
    auto tally = std::make_shared<Tally>(n);
    tally->start = CounterNow();
    for (int i = 0; i < n; ++i) {
        PingHostAsync(names[static_cast<size_t>(i)], [tally, i, n](int result) {
            if (InterlockedIncrement(&tally->calls[static_cast<size_t>(i)]) != 1) return;
            if (result >= 0) InterlockedIncrement(&tally->answered);
            LONG completed = InterlockedIncrement(&tally->completed);
            if (completed == (n + 1) / 2) tally->secondsToHalf = SecondsSince(tally->start);
            if (completed == n) {
                tally->secondsToLast = SecondsSince(tally->start);
                SetEvent(tally->allDone);
            }
        }, timeoutMs);
    }
    PingRunFigures f;
    f.requested = n;
    f.secondsToIssue = SecondsSince(tally->start);
    if (n > 0) WaitForSingleObject(tally->allDone, limitMs);
    f.completed = static_cast<int>(tally->completed);
    f.answered = static_cast<int>(tally->answered);
    f.secondsToHalf = tally->secondsToHalf;
    f.secondsToLast = f.completed == n ? tally->secondsToLast : SecondsSince(tally->start);
    // Late second calls would show up here.
    Sleep(200);
    for (LONG c : tally->calls)
        if (c > 1) ++f.calledTwice;
    return f;
}

TextList LoopbackNames(int n) {
    TextList names;
    for (int i = 0; i < n; ++i)
        names.push_back("127.0." + std::to_string(i / 254) + "." + std::to_string(i % 254 + 1));
    return names;
}

TextList UnresolvableNames(int n) {
    TextList names;
    for (int i = 0; i < n; ++i) names.push_back("pc" + std::to_string(i) + ".invalid");
    return names;
}
