#include "neighbourhood/cache_line.h"

namespace {

bool EndsData(unsigned char c) { return c == 0x00 || c == 0x1A; }

}  // namespace

Text NextCacheLine(const std::string& bytes, size_t& pos) {
    Text line;
    bool endsInCr = false;  // the last character is a single-byte CR
    while (pos < bytes.size()) {
        unsigned char c = static_cast<unsigned char>(bytes[pos]);
        if (EndsData(c)) {
            pos = bytes.size();
            break;
        }
        ++pos;
        if (c == '\n') break;
        line += static_cast<char>(c);
        endsInCr = c == '\r';
        // A zero byte still ends the data, even right after a lead byte.
        if (c >= 0x80 && pos < bytes.size() && bytes[pos] != '\0') line += bytes[pos++];
    }
    if (endsInCr) line.pop_back();
    return line;
}
