#include "remote/password_blob.h"

#include "platform/crypto.h"
#include "remote/remote.h"

namespace {

// The client reads a fixed 512-byte block; a longer password is kept whole
// rather than cut, so the block grows to hold it.
const size_t kBlockBytes = 512;

Text UpperHex(const std::string& bytes) {
    static const char kDigits[] = "0123456789ABCDEF";
    Text hex;
    hex.reserve(bytes.size() * 2 + 1);
    for (unsigned char b : bytes) {
        hex += kDigits[b >> 4];
        hex += kDigits[b & 0x0F];
    }
    return hex;
}

}  // namespace

bool ProtectPassword(const Text& password, Text& blob) {
    std::string block = GbkToUtf16Bytes(password, true);
    if (block.size() < kBlockBytes) block.resize(kBlockBytes, '\0');
    std::string protectedBytes;
    if (!ProtectData(block, "psw", protectedBytes)) return false;
    blob = UpperHex(protectedBytes) + "0";
    return true;
}

Text MakePasswordBlob(const Text& password) {
    Text blob;
    return ProtectPassword(password, blob) ? blob : Text("0");
}
