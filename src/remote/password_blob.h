// The password as the remote desktop client reads it from a connection file.
#pragma once
#include "platform/text.h"

// Upper-case hex of the protected bytes plus one extra "0", or false when
// the data could not be protected.
bool ProtectPassword(const Text& password, Text& blob);
