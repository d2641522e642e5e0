// The remote desktop connection file and what surrounds it: its template, its
// fresh name in the work folder, and the client's local-devices value.
#pragma once
#include "platform/text.h"

// 45 lines, CR LF between them and none after the last: 1038 bytes.
const Text& ConnectionTemplate();

// The template filled in for one connection. An empty `passwordBlob` leaves
// the password placeholder, so that the client asks for the password.
Text ConnectionText(const Text& user, const Text& passwordBlob, const Text& computer);

// WorkFolder + a hexadecimal number + ".tmp", naming nothing that exists yet.
Text NewConnectionFileName();

// "mstsc.exe " + the path, quoted when it holds a space.
Text ClientCommandLine(const Text& connectionFile);

inline const char kLocalDevicesKey[] = "Software\\Microsoft\\Terminal Server Client\\LocalDevices\\";
// Creates the client's value for the computer (REG_DWORD 76) unless one exists.
void EnsureLocalDevicesValue(const Text& computer);
