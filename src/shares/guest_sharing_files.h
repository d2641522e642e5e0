// The batch and registry files that switch the computer to guest sharing.
#pragma once
#include "platform/text.h"

// WorkFolder + "\共享.bat" and WorkFolder + "\开启共享.reg": the
// doubled backslash is harmless to the file system.
Text SharingBatchFile();
Text SharingRegFile();

// Their GBK bytes, CR LF after every line.
Text SharingBatchText();
Text SharingRegText();
