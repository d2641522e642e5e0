// Modality by hand: the thread's other visible top-level windows take no
// input while a modal window of the program is up.
#pragma once
#include <windows.h>

#include <vector>

class ThreadWindowsDisabled {
public:
    // `spared` stays as it is (a dialog that disables its own owner).
    explicit ThreadWindowsDisabled(HWND spared = nullptr);
    ~ThreadWindowsDisabled() { Restore(); }
    ThreadWindowsDisabled(const ThreadWindowsDisabled&) = delete;
    ThreadWindowsDisabled& operator=(const ThreadWindowsDisabled&) = delete;

    // Enables them again; done before the modal window goes, so one of them
    // gets the activation back instead of another program.
    void Restore();

private:
    std::vector<HWND> windows_;
};
