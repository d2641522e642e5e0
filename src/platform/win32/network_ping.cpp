// The blocking ping and address lookup.
#include "platform/network.h"
#include "platform/win32/network_icmp.h"

int PingHost(const Text& name, int timeoutMs) {
    const IcmpFunctions* icmp = Icmp();
    IPAddr address = 0;
    if (!StartSockets() || !icmp || !ResolveIPv4(name, &address)) return -1;
    HANDLE handle = icmp->createFile();
    if (handle == INVALID_HANDLE_VALUE) return -1;
    char noData = 0;
    EchoReplyBuffer reply{};
    DWORD replies = icmp->sendEcho(handle, address, &noData, 0, nullptr, reply.bytes, kEchoReplySize,
                                   static_cast<DWORD>(timeoutMs < 0 ? 0 : timeoutMs));
    icmp->closeHandle(handle);
    return RoundTripOf(reply, replies);
}

Text HostAddress(const Text& name) {
    IPAddr address = 0;
    if (!StartSockets() || !ResolveIPv4(name, &address)) return Text();
    in_addr in;
    in.s_addr = address;
    const char* dotted = inet_ntoa(in);
    return dotted ? Text(dotted) : Text();
}
