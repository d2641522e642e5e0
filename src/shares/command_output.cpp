#include "shares/command_output.h"

#include <string>

Text FailureDetails(const CommandOutcome& outcome, const Text& commandLine) {
    if (!outcome.started) return "无法启动命令：" + commandLine;
    Text output = StoredText(outcome.output);
    size_t end = output.find_last_not_of(" \t\r\n");
    output = end == Text::npos ? Text() : output.substr(0, end + 1);
    if (!output.empty()) return output;
    return "命令 " + commandLine + " 以代码 " + std::to_string(outcome.exitCode) + " 结束。";
}
