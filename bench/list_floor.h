// The floor for filling ComputerList: the same number of plain insertions,
// each one SendMessage(LVM_INSERTITEMW) from another thread, into a bare
// visible large-icon list view of ComputerList's size, styles and pictures.
// Its redraw is off for the whole fill and on again, with one repaint, at the
// end (one insert at a time with redraw on costs Wine ~15 ms per item).
#pragma once
#include "platform/text.h"

// Seconds from the first insertion to the repaint after the last; -1 when the
// window could not be made.
double MeasureInsertFloor(const TextList& texts);
