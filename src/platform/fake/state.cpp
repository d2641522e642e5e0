#include "platform/fake/state.h"

#include <cstdlib>
#include <filesystem>
#include <thread>

namespace fake {

namespace {

void RemoveTempRoot(State& s) {
    if (s.tempRoot.empty()) return;
    std::error_code ignored;
    std::filesystem::remove_all(s.tempRoot, ignored);
    s.tempRoot.clear();
}

// Removes the last test's folder when the test program ends.
struct Cleanup {
    ~Cleanup() { RemoveTempRoot(S()); }
};

}  // namespace

State& S() {
    static State state;
    static Cleanup cleanup;
    return state;
}

void SpawnCounted(std::function<void()> work) {
    {
        std::lock_guard<std::mutex> lock(S().mutex);
        ++S().activeThreads;
    }
    std::thread([work = std::move(work)] {
        work();
        std::lock_guard<std::mutex> lock(S().mutex);
        if (--S().activeThreads == 0) S().idle.notify_all();
    }).detach();
}

void WaitForThreads() {
    std::unique_lock<std::mutex> lock(S().mutex);
    S().idle.wait(lock, [] { return S().activeThreads == 0; });
}

void Reset() {
    WaitForThreads();
    State& s = S();
    std::lock_guard<std::mutex> lock(s.mutex);
    RemoveTempRoot(s);
    char pattern[] = "/tmp/qy-fake-XXXXXX";
    const char* made = mkdtemp(pattern);
    s.tempRoot = made ? made : "/tmp";
    s.workFolder = s.tempRoot + "/";
    s.programFolder = s.workFolder;

    s.registry.clear();
    s.regWrites.clear();
    s.refuseRegWrites = false;
    s.environment = {{"SYSTEMROOT", "C:\\windows"}, {"WINDIR", "C:\\windows"}};
    s.commands.clear();
    s.commandOutcome = nullptr;
    s.failCommandsContaining.clear();
    s.messages.clear();
    s.inputs.clear();
    s.inputAnswers.clear();
    s.folderAnswers.clear();
    s.folderTitles.clear();
    s.messageHook = nullptr;
    s.threadMode = ThreadMode::Record;
    s.threads.clear();
    s.threadsRun = 0;
    s.failThreads = false;
    s.version = 0x0105;
    s.tickCount = 1000;
    s.shellOpens.clear();
    s.failProtection = false;
    s.network.clear();
    s.shares.clear();
    s.pingAnswers.clear();
    s.addresses.clear();
    s.pinged.clear();
    s.deferPings = false;
    s.pendingPings.clear();
    s.listWorkgroupsHook = nullptr;
    s.items.clear();
    s.selected = -1;
    s.status.clear();
    s.statusHistory.clear();
    s.caption.clear();
    s.hidden = s.destroyed = s.gone = false;
    s.mainHandlers = MainWindowHandlers();
    s.shareHandlers = ShareWindowHandlers();
    s.shareList = FakeShareList();
    s.shareWindowOpen = false;
    s.shareWindowRuns = 0;
}

Text TempFolder() {
    std::lock_guard<std::mutex> lock(S().mutex);
    return S().workFolder;
}

void SetWorkFolder(const Text& folder) {
    std::lock_guard<std::mutex> lock(S().mutex);
    S().workFolder = folder;
}

void SetProgramFolder(const Text& folder) {
    std::lock_guard<std::mutex> lock(S().mutex);
    S().programFolder = folder;
}

}  // namespace fake
