// Owners that close what Windows hands out, so no early return leaks one.
#pragma once
#include <windows.h>

class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(HANDLE h) : h_(h) {}
    ~UniqueHandle() { Close(); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    HANDLE get() const { return h_; }
    HANDLE* out() {
        Close();
        return &h_;
    }
    // CreateFile reports failure with INVALID_HANDLE_VALUE, most others with 0.
    bool valid() const { return h_ && h_ != INVALID_HANDLE_VALUE; }
    HANDLE release() {
        HANDLE h = h_;
        h_ = nullptr;
        return h;
    }
    void Close() {
        if (valid()) CloseHandle(h_);
        h_ = nullptr;
    }

private:
    HANDLE h_ = nullptr;
};

class RegKey {
public:
    RegKey() = default;
    ~RegKey() { if (k_) RegCloseKey(k_); }
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;

    HKEY get() const { return k_; }
    HKEY* out() {
        if (k_) RegCloseKey(k_);
        k_ = nullptr;
        return &k_;
    }

private:
    HKEY k_ = nullptr;
};
