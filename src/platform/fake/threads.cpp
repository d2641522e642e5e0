#include "platform/fake/state.h"
#include "platform/threads.h"

bool StartThread(ThreadRoutine routine, int argument) {
    fake::ThreadMode mode;
    {
        std::lock_guard<std::mutex> lock(fake::S().mutex);
        if (fake::S().failThreads) return false;
        fake::S().threads.push_back({routine, argument});
        mode = fake::S().threadMode;
        if (mode == fake::ThreadMode::Run) fake::S().threadsRun = fake::S().threads.size();
    }
    if (mode == fake::ThreadMode::Run) fake::SpawnCounted([routine, argument] { routine(argument); });
    return true;
}

namespace fake {

void SetThreadMode(ThreadMode mode) {
    std::lock_guard<std::mutex> lock(S().mutex);
    S().threadMode = mode;
}

std::vector<StartedThread> Threads() {
    std::lock_guard<std::mutex> lock(S().mutex);
    return S().threads;
}

void RunRecordedThreads() {
    for (;;) {
        StartedThread next;
        {
            std::lock_guard<std::mutex> lock(S().mutex);
            if (S().threadsRun >= S().threads.size()) return;
            next = S().threads[S().threadsRun++];
        }
        next.routine(next.argument);
    }
}

void FailThreadCreation(bool fail) {
    std::lock_guard<std::mutex> lock(S().mutex);
    S().failThreads = fail;
}

}  // namespace fake
