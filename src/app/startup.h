// What every run begins with, once MainWindow and its controls exist.
#pragma once

// Starts the neighbourhood scan, then the start-up caption, each on its own
// thread, and returns at once.
void StartupHandler();

// Thread routine; its argument is ignored. Sets the caption to the company
// name (or the default) + the start-up middle + the local computer name.
void StartupCaption(int);
