#include "app/program.h"
#include "platform/system.h"

// Arguments are ignored: the program has no command-line options.
int main() { EndProcess(RunProgram()); }
