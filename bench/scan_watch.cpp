#include "scan_watch.h"

#include <windows.h>
#include <commctrl.h>

#include <unordered_map>
#include <vector>

#include "neighbourhood/neighbourhood.h"
#include "platform/main_view.h"
#include "platform/win32/ping_observer.h"
#include "process_figures.h"

namespace {

struct Item {
    unsigned long long appendedAt = 0, endedAt = 0, colouredAt = 0;
};

int g_count = 0;
std::vector<Item> g_items;
std::unordered_map<Text, int> g_positions;  // read-only once the pass starts
volatile LONG g_appended = 0, g_ended = 0, g_answered = 0, g_coloured = 0;
HANDLE g_allEnded = nullptr;
unsigned long long g_passStart = 0, g_scanEnd = 0;
double g_firstPaint = -1;
WNDPROC g_mainProc = nullptr, g_listProc = nullptr;

double Seconds(unsigned long long from, unsigned long long to) {
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    return to > from ? static_cast<double>(to - from) / frequency : 0.0;
}

LRESULT CALLBACK MainProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_PAINT && g_firstPaint < 0) g_firstPaint = SecondsSinceProcessStart();
    return CallWindowProcW(g_mainProc, w, msg, wp, lp);
}

LRESULT CALLBACK ListProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT r = CallWindowProcW(g_listProc, w, msg, wp, lp);
    if (msg == LVM_INSERTITEMW && r >= 0 && r < g_count) {
        g_items[static_cast<size_t>(r)].appendedAt = CounterNow();
        InterlockedIncrement(&g_appended);
    } else if (msg == LVM_SETITEMW && r) {
        const auto* item = reinterpret_cast<const LVITEMW*>(lp);
        if ((item->mask & LVIF_IMAGE) && item->iImage == kImageAnswered && item->iItem >= 0 &&
            item->iItem < g_count && !g_items[static_cast<size_t>(item->iItem)].colouredAt) {
            g_items[static_cast<size_t>(item->iItem)].colouredAt = CounterNow();
            InterlockedIncrement(&g_coloured);
        }
    }
    return r;
}

void OnPingEnd(const Text& name, int result) {
    auto found = g_positions.find(name);
    if (found == g_positions.end()) return;
    Item& item = g_items[static_cast<size_t>(found->second)];
    if (item.endedAt) return;
    item.endedAt = CounterNow();
    if (result >= 0) InterlockedIncrement(&g_answered);
    if (InterlockedIncrement(&g_ended) == g_count) SetEvent(g_allEnded);
}

}  // namespace

void WatchComputers(const TextList& names) {
    g_count = static_cast<int>(names.size());
    g_items.assign(names.size(), Item{});
    for (size_t i = 0; i < names.size(); ++i) g_positions.emplace(names[i], static_cast<int>(i));
    g_allEnded = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    SetPingEndObserver(OnPingEnd);
}

void AttachToMainWindow() {
    HWND main = FindWindowW(L"QingyuShareMain", nullptr);
    HWND list = main ? FindWindowExW(main, nullptr, WC_LISTVIEWW, nullptr) : nullptr;
    if (!list) return;
    g_mainProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(main, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(MainProc)));
    g_listProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ListProc)));
}

void TimedScan(int waitSeconds) {
    g_passStart = CounterNow();
    NeighbourhoodScan(0);
    g_scanEnd = CounterNow();
    WaitForSingleObject(g_allEnded, static_cast<DWORD>(waitSeconds) * 1000);
    MainWindowDestroy();
}

ScanFigures CollectScanFigures() {
    ScanFigures f;
    f.computers = g_count;
    f.appended = static_cast<int>(g_appended);
    f.ended = static_cast<int>(g_ended);
    f.answered = static_cast<int>(g_answered);
    f.coloured = static_cast<int>(g_coloured);
    f.secondsToCache = Seconds(g_passStart, g_scanEnd);
    f.secondsToFirstPaint = g_firstPaint;
    unsigned long long lastColour = 0, lastEnd = 0, firstAppend = ~0ULL, lastAppend = 0;
    for (const Item& item : g_items) {
        if (item.appendedAt && item.appendedAt < firstAppend) firstAppend = item.appendedAt;
        if (item.appendedAt > lastAppend) lastAppend = item.appendedAt;
        if (item.colouredAt > lastColour) lastColour = item.colouredAt;
        if (item.endedAt > lastEnd) {
            lastEnd = item.endedAt;
            f.lastEndAfterAppend = Seconds(item.appendedAt, item.endedAt);
        }
        if (item.endedAt && item.appendedAt) {
            double lag = Seconds(item.appendedAt, item.endedAt);
            if (lag > f.worstEndAfterAppend) f.worstEndAfterAppend = lag;
        }
    }
    f.secondsToFirstAppend = lastAppend ? Seconds(g_passStart, firstAppend) : 0;
    f.secondsToLastAppend = Seconds(g_passStart, lastAppend);
    f.secondsToLastColour = Seconds(g_passStart, lastColour);
    f.secondsToLastEnd = Seconds(g_passStart, lastEnd);
    return f;
}
