// The three texts that live for the whole run. Used on the user-interface
// thread only, so they need no lock.
#pragma once
#include "platform/text.h"

Text& RdpTempPath();        // path of the most recent connection file
Text& RdpText();            // text of the connection file being built / last built
Text& LocalComputerName();  // read each time the local shares window opens

// The exit routine: releases all three.
void ReleaseProgramTexts();
