// A network provider for tests: it gives Wine's WNet functions the network
// that a test wrote to a file (see test_network.h). Never shipped.
#include <windows.h>
#include <winnetwk.h>
extern "C" {  // mingw-w64's npapi.h declares without C linkage
#include <npapi.h>
}

#include <vector>

#include "test_network.h"

namespace {

const wchar_t kProviderName[] = L"Qingyu Test Network";
// A network type no real provider uses.
constexpr DWORD kNetType = 0x00FE0000;

struct Entry {
    std::wstring remoteName;
    DWORD displayType;
    DWORD usage;
};

struct Enumeration {
    std::vector<Entry> entries;
    size_t next = 0;
};

bool SameName(const std::wstring& a, const wchar_t* b) { return lstrcmpiW(a.c_str(), b) == 0; }

// Null when the remote name is not in the network.
Enumeration* Open(const NETRESOURCEW* start) {
    auto* e = new Enumeration;
    const wchar_t* remote = start ? start->lpRemoteName : nullptr;
    bool found = !remote;
    for (const TestWorkgroup& workgroup : ReadTestNetwork()) {
        if (!remote) {
            e->entries.push_back({workgroup.name, RESOURCEDISPLAYTYPE_DOMAIN, RESOURCEUSAGE_CONTAINER});
        } else if (SameName(workgroup.name, remote)) {
            found = true;
            for (const TestComputer& computer : workgroup.computers)
                e->entries.push_back({computer.remoteName, RESOURCEDISPLAYTYPE_SERVER, RESOURCEUSAGE_CONTAINER});
        } else {
            for (const TestComputer& computer : workgroup.computers) {
                if (!SameName(computer.remoteName, remote)) continue;
                found = true;
                for (const std::wstring& share : computer.shares)
                    e->entries.push_back({share, RESOURCEDISPLAYTYPE_SHARE, RESOURCEUSAGE_CONNECTABLE});
            }
        }
        if (found && remote) break;
    }
    if (found) return e;
    delete e;
    return nullptr;
}

DWORD EntrySize(const Entry& entry) {
    return static_cast<DWORD>(sizeof(NETRESOURCEW) + (entry.remoteName.size() + 1) * sizeof(wchar_t) +
                              sizeof kProviderName);
}

wchar_t* PutString(unsigned char*& tail, const wchar_t* text, size_t chars) {
    tail -= chars * sizeof(wchar_t);
    CopyMemory(tail, text, chars * sizeof(wchar_t));
    return reinterpret_cast<wchar_t*>(tail);
}

}  // namespace

extern "C" {

DWORD WINAPI NPGetCaps(DWORD index) {
    switch (index) {
        case WNNC_SPEC_VERSION: return WNNC_SPEC_VERSION51;
        case WNNC_NET_TYPE: return kNetType;
        case WNNC_ENUMERATION: return WNNC_ENUM_GLOBAL;
        default: return 0;
    }
}

DWORD WINAPI NPOpenEnum(DWORD scope, DWORD, DWORD, LPNETRESOURCEW start, LPHANDLE handle) {
    if (!handle) return WN_BAD_VALUE;
    if (scope != RESOURCE_GLOBALNET) return WN_NOT_SUPPORTED;
    Enumeration* e = Open(start);
    if (!e) return WN_BAD_NETNAME;
    *handle = e;
    return WN_SUCCESS;
}

// Every remaining entry in one call (Wine's mpr expects that), then
// WN_NO_MORE_ENTRIES; a buffer too small for them all gets WN_MORE_DATA and
// the size needed.
DWORD WINAPI NPEnumResource(HANDLE handle, LPDWORD count, LPVOID buffer, LPDWORD bufferSize) {
    auto* e = static_cast<Enumeration*>(handle);
    if (!e || !count || !bufferSize) return WN_BAD_VALUE;
    if (e->next >= e->entries.size()) return WN_NO_MORE_ENTRIES;
    size_t end = e->entries.size();
    if (*count != 0xFFFFFFFF && *count > 0 && e->next + *count < end) end = e->next + *count;
    // Room to align the strings, which are packed from the buffer's end.
    DWORD needed = sizeof(wchar_t);
    for (size_t i = e->next; i < end; ++i) needed += EntrySize(e->entries[i]);
    if (needed > *bufferSize || !buffer) {
        *bufferSize = needed;
        return WN_MORE_DATA;
    }
    auto* resources = static_cast<NETRESOURCEW*>(buffer);
    unsigned char* tail = static_cast<unsigned char*>(buffer) + *bufferSize;
    tail -= reinterpret_cast<uintptr_t>(tail) % sizeof(wchar_t);
    DWORD n = 0;
    for (size_t i = e->next; i < end; ++i, ++n) {
        const Entry& entry = e->entries[i];
        NETRESOURCEW& r = resources[n];
        ZeroMemory(&r, sizeof r);
        r.dwScope = RESOURCE_GLOBALNET;
        r.dwType = entry.usage == RESOURCEUSAGE_CONNECTABLE ? RESOURCETYPE_DISK : RESOURCETYPE_ANY;
        r.dwDisplayType = entry.displayType;
        r.dwUsage = entry.usage;
        r.lpRemoteName = PutString(tail, entry.remoteName.c_str(), entry.remoteName.size() + 1);
        r.lpProvider = PutString(tail, kProviderName, sizeof kProviderName / sizeof(wchar_t));
    }
    e->next = end;
    *count = n;
    return WN_SUCCESS;
}

DWORD WINAPI NPCloseEnum(HANDLE handle) {
    delete static_cast<Enumeration*>(handle);
    return WN_SUCCESS;
}

}  // extern "C"
