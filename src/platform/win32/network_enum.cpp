// Workgroups, computers and shares of the Windows network, through the WNet
// enumeration functions.
#include <windows.h>
#include <winnetwk.h>

#include <vector>

#include "platform/network.h"
#include "platform/win32/text_convert.h"

namespace {

constexpr size_t kMaxWorkgroups = 4096;
constexpr size_t kMaxComputers = 10240;
constexpr size_t kMaxNameBytes = 255;

struct EnumHandle {
    HANDLE h = nullptr;
    ~EnumHandle() {
        if (h) WNetCloseEnum(h);
    }
};

// Every entry below `container` (null: the top level), in the order the
// network gives them, until `take` says it has enough. An enumeration ends at
// ERROR_NO_MORE_ITEMS, at any error, or at a call that gives nothing, keeping
// what it gathered until then.
template <typename Take>
void Enumerate(NETRESOURCEW* container, DWORD type, DWORD usage, Take take) {
    EnumHandle handle;
    if (WNetOpenEnumW(RESOURCE_GLOBALNET, type, usage, container, &handle.h) != NO_ERROR) return;
    std::vector<unsigned char> buffer(64 * 1024);
    for (;;) {
        // Wine 8.0 crashes on a top-level enumeration asked for more entries
        // than it has providers, unless the count is "as many as there are".
        DWORD count = 0xFFFFFFFF;
        DWORD size = static_cast<DWORD>(buffer.size());
        DWORD result = WNetEnumResourceW(handle.h, &count, buffer.data(), &size);
        if (result == ERROR_MORE_DATA && size > buffer.size()) {
            buffer.resize(size);
            continue;
        }
        if (result != NO_ERROR || count == 0) return;
        const auto* entries = reinterpret_cast<const NETRESOURCEW*>(buffer.data());
        for (DWORD i = 0; i < count; ++i)
            if (!take(entries[i])) return;
    }
}

// Names longer than a host or workgroup name can be are no name to open.
bool Fits(const Text& name) { return !name.empty() && name.size() <= kMaxNameBytes; }

TextList ContainersOf(NETRESOURCEW* container, size_t limit, bool dropBackslashes) {
    TextList names;
    Enumerate(container, RESOURCETYPE_DISK, RESOURCEUSAGE_CONTAINER, [&](const NETRESOURCEW& entry) {
        if (!entry.lpRemoteName) return true;
        Text name = NarrowZ(entry.lpRemoteName);
        if (dropBackslashes && name.compare(0, 2, "\\\\") == 0) name.erase(0, 2);
        if (Fits(name)) names.push_back(name);
        return names.size() < limit;
    });
    return names;
}

}  // namespace

TextList ListWorkgroups() {
    std::vector<std::wstring> providers;
    Enumerate(nullptr, RESOURCETYPE_DISK, RESOURCEUSAGE_CONTAINER, [&](const NETRESOURCEW& entry) {
        const wchar_t* name = entry.lpRemoteName ? entry.lpRemoteName : entry.lpProvider;
        if (name) providers.emplace_back(name);
        return true;
    });
    TextList workgroups;
    for (std::wstring& provider : providers) {
        NETRESOURCEW start{};
        start.dwScope = RESOURCE_GLOBALNET;
        start.dwType = RESOURCETYPE_DISK;
        start.dwUsage = RESOURCEUSAGE_CONTAINER;
        start.lpProvider = &provider[0];
        for (Text& name : ContainersOf(&start, kMaxWorkgroups - workgroups.size(), false))
            workgroups.push_back(std::move(name));
        if (workgroups.size() >= kMaxWorkgroups) break;
    }
    return workgroups;
}

TextList ListComputers(const Text& workgroup) {
    std::wstring remote = Wide(workgroup);
    NETRESOURCEW start{};
    start.dwScope = RESOURCE_GLOBALNET;
    start.dwType = RESOURCETYPE_DISK;
    start.dwUsage = RESOURCEUSAGE_CONTAINER;
    start.lpRemoteName = &remote[0];
    return ContainersOf(&start, kMaxComputers, true);
}

TextList ListShares(const Text& computer) {
    std::wstring remote = Wide("\\\\" + computer);
    NETRESOURCEW start{};
    start.dwScope = RESOURCE_GLOBALNET;
    start.dwType = RESOURCETYPE_ANY;
    start.dwUsage = RESOURCEUSAGE_CONTAINER;
    start.lpRemoteName = &remote[0];
    TextList shares;
    Enumerate(&start, RESOURCETYPE_ANY, RESOURCEUSAGE_CONNECTABLE, [&](const NETRESOURCEW& entry) {
        if (entry.lpRemoteName) shares.push_back(NarrowZ(entry.lpRemoteName));
        return true;
    });
    return shares;
}
