// Remote desktop: connecting with a remembered password, and switching on
// the local remote desktop service.
#pragma once
#include "platform/text.h"

void RemoteDesktopCommand();
void RemoteServiceCommand();

void ConnectRemoteDesktop(const Text& user, const Text& password, const Text& computer);
Text MakePasswordBlob(const Text& password);
