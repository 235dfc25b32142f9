// IPS apply over arbitrary bytes: it must refuse or apply every record,
// never read past the patch, and give a result whose size the records and
// the truncation size decide. Half the inputs get the "PATCH" signature
// and the end marker; each run also makes a patch between two pieces of
// the input and applies it back.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "rom/Ips.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace quorvex;
    if (size < 2)
        return 0;
    const size_t split = 2 + (size - 2) * data[1] / 255; // source | patch
    const std::vector<uint8_t> source(data + 2, data + split);
    std::vector<uint8_t> patch(data + split, data + size);
    if (data[0] & 1) {
        patch.insert(patch.begin(), {'P', 'A', 'T', 'C', 'H'});
        patch.insert(patch.end(), {'E', 'O', 'F'});
    }
    const std::vector<uint8_t> sentinel = {0xDE, 0xAD};
    std::vector<uint8_t> out = sentinel;
    const PatchResult r = ApplyIps(source, patch, out);
    IpsInfo info;
    const PatchResult described = ReadIpsInfo(patch, info);
    if (r.Ok()) {
        const uint64_t expected = info.truncates ? info.truncateTo : std::max<uint64_t>(source.size(), info.end);
        if (!described.Ok() || out.size() != expected)
            __builtin_trap();
    } else if (out != sentinel || described.status != r.status || PatchMessage(r).empty()) {
        __builtin_trap();
    }

    const std::vector<uint8_t> target(data + split, data + size);
    std::vector<uint8_t> made, back;
    if (!CreateIps(source, target, made).Ok() || !ApplyIps(source, made, back).Ok() || back != target)
        __builtin_trap();
    return 0;
}
