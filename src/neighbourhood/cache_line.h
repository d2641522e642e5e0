// Line reading over the bytes of the scan cache.
#pragma once
#include <cstddef>
#include <string>

#include "platform/text.h"

// The line that starts at `pos`, moving `pos` past it. LF ends a line and one
// CR before it is dropped; a lead byte (0x80 or more) and its trail byte are
// one character, so a trail byte never ends a line. A zero byte or 0x1A ends
// the data: the text before it is still returned and `pos` moves to the end.
// Past the end the result is empty, as is an empty line.
Text NextCacheLine(const std::string& bytes, size_t& pos);
