// Shared state of the in-memory platform. One mutex guards everything; it
// is never held while a test hook or a completion runs.
#pragma once
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>

#include "platform/fake/fake.h"

namespace fake {

struct PendingPing {
    Text name;
    std::function<void(int)> done;
    int result;
};

struct FakeShareList : ShareListControl {
    std::vector<Text> items;
    int selected = -1;
    void Clear() override;
    void InsertAt(int position, const Text& text) override;
    int Count() override;
    int Selected() override;
    Text ItemText(int position) override;
    void RemoveAt(int position) override;
};

struct State {
    std::mutex mutex;
    std::condition_variable idle;
    int activeThreads = 0;

    Text tempRoot;  // the folder Reset() made, removed at the next Reset()
    Text workFolder;
    Text programFolder;

    std::map<std::pair<int, Text>, RegValue> registry;  // path upper-cased
    std::vector<Text> regWrites;
    bool refuseRegWrites = false;
    std::map<Text, Text> environment;

    std::vector<StartedCommand> commands;
    std::function<CommandOutcome(const Text&)> commandOutcome;
    Text failCommandsContaining;

    std::vector<ShownMessage> messages;
    std::vector<AskedInput> inputs;
    std::deque<std::pair<bool, Text>> inputAnswers;
    std::deque<Text> folderAnswers;
    std::vector<Text> folderTitles;
    std::function<void(const ShownMessage&)> messageHook;

    ThreadMode threadMode = ThreadMode::Record;
    std::vector<StartedThread> threads;
    size_t threadsRun = 0;
    bool failThreads = false;

    uint32_t version = 0x0105;
    uint32_t tickCount = 1000;
    std::vector<Text> shellOpens;

    bool failProtection = false;

    std::vector<Workgroup> network;
    std::map<Text, TextList> shares;
    std::map<Text, int> pingAnswers;
    std::map<Text, Text> addresses;
    TextList pinged;
    bool deferPings = false;
    std::deque<PendingPing> pendingPings;
    std::function<void()> listWorkgroupsHook;

    std::vector<Item> items;
    int selected = -1;
    Text status, caption;
    std::vector<Text> statusHistory;
    bool hidden = false, destroyed = false, gone = false;

    MainWindowHandlers mainHandlers;
    ShareWindowHandlers shareHandlers;
    FakeShareList shareList;
    bool shareWindowOpen = false;
    int shareWindowRuns = 0;
};

State& S();

// Runs `work` on a counted real thread (Run mode), so WaitForThreads sees it.
void SpawnCounted(std::function<void()> work);

}  // namespace fake
