#include "platform/text.h"

namespace {

bool IsLead(unsigned char c) { return c >= 0x80; }

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

bool MatchesAt(const Text& s, size_t at, const Text& needle, Case c) {
    if (at + needle.size() > s.size()) return false;
    for (size_t i = 0; i < needle.size(); ++i) {
        char a = s[at + i], b = needle[i];
        if (c == Case::IgnoreAscii) a = LowerAscii(a), b = LowerAscii(b);
        if (a != b) return false;
    }
    return true;
}

// Length of the character starting at `at`: 2 for a lead byte with a trail.
size_t CharLength(const Text& s, size_t at) {
    return (IsLead((unsigned char)s[at]) && at + 1 < s.size()) ? 2 : 1;
}

}  // namespace

int FindFirst(const Text& haystack, const Text& needle, Case c) {
    if (needle.empty()) return -1;
    for (size_t at = 0; at < haystack.size(); at += CharLength(haystack, at))
        if (MatchesAt(haystack, at, needle, c)) return int(at) + 1;
    return -1;
}

int FindLast(const Text& haystack, const Text& needle, Case c) {
    if (needle.empty()) return -1;
    int found = -1;
    for (size_t at = 0; at < haystack.size(); at += CharLength(haystack, at))
        if (MatchesAt(haystack, at, needle, c)) found = int(at) + 1;
    return found;
}

Text FirstBytes(const Text& s, int n) {
    if (n <= 0) return Text();
    return s.substr(0, size_t(n));
}

Text LastBytes(const Text& s, int n) {
    if (n <= 0) return Text();
    if (size_t(n) >= s.size()) return s;
    return s.substr(s.size() - size_t(n));
}

Text UpperAscii(const Text& s) {
    Text out = s;
    for (char& ch : out)
        if (ch >= 'a' && ch <= 'z') ch = char(ch - 'a' + 'A');
    return out;
}

Text RemoveSpaces(const Text& s) {
    Text out;
    for (size_t at = 0; at < s.size();) {
        size_t len = CharLength(s, at);
        bool halfWidth = s[at] == ' ';
        bool fullWidth = len == 2 && (unsigned char)s[at] == 0xA1 && (unsigned char)s[at + 1] == 0xA1;
        if (!halfWidth && !fullWidth) out.append(s, at, len);
        at += len;
    }
    return out;
}

bool HasSpace(const Text& s) { return RemoveSpaces(s).size() != s.size(); }

Text ReplaceAll(const Text& s, const Text& from, const Text& to, Case c) {
    if (from.empty()) return s;
    Text out;
    for (size_t at = 0; at < s.size();) {
        if (MatchesAt(s, at, from, c)) {
            out += to;
            at += from.size();
        } else {
            size_t len = CharLength(s, at);
            out.append(s, at, len);
            at += len;
        }
    }
    return out;
}

RegistryPath SplitRegistryPath(const Text& path) {
    int last = FindLast(path, "\\");
    if (last < 0) return {Text(), path};
    return {path.substr(0, size_t(last - 1)), path.substr(size_t(last))};
}

Text StoredText(const std::string& bytes) { return bytes.substr(0, bytes.find('\0')); }
