// GBK conversion through iconv (glibc's GBK matches code page 936 for every
// character the program uses); protection is a reversible stand-in.
#include <iconv.h>

#include "platform/crypto.h"
#include "platform/fake/state.h"

namespace {

const char kProtectedMark[] = "FAKEDPAPI:";

std::string Convert(const char* to, const char* from, const std::string& in) {
    iconv_t cd = iconv_open(to, from);
    if (cd == iconv_t(-1)) return std::string();
    std::string out(in.size() * 4 + 8, '\0');
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    char* dst = &out[0];
    size_t dstLeft = out.size();
    iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    iconv_close(cd);
    out.resize(out.size() - dstLeft);
    return out;
}

}  // namespace

std::string GbkToUtf16Bytes(const Text& text, bool withTerminator) {
    std::string bytes = Convert("UTF-16LE", "GBK", text);
    if (withTerminator) bytes.append(2, '\0');
    return bytes;
}

Text Utf16BytesToGbk(const std::string& utf16le) { return Convert("GBK", "UTF-16LE", utf16le); }

bool ProtectData(const std::string& plain, const char*, std::string& protectedBytes) {
    {
        std::lock_guard<std::mutex> lock(fake::S().mutex);
        if (fake::S().failProtection) return false;
    }
    protectedBytes = kProtectedMark + std::string(plain.rbegin(), plain.rend());
    return true;
}

bool UnprotectData(const std::string& protectedBytes, std::string& plain) {
    const std::string mark = kProtectedMark;
    if (protectedBytes.compare(0, mark.size(), mark) != 0) return false;
    plain.assign(protectedBytes.rbegin(), protectedBytes.rend() - std::ptrdiff_t(mark.size()));
    return true;
}

namespace fake {

void FailProtection(bool fail) {
    std::lock_guard<std::mutex> lock(S().mutex);
    S().failProtection = fail;
}

}  // namespace fake
