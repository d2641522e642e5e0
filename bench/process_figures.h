// Figures about the benchmark process itself, for printing.
#pragma once
#include <cstddef>

struct ProcessMemory {
    size_t peakWorkingSet = 0;
    size_t peakPagefile = 0;  // peak committed private memory
};
ProcessMemory PeakMemory();
int LiveThreads();
double SecondsSince(unsigned long long startCounter);
unsigned long long CounterNow();
// Seconds from this process's creation to now, by the system clock.
double SecondsSinceProcessStart();
