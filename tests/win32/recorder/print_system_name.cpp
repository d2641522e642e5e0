// Prints SystemName() as the version Wine reports to this process, which is
// read when the process starts.
#include <cstdio>

#include "settings/settings.h"

int main() {
    Text name = SystemName();
    fwrite(name.data(), 1, name.size(), stdout);
    return 0;
}
