// Background threads: started with a routine and one integer, never waited for.
#pragma once

using ThreadRoutine = void (*)(int);

// Returns whether the thread could be created; its handle is closed at once.
bool StartThread(ThreadRoutine routine, int argument);
