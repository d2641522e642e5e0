#include "platform/commands.h"
#include "platform/fake/state.h"

bool RunCommand(const Text& commandLine, Show show, const Text& workFolder) {
    std::lock_guard<std::mutex> lock(fake::S().mutex);
    fake::S().commands.push_back({commandLine, show, workFolder, false});
    const Text& fail = fake::S().failCommandsContaining;
    return fail.empty() || commandLine.find(fail) == Text::npos;
}

CommandOutcome RunCommandAndWait(const Text& commandLine, int, const Text& workFolder) {
    std::function<CommandOutcome(const Text&)> outcome;
    {
        std::lock_guard<std::mutex> lock(fake::S().mutex);
        fake::S().commands.push_back({commandLine, Show::Hidden, workFolder, true});
        outcome = fake::S().commandOutcome;
    }
    if (outcome) return outcome(commandLine);
    CommandOutcome done;
    done.started = done.finished = true;
    done.exitCode = 0;
    return done;
}

namespace fake {

std::vector<StartedCommand> Commands() {
    std::lock_guard<std::mutex> lock(S().mutex);
    return S().commands;
}

void SetCommandOutcome(std::function<CommandOutcome(const Text&)> outcome) {
    std::lock_guard<std::mutex> lock(S().mutex);
    S().commandOutcome = std::move(outcome);
}

void FailCommandsContaining(const Text& part) {
    std::lock_guard<std::mutex> lock(S().mutex);
    S().failCommandsContaining = part;
}

}  // namespace fake
