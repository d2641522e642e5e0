// Files are real files in the fake's temporary folder.
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/fake/state.h"
#include "platform/files.h"

Text WorkFolder() {
    std::lock_guard<std::mutex> lock(fake::S().mutex);
    return fake::S().workFolder;
}

Text ProgramFolder() {
    std::lock_guard<std::mutex> lock(fake::S().mutex);
    return fake::S().programFolder;
}

std::string ReadWholeFile(const Text& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::string();
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool WriteWholeFile(const Text& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), std::streamsize(bytes.size()));
    return bool(out.flush());
}

bool DeleteFileAt(const Text& path) { return ::unlink(path.c_str()) == 0; }

bool PathExists(const Text& path) {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0;
}
