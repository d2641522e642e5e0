#include <windows.h>

#include <cstring>
#include <vector>

#include "platform/registry.h"
#include "platform/win32/handles.h"
#include "platform/win32/text_convert.h"

namespace {

HKEY RootKey(RegRoot root) {
    return root == RegRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

struct WidePath {
    std::wstring key;
    std::wstring value;
};

WidePath ToWide(const Text& path) {
    RegistryPath split = SplitRegistryPath(path);
    return {Wide(split.key), Wide(split.value)};
}

bool OpenForWriting(RegRoot root, const std::wstring& key, RegKey& opened) {
    if (RegOpenKeyExW(RootKey(root), key.c_str(), 0, KEY_SET_VALUE, opened.out()) == ERROR_SUCCESS)
        return true;
    return RegCreateKeyExW(RootKey(root), key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                           opened.out(), nullptr) == ERROR_SUCCESS;
}

bool SetValue(RegRoot root, const Text& path, DWORD type, const void* data, DWORD size) {
    WidePath p = ToWide(path);
    RegKey key;
    if (!OpenForWriting(root, p.key, key)) return false;
    return RegSetValueExW(key.get(), p.value.c_str(), 0, type, static_cast<const BYTE*>(data), size) ==
           ERROR_SUCCESS;
}

std::wstring ExpandEnvironment(const std::wstring& text) {
    std::wstring out(text.size() + 64, L'\0');
    for (int attempt = 0; attempt < 8; ++attempt) {
        DWORD n = ExpandEnvironmentStringsW(text.c_str(), &out[0], DWORD(out.size()));
        if (n == 0) return text;
        if (n <= out.size()) return out.substr(0, n - 1);  // n counts the zero
        out.assign(n, L'\0');
    }
    return text;
}

// A stored text ends at its first zero, whether or not the writer counted it.
std::wstring UpToZero(const std::vector<BYTE>& data) {
    std::wstring text(data.size() / 2, L'\0');
    if (!text.empty()) memcpy(&text[0], data.data(), text.size() * 2);
    return text.substr(0, text.find(L'\0'));
}

}  // namespace

Text RegReadText(RegRoot root, const Text& path) {
    WidePath p = ToWide(path);
    RegKey key;
    if (RegOpenKeyExW(RootKey(root), p.key.c_str(), 0, KEY_QUERY_VALUE, key.out()) != ERROR_SUCCESS)
        return Text();
    DWORD type = 0, size = 0;
    std::vector<BYTE> data;
    LONG rc = ERROR_MORE_DATA;
    // The value may grow between the size query and the read.
    for (int attempt = 0; attempt < 8 && rc == ERROR_MORE_DATA; ++attempt) {
        rc = RegQueryValueExW(key.get(), p.value.c_str(), nullptr, &type, nullptr, &size);
        if (rc != ERROR_SUCCESS) return Text();
        data.assign(size + 2, 0);
        size = DWORD(data.size());
        rc = RegQueryValueExW(key.get(), p.value.c_str(), nullptr, &type, data.data(), &size);
    }
    if (rc != ERROR_SUCCESS) return Text();
    data.resize(size);
    if (type == REG_SZ) return Narrow(UpToZero(data));
    if (type == REG_EXPAND_SZ) return Narrow(ExpandEnvironment(UpToZero(data)));
    return Text();
}

bool RegWriteText(RegRoot root, const Text& path, const Text& value) {
    std::wstring wide = Wide(value);
    return SetValue(root, path, REG_SZ, wide.c_str(), DWORD((wide.size() + 1) * sizeof(wchar_t)));
}

bool RegWriteDword(RegRoot root, const Text& path, uint32_t value) {
    DWORD dword = value;
    return SetValue(root, path, REG_DWORD, &dword, sizeof dword);
}

bool RegValueExists(RegRoot root, const Text& path) {
    WidePath p = ToWide(path);
    RegKey key;
    if (RegOpenKeyExW(RootKey(root), p.key.c_str(), 0, KEY_QUERY_VALUE, key.out()) != ERROR_SUCCESS)
        return false;
    return RegQueryValueExW(key.get(), p.value.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}
