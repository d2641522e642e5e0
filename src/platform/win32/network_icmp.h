// ICMP echo and IPv4 name resolution, shared by the blocking and the
// asynchronous ping and by HostAddress.
#pragma once
#include <winsock2.h>
#include <windows.h>
#include <ipexport.h>

#include "platform/text.h"

// The NT I/O completion routine IcmpSendEcho2 queues to the calling thread.
using EchoApcRoutine = void(WINAPI*)(void* context, void* ioStatus, ULONG reserved);

// Loaded at run time (iphlpapi.dll, else icmp.dll) so the program starts on
// systems where either is missing; members a DLL lacks are null.
struct IcmpFunctions {
    HANDLE(WINAPI* createFile)();
    BOOL(WINAPI* closeHandle)(HANDLE);
    DWORD(WINAPI* sendEcho)(HANDLE, IPAddr, void*, WORD, IP_OPTION_INFORMATION*, void*, DWORD, DWORD);
    DWORD(WINAPI* sendEcho2)(HANDLE, HANDLE, EchoApcRoutine, void*, IPAddr, void*, WORD,
                             IP_OPTION_INFORMATION*, void*, DWORD, DWORD);
    DWORD(WINAPI* parseReplies)(void*, DWORD);
};

// Null when no DLL offers IcmpCreateFile, IcmpSendEcho and IcmpCloseHandle.
const IcmpFunctions* Icmp();

// Windows Sockets 1.1, started once and left running.
bool StartSockets();

// A dotted name (as inet_addr takes it) is used as it is; any other name is
// looked up with gethostbyname and its first address taken.
bool ResolveIPv4(const Text& name, IPAddr* address);

// One ICMP_ECHO_REPLY plus the 8 bytes of an ICMP error message: 36 bytes on
// i686, and no data is sent.
constexpr DWORD kEchoReplySize = sizeof(ICMP_ECHO_REPLY) + 8;

struct EchoReplyBuffer {
    alignas(ICMP_ECHO_REPLY) unsigned char bytes[kEchoReplySize];
};

// Round-trip time of the first reply when `replies` says one came, else -1.
// Any reply counts, whatever its status.
int RoundTripOf(const EchoReplyBuffer& reply, DWORD replies);
