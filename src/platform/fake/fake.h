// Knobs of the in-memory platform used by the native tests. Only tests
// include this header.
#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/commands.h"
#include "platform/registry.h"
#include "platform/text.h"
#include "platform/threads.h"
#include "platform/ui.h"

namespace fake {

// Forgets everything and makes a fresh, empty temporary folder on disk.
void Reset();

// ---- files: WorkFolder() is a real folder under /tmp, ending in '/'.
Text TempFolder();
void SetWorkFolder(const Text& folder);  // e.g. "" to mimic "Windows gives none"
void SetProgramFolder(const Text& folder);

// ---- registry
enum class RegType { Sz, ExpandSz, Dword, Binary };
struct RegValue {
    RegType type = RegType::Sz;
    std::string data;  // text bytes (Sz, ExpandSz, Binary)
    uint32_t dword = 0;
};
void SetRegValue(RegRoot root, const Text& path, const RegValue& value);
void SetRegText(RegRoot root, const Text& path, const Text& value);
std::optional<RegValue> GetRegValue(RegRoot root, const Text& path);
// Every write (text or DWORD) in order, as "path=value".
std::vector<Text> RegWrites();
// Writes fail from now on (no administrator rights).
void RefuseRegistryWrites(bool refuse);
// Expansion used for REG_EXPAND_SZ: %NAME% replaced by these.
void SetEnvironment(const Text& name, const Text& value);

// ---- commands
struct StartedCommand {
    Text commandLine;
    Show show = Show::Hidden;
    Text workFolder;
    bool waited = false;  // started through RunCommandAndWait
};
std::vector<StartedCommand> Commands();
// Answers RunCommandAndWait; the default finishes with exit code 0.
void SetCommandOutcome(std::function<CommandOutcome(const Text& commandLine)> outcome);
// RunCommand reports failure to start for lines containing this (empty: none).
void FailCommandsContaining(const Text& part);

// ---- dialogs
struct ShownMessage {
    Text text;
    int icon = 0;
    Text title;
};
std::vector<ShownMessage> Messages();
struct AskedInput {
    Text prompt, title, initial;
    int mode = 0;
};
std::vector<AskedInput> Inputs();
// Answers for the next input boxes, in order; with none queued, cancel.
void QueueInput(bool confirm, const Text& text = Text());
// Answers for the next folder browsers; with none queued, "" (cancel).
void QueueFolder(const Text& path);
std::vector<Text> FolderTitles();
// Called as each message box is shown (before it returns), e.g. to change
// the list behind it.
void OnMessage(std::function<void(const ShownMessage&)> hook);

// ---- threads
struct StartedThread {
    ThreadRoutine routine;
    int argument;
};
enum class ThreadMode { Record, Run };
// Record (default): StartThread only records; RunRecordedThreads runs them
// in order on the calling thread. Run: a real thread per call.
void SetThreadMode(ThreadMode mode);
std::vector<StartedThread> Threads();
// Runs every recorded, not yet run thread (and those they record) in order.
void RunRecordedThreads();
// Run mode: waits until every started thread and every ping completion ended.
void WaitForThreads();
void FailThreadCreation(bool fail);

// ---- system
void SetWindowsVersion(uint32_t getVersionResult);  // default 5.1 (XP)
void SetVersion(int major, int minor);
void SetTickCount(uint32_t ticks);
std::vector<Text> ShellOpens();

// ---- data protection: protected bytes are "FAKEDPAPI:" + the plain bytes
// reversed, so they never contain the plain text.
void FailProtection(bool fail);

// ---- network
struct Workgroup {
    Text name;
    TextList computers;
};
void SetNetwork(const std::vector<Workgroup>& workgroups);
void SetShares(const Text& computer, const TextList& remoteNames);
// A name that answers a ping after `ms`; names not set do not answer.
void SetPingAnswer(const Text& name, int ms);
void SetAddress(const Text& name, const Text& dottedAddress);
// Names pinged so far (sync and async), in order.
TextList Pinged();
// Deferred: async pings wait until CompletePendingPings() (on the caller's
// thread). Otherwise they complete at once: on the calling thread in Record
// mode, on a new thread in Run mode.
void DeferPings(bool defer);
void CompletePendingPings();
size_t PendingPings();
// Called when ListWorkgroups is asked (e.g. to change the list meanwhile).
void OnListWorkgroups(std::function<void()> hook);

// ---- MainView: thread-safe in-memory ComputerList, StatusLabel, caption.
struct Item {
    Text text;
    int image = 1;
};
std::vector<Item> Items();
void SetItems(const std::vector<Item>& items);
void Select(int position);  // -1: nothing selected
Text Status();
// Every text StatusSetText set since Reset(), in order.
std::vector<Text> StatusHistory();
Text Caption();
bool MainHidden();
bool MainDestroyed();
// After the window is gone every request does nothing.
void SetMainWindowGone(bool gone);

// ---- RunMainWindow: calls onCreated, then returns 0; the handlers stay
// reachable through these.
const MainWindowHandlers& MainHandlers();

// ---- RunShareWindow: calls onCreated; when it keeps the window open the
// window stays "open" for the test to drive until CloseShareWindow().
bool ShareWindowOpen();
int ShareWindowRuns();
std::vector<Text> ShareListItems();
void SelectShare(int position);
void PressRefresh();
void PressDelete();
void CloseShareWindow();

}  // namespace fake
