#include "neighbourhood/neighbourhood.h"
#include "neighbourhood/scan_cache.h"
#include "platform/main_view.h"
#include "platform/network.h"

namespace {

const char kPassHint[] = "点击空白处刷新，右击更多功能。彩色的代表计算机能打开（单击我打开帮助）";

}  // namespace

void NeighbourhoodScan(int) {
    TextList workgroups = ListWorkgroups();
    // Cleared only now, so the old names stay visible while the network is asked.
    ListClear();
    for (const Text& workgroup : workgroups) {
        for (const Text& computer : ListComputers(workgroup)) {
            // The position the append gives, not a later count: another pass
            // appending meanwhile must not make this item go unchecked.
            int position = ListAppend(computer, kImageUnanswered);
            if (position >= 0) ReachabilityCheck(position + 1);
        }
        ListShowPending();
        StatusSetText(kPassHint);
    }
    if (ListCount() == 0) return;
    WriteScanCache();
}
