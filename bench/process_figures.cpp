#include "process_figures.h"

#include <windows.h>
#include <psapi.h>
#include <tlhelp32.h>

ProcessMemory PeakMemory() {
    ProcessMemory m;
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) {
        m.peakWorkingSet = counters.PeakWorkingSetSize;
        m.peakPagefile = counters.PeakPagefileUsage;
    }
    return m;
}

int LiveThreads() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return -1;
    int n = 0;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
        if (entry.th32OwnerProcessID == GetCurrentProcessId()) ++n;
    CloseHandle(snapshot);
    return n;
}

unsigned long long CounterNow() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<unsigned long long>(now.QuadPart);
}

double SecondsSince(unsigned long long startCounter) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(CounterNow() - startCounter) / static_cast<double>(frequency.QuadPart);
}

double SecondsSinceProcessStart() {
    FILETIME created, exited, kernel, user, now;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return -1;
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER a, b;
    a.LowPart = created.dwLowDateTime;
    a.HighPart = created.dwHighDateTime;
    b.LowPart = now.dwLowDateTime;
    b.HighPart = now.dwHighDateTime;
    return static_cast<double>(b.QuadPart - a.QuadPart) / 1e7;
}
