// Stand-in for a Windows tool (net.exe, mstsc.exe, reg.exe, ...): appends one
// record of how it was started to the file named by QY_RECORD_LOG, prints
// QY_RECORD_OUTPUT, waits QY_RECORD_WAIT_MS and exits with QY_RECORD_EXIT.
// The record format is read back by recorder_log.h.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "platform/win32/text_convert.h"

namespace {

std::wstring Variable(const wchar_t* name) {
    wchar_t buffer[32768];
    DWORD n = GetEnvironmentVariableW(name, buffer, 32768);
    return n > 0 && n < 32768 ? std::wstring(buffer, n) : std::wstring();
}

std::wstring CurrentFolder() {
    wchar_t buffer[32768];
    DWORD n = GetCurrentDirectoryW(32768, buffer);
    return std::wstring(buffer, n < 32768 ? n : 0);
}

// -1 when the starter left the show state to the program.
int ShowState() {
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    return (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;
}

// One WriteFile per record, opened for appending, so records of stand-ins
// running at the same time do not interleave.
void Append(const std::wstring& log, const std::string& record) {
    HANDLE file = CreateFileW(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD wrote = 0;
    WriteFile(file, record.data(), DWORD(record.size()), &wrote, nullptr);
    CloseHandle(file);
}

}  // namespace

int main() {
    Text output = Narrow(Variable(L"QY_RECORD_OUTPUT"));
    if (!output.empty()) {
        DWORD wrote = 0;
        WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), output.data(), DWORD(output.size()), &wrote, nullptr);
    }
    int waitMs = _wtoi(Variable(L"QY_RECORD_WAIT_MS").c_str());
    if (waitMs > 0) Sleep(DWORD(waitMs));
    std::wstring log = Variable(L"QY_RECORD_LOG");
    if (!log.empty()) {
        std::string record = "cmd=" + NarrowZ(GetCommandLineW()) + "\r\ndir=" + Narrow(CurrentFolder()) +
                             "\r\nshow=" + std::to_string(ShowState()) + "\r\n";
        Append(log, record);
    }
    return _wtoi(Variable(L"QY_RECORD_EXIT").c_str());
}
