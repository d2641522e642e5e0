#include "neighbourhood/neighbourhood.h"
#include "platform/main_view.h"
#include "platform/network.h"
#include "platform/threads.h"

namespace {

const char kWorking[] = "获取中。。。";
const char kDone[] = "共享不了请点击这里，单击空白处刷新列表！";

}  // namespace

void StartAddressView() { StartThread(AddressView, 1); }

// Only the selected computer is pinged; its answer decides for the whole list.
void AddressView(int) {
    StatusSetText(kWorking);
    Text selected = ListItemText(ListSelected());
    if (PingHost(selected) >= 0) {
        int count = ListCount();
        for (int k = 0; k < count; ++k) ListSetText(k, HostAddress(ListItemText(k)));
    }
    StatusSetText(kDone);
}
