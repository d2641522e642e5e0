// A first-in first-out hand-over from any thread to a pool of threads. The
// -win32 toolchain has no std::mutex, so it is a critical section and a
// semaphore that counts the items.
#pragma once
#include <windows.h>

#include <climits>
#include <deque>

template <typename T>
class HandOverQueue {
public:
    HandOverQueue() : ready_(CreateSemaphoreW(nullptr, 0, LONG_MAX, nullptr)) {
        InitializeCriticalSection(&lock_);
    }
    HandOverQueue(const HandOverQueue&) = delete;
    HandOverQueue& operator=(const HandOverQueue&) = delete;
    // Its threads are never stopped, so a queue lives as long as the process.
    ~HandOverQueue() = default;

    bool valid() const { return ready_ != nullptr; }
    // Signalled once per item pushed; take one count, then Pop.
    HANDLE ready() const { return ready_; }

    void Push(T item) {
        EnterCriticalSection(&lock_);
        items_.push_back(item);
        LeaveCriticalSection(&lock_);
        ReleaseSemaphore(ready_, 1, nullptr);
    }
    T Pop() {
        EnterCriticalSection(&lock_);
        T item = items_.front();
        items_.pop_front();
        LeaveCriticalSection(&lock_);
        return item;
    }

private:
    CRITICAL_SECTION lock_;
    HANDLE ready_;
    std::deque<T> items_;
};
