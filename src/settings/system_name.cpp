#include <cmath>

#include "platform/system.h"
#include "settings/settings.h"

namespace {

struct VersionName {
    double number;
    const char* name;
};

// Compared in this order; the first within 1e-7 wins.
const VersionName kVersionNames[] = {
    {5.0, "Windows 2000"}, {5.1, "Windows XP"}, {5.2, "Windows Server 2003"},
    {6.0, "Vista"},        {6.1, "Windows 7"},
};

}  // namespace

Text SystemName() {
    uint32_t word = WindowsVersion() & 0xFFFF;
    double major = word & 0xFF, minor = (word >> 8) & 0xFF;
    double number = major + minor / 10.0;
    for (const VersionName& v : kVersionNames)
        if (std::fabs(number - v.number) <= 1e-7) return v.name;
    return "？";
}
