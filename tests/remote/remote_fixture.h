// Shared helpers of the remote desktop tests: a clean fake platform, the
// connection file as written in the reference table, and the fake's
// protection computed independently of the code under test.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/program_texts/program_texts.h"
#include "platform/fake/fake.h"
#include "platform/files.h"

class RemoteTest : public ::testing::Test {
protected:
    void SetUp() override {
        fake::Reset();
        RdpTempPath().clear();
        RdpText().clear();
    }
};

inline std::vector<Text> SplitCrLf(const Text& text) {
    std::vector<Text> lines;
    size_t start = 0;
    for (;;) {
        size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end == Text::npos ? Text::npos : end - start));
        if (end == Text::npos) return lines;
        start = end + 2;
    }
}

// Every line of a connection file; only lines 6, 16 and 19 vary.
inline std::vector<Text> ExpectedConnectionFile(const Text& address, const Text& user,
                                                const Text& passwordLine) {
    return {
        "screen mode id:i:2",
        "desktopwidth:i:1280",
        "desktopheight:i:800",
        "session bpp:i:16",
        "winposstr:s:0,3,0,0,800,600",
        "full address:s:" + address + ":3389",
        "compression:i:1",
        "keyboardhook:i:2",
        "audiomode:i:1",
        "redirectdrives:i:0",
        "redirectprinters:i:0",
        "redirectcomports:i:0",
        "redirectsmartcards:i:1",
        "displayconnectionbar:i:1",
        "autoreconnection enabled:i:1",
        "username:s:" + user,
        "alternate shell:s:",
        "shell working directory:s:",
        passwordLine,
        "disable wallpaper:i:1",
        "disable full window drag:i:1",
        "disable menu anims:i:1",
        "disable themes:i:0",
        "disable cursor setting:i:0",
        "bitmapcachepersistenable:i:1",
        "use multimon:i:0",
        "audiocapturemode:i:0",
        "videoplaybackmode:i:2",
        "connection type:i:2",
        "allow font smoothing:i:0",
        "allow desktop composition:i:0",
        "redirectclipboard:i:1",
        "redirectposdevices:i:0",
        "redirectdirectx:i:1",
        "drivestoredirect:s:",
        "authentication level:i:0",
        "prompt for credentials:i:0",
        "negotiate security layer:i:1",
        "remoteapplicationmode:i:0",
        "gatewayhostname:s:",
        "gatewayusagemethod:i:4",
        "gatewaycredentialssource:i:4",
        "gatewayprofileusagemethod:i:0",
        "promptcredentialonce:i:1",
        "use redirection server name:i:0",
    };
}

inline std::string UpperHexOf(const std::string& bytes) {
    std::string hex;
    char two[3];
    for (unsigned char b : bytes) {
        std::snprintf(two, sizeof two, "%02X", unsigned(b));
        hex += two;
    }
    return hex;
}

// The fake protects by prefixing "FAKEDPAPI:" and reversing; `utf16` is the
// password's UTF-16LE bytes with the terminating zero, written out by hand.
inline Text FakeBlobOf(const std::string& utf16, size_t blockBytes = 512) {
    std::string block = utf16;
    if (block.size() < blockBytes) block.resize(blockBytes, '\0');
    return UpperHexOf("FAKEDPAPI:" + std::string(block.rbegin(), block.rend())) + "0";
}

// Names of the entries of a folder, sorted.
inline std::vector<Text> FilesIn(const Text& folder) {
    std::vector<Text> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}
