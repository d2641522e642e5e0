// Watches one pass of the real scan in the real MainWindow from outside: the
// window and its list view are subclassed (first paint, appends, colouring)
// and the ping engine reports each check's end. Times are performance-counter
// readings.
#pragma once
#include "platform/text.h"

// The computers of the network in the order the scan appends them.
void WatchComputers(const TextList& names);
// In MainWindow's created event, before it is first shown.
void AttachToMainWindow();

struct ScanFigures {
    int computers = 0;
    int appended = 0;
    int ended = 0;      // checks whose end the ping engine reported
    int answered = 0;   // of those, with a round-trip time
    int coloured = 0;   // items given the answered picture
    double secondsToCache = 0;       // pass start to NeighbourhoodScan's return
    double secondsToFirstAppend = 0; // pass start to the first item (the network asked)
    double secondsToLastAppend = 0;
    double secondsToLastColour = 0;  // pass start to the last colouring
    double secondsToLastEnd = 0;     // pass start to the last check's end
    double worstEndAfterAppend = 0;  // longest append-to-end of any item
    double lastEndAfterAppend = 0;   // the same for the item whose check ended last
    double secondsToFirstPaint = -1; // process creation to MainWindow's first WM_PAINT
};

// Thread routine: runs NeighbourhoodScan, waits for every check to end (at
// most `waitSeconds` after the scan), then closes MainWindow.
void TimedScan(int waitSeconds);
ScanFigures CollectScanFigures();
