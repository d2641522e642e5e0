// Resource identifiers shared by the program's .rc file and its code.
#pragma once

#define QY_PROGRAM_ICON 1
