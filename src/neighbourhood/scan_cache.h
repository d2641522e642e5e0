// The names of the last scan, kept in the work folder from one run to the next.
#pragma once
#include "platform/text.h"

Text ScanCachePath();
// Writes every non-empty item text of ComputerList, each followed by CR LF.
// An empty line would end a later reload early, so empty texts are left out;
// with nothing left to write the file keeps its content.
void WriteScanCache();
