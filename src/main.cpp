#include "app/program.h"

// Arguments are ignored: the program has no command-line options.
int main() { return RunProgram(); }
