// A thread-safe in-memory ComputerList, StatusLabel and caption.
#include "platform/fake/state.h"
#include "platform/main_view.h"

namespace {

using Lock = std::lock_guard<std::mutex>;

bool Exists(int position) { return position >= 0 && size_t(position) < fake::S().items.size(); }

}  // namespace

void ListClear() {
    Lock lock(fake::S().mutex);
    if (fake::S().gone) return;
    fake::S().items.clear();
    fake::S().selected = -1;
}

int ListAppend(const Text& text, int image) {
    Lock lock(fake::S().mutex);
    if (fake::S().gone) return -1;
    fake::S().items.push_back({text, image});
    return int(fake::S().items.size()) - 1;
}

int ListCount() {
    Lock lock(fake::S().mutex);
    return fake::S().gone ? 0 : int(fake::S().items.size());
}

Text ListItemText(int position) {
    Lock lock(fake::S().mutex);
    if (fake::S().gone || !Exists(position)) return Text();
    return fake::S().items[size_t(position)].text;
}

void ListSetText(int position, const Text& text) {
    Lock lock(fake::S().mutex);
    if (!fake::S().gone && Exists(position)) fake::S().items[size_t(position)].text = text;
}

void ListSetImage(int position, int image) {
    Lock lock(fake::S().mutex);
    if (!fake::S().gone && Exists(position)) fake::S().items[size_t(position)].image = image;
}

bool ListSetImageIfText(int position, const Text& expected, int image) {
    Lock lock(fake::S().mutex);
    if (fake::S().gone || !Exists(position)) return false;
    fake::Item& item = fake::S().items[size_t(position)];
    if (item.text != expected) return false;
    item.image = image;
    return true;
}

int ListSelected() {
    Lock lock(fake::S().mutex);
    if (fake::S().gone || !Exists(fake::S().selected)) return -1;
    return fake::S().selected;
}

void ListShowPending() {}

void StatusSetText(const Text& text) {
    Lock lock(fake::S().mutex);
    if (fake::S().gone) return;
    fake::S().status = text;
    fake::S().statusHistory.push_back(text);
}

void CaptionSet(const Text& text) {
    Lock lock(fake::S().mutex);
    if (!fake::S().gone) fake::S().caption = text;
}

void MainWindowHide() {
    Lock lock(fake::S().mutex);
    if (!fake::S().gone) fake::S().hidden = true;
}

void MainWindowDestroy() {
    Lock lock(fake::S().mutex);
    if (!fake::S().gone) fake::S().destroyed = true;
}

namespace fake {

std::vector<Item> Items() {
    Lock lock(S().mutex);
    return S().items;
}

void SetItems(const std::vector<Item>& items) {
    Lock lock(S().mutex);
    S().items = items;
    S().selected = -1;
}

void Select(int position) {
    Lock lock(S().mutex);
    S().selected = position;
}

Text Status() {
    Lock lock(S().mutex);
    return S().status;
}

std::vector<Text> StatusHistory() {
    Lock lock(S().mutex);
    return S().statusHistory;
}

Text Caption() {
    Lock lock(S().mutex);
    return S().caption;
}

bool MainHidden() {
    Lock lock(S().mutex);
    return S().hidden;
}

bool MainDestroyed() {
    Lock lock(S().mutex);
    return S().destroyed;
}

void SetMainWindowGone(bool gone) {
    Lock lock(S().mutex);
    S().gone = gone;
}

}  // namespace fake
