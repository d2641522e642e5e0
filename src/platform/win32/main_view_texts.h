// ComputerList's item texts as the user-interface thread last set them, so
// other threads read a text or the count without a round trip to that
// thread: under Wine a cross-thread request costs about as much as an
// insertion, and every check and the scan cache read texts. Only the UI
// thread changes it, inside the requests that change the list, so a read
// sees every request that has returned.
#pragma once
#include <windows.h>

#include <vector>

#include "platform/text.h"

class ItemTexts {
public:
    ItemTexts() { InitializeCriticalSection(&lock_); }
    ItemTexts(const ItemTexts&) = delete;
    ItemTexts& operator=(const ItemTexts&) = delete;
    // Lives as long as the process: threads may still read at its end.
    ~ItemTexts() = default;

    void Clear() {
        Locked lock(lock_);
        texts_.clear();
    }
    void Insert(int position, Text text) {
        Locked lock(lock_);
        if (position >= 0 && static_cast<size_t>(position) <= texts_.size())
            texts_.insert(texts_.begin() + position, std::move(text));
    }
    void Set(int position, Text text) {
        Locked lock(lock_);
        if (Has(position)) texts_[static_cast<size_t>(position)] = std::move(text);
    }
    int Count() {
        Locked lock(lock_);
        return static_cast<int>(texts_.size());
    }
    // Empty for a position that does not exist.
    Text At(int position) {
        Locked lock(lock_);
        return Has(position) ? texts_[static_cast<size_t>(position)] : Text();
    }

private:
    struct Locked {
        explicit Locked(CRITICAL_SECTION& c) : c_(c) { EnterCriticalSection(&c_); }
        ~Locked() { LeaveCriticalSection(&c_); }
        CRITICAL_SECTION& c_;
    };
    bool Has(int position) const { return position >= 0 && static_cast<size_t>(position) < texts_.size(); }

    CRITICAL_SECTION lock_;
    std::vector<Text> texts_;
};
