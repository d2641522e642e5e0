#pragma once

// Runs the whole program; returns the process exit code.
int RunProgram();
