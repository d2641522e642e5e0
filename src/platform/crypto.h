// Data protection for the current user (CryptProtectData, no prompt).
#pragma once
#include <string>
#include "platform/text.h"

// GBK to UTF-16LE bytes with code page 936, with or without the final zero.
std::string GbkToUtf16Bytes(const Text& text, bool withTerminator);
Text Utf16BytesToGbk(const std::string& utf16le);

// `description` is ASCII; it is passed as UTF-16.
bool ProtectData(const std::string& plain, const char* description, std::string& protectedBytes);
bool UnprotectData(const std::string& protectedBytes, std::string& plain);
