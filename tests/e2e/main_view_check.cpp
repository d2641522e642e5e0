// Drives MainView against the real MainWindow: requests from a background
// thread, the batched appends (their cost is printed), and the end with
// threads still sending requests. Prints each failed check and exits with 1
// if there was one; the end itself must not hang (the script times it).
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <string>

#include "platform/main_view.h"
#include "platform/threads.h"
#include "platform/ui.h"

namespace {

std::atomic<int> g_failures{0};
std::atomic<bool> g_gone{false};

void Check(bool ok, const char* what) {
    if (ok) return;
    ++g_failures;
    std::printf("FAIL: %s\n", what);
    std::fflush(stdout);
}

// Keeps asking while the window goes away; none of this may crash or block.
void Hammer(int) {
    for (;;) {
        int at = ListAppend("late", kImageUnanswered);
        if (g_gone && at != -1) Check(false, "an append after the end was carried out");
        ListItemText(0);
        ListSetImageIfText(0, "late", kImageAnswered);
        StatusSetText("x");
    }
}

void Worker(int) {
    Check(ListAppend("A", kImageUnanswered) == 0, "first append at 0");
    Check(ListAppend("B", kImageUnanswered) == 1, "second append at 1");
    Check(ListCount() == 2, "count 2");
    Check(ListItemText(0) == "A" && ListItemText(1) == "B", "item texts");
    Check(ListItemText(-1).empty() && ListItemText(2).empty(), "texts of missing positions are empty");
    std::string longText;
    for (int i = 0; i < 300; ++i) longText += "计算机";
    ListSetText(1, longText);
    Check(ListItemText(1) == longText, "a 900-byte text reads back whole");
    ListSetText(7, "nowhere");
    Check(ListCount() == 2, "setting a missing position adds nothing");
    Check(ListSetImageIfText(0, "A", kImageAnswered), "image set when the text matches");
    Check(!ListSetImageIfText(0, "B", kImageAnswered), "image not set when the text differs");
    Check(!ListSetImageIfText(5, "A", kImageAnswered), "image not set for a missing position");
    Check(ListSelected() == -1, "nothing selected");
    ListClear();
    Check(ListCount() == 0, "clear empties the list");

    const int n = 10240;
    DWORD start = GetTickCount();
    bool inOrder = true;
    for (int i = 0; i < n; ++i) inOrder = inOrder && ListAppend("PC-" + std::to_string(i), kImageUnanswered) == i;
    ListShowPending();
    DWORD took = GetTickCount() - start;
    Check(inOrder && ListCount() == n, "10240 appends in order");
    Check(ListItemText(n - 1) == "PC-10239", "last appended text");
    std::printf("appended %d items from a background thread in %lu ms (%.0f us per item)\n", n,
                static_cast<unsigned long>(took), took * 1000.0 / n);
    std::fflush(stdout);

    for (int i = 0; i < 4; ++i) StartThread(Hammer, 0);
    Sleep(200);
    MainWindowDestroy();
}

}  // namespace

int main() {
    Check(ListAppend("early", kImageUnanswered) == -1, "append before the window exists");
    Check(ListCount() == 0 && ListItemText(0).empty(), "reads before the window exist are empty");
    MainWindowHandlers h;
    h.onCreated = [] { StartThread(Worker, 0); };
    int code = RunMainWindow(h);
    g_gone = true;
    Check(code == 0, "RunMainWindow returns 0");
    Check(ListAppend("after", kImageUnanswered) == -1 && ListCount() == 0, "requests after the end do nothing");
    std::printf("%s\n", g_failures ? "failed" : "ok");
    std::fflush(stdout);
    return g_failures ? 1 : 0;
}
