// The network a test describes in a file, one entry a line:
//   WORKGROUP            a workgroup (or domain)
//   \\COMPUTER           a computer of the workgroup above it
//   \\COMPUTER\share     a share of that computer
// GBK text, or UTF-8 when the file starts with a UTF-8 byte-order mark.
// The file is named by the environment variable QY_TEST_NETWORK, else by the
// value HKLM\Software\QingyuTest\NetworkFile; it is read afresh each time.
#pragma once
#include <string>
#include <vector>

struct TestComputer {
    std::wstring remoteName;  // "\\NAME"
    std::vector<std::wstring> shares;  // "\\NAME\share"
};

struct TestWorkgroup {
    std::wstring name;
    std::vector<TestComputer> computers;
};

std::vector<TestWorkgroup> ReadTestNetwork();
