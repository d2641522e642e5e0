// The decisions of the two remote desktop commands, apart from the message
// boxes that show them.
#pragma once
#include <optional>

#include "remote/command_message.h"

// Whether a list item's text may become a file name, a registry value name
// and a line of the connection file.
bool IsUsableComputerName(const Text& computer);

// Connects to the selected computer, asking for and remembering its password;
// returns the message to show, if any.
std::optional<CommandMessage> ConnectSelectedComputer();

// WorkFolder + "开启.bat" and its one line.
Text ServiceBatchFile();
Text ServiceBatchLine();
// Writes and runs the batch file, waiting for its end; returns the message.
CommandMessage SwitchOnRemoteService();
