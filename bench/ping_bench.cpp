// Prints how PingHostAsync copes with a network of many computers:
//   ping_bench [unresolvable|loopback] [count] [timeout-ms]
// Figures only; nothing is asserted.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ping_run.h"
#include "platform/win32/ping_observer.h"
#include "process_figures.h"

int main(int argc, char** argv) {
    const char* kind = argc > 1 ? argv[1] : "unresolvable";
    int count = argc > 2 ? std::atoi(argv[2]) : 10240;
    int timeoutMs = argc > 3 ? std::atoi(argv[3]) : 10000;
    bool loopback = std::strcmp(kind, "loopback") == 0;
    TextList names = loopback ? LoopbackNames(count) : UnresolvableNames(count);

    PingRunFigures f = RunPings(names, timeoutMs, static_cast<unsigned long>(timeoutMs) * 6 + 60000);
    ProcessMemory m = PeakMemory();
    std::printf("ping %d %s names, time-out %d ms (%d-bit)\n", count, loopback ? "loopback" : "unresolvable", timeoutMs,
                static_cast<int>(sizeof(void*) * 8));
    std::printf("  requests handed over in  %8.3f s\n", f.secondsToIssue);
    std::printf("  half the checks ended in %8.3f s\n", f.secondsToHalf);
    std::printf("  last check ended after   %8.3f s\n", f.secondsToLast);
    std::printf("  checks completed         %5d of %d\n", f.completed, f.requested);
    std::printf("  answered                 %5d\n", f.answered);
    std::printf("  never sent (time-out)    %5d\n", PingsNeverSent());
    std::printf("  done called twice        %5d\n", f.calledTwice);
    std::printf("  peak working set         %8.1f MiB\n", m.peakWorkingSet / 1048576.0);
    std::printf("  peak committed memory    %8.1f MiB\n", m.peakPagefile / 1048576.0);
    std::printf("  threads at the end       %5d\n", LiveThreads());
    return 0;
}
