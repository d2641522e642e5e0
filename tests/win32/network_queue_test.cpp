// The hand-over queue behind the ping engine's pools: pushes signal only
// sleeping consumers, so a wrong count of sleepers would lose a wake-up (a
// consumer asleep for good beside a queued item) or hand an item out twice.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <deque>
#include <memory>
#include <vector>

#include "platform/win32/network_queue.h"

namespace {

constexpr int kStop = -1;

struct Shared {
    explicit Shared(int n) : times(new std::atomic<int>[n]()) {}
    HandOverQueue<int> queue;
    std::unique_ptr<std::atomic<int>[]> times;  // how often each item was taken
    std::atomic<int> taken{0};
    std::atomic<bool> patient{false};  // waits without time-out only
};

// Takes one to three at a time; until told to be patient, every other wait
// ends by time-out, so consumers keep giving up waits while pushes come in.
DWORD WINAPI Consumer(void* parameter) {
    auto* shared = static_cast<Shared*>(parameter);
    for (unsigned turn = 0;; ++turn) {
        std::deque<int> items;
        if (shared->queue.Take(&items, turn % 3 + 1) == 0) {
            shared->queue.Await(turn % 2 && !shared->patient.load() ? 1 : INFINITE);
            continue;
        }
        bool stop = false;
        for (int item : items) {
            if (stop) {
                shared->queue.Push(item);  // another consumer's stop item
            } else if (item == kStop) {
                stop = true;
            } else {
                shared->times[item].fetch_add(1);
                shared->taken.fetch_add(1);
            }
        }
        if (stop) return 0;
    }
}

bool WaitUntilTaken(const Shared& shared, int count) {
    for (int waited = 0; shared.taken.load() < count && waited < 10000; waited += 2) Sleep(2);
    return shared.taken.load() >= count;
}

TEST(HandOverQueue, EveryItemIsTakenOnceAndAPushWakesASleeper) {
    const int n = 20000, late = 12, consumers = 3;
    Shared shared(n + late);
    ASSERT_TRUE(shared.queue.valid());
    std::vector<HANDLE> threads;
    for (int i = 0; i < consumers; ++i) threads.push_back(CreateThread(nullptr, 0, Consumer, &shared, 0, nullptr));
    for (int item = 0; item < n; ++item) {
        shared.queue.Push(item);
        // Bursts, then pauses long enough for every consumer to fall asleep.
        if (item % 50 == 49) Sleep(item % 1000 == 999 ? 10 : 1);
    }
    EXPECT_TRUE(WaitUntilTaken(shared, n));
    // Then with every consumer asleep for good, one push at a time: a count
    // of sleepers that went wrong above leaves an item queued here.
    shared.patient = true;
    Sleep(100);
    for (int item = n; item < n + late; ++item) {
        shared.queue.Push(item);
        EXPECT_TRUE(WaitUntilTaken(shared, item + 1)) << "no consumer woke for item " << item;
        Sleep(20);
    }
    EXPECT_EQ(shared.taken.load(), n + late);
    int wrong = 0;
    for (int item = 0; item < n + late; ++item) wrong += shared.times[item].load() != 1;
    EXPECT_EQ(wrong, 0) << "items not taken exactly once";

    for (int i = 0; i < consumers; ++i) shared.queue.Push(kStop);
    bool ended = WaitForMultipleObjects(consumers, threads.data(), TRUE, 20000) == WAIT_OBJECT_0;
    EXPECT_TRUE(ended) << "a consumer never woke for its stop item";
    for (HANDLE thread : threads) {
        if (!ended) TerminateThread(thread, 1);  // it would outlive `shared`
        CloseHandle(thread);
    }
}

}  // namespace
