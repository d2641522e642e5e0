#include <windows.h>

#include <algorithm>

#include "platform/files.h"
#include "platform/win32/handles.h"
#include "platform/win32/text_convert.h"

namespace {

// Calls `get(buffer, size)` with a growing buffer until the answer fits; the
// functions used here return the length without the zero, or the size needed.
template <typename Get>
std::wstring GrowingQuery(Get get) {
    std::wstring buffer(MAX_PATH + 1, L'\0');
    for (int attempt = 0; attempt < 8; ++attempt) {
        DWORD n = get(&buffer[0], DWORD(buffer.size()));
        if (n == 0) return std::wstring();
        if (n < buffer.size()) return buffer.substr(0, n);
        buffer.assign(size_t(n) * 2, L'\0');
    }
    return std::wstring();
}

// Checked on the UTF-16 text: a GBK trail byte may be 0x5C as well.
std::wstring WithTrailingBackslash(std::wstring folder) {
    if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
    return folder;
}

}  // namespace

Text WorkFolder() {
    std::wstring folder = GrowingQuery([](wchar_t* b, DWORD n) { return GetTempPathW(n, b); });
    return Narrow(WithTrailingBackslash(folder));
}

Text ProgramFolder() {
    std::wstring exe = GrowingQuery([](wchar_t* b, DWORD n) {
        DWORD got = GetModuleFileNameW(nullptr, b, n);
        return got >= n ? n : got;  // truncated: ask for a larger buffer
    });
    size_t slash = exe.find_last_of(L'\\');
    return slash == std::wstring::npos ? Text() : Narrow(exe.substr(0, slash + 1));
}

std::string ReadWholeFile(const Text& path) {
    UniqueHandle file(CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return std::string();
    std::string bytes;
    char chunk[16384];
    DWORD got = 0;
    while (ReadFile(file.get(), chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
    return bytes;
}

bool WriteWholeFile(const Text& path, const std::string& bytes) {
    UniqueHandle file(CreateFileW(Wide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return false;
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD wrote = 0;
        DWORD want = DWORD(std::min<size_t>(bytes.size() - done, 1u << 20));
        if (!WriteFile(file.get(), bytes.data() + done, want, &wrote, nullptr) || wrote == 0) return false;
        done += wrote;
    }
    // Closing is where a full disk may finally show.
    return CloseHandle(file.release()) != 0;
}

bool DeleteFileAt(const Text& path) { return DeleteFileW(Wide(path).c_str()) != 0; }

bool PathExists(const Text& path) {
    return GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}
