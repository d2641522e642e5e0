// ICMP echo and name resolution against Wine's real loopback and resolver.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/network.h"

namespace {

// Under .invalid, never resolvable; a label longer than 63 bytes is refused
// by the resolver before any query leaves the machine.
Text Unresolvable(int i) { return Text(70, 'x') + std::to_string(i) + ".invalid"; }

TEST(PingHost, LoopbackAnswersAndUnresolvableNamesDoNot) {
    EXPECT_GE(PingHost("127.0.0.1"), 0);
    EXPECT_GE(PingHost("127.0.0.7"), 0);
    EXPECT_GE(PingHost("localhost"), 0);
    EXPECT_EQ(PingHost("no-such-computer.invalid"), -1);
    EXPECT_EQ(PingHost(Unresolvable(1)), -1);
}

TEST(HostAddress, DottedFormOfTheFirstAddress) {
    const struct {
        Text name, expected;
    } cases[] = {
        {"localhost", "127.0.0.1"},
        {"127.0.0.5", "127.0.0.5"},
        {"127.1", "127.0.0.1"},  // inet_addr's short form
        {"no-such-computer.invalid", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(HostAddress(c.name), c.expected) << c.name;
}

struct AsyncTally {
    explicit AsyncTally(size_t n) : calls(n), results(n), allDone(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    ~AsyncTally() { CloseHandle(allDone); }
    std::vector<LONG> calls;
    std::vector<int> results;
    std::vector<DWORD> threads = std::vector<DWORD>(calls.size());
    LONG finished = 0;
    HANDLE allDone;
};

// Hundreds outstanding at once, answering and unresolvable mixed: every
// `done` runs exactly once, on another thread, with the sign PingHost gives.
TEST(PingHostAsync, EveryCheckEndsExactlyOnceWithItsResult) {
    const int n = 400;
    std::vector<Text> names;
    for (int i = 0; i < n; ++i) {
        if (i % 4 == 0) names.push_back(Unresolvable(i));
        else if (i % 4 == 1) names.push_back("localhost");
        else names.push_back("127.0." + std::to_string(i / 200) + "." + std::to_string(i % 200 + 1));
    }
    names[3] = "no-such-computer.invalid";
    // The completions may outlive a failed wait, so they share ownership.
    auto tally = std::make_shared<AsyncTally>(names.size());
    for (int i = 0; i < n; ++i) {
        PingHostAsync(names[i], [tally, i, n](int result) {
            tally->results[i] = result;
            tally->threads[i] = GetCurrentThreadId();
            InterlockedIncrement(&tally->calls[i]);
            if (InterlockedIncrement(&tally->finished) == n) SetEvent(tally->allDone);
        });
    }
    ASSERT_EQ(WaitForSingleObject(tally->allDone, 60000), WAIT_OBJECT_0) << tally->finished << " of " << n;
    Sleep(200);  // room for a second, wrong call to show up
    for (int i = 0; i < n; ++i) {
        SCOPED_TRACE(names[i]);
        EXPECT_EQ(tally->calls[i], 1);
        EXPECT_NE(tally->threads[i], GetCurrentThreadId());
        if (i % 4 == 0 || i == 3)
            EXPECT_EQ(tally->results[i], -1);
        else
            EXPECT_GE(tally->results[i], 0);
    }
}

// A completion that starts the next ping must not stall the pool.
TEST(PingHostAsync, ACompletionMayStartAnotherPing) {
    struct Chain {
        HANDLE done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        int results[2] = {-2, -2};
    };
    auto chain = std::make_shared<Chain>();
    PingHostAsync("127.0.0.1", [chain](int first) {
        chain->results[0] = first;
        PingHostAsync(Unresolvable(2), [chain](int second) {
            chain->results[1] = second;
            SetEvent(chain->done);
        });
    });
    ASSERT_EQ(WaitForSingleObject(chain->done, 30000), WAIT_OBJECT_0);
    EXPECT_GE(chain->results[0], 0);
    EXPECT_EQ(chain->results[1], -1);
    CloseHandle(chain->done);
}

// Completions that are slow to handle (a colour request waiting for a busy
// window) queue up behind each other; an answer already in that queue is
// still an answer when its check's time-out passes meanwhile.
TEST(PingHostAsync, AnAnswerWaitingBehindSlowCompletionsStaysAnAnswer) {
    const int n = 200, timeoutMs = 1000;
    auto tally = std::make_shared<AsyncTally>(n);
    for (int i = 0; i < n; ++i) {
        Text name = "127.0.1." + std::to_string(i + 1);
        PingHostAsync(
            name,
            [tally, i, n](int result) {
                Sleep(25);  // together far longer than the time-out
                tally->results[i] = result;
                if (InterlockedIncrement(&tally->finished) == n) SetEvent(tally->allDone);
            },
            timeoutMs);
    }
    ASSERT_EQ(WaitForSingleObject(tally->allDone, 60000), WAIT_OBJECT_0) << tally->finished << " of " << n;
    int unanswered = 0;
    for (int result : tally->results) unanswered += result < 0;
    EXPECT_EQ(unanswered, 0);
}

}  // namespace
