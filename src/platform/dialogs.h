// Modal dialogs. All texts are GBK.
#pragma once
#include "platform/text.h"

enum Icon { kIconError = 16, kIconWarning = 48, kIconInfo = 64 };
inline const char kDefaultTitle[] = "信息：";

// No owner, task-modal, one OK button.
void ShowMessage(const Text& text, int icon, const Text& title = kDefaultTitle);

enum InputMode { kInputPlain = 1, kInputPassword = 4 };
// Replaces `text` only when the user confirms; returns whether they did.
bool InputBox(const Text& prompt, const Text& title, Text& text, int mode);

// Shell folder browser (BIF_EDITBOX); the chosen file-system path, or empty
// on cancel or for a virtual folder. Drive roots come back as "C:\".
Text BrowseForFolder(const Text& title);
