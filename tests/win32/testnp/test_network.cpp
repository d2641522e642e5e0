#include "test_network.h"

#include <windows.h>

namespace {

std::wstring NetworkFilePath() {
    wchar_t path[MAX_PATH * 2];
    DWORD n = GetEnvironmentVariableW(L"QY_TEST_NETWORK", path, MAX_PATH * 2);
    if (n > 0 && n < MAX_PATH * 2) return path;
    DWORD size = sizeof path;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, L"Software\\QingyuTest", L"NetworkFile", RRF_RT_REG_SZ, nullptr, path,
                     &size) == ERROR_SUCCESS)
        return path;
    return std::wstring();
}

std::string ReadBytes(const std::wstring& path) {
    std::string bytes;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    char chunk[65536];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
    CloseHandle(file);
    return bytes;
}

std::wstring Decode(std::string bytes) {
    UINT codePage = 936;
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        bytes.erase(0, 3);
        codePage = CP_UTF8;
    }
    if (bytes.empty()) return std::wstring();
    int n = MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring text(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), &text[0], n);
    return text;
}

std::vector<std::wstring> Lines(const std::wstring& text) {
    std::vector<std::wstring> lines;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos) end = text.size();
        std::wstring line = text.substr(start, end - start);
        if (!line.empty() && line.back() == L'\r') line.pop_back();
        if (!line.empty()) lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

}  // namespace

std::vector<TestWorkgroup> ReadTestNetwork() {
    std::vector<TestWorkgroup> network;
    std::wstring path = NetworkFilePath();
    if (path.empty()) return network;
    for (const std::wstring& line : Lines(Decode(ReadBytes(path)))) {
        if (line.compare(0, 2, L"\\\\") != 0) {
            network.push_back(TestWorkgroup{line, {}});
            continue;
        }
        if (network.empty()) continue;
        std::vector<TestComputer>& computers = network.back().computers;
        size_t shareSlash = line.find(L'\\', 2);
        if (shareSlash == std::wstring::npos)
            computers.push_back(TestComputer{line, {}});
        else if (!computers.empty())
            computers.back().shares.push_back(line);
    }
    return network;
}
