// Pings without a blocked thread per request, so ten thousand checks can be
// outstanding at once and none is lost for want of a thread. Name lookups
// (which block in gethostbyname) run on a small pool; echoes are issued with
// IcmpSendEcho2 by a few threads that wait alertably, so each completion
// routine runs on the thread that issued its echo; each check's `done` then
// runs on one of a few threads of its own.
#include <atomic>
#include <cstdint>
#include <deque>
#include <map>

#include "platform/network.h"
#include "platform/win32/network_icmp.h"
#include "platform/win32/network_queue.h"
#include "platform/win32/ping_observer.h"

namespace {

constexpr int kLookupThreads = 8;
constexpr int kEchoThreads = 2;
constexpr int kCompletionThreads = 2;
// While requests come in, echo threads collect them every kPaceMs instead of
// being woken for each. While they stream in (a scan appending thousands of
// computers: kStreamTake or more a collection) and echoes of the stream are
// being answered, further echoes are held back, since the answers would
// compete for the processors with the list insertions the user is waiting
// for. They go out once no stream has come for kQuietMs, or when the oldest
// has waited half its time-out. Echoes nobody answers cost little, so a
// stream without answers is not held, and a trickle (a small network, names
// coming back from lookups) goes out at once. What is held counts against
// the time-out, so every check still ends in bounded time.
constexpr DWORD kPaceMs = 20;
constexpr size_t kStreamTake = 16;
constexpr size_t kTakeMost = 64;
constexpr DWORD kQuietMs = 100;
constexpr SIZE_T kStackReservation = 256 * 1024;
// A check's time-out runs from when its address is known, not from when its
// echo could be sent: issuing ten thousand echoes takes Wine about ten
// seconds. An echo goes out with what is left of the time-out, and past this
// further margin it counts as unanswered even if its completion has not come,
// so every check ends in bounded time.
constexpr uint64_t kGraceMs = 1000;

struct PingRequest;
using Waiting = std::multimap<uint64_t, PingRequest*>;

struct PingRequest {
    Text name;
    std::function<void(int)> done;
    DWORD timeoutMs = 0;
    IPAddr address = 0;
    DWORD addressKnownAt = 0;  // GetTickCount
    // `done` has run; the request stays allocated until its completion
    // routine, which still writes into `reply`, has come.
    bool concluded = false;
    Waiting* waiting = nullptr;
    bool* answered = nullptr;  // the issuing thread's: set when an answer comes
    Waiting::iterator slot;
    EchoReplyBuffer reply{};
};

// A check's result, on its way to `done`.
struct Completion {
    std::function<void(int)> done;
    Text name;
    int result;
};

struct Pools {
    HandOverQueue<PingRequest*> lookups;
    HandOverQueue<PingRequest*> echoes;
    // Results are handed to threads of their own: a slow `done` (a request
    // waiting for a busy window) must not hold up the echoes still to be
    // sent, nor turn an answer queued behind it into a time-out.
    HandOverQueue<Completion*> completions;
};

Pools* ThePools();

std::atomic<PingEndObserver> g_endObserver{nullptr};
std::atomic<int> g_neverSent{0};

void Ended(const Text& name, int result) {
    if (PingEndObserver observer = g_endObserver.load(std::memory_order_relaxed)) observer(name, result);
}

void Conclude(PingRequest* request, int result) {
    request->concluded = true;
    ThePools()->completions.Push(new Completion{std::move(request->done), request->name, result});
}

void Finish(PingRequest* request, int result) {
    Conclude(request, result);
    delete request;
}

// GetTickCount extended to 64 bits, one per echo thread. It only moves
// forward, which is all the deadlines of that thread need, even across the
// 49-day wrap of the tick count.
class Clock {
public:
    uint64_t Now() {
        DWORD tick = GetTickCount();
        total_ += static_cast<DWORD>(tick - last_);
        last_ = tick;
        return total_;
    }

private:
    uint64_t total_ = 0;
    DWORD last_ = GetTickCount();
};

void WINAPI OnEchoComplete(void* context, void*, ULONG) {
    auto* request = static_cast<PingRequest*>(context);
    if (!request->concluded) {
        request->waiting->erase(request->slot);
        const IcmpFunctions* icmp = Icmp();
        DWORD replies = icmp->parseReplies ? icmp->parseReplies(request->reply.bytes, kEchoReplySize)
                                           : reinterpret_cast<const ICMP_ECHO_REPLY*>(request->reply.bytes)->Reserved;
        int result = RoundTripOf(request->reply, replies);
        if (result >= 0) *request->answered = true;
        Conclude(request, result);
    }
    delete request;
}

class EchoThread {
public:
    explicit EchoThread(HandOverQueue<PingRequest*>& queue) : queue_(queue) {}

    void Run() {
        for (;;) {
            // A share at a time, so every echo thread gets some to issue.
            size_t taken = queue_.Take(&held_, kTakeMost);
            if (taken >= kStreamTake) {
                DWORD now = GetTickCount();
                if (now - lastStream_ >= kQuietMs) answeredInStream_ = false;  // a new stream
                lastStream_ = now;
            }
            bool more = IssueReleased();
            // Completions already queued are not given up below.
            while (SleepEx(0, TRUE) == WAIT_IO_COMPLETION) {
            }
            GiveUpExpired();
            if (more || taken == kTakeMost) continue;
            if (taken > 0)
                // More are likely on the way: collect them at a pace rather
                // than be woken for each one.
                SleepEx(kPaceMs, TRUE);
            else
                queue_.Await(NextWakeMs());
        }
    }

private:
    static DWORD HoldLimit(const PingRequest* request) { return request->timeoutMs / 2; }

    bool Releasable(DWORD now) const {
        return !held_.empty() && (!answeredInStream_ || now - lastStream_ >= kQuietMs ||
                                  now - held_.front()->addressKnownAt >= HoldLimit(held_.front()));
    }

    // Issues what is released for at most kPaceMs, so expiries and
    // completions are not kept waiting when echoes are slow to go out;
    // whether any released one is left.
    bool IssueReleased() {
        DWORD start = GetTickCount();
        for (DWORD now = start; Releasable(now); now = GetTickCount()) {
            if (now - start >= kPaceMs) return true;
            PingRequest* request = held_.front();
            held_.pop_front();
            Issue(request);
        }
        return false;
    }

    // Until the next expiry or the release of what is held, whichever comes first.
    DWORD NextWakeMs() {
        DWORD wait = WaitUntilNextExpiry();
        if (held_.empty()) return wait;
        DWORD now = GetTickCount();
        DWORD sinceStream = now - lastStream_, sinceFront = now - held_.front()->addressKnownAt;
        DWORD untilQuiet = sinceStream < kQuietMs ? kQuietMs - sinceStream : 0;
        DWORD limit = HoldLimit(held_.front());
        DWORD untilCap = sinceFront < limit ? limit - sinceFront : 0;
        DWORD release = untilQuiet < untilCap ? untilQuiet : untilCap;
        return release < wait ? release : wait;
    }

    DWORD WaitUntilNextExpiry() {
        if (waiting_.empty()) return INFINITE;
        uint64_t now = clock_.Now(), next = waiting_.begin()->first;
        return next <= now ? 0 : static_cast<DWORD>(next - now);
    }

    bool OpenHandle() {
        if (handle_ == INVALID_HANDLE_VALUE) handle_ = icmp_->createFile();
        return handle_ != INVALID_HANDLE_VALUE;
    }

    void Issue(PingRequest* request) {
        if (!icmp_ || !OpenHandle()) return Finish(request, -1);
        DWORD waited = GetTickCount() - request->addressKnownAt;
        if (waited > request->timeoutMs) {
            g_neverSent.fetch_add(1, std::memory_order_relaxed);
            return Finish(request, -1);
        }
        DWORD left = request->timeoutMs - waited;
        char noData = 0;
        if (!icmp_->sendEcho2) {
            DWORD replies = icmp_->sendEcho(handle_, request->address, &noData, 0, nullptr, request->reply.bytes,
                                            kEchoReplySize, left);
            return Finish(request, RoundTripOf(request->reply, replies));
        }
        request->waiting = &waiting_;
        request->answered = &answeredInStream_;
        request->slot = waiting_.emplace(clock_.Now() + left + kGraceMs, request);
        SetLastError(ERROR_SUCCESS);
        DWORD replies = icmp_->sendEcho2(handle_, nullptr, OnEchoComplete, request, request->address, &noData, 0,
                                         nullptr, request->reply.bytes, kEchoReplySize, left);
        if (replies != 0) {
            // Answered at once; a completion routine that may still come frees it.
            waiting_.erase(request->slot);
            int result = RoundTripOf(request->reply, replies);
            if (result >= 0) answeredInStream_ = true;
            Conclude(request, result);
        } else if (GetLastError() != ERROR_IO_PENDING) {
            waiting_.erase(request->slot);
            Finish(request, -1);
        }
    }

    void GiveUpExpired() {
        uint64_t now = clock_.Now();
        while (!waiting_.empty() && waiting_.begin()->first <= now) {
            PingRequest* request = waiting_.begin()->second;
            waiting_.erase(waiting_.begin());
            Conclude(request, -1);
        }
    }

    HandOverQueue<PingRequest*>& queue_;
    const IcmpFunctions* icmp_ = Icmp();
    HANDLE handle_ = INVALID_HANDLE_VALUE;
    Waiting waiting_;
    Clock clock_;
    // Taken from the queue, echo not yet issued.
    std::deque<PingRequest*> held_;
    DWORD lastStream_ = 0;  // GetTickCount of the last take of kStreamTake or more
    // An echo of this thread was answered since the current stream began.
    bool answeredInStream_ = false;
};

DWORD WINAPI EchoThreadMain(void* pools) {
    EchoThread(static_cast<Pools*>(pools)->echoes).Run();
    return 0;
}

void SendEcho(Pools* pools, PingRequest* request) {
    request->addressKnownAt = GetTickCount();
    pools->echoes.Push(request);
}

DWORD WINAPI LookupThreadMain(void* parameter) {
    auto* pools = static_cast<Pools*>(parameter);
    for (;;) {
        std::deque<PingRequest*> taken;
        if (pools->lookups.Take(&taken, 1) == 0) {
            pools->lookups.Await(INFINITE);
            continue;
        }
        PingRequest* request = taken.front();
        if (ResolveIPv4(request->name, &request->address))
            SendEcho(pools, request);
        else
            Finish(request, -1);
    }
}

DWORD WINAPI CompletionThreadMain(void* parameter) {
    auto& completions = static_cast<Pools*>(parameter)->completions;
    for (;;) {
        std::deque<Completion*> taken;
        if (completions.Take(&taken, 1) == 0) {
            completions.Await(INFINITE);
            continue;
        }
        Completion* completion = taken.front();
        completion->done(completion->result);
        Ended(completion->name, completion->result);
        delete completion;
    }
}

int StartThreads(LPTHREAD_START_ROUTINE routine, Pools* pools, int count) {
    int started = 0;
    for (int i = 0; i < count; ++i) {
        HANDLE thread =
            CreateThread(nullptr, kStackReservation, routine, pools, STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
        if (!thread) continue;
        CloseHandle(thread);
        ++started;
    }
    return started;
}

// Null when not even one thread of each pool could be started.
Pools* ThePools() {
    static Pools* pools = [] {
        auto* p = new Pools;
        if (!p->lookups.valid() || !p->echoes.valid() || !p->completions.valid()) return static_cast<Pools*>(nullptr);
        if (StartThreads(CompletionThreadMain, p, kCompletionThreads) == 0) return static_cast<Pools*>(nullptr);
        if (StartThreads(EchoThreadMain, p, kEchoThreads) == 0) return static_cast<Pools*>(nullptr);
        if (StartThreads(LookupThreadMain, p, kLookupThreads) == 0) return static_cast<Pools*>(nullptr);
        return p;
    }();
    return pools;
}

}  // namespace

void SetPingEndObserver(PingEndObserver observer) { g_endObserver.store(observer); }

int PingsNeverSent() { return g_neverSent.load(std::memory_order_relaxed); }

void PingHostAsync(const Text& name, std::function<void(int)> done, int timeoutMs) {
    Pools* pools = ThePools();
    if (!pools || !StartSockets()) {
        // Without its threads the ping still runs, here, so no check is lost.
        int result = PingHost(name, timeoutMs);
        done(result);
        Ended(name, result);
        return;
    }
    auto* request = new PingRequest;
    request->name = name;
    request->done = std::move(done);
    request->timeoutMs = static_cast<DWORD>(timeoutMs < 0 ? 0 : timeoutMs);
    unsigned long dotted = inet_addr(name.c_str());
    if (dotted != INADDR_NONE) {
        request->address = dotted;
        SendEcho(pools, request);
    } else {
        pools->lookups.Push(request);
    }
}
