// BPS apply over arbitrary bytes: it must refuse or produce exactly the
// result the patch names, never read or write outside either buffer and
// never hang. Half the inputs get a valid signature and valid patch and
// source checksums, so that the actions themselves are walked rather than
// refused at the checksum; a second half of each run makes a patch between
// two pieces of the input and applies it back.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "rom/Bps.h"
#include "rom/RomAddress.h"

namespace {

void PutCrc(std::vector<uint8_t>& out, uint32_t crc)
{
    uint8_t b[4];
    quorvex::WriteLe32(b, crc);
    out.insert(out.end(), b, b + 4);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace quorvex;
    if (size < 2)
        return 0;
    const size_t split = 2 + (size - 2) * data[1] / 255; // source | patch
    const std::vector<uint8_t> source(data + 2, data + split);
    std::vector<uint8_t> patch(data + split, data + size);
    if (data[0] & 1) {
        patch.insert(patch.begin(), {'B', 'P', 'S', '1'});
        PutCrc(patch, Crc32(source.data(), source.size()));
        PutCrc(patch, 0x12345678);
        PutCrc(patch, Crc32(patch.data(), patch.size()));
    }
    const std::vector<uint8_t> sentinel = {0xDE, 0xAD};
    std::vector<uint8_t> out = sentinel;
    const PatchResult r = ApplyBps(source, patch, out);
    BpsInfo info;
    const PatchResult described = ReadBpsInfo(patch, info);
    if (r.Ok()) {
        if (!described.Ok() || out.size() != info.targetSize || Crc32(out.data(), out.size()) != info.targetCrc)
            __builtin_trap();
    } else if (out != sentinel || PatchMessage(r).empty()) {
        __builtin_trap();
    }

    // Round trip: the source against the patch bytes taken as a target.
    const std::vector<uint8_t> target(data + split, data + size);
    const std::vector<uint8_t> made = CreateBps(source, target);
    std::vector<uint8_t> back;
    if (!ApplyBps(source, made, back).Ok() || back != target)
        __builtin_trap();
    return 0;
}
