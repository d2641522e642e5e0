// The Microsoft Windows Network as the program sees it.
#pragma once
#include <functional>
#include "platform/text.h"

// Domains and workgroups of every provider, in enumeration order.
TextList ListWorkgroups();
// Computers of one workgroup, without their leading "\\".
TextList ListComputers(const Text& workgroup);
// Remote names ("\\computer\share") of everything the computer offers.
TextList ListShares(const Text& computer);

// One ICMP echo; the round-trip time (0 or more) on any reply, -1 when the
// name does not resolve, nothing answers within the time-out, or ICMP cannot
// be had. Dotted addresses are used as they are.
int PingHost(const Text& name, int timeoutMs = 10000);

// The same ping without a blocked thread per request: `done` runs exactly
// once, later, on a platform thread, with the result PingHost would give.
// Thousands may be outstanding at once; none is ever dropped.
void PingHostAsync(const Text& name, std::function<void(int)> done, int timeoutMs = 10000);

// Dotted IPv4 address of a name; empty when it does not resolve.
Text HostAddress(const Text& name);
