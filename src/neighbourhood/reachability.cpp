#include "neighbourhood/neighbourhood.h"
#include "platform/main_view.h"
#include "platform/network.h"

// The ping is left outstanding instead of holding a thread: ten thousand
// computers cannot each have a blocked thread. The item is coloured only if it
// still shows the name that answered, since a rescan may have put another
// computer at that position meanwhile.
void ReachabilityCheck(int position) {
    int k = position - 1;
    Text name = ListItemText(k);
    PingHostAsync(name, [k, name](int milliseconds) {
        if (milliseconds >= 0) ListSetImageIfText(k, name, kImageAnswered);
    });
}
