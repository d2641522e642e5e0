#include "remote/command_message.h"

#include "platform/dialogs.h"

void ShowCommandMessage(const std::optional<CommandMessage>& message) {
    if (message) ShowMessage(message->text, message->icon);
}
