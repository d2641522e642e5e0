// A first-in first-out hand-over from any thread to a pool of threads. The
// -win32 toolchain has no std::mutex, so it is a critical section and a
// semaphore. A push signals only when a pool thread sleeps waiting for work:
// under Wine every signal is a round trip to the server, which a stream of
// ten thousand pushes would otherwise pay once each, beside the list
// insertions it competes with.
#pragma once
#include <windows.h>

#include <climits>
#include <deque>

template <typename T>
class HandOverQueue {
public:
    HandOverQueue() : wake_(CreateSemaphoreW(nullptr, 0, LONG_MAX, nullptr)) { InitializeCriticalSection(&lock_); }
    HandOverQueue(const HandOverQueue&) = delete;
    HandOverQueue& operator=(const HandOverQueue&) = delete;
    // Its threads are never stopped, so a queue lives as long as the process.
    ~HandOverQueue() = default;

    bool valid() const { return wake_ != nullptr; }

    void Push(T item) {
        Locked locked(lock_);
        items_.push_back(item);
        // Released under the lock, so a sleeper giving up its wait (below)
        // sees either its count or the signal meant for it, never neither.
        if (sleepers_ > 0) {
            --sleepers_;
            ReleaseSemaphore(wake_, 1, nullptr);
        }
    }

    // Moves up to `most` queued items to the end of `out`; how many it moved.
    template <typename Container>
    size_t Take(Container* out, size_t most) {
        Locked locked(lock_);
        size_t taken = 0;
        for (; taken < most && !items_.empty(); ++taken) {
            out->push_back(items_.front());
            items_.pop_front();
        }
        return taken;
    }

    // Sleeps until a push, `timeoutMs` or an APC (the wait is alertable);
    // returns at once while items are queued.
    void Await(DWORD timeoutMs) {
        {
            Locked locked(lock_);
            if (!items_.empty()) return;
            ++sleepers_;
        }
        if (WaitForSingleObjectEx(wake_, timeoutMs, TRUE) == WAIT_OBJECT_0) return;
        Locked locked(lock_);
        // Still counted, unless a push counted a sleeper out meanwhile: then
        // its signal is taken here, and any other sleeper stays counted.
        if (WaitForSingleObject(wake_, 0) != WAIT_OBJECT_0) --sleepers_;
    }

private:
    struct Locked {
        explicit Locked(CRITICAL_SECTION& c) : c_(c) { EnterCriticalSection(&c_); }
        ~Locked() { LeaveCriticalSection(&c_); }
        CRITICAL_SECTION& c_;
    };

    CRITICAL_SECTION lock_;
    HANDLE wake_;
    std::deque<T> items_;
    int sleepers_ = 0;
};
