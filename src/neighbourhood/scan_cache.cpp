#include "neighbourhood/scan_cache.h"

#include "neighbourhood/cache_line.h"
#include "neighbourhood/neighbourhood.h"
#include "platform/files.h"
#include "platform/main_view.h"

Text ScanCachePath() { return WorkFolder() + "不通时.txt"; }

void WriteScanCache() {
    int count = ListCount();
    std::string bytes;
    for (int k = 0; k < count; ++k) {
        Text name = ListItemText(k);
        if (name.empty()) continue;
        bytes += name + "\r\n";
    }
    if (bytes.empty()) return;
    WriteWholeFile(ScanCachePath(), bytes);
}

void CacheReload() {
    ListClear();
    std::string bytes = ReadWholeFile(ScanCachePath());
    size_t pos = 0;
    for (Text name = NextCacheLine(bytes, pos); !name.empty(); name = NextCacheLine(bytes, pos)) {
        int position = ListAppend(name, kImageUnanswered);
        if (position < 0) break;  // the window is gone
        ReachabilityCheck(position + 1);
    }
    ListShowPending();
}
