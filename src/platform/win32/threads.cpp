#include <windows.h>

#include "platform/threads.h"

#ifndef STACK_SIZE_PARAM_IS_A_RESERVATION
#define STACK_SIZE_PARAM_IS_A_RESERVATION 0x00010000
#endif

namespace {

// The routines are small; thousands of checks may be alive at once, so each
// reserves 64 KiB of address space instead of the exe's default megabyte.
const SIZE_T kStackReservation = 64 * 1024;

struct ThreadStart {
    ThreadRoutine routine;
    int argument;
};

DWORD WINAPI Trampoline(LPVOID parameter) {
    ThreadStart start = *static_cast<ThreadStart*>(parameter);
    delete static_cast<ThreadStart*>(parameter);
    start.routine(start.argument);
    return 0;
}

}  // namespace

bool StartThread(ThreadRoutine routine, int argument) {
    auto* start = new ThreadStart{routine, argument};
    HANDLE thread = CreateThread(nullptr, kStackReservation, Trampoline, start, STACK_SIZE_PARAM_IS_A_RESERVATION,
                                 nullptr);
    if (!thread) {
        delete start;
        return false;
    }
    CloseHandle(thread);
    return true;
}
