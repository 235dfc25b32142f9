// DecompressBlock over arbitrary bytes and offsets: it must never read
// outside the buffer or write more than the caller's 65,536 bytes.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "graphics/Decompress.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const size_t offset = data[0] % 8;
    std::vector<uint8_t> buffer(data + 1, data + size); // exact size: ASan sees any overread
    std::vector<uint8_t> out(quorvex::kDecompressMaxOutput);
    const int n = quorvex::DecompressBlock(buffer.data(), buffer.size(), offset, out.data());
    if (n < -1 || n > static_cast<int>(quorvex::kDecompressMaxOutput))
        __builtin_trap();
    return 0;
}
