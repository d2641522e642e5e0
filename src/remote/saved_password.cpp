#include "remote/saved_password.h"

#include "platform/crypto.h"
#include "platform/files.h"

namespace {
const char kSavedPasswordDescription[] = "psw";
}

Text SavedPasswordFile(const Text& computer) { return WorkFolder() + computer + ".txt"; }

Text ReadSavedPassword(const Text& computer) {
    const std::string bytes = ReadWholeFile(SavedPasswordFile(computer));
    if (bytes.empty()) return Text();
    // Protected blobs carry no recognisable header under every system, so the
    // only sure test is whether they unprotect.
    std::string plain;
    if (UnprotectData(bytes, plain)) return StoredText(plain);
    // A plain file from an earlier version: keep using it, but no longer in plain.
    const Text password = StoredText(bytes);
    if (!password.empty()) SavePassword(computer, password);
    return password;
}

void SavePassword(const Text& computer, const Text& password) {
    std::string bytes;
    if (!password.empty() && !ProtectData(password, kSavedPasswordDescription, bytes)) return;
    WriteWholeFile(SavedPasswordFile(computer), bytes);
}
