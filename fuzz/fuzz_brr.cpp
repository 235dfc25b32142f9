// The BRR readers, the block checks, the decoder, the ROM scan and the
// sample table over arbitrary bytes (the SPC reader has its own target).
#include <cstddef>
#include <cstdint>
#include <vector>

#include "audio/AudioTables.h"
#include "audio/BrrCodec.h"
#include "audio/SampleSources.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace quorvex;
    const std::vector<uint8_t> in(data, data + size); // exact size: overruns show

    CountBrrBlocks(in.data(), in.size());
    CheckBrrRun(in.data(), in.size());
    // A file the check passes decodes, unless it is longer than a clip.
    std::vector<uint8_t> whole;
    if (CheckBrrFile(in.data(), in.size()) == 0 && DecodeBrrToWav(in.data(), in.size(), 4096, whole) <= 0 &&
        in.size() / 9 * 32 + 44 <= kMaxDecodedWavBytes)
        __builtin_trap();
    std::vector<uint8_t> wav;
    DecodeBrrToWav(in.data(), in.size(), size > 0 ? data[0] * 64 + 1 : 4096, wav);

    CandidateList list;
    ReadBrrCandidate(in.data(), in.size(), list);
    list.Bytes(0);
    ScanForBrr(in.data(), in.size(), size > 0 ? data[0] % 8 : 1, list);
    for (size_t i = 0; i < list.items.size(); ++i)
        list.Bytes(i);

    // The sample table over input bytes as pointers and area.
    AudioTables t;
    t.pointerBytes.assign(kSampleCount * 3, 0);
    t.area.assign(kSampleAreaSize, 0);
    for (size_t i = 0; i < size; ++i) {
        if (i < t.pointerBytes.size())
            t.pointerBytes[i] = data[i];
        else
            t.area[(i * 977) % kSampleAreaSize] = data[i];
    }
    ParseSampleArea(t);
    if (!t.irregular && size > 0) {
        ReplaceSample(t, data[0] % kSampleCount, std::vector<uint8_t>(size, 0x01));
        ParseSampleArea(t);
        if (t.irregular)
            __builtin_trap(); // our own layout must always read back
    }
    return 0;
}
