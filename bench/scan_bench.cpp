// The real scan in the real MainWindow over a large network of the test
// provider, beside the floor of plain list-view insertions:
//   scan_bench [answering|silent] [computers] [workgroups]
// `silent` only names the run: whether the computers answer is up to the
// network it runs on (see scan-bench.sh). Figures only; nothing is asserted.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/startup.h"
#include "list_floor.h"
#include "ping_run.h"
#include "platform/files.h"
#include "platform/threads.h"
#include "platform/ui.h"
#include "platform/win32/ping_observer.h"
#include "platform/win32/text_convert.h"
#include "process_figures.h"
#include "scan_watch.h"

namespace {

// Every check has ended 11 s after its request at the latest.
constexpr int kWaitAfterScanSeconds = 60;
const char* const kWorkgroups[] = {"WORKGROUP", "研发部", "财务部", "市场部"};

TextList g_names;
int g_workgroups = 4;

// GBK, as the test provider reads it: a workgroup line, then its computers.
bool WriteNetworkFile(const Text& path) {
    std::string bytes;
    size_t perGroup = (g_names.size() + static_cast<size_t>(g_workgroups) - 1) / static_cast<size_t>(g_workgroups);
    for (size_t i = 0; i < g_names.size(); ++i) {
        if (i % perGroup == 0) {
            size_t group = i / perGroup;
            bytes += group < 4 ? Text(kWorkgroups[group]) : "GROUP" + std::to_string(group);
            bytes += "\r\n";
        }
        bytes += "\\\\" + g_names[i] + "\r\n";
    }
    return WriteWholeFile(path, bytes);
}

// Off the user-interface thread, so the first paint is not kept waiting.
void PrepareAndScan(int) {
    Text path = WorkFolder() + "qy-scan-bench-network.txt";
    if (!WriteNetworkFile(path)) std::printf("  cannot write the test network file\n");
    SetEnvironmentVariableW(L"QY_TEST_NETWORK", Wide(path).c_str());
    TimedScan(kWaitAfterScanSeconds);
}

void Print(const char* what, double value, const char* unit) { std::printf("  %-52s %10.3f %s\n", what, value, unit); }
void PrintCount(const char* what, int value, int of) { std::printf("  %-52s %6d of %d\n", what, value, of); }

}  // namespace

int main(int argc, char** argv) {
    const char* kind = argc > 1 ? argv[1] : "answering";
    int count = argc > 2 ? std::atoi(argv[2]) : 10240;
    g_workgroups = argc > 3 ? std::atoi(argv[3]) : 4;
    if (count < 1 || g_workgroups < 1) return 2;
    g_names = LoopbackNames(count);
    WatchComputers(g_names);

    MainWindowHandlers h;
    h.onCreated = [] {
        AttachToMainWindow();
        StartThread(PrepareAndScan, 0);
        StartThread(StartupCaption, 0);
    };
    int code = RunMainWindow(h);
    ScanFigures f = CollectScanFigures();
    ProcessMemory memory = PeakMemory();
    // Twice, and the faster one counts: on a shared machine a fill can take
    // twice as long when others are busy, which would flatter the ratio.
    double floor1 = MeasureInsertFloor(g_names), floor2 = MeasureInsertFloor(g_names);
    double floor = floor1 > 0 && floor2 > 0 ? (floor1 < floor2 ? floor1 : floor2) : -1;

    std::printf("scan of %d computers in %d workgroups, %s (%d-bit)\n", count, g_workgroups, kind,
                static_cast<int>(sizeof(void*) * 8));
    if (code != 0) std::printf("  MainWindow ended with %d\n", code);
    Print("process start to MainWindow's first paint", f.secondsToFirstPaint * 1000, "ms");
    Print("pass start to the written scan cache", f.secondsToCache, "s");
    Print("floor: plain cross-thread insertions, same count", floor1, "s");
    Print("floor, measured again", floor2, "s");
    Print("ratio of the pass to the faster floor", floor > 0 ? f.secondsToCache / floor : 0, "");
    PrintCount("items appended", f.appended, count);
    Print("pass start to the first append", f.secondsToFirstAppend, "s");
    Print("pass start to the last append", f.secondsToLastAppend, "s");
    PrintCount("checks completed (answered or timed out)", f.ended, count);
    PrintCount("checks answered", f.answered, count);
    PrintCount("checks whose time-out passed before the echo went", PingsNeverSent(), count);
    PrintCount("items coloured", f.coloured, count);
    if (f.coloured > 0) Print("pass start to every answering item coloured", f.secondsToLastColour, "s");
    if (f.ended > 0) Print("pass start to the last check's end", f.secondsToLastEnd, "s");
    if (f.ended > 0) Print("last check ended, after its item's append", f.lastEndAfterAppend, "s");
    if (f.ended > 0) Print("longest append-to-end of any check", f.worstEndAfterAppend, "s");
    Print("peak working set (scan, before the floor)", memory.peakWorkingSet / 1048576.0, "MiB");
    Print("peak committed memory (scan, before the floor)", memory.peakPagefile / 1048576.0, "MiB");
    std::fflush(stdout);
    return 0;
}
