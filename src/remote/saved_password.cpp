#include "remote/saved_password.h"

#include "platform/crypto.h"
#include "platform/files.h"

namespace {

const char kSavedPasswordDescription[] = "psw";

// Every protected blob starts with its version, 1, as four bytes; a typed
// password never does. Such a file that does not open was protected for
// another user or computer and holds no usable password.
bool LooksProtected(const std::string& bytes) { return bytes.compare(0, 4, std::string("\1\0\0\0", 4)) == 0; }

}  // namespace

Text SavedPasswordFile(const Text& computer) { return WorkFolder() + computer + ".txt"; }

Text ReadSavedPassword(const Text& computer) {
    const std::string bytes = ReadWholeFile(SavedPasswordFile(computer));
    if (bytes.empty()) return Text();
    // Blobs differ between systems after their version field, so whether a
    // file is protected is decided by opening it.
    std::string plain;
    if (UnprotectData(bytes, plain)) return StoredText(plain);
    if (LooksProtected(bytes)) return Text();
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
