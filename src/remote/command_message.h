// What a command decided to tell the user. The commands return it so the
// decision can be checked where a real message box would block.
#pragma once
#include <optional>

#include "platform/text.h"

struct CommandMessage {
    Text text;
    int icon = 0;
};

// Shows it with the default title, when there is one.
void ShowCommandMessage(const std::optional<CommandMessage>& message);
