#include "platform/win32/text_convert.h"

#include <windows.h>

#include <cwchar>

namespace {
const UINT kGbk = 936;
}

std::wstring Wide(const Text& text) {
    if (text.empty()) return std::wstring();
    int n = MultiByteToWideChar(kGbk, 0, text.data(), int(text.size()), nullptr, 0);
    if (n <= 0) return std::wstring();
    std::wstring out(size_t(n), L'\0');
    MultiByteToWideChar(kGbk, 0, text.data(), int(text.size()), &out[0], n);
    return out;
}

Text Narrow(const wchar_t* text, size_t length) {
    if (length == 0) return Text();
    int n = WideCharToMultiByte(kGbk, 0, text, int(length), nullptr, 0, nullptr, nullptr);
    if (n <= 0) return Text();
    Text out(size_t(n), '\0');
    WideCharToMultiByte(kGbk, 0, text, int(length), &out[0], n, nullptr, nullptr);
    return out;
}

Text Narrow(const std::wstring& text) { return Narrow(text.data(), text.size()); }

Text NarrowZ(const wchar_t* text) { return text ? Narrow(text, wcslen(text)) : Text(); }
