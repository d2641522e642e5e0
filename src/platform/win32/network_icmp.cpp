#include "platform/win32/network_icmp.h"

#include <cstring>

namespace {

template <typename F>
void Load(HMODULE dll, const char* name, F* into) {
    *into = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(dll, name)));
}

IcmpFunctions LoadFrom(const wchar_t* dllName) {
    IcmpFunctions f{};
    HMODULE dll = LoadLibraryW(dllName);
    if (!dll) return f;
    Load(dll, "IcmpCreateFile", &f.createFile);
    Load(dll, "IcmpCloseHandle", &f.closeHandle);
    Load(dll, "IcmpSendEcho", &f.sendEcho);
    Load(dll, "IcmpSendEcho2", &f.sendEcho2);
    Load(dll, "IcmpParseReplies", &f.parseReplies);
    return f;
}

bool Usable(const IcmpFunctions& f) { return f.createFile && f.closeHandle && f.sendEcho; }

}  // namespace

const IcmpFunctions* Icmp() {
    static const IcmpFunctions functions = [] {
        IcmpFunctions f = LoadFrom(L"iphlpapi.dll");
        return Usable(f) ? f : LoadFrom(L"icmp.dll");
    }();
    return Usable(functions) ? &functions : nullptr;
}

bool StartSockets() {
    static const bool started = [] {
        WSADATA data;
        return WSAStartup(MAKEWORD(1, 1), &data) == 0;
    }();
    return started;
}

bool ResolveIPv4(const Text& name, IPAddr* address) {
    unsigned long dotted = inet_addr(name.c_str());
    if (dotted != INADDR_NONE) {
        *address = dotted;
        return true;
    }
    // The name's GBK bytes go as they are: gethostbyname takes the ANSI code
    // page, which is GBK on the Windows this program is made for.
    const hostent* host = gethostbyname(name.c_str());
    if (!host || host->h_addrtype != AF_INET || host->h_length != 4 || !host->h_addr_list[0])
        return false;
    std::memcpy(address, host->h_addr_list[0], 4);
    return true;
}

int RoundTripOf(const EchoReplyBuffer& reply, DWORD replies) {
    if (replies == 0) return -1;
    ICMP_ECHO_REPLY first;
    std::memcpy(&first, reply.bytes, sizeof first);
    return static_cast<int>(first.RoundTripTime);
}
