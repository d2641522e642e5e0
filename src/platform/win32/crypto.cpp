#include <windows.h>
#include <wincrypt.h>

#include "platform/crypto.h"
#include "platform/win32/text_convert.h"

namespace {

// Blobs returned by CryptProtectData and CryptUnprotectData are LocalAlloc'd.
std::string TakeBlob(DATA_BLOB& blob) {
    std::string bytes(reinterpret_cast<const char*>(blob.pbData), blob.cbData);
    LocalFree(blob.pbData);
    return bytes;
}

DATA_BLOB BlobOf(const std::string& bytes) {
    static BYTE none = 0;  // some versions reject a null pointer even with no bytes
    DATA_BLOB blob;
    blob.cbData = DWORD(bytes.size());
    blob.pbData = bytes.empty() ? &none : reinterpret_cast<BYTE*>(const_cast<char*>(bytes.data()));
    return blob;
}

}  // namespace

std::string GbkToUtf16Bytes(const Text& text, bool withTerminator) {
    std::wstring wide = Wide(text);
    if (withTerminator) wide.push_back(L'\0');
    std::string bytes(wide.size() * 2, '\0');
    for (size_t i = 0; i < wide.size(); ++i) {
        bytes[2 * i] = char(wide[i] & 0xFF);
        bytes[2 * i + 1] = char((wide[i] >> 8) & 0xFF);
    }
    return bytes;
}

Text Utf16BytesToGbk(const std::string& utf16le) {
    std::wstring wide(utf16le.size() / 2, L'\0');
    for (size_t i = 0; i < wide.size(); ++i)
        wide[i] = wchar_t((unsigned char)utf16le[2 * i] | ((unsigned char)utf16le[2 * i + 1] << 8));
    return Narrow(wide);
}

bool ProtectData(const std::string& plain, const char* description, std::string& protectedBytes) {
    DATA_BLOB in = BlobOf(plain), out = {};
    std::wstring name = Wide(description ? description : "");
    if (!CryptProtectData(&in, name.c_str(), nullptr, nullptr, nullptr, CRYPTPROTECT_UI_FORBIDDEN, &out))
        return false;
    protectedBytes = TakeBlob(out);
    return true;
}

bool UnprotectData(const std::string& protectedBytes, std::string& plain) {
    DATA_BLOB in = BlobOf(protectedBytes), out = {};
    if (!CryptUnprotectData(&in, nullptr, nullptr, nullptr, nullptr, CRYPTPROTECT_UI_FORBIDDEN, &out))
        return false;
    plain = TakeBlob(out);
    return true;
}
