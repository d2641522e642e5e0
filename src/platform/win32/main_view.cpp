// MainView: every operation is one request carried out on the user-interface
// thread. Another thread sends it to MainWindow and waits; the UI thread runs
// it directly.
//
// A plain SendMessage, with no time-out: the request lives on the sender's
// stack, so a sender that gave up could leave the UI thread holding a dead
// pointer. It cannot hang at the end either: once MainWindow is destroyed its
// handle is invalid and SendMessage returns at once, and the "gone" flag stops
// new requests before that.
//
// Reads of item texts and of the count need no request: they come from the
// copy the requests keep (main_view_texts.h).
#include <atomic>
#include <functional>
#include <string>

#include "platform/main_view.h"
#include "platform/win32/main_view_texts.h"
#include "platform/win32/main_window_state.h"
#include "platform/win32/text_convert.h"

namespace {

using Request = std::function<void(MainWindowState&)>;

std::atomic<HWND> g_window{nullptr};
std::atomic<DWORD> g_uiThread{0};
MainWindowState* g_state = nullptr;  // UI thread only

// Never destroyed: other threads may still read while the process ends.
ItemTexts& Texts() {
    static ItemTexts* texts = new ItemTexts;
    return *texts;
}

void Perform(const Request& request) {
    HWND w = g_window.load();
    if (!w) return;
    if (GetCurrentThreadId() == g_uiThread.load()) {
        if (g_state && !g_state->gone) request(*g_state);
        return;
    }
    SendMessageW(w, kViewRequest, 0, reinterpret_cast<LPARAM>(&request));
}

bool Exists(const MainWindowState& s, int position) {
    return position >= 0 && position < ListView_GetItemCount(s.list);
}

void SetImage(MainWindowState& s, int position, int image) {
    if (!Exists(s, position)) return;
    LVITEMW item = {};
    item.mask = LVIF_IMAGE;
    item.iItem = position;
    item.iImage = image;
    SendMessageW(s.list, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

}  // namespace

void MainViewAttach(MainWindowState* s) {
    Texts().Clear();
    g_state = s;
    g_uiThread.store(GetCurrentThreadId());
    g_window.store(s->window);
}

void MainViewDetach() {
    g_window.store(nullptr);
    Texts().Clear();
}

void RunViewRequest(MainWindowState& s, LPARAM request) { (*reinterpret_cast<const Request*>(request))(s); }

void SuspendListRedraw(MainWindowState& s) {
    DWORD now = GetTickCount();
    // A steady stream of requests can starve WM_TIMER, so the pace is also
    // kept here.
    if (s.redrawSuspended && now - s.suspendedAt >= kRepaintIntervalMs) ShowPendingAppends(s);
    if (s.redrawSuspended) return;
    SendMessageW(s.list, WM_SETREDRAW, FALSE, 0);
    s.redrawSuspended = true;
    s.suspendedAt = now;
    SetTimer(s.window, kRepaintTimer, kRepaintIntervalMs, nullptr);
}

void ShowPendingAppends(MainWindowState& s) {
    if (!s.redrawSuspended) return;
    s.redrawSuspended = false;
    KillTimer(s.window, kRepaintTimer);
    SendMessageW(s.list, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(s.list, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void ListClear() {
    Perform([](MainWindowState& s) {
        ListView_DeleteAllItems(s.list);
        Texts().Clear();
    });
}

int ListAppend(const Text& text, int image) {
    int position = -1;
    std::wstring wide = Wide(text);
    Text shown = NarrowZ(wide.c_str());  // what the list gives back
    Perform([&](MainWindowState& s) {
        // Repainting per item costs about 15 ms each on a visible icon view.
        SuspendListRedraw(s);
        LVITEMW item = {};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = ListView_GetItemCount(s.list);
        item.pszText = &wide[0];
        item.iImage = image;
        position = static_cast<int>(SendMessageW(s.list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
        if (position >= 0) Texts().Insert(position, std::move(shown));
    });
    return position;
}

int ListCount() { return g_window.load() ? Texts().Count() : 0; }

Text ListItemText(int position) { return g_window.load() ? Texts().At(position) : Text(); }

void ListSetText(int position, const Text& text) {
    std::wstring wide = Wide(text);
    Text shown = NarrowZ(wide.c_str());
    Perform([&](MainWindowState& s) {
        if (!Exists(s, position)) return;
        LVITEMW item = {};
        item.iSubItem = 0;
        item.pszText = &wide[0];
        if (SendMessageW(s.list, LVM_SETITEMTEXTW, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(&item)))
            Texts().Set(position, std::move(shown));
    });
}

void ListSetImage(int position, int image) {
    Perform([&](MainWindowState& s) { SetImage(s, position, image); });
}

bool ListSetImageIfText(int position, const Text& expected, int image) {
    bool set = false;
    Perform([&](MainWindowState& s) {
        if (!Exists(s, position) || Texts().At(position) != expected) return;
        SetImage(s, position, image);
        set = true;
    });
    return set;
}

int ListSelected() {
    int selected = -1;
    Perform([&](MainWindowState& s) { selected = ListView_GetNextItem(s.list, -1, LVNI_SELECTED); });
    return selected;
}

void ListShowPending() {
    Perform([](MainWindowState& s) { ShowPendingAppends(s); });
}

void StatusSetText(const Text& text) {
    std::wstring wide = Wide(text);
    Perform([&](MainWindowState& s) {
        SetWindowTextW(s.label, wide.c_str());
        UpdateWindow(s.label);
    });
}

void CaptionSet(const Text& text) {
    std::wstring wide = Wide(text);
    Perform([&](MainWindowState& s) { SetWindowTextW(s.window, wide.c_str()); });
}

void MainWindowHide() {
    Perform([](MainWindowState& s) { ShowWindow(s.window, SW_HIDE); });
}

void MainWindowDestroy() {
    HWND w = g_window.load();
    if (w) PostMessageW(w, kDestroyRequest, 0, 0);
}
