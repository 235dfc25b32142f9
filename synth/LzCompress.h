#pragma once
// A compressor for the game's LZ format, used only to build the synthetic
// test image (the editor itself never compresses). Output is a complete
// block: the length word, then control bytes with their items.
#include <cstdint>
#include <vector>

namespace quorvex::synth {

// Greedy LZ77 over the 2 KiB window: copies of 3-34 bytes at distances up to
// 2048, everything else as literals. Input must be at most 65,536 bytes.
std::vector<uint8_t> LzCompress(const std::vector<uint8_t>& data);

// A block made of literals only (the worst case, for size tests).
std::vector<uint8_t> LzStoreLiterals(const std::vector<uint8_t>& data);

} // namespace quorvex::synth
