// The one place where GBK meets UTF-16. Code page 936 is named explicitly so
// the program behaves the same whatever the system's ANSI code page is.
#pragma once
#include <string>

#include "platform/text.h"

std::wstring Wide(const Text& text);
Text Narrow(const wchar_t* text, size_t length);
Text Narrow(const std::wstring& text);
// Up to the first zero, for buffers Windows has filled in.
Text NarrowZ(const wchar_t* text);
