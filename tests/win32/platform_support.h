// Small helpers for tests that use the real Windows services under Wine.
#pragma once
#include <windows.h>

#include <string>

#include "platform/files.h"
#include "platform/text.h"

// A name no other test process uses at the same time.
inline Text UniqueName(const Text& stem) {
    return stem + "_" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(GetTickCount());
}

// Polls until `path` holds at least `minBytes` bytes or `timeoutMs` passes.
inline std::string WaitForFile(const Text& path, size_t minBytes = 1, DWORD timeoutMs = 15000) {
    DWORD start = GetTickCount();
    std::string bytes;
    while ((bytes = ReadWholeFile(path)).size() < minBytes && GetTickCount() - start < timeoutMs) Sleep(20);
    return bytes;
}

// Copies the recording stand-in beside the test executable under `exeName`
// (an ASCII name such as "net.exe") and returns its full path.
inline Text PlaceRecorder(const Text& exeName) {
    std::wstring folder;
    wchar_t module[MAX_PATH];
    DWORD n = GetModuleFileNameW(nullptr, module, MAX_PATH);
    folder.assign(module, n);
    folder = folder.substr(0, folder.find_last_of(L'\\') + 1);
    std::wstring target = folder + std::wstring(exeName.begin(), exeName.end());
    CopyFileW((folder + L"qy_recorder.exe").c_str(), target.c_str(), FALSE);
    return ProgramFolder() + exeName;
}

// Sets an environment variable for this process and the processes it starts,
// and removes it again at the end of the scope.
class ScopedVariable {
public:
    ScopedVariable(const wchar_t* name, const std::wstring& value) : name_(name) {
        SetEnvironmentVariableW(name, value.c_str());
    }
    ~ScopedVariable() { SetEnvironmentVariableW(name_, nullptr); }

private:
    const wchar_t* name_;
};
