// Operations on MainWindow's controls. Each is one synchronous request that
// runs on the user-interface thread, whichever thread asks. After the window
// is gone every request does nothing and reads give empty results.
#pragma once
#include "platform/text.h"

enum ComputerImage { kImageAnswered = 0, kImageUnanswered = 1 };

void ListClear();
// Appends at the end; returns the new item's 0-based position (-1 if gone).
int ListAppend(const Text& text, int image);
int ListCount();
// Empty for -1 or a position that does not exist.
Text ListItemText(int position);
void ListSetText(int position, const Text& text);
void ListSetImage(int position, int image);
// Sets the image only if the item still shows `expected`; one request, so no
// other thread can change the item in between.
bool ListSetImageIfText(int position, const Text& expected, int image);
// First selected item from the start, or -1.
int ListSelected();
// Appends are shown in batches; this makes everything appended so far visible.
void ListShowPending();

void StatusSetText(const Text& text);
void CaptionSet(const Text& text);
void MainWindowHide();
// Posts the destroy request; the window goes after the current handler.
void MainWindowDestroy();
