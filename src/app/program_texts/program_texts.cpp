#include "app/program_texts/program_texts.h"

namespace {
Text g_rdpTempPath, g_rdpText, g_localComputerName;
}

Text& RdpTempPath() { return g_rdpTempPath; }
Text& RdpText() { return g_rdpText; }
Text& LocalComputerName() { return g_localComputerName; }

void ReleaseProgramTexts() {
    Text().swap(g_rdpTempPath);
    Text().swap(g_rdpText);
    Text().swap(g_localComputerName);
}
