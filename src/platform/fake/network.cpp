#include <cctype>

#include "platform/fake/state.h"
#include "platform/network.h"

namespace {

bool IsDottedAddress(const Text& name) {
    int dots = 0, digits = 0;
    for (char c : name) {
        if (c == '.') {
            if (digits == 0) return false;
            ++dots;
            digits = 0;
        } else if (std::isdigit((unsigned char)c) && ++digits <= 3) {
        } else {
            return false;
        }
    }
    return dots == 3 && digits > 0;
}

int AnswerFor(const Text& name) {
    std::lock_guard<std::mutex> lock(fake::S().mutex);
    fake::S().pinged.push_back(name);
    auto found = fake::S().pingAnswers.find(name);
    return found == fake::S().pingAnswers.end() ? -1 : found->second;
}

}  // namespace

TextList ListWorkgroups() {
    std::function<void()> hook;
    {
        std::lock_guard<std::mutex> lock(fake::S().mutex);
        hook = fake::S().listWorkgroupsHook;
    }
    if (hook) hook();
    std::lock_guard<std::mutex> lock(fake::S().mutex);
    TextList names;
    for (const auto& w : fake::S().network) names.push_back(w.name);
    return names;
}

TextList ListComputers(const Text& workgroup) {
    std::lock_guard<std::mutex> lock(fake::S().mutex);
    for (const auto& w : fake::S().network)
        if (w.name == workgroup) return w.computers;
    return TextList();
}

TextList ListShares(const Text& computer) {
    std::lock_guard<std::mutex> lock(fake::S().mutex);
    auto found = fake::S().shares.find(computer);
    return found == fake::S().shares.end() ? TextList() : found->second;
}

int PingHost(const Text& name, int) { return AnswerFor(name); }

void PingHostAsync(const Text& name, std::function<void(int)> done, int) {
    int result = AnswerFor(name);
    fake::ThreadMode mode;
    {
        std::lock_guard<std::mutex> lock(fake::S().mutex);
        if (fake::S().deferPings) {
            fake::S().pendingPings.push_back({name, std::move(done), result});
            return;
        }
        mode = fake::S().threadMode;
    }
    if (mode == fake::ThreadMode::Run) {
        fake::SpawnCounted([done = std::move(done), result] { done(result); });
    } else {
        done(result);
    }
}

Text HostAddress(const Text& name) {
    if (IsDottedAddress(name)) return name;
    std::lock_guard<std::mutex> lock(fake::S().mutex);
    auto found = fake::S().addresses.find(name);
    return found == fake::S().addresses.end() ? Text() : found->second;
}

namespace fake {

void SetNetwork(const std::vector<Workgroup>& workgroups) {
    std::lock_guard<std::mutex> lock(S().mutex);
    S().network = workgroups;
}

void SetShares(const Text& computer, const TextList& remoteNames) {
    std::lock_guard<std::mutex> lock(S().mutex);
    S().shares[computer] = remoteNames;
}

void SetPingAnswer(const Text& name, int ms) {
    std::lock_guard<std::mutex> lock(S().mutex);
    S().pingAnswers[name] = ms;
}

void SetAddress(const Text& name, const Text& dottedAddress) {
    std::lock_guard<std::mutex> lock(S().mutex);
    S().addresses[name] = dottedAddress;
}

TextList Pinged() {
    std::lock_guard<std::mutex> lock(S().mutex);
    return S().pinged;
}

void DeferPings(bool defer) {
    std::lock_guard<std::mutex> lock(S().mutex);
    S().deferPings = defer;
}

void CompletePendingPings() {
    for (;;) {
        PendingPing next;
        {
            std::lock_guard<std::mutex> lock(S().mutex);
            if (S().pendingPings.empty()) return;
            next = std::move(S().pendingPings.front());
            S().pendingPings.pop_front();
        }
        next.done(next.result);
    }
}

size_t PendingPings() {
    std::lock_guard<std::mutex> lock(S().mutex);
    return S().pendingPings.size();
}

void OnListWorkgroups(std::function<void()> hook) {
    std::lock_guard<std::mutex> lock(S().mutex);
    S().listWorkgroupsHook = std::move(hook);
}

}  // namespace fake
