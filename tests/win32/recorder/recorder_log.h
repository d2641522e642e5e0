// Reading back what qy_recorder wrote, for tests.
#pragma once
#include <string>
#include <vector>

#include "platform/files.h"

struct RecordedRun {
    std::string commandLine;  // GBK, exactly as GetCommandLineW gave it
    std::string folder;       // working directory, GBK
    int show = -1;            // wShowWindow, -1 when none was given
};

inline std::vector<RecordedRun> ReadRecorderLog(const std::string& path) {
    std::vector<RecordedRun> runs;
    std::string bytes = ReadWholeFile(path);
    size_t at = 0;
    auto field = [&](const char* prefix, std::string& to) {
        size_t end = bytes.find("\r\n", at);
        std::string p(prefix);
        if (end == std::string::npos || bytes.compare(at, p.size(), p) != 0) return false;
        to = bytes.substr(at + p.size(), end - at - p.size());
        at = end + 2;
        return true;
    };
    for (;;) {
        RecordedRun run;
        std::string show;
        if (!field("cmd=", run.commandLine) || !field("dir=", run.folder) || !field("show=", show)) break;
        run.show = std::stoi(show);
        runs.push_back(run);
    }
    return runs;
}
