// The SPC reader, the BRR readers, the block checks, the decoder and the
// ROM scan over arbitrary bytes.
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
    std::vector<uint8_t> wav;
    DecodeBrrToWav(in.data(), in.size(), size > 0 ? data[0] * 64 + 1 : 4096, wav);

    CandidateList list;
    ReadBrrCandidate(in.data(), in.size(), list);
    list.Bytes(0);
    ScanForBrr(in.data(), in.size(), size > 0 ? data[0] % 8 : 1, list);
    for (size_t i = 0; i < list.items.size(); ++i)
        list.Bytes(i);

    // An SPC dump: the input laid over a directory page and the RAM.
    // (The background bytes end a run at every block, so each of the 128
    // entries does not walk the whole RAM and the fuzzer stays fast.)
    std::vector<uint8_t> spc(kSpcMinSize, 0x01);
    for (size_t i = 0; i < size && i < spc.size(); ++i)
        spc[(i * 131 + kSpcHeaderSize) % spc.size()] = data[i];
    if (size > 0)
        spc[kSpcHeaderSize + kSpcRamSize + 0x5D] = data[0];
    if (ReadSpcCandidates(spc.data(), spc.size(), list) == 0) {
        if (list.items.size() > kMaxSpcCandidates)
            __builtin_trap();
        for (size_t i = 0; i < list.items.size(); ++i) {
            const auto b = list.Bytes(i);
            DecodeBrrToWav(b.data(), b.size(), 4096, wav);
        }
    }
    ReadSpcCandidates(in.data(), in.size(), list);

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
