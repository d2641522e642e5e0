#include <cstdio>
#include <cstdlib>

#include "platform/fake/state.h"
#include "platform/system.h"

uint32_t WindowsVersion() {
    std::lock_guard<std::mutex> lock(fake::S().mutex);
    return fake::S().version;
}

uint32_t TickCount() {
    std::lock_guard<std::mutex> lock(fake::S().mutex);
    return fake::S().tickCount;
}

void ShellOpen(const Text& target) {
    std::lock_guard<std::mutex> lock(fake::S().mutex);
    fake::S().shellOpens.push_back(target);
}

void EndProcess(int exitCode) {
    std::fflush(nullptr);
    std::_Exit(exitCode);
}

namespace fake {

void SetWindowsVersion(uint32_t getVersionResult) {
    std::lock_guard<std::mutex> lock(S().mutex);
    S().version = getVersionResult;
}

void SetVersion(int major, int minor) { SetWindowsVersion(uint32_t(major & 0xFF) | uint32_t(minor & 0xFF) << 8); }

void SetTickCount(uint32_t ticks) {
    std::lock_guard<std::mutex> lock(S().mutex);
    S().tickCount = ticks;
}

std::vector<Text> ShellOpens() {
    std::lock_guard<std::mutex> lock(S().mutex);
    return S().shellOpens;
}

}  // namespace fake
