// Reading the program's message boxes in tests under Wine.
#pragma once
#include <windows.h>

#include <atomic>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

#include "platform/text.h"
#include "platform/win32/text_convert.h"

// Without an X display Wine shows no message box: ShowMessage returns at
// once and only the native tests see the texts.
inline bool MessagesAppear() {
    wchar_t display[256];
    DWORD n = GetEnvironmentVariableW(L"DISPLAY", display, 256);
    return n > 0 && n < 256;
}

struct CaughtMessage {
    Text title, text;
    int icon = 0;  // 16, 48, 64 or 0 when none of them
};

// Watches for message boxes of this process, records them and presses OK.
class MessageCatcher {
public:
    MessageCatcher() : thread_([this] { Watch(); }) {}
    ~MessageCatcher() {
        stop_ = true;
        thread_.join();
    }
    // Waits up to `timeoutMs` for `count` messages.
    std::vector<CaughtMessage> Wait(size_t count, DWORD timeoutMs = 10000) {
        DWORD start = GetTickCount();
        for (;;) {
            {
                std::lock_guard<std::mutex> lock(mutex_);
                if (caught_.size() >= count || GetTickCount() - start > timeoutMs) return caught_;
            }
            Sleep(20);
        }
    }

private:
    static BOOL CALLBACK CollectText(HWND child, LPARAM out) {
        wchar_t kind[32] = {};
        GetClassNameW(child, kind, 32);
        auto* m = reinterpret_cast<CaughtMessage*>(out);
        if (lstrcmpiW(kind, L"Static") != 0) return TRUE;
        HICON icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
        const std::pair<LPCWSTR, int> icons[] = {{IDI_ERROR, 16}, {IDI_WARNING, 48}, {IDI_INFORMATION, 64}};
        for (const auto& i : icons)
            if (icon && icon == LoadIconW(nullptr, i.first)) m->icon = i.second;
        wchar_t text[4096] = {};
        int n = GetWindowTextW(child, text, 4096);
        if (n > 0) m->text += Narrow(text, size_t(n));
        return TRUE;
    }
    static BOOL CALLBACK Find(HWND w, LPARAM self) {
        auto* me = reinterpret_cast<MessageCatcher*>(self);
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        wchar_t kind[32] = {};
        GetClassNameW(w, kind, 32);
        if (pid != GetCurrentProcessId() || lstrcmpW(kind, L"#32770") != 0 || !IsWindowVisible(w) ||
            me->seen_.count(w))
            return TRUE;
        me->seen_.insert(w);
        CaughtMessage m;
        wchar_t title[512] = {};
        m.title = Narrow(title, size_t(GetWindowTextW(w, title, 512)));
        EnumChildWindows(w, CollectText, reinterpret_cast<LPARAM>(&m));
        {
            std::lock_guard<std::mutex> lock(me->mutex_);
            me->caught_.push_back(m);
        }
        PostMessageW(w, WM_COMMAND, IDOK, 0);
        return TRUE;
    }
    void Watch() {
        while (!stop_) {
            EnumWindows(Find, reinterpret_cast<LPARAM>(this));
            Sleep(20);
        }
    }

    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<CaughtMessage> caught_;
    std::set<HWND> seen_;
    std::thread thread_;
};

