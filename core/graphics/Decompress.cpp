#include "graphics/Decompress.h"

#include <cstring>
#include <vector>

namespace quorvex {

int DecompressBlock(const uint8_t* buffer, size_t size, size_t offset, uint8_t* out)
{
    if (offset > size || size - offset < 2)
        return -1;
    const uint8_t* in = buffer + offset + 2;
    const size_t L = buffer[offset] | (buffer[offset + 1] << 8);
    if (L == 0)
        return 0;
    // The data ends E bytes after the length word; the buffer must hold them.
    const size_t E = (L - 2) & 0xFFFF;
    const size_t avail = size - offset - 2;

    // 2 KiB ring window, zero-filled, written from 0x7DE on. Decoding stops
    // once more than 100,000 bytes have come out, so the scratch output
    // never needs more than that plus one longest copy.
    uint8_t window[0x800] = {};
    unsigned p = 0x7DE;
    // n never passes 100,000 before the check stops decoding, so one more
    // longest copy is all the slack the scratch buffer needs.
    std::vector<uint8_t> scratch(100000 + 1 + 34);
    size_t n = 0;
    size_t pos = 0;
    do {
        if (pos >= avail)
            return -1;
        const uint8_t control = in[pos++];
        for (int bit = 0; bit < 8; ++bit) {
            if (n > 100000)
                return -1;
            if (control & (1u << bit)) {
                if (pos >= avail)
                    return -1;
                const uint8_t b = in[pos++];
                scratch[n++] = b;
                window[p++ & 0x7FF] = b;
            } else {
                if (pos + 1 >= avail)
                    return -1;
                const unsigned w = in[pos] | (in[pos + 1] << 8);
                pos += 2;
                const unsigned s = w & 0x7FF;
                const unsigned k = (w >> 11) + 3;
                for (unsigned i = 0; i < k; ++i) {
                    const uint8_t b = window[(s + i) & 0x7FF];
                    scratch[n++] = b;
                    window[p++ & 0x7FF] = b;
                }
            }
            if (pos >= E)
                break;
        }
    } while (pos < E);
    if (n > kDecompressMaxOutput)
        return -1;
    std::memcpy(out, scratch.data(), n);
    return static_cast<int>(n);
}

} // namespace quorvex
