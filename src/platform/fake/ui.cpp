// The windows of the fake: RunMainWindow only runs the created event; the
// share window stays "open" for the test to drive.
#include "platform/fake/state.h"
#include "platform/ui.h"

int RunMainWindow(const MainWindowHandlers& handlers) {
    {
        std::lock_guard<std::mutex> lock(fake::S().mutex);
        fake::S().mainHandlers = handlers;
    }
    if (handlers.onCreated) handlers.onCreated();
    if (handlers.onEnd) handlers.onEnd();
    return 0;
}

void RunShareWindow(const ShareWindowHandlers& handlers) {
    fake::State& s = fake::S();
    s.shareHandlers = handlers;
    s.shareList = fake::FakeShareList();
    ++s.shareWindowRuns;
    s.shareWindowOpen = handlers.onCreated ? handlers.onCreated(s.shareList) : true;
}

namespace fake {

void FakeShareList::Clear() {
    items.clear();
    selected = -1;
}

void FakeShareList::InsertAt(int position, const Text& text) {
    if (position < 0 || size_t(position) > items.size()) position = int(items.size());
    items.insert(items.begin() + position, text);
    if (selected >= position) ++selected;
}

int FakeShareList::Count() { return int(items.size()); }

int FakeShareList::Selected() { return selected; }

Text FakeShareList::ItemText(int position) {
    if (position < 0 || size_t(position) >= items.size()) return Text();
    return items[size_t(position)];
}

void FakeShareList::RemoveAt(int position) {
    if (position < 0 || size_t(position) >= items.size()) return;
    items.erase(items.begin() + position);
    if (selected == position) selected = -1;
    else if (selected > position) --selected;
}

const MainWindowHandlers& MainHandlers() { return S().mainHandlers; }

bool ShareWindowOpen() { return S().shareWindowOpen; }
int ShareWindowRuns() { return S().shareWindowRuns; }
std::vector<Text> ShareListItems() { return S().shareList.items; }
void SelectShare(int position) { S().shareList.selected = position; }

void PressRefresh() {
    if (S().shareWindowOpen && S().shareHandlers.onRefresh) S().shareHandlers.onRefresh(S().shareList);
}

void PressDelete() {
    if (S().shareWindowOpen && S().shareHandlers.onDelete) S().shareHandlers.onDelete(S().shareList);
}

void CloseShareWindow() { S().shareWindowOpen = false; }

}  // namespace fake
