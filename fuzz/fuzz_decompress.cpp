// DecompressBlock over arbitrary bytes and offsets: it must never read
// outside the buffer or write more than the caller's 65,536 bytes. Half of
// the inputs are first compressed with the test compressor, so that the
// fuzzer also walks well-formed blocks (long copies, window wrap) and
// checks that they decode back to what was compressed.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "LzCompress.h"
#include "graphics/Decompress.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    std::vector<uint8_t> out(quorvex::kDecompressMaxOutput);
    if (data[0] & 0x80) {
        // Well-formed: a block made from the rest, decoded again.
        std::vector<uint8_t> plain(data + 1, data + size);
        if (plain.size() > quorvex::kDecompressMaxOutput)
            plain.resize(quorvex::kDecompressMaxOutput);
        const std::vector<uint8_t> block = quorvex::synth::LzCompress(plain);
        const int n = quorvex::DecompressBlock(block.data(), block.size(), 0, out.data());
        if (plain.empty() ? n != 0 : (n != static_cast<int>(plain.size()) ||
                                      std::memcmp(out.data(), plain.data(), plain.size()) != 0))
            __builtin_trap();
        return 0;
    }
    const size_t offset = data[0] % 8;
    std::vector<uint8_t> buffer(data + 1, data + size); // exact size: ASan sees any overread
    const int n = quorvex::DecompressBlock(buffer.data(), buffer.size(), offset, out.data());
    if (n < -1 || n > static_cast<int>(quorvex::kDecompressMaxOutput))
        __builtin_trap();
    return 0;
}
