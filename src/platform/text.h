// Text: the program's one string type, GBK bytes. Positions are 1-based byte
// positions; a failed search gives -1. Searches and replacements step over a
// double-byte character (lead byte 0x80 or more plus the byte after it) whole.
#pragma once
#include <string>
#include <vector>

using Text = std::string;
using TextList = std::vector<Text>;

enum class Case { Exact, IgnoreAscii };

int FindFirst(const Text& haystack, const Text& needle, Case c = Case::Exact);
int FindLast(const Text& haystack, const Text& needle, Case c = Case::Exact);
Text FirstBytes(const Text& s, int n);
Text LastBytes(const Text& s, int n);
Text UpperAscii(const Text& s);
// Drops every 0x20 and every full-width space (A1 A1).
Text RemoveSpaces(const Text& s);
bool HasSpace(const Text& s);
Text ReplaceAll(const Text& s, const Text& from, const Text& to, Case c);

// "Software\Key\Value" -> key "Software\Key", value "Value"; the split is the
// last backslash that is not the trail byte of a double-byte character.
struct RegistryPath {
    Text key;
    Text value;
};
RegistryPath SplitRegistryPath(const Text& path);

// Bytes before the first zero byte: how every stored text is read back.
Text StoredText(const std::string& bytes);
