#pragma once
// The game's LZ decompressor. A compressed block is a 16-bit little-endian
// length word L (counting itself) and L - 2 bytes of data; L = 0 is empty.
#include <cstddef>
#include <cstdint>

namespace quorvex {

// Every caller reserves this much output.
constexpr size_t kDecompressMaxOutput = 0x10000;

// Decompresses the block at `offset` of `buffer` (size bytes long) into
// `out`, which holds kDecompressMaxOutput bytes. Returns the bytes produced,
// 0 for an empty block, -1 on failure (more than 100,000 bytes produced while
// decoding, more than 65,536 at the end, or a block that runs past the end of
// the buffer). Nothing is written to `out` on failure or for an empty block.
int DecompressBlock(const uint8_t* buffer, size_t size, size_t offset, uint8_t* out);

} // namespace quorvex
