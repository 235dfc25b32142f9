// The SPC dump reader over arbitrary bytes. The raw input is a file as a
// user may pick it: it is read only when it starts with the dump's magic
// text and holds the RAM and the registers, and a refusal leaves nothing
// behind. The input is then laid behind a valid magic text over the RAM, the
// directory page and the DSP registers, so that the directory walk and each
// candidate's block checks run on every input; the same dump cut short by
// one byte is refused.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "audio/BrrCodec.h"
#include "audio/SampleSources.h"

namespace {

using namespace quorvex;

// Every accepted list: at most 128 entries, none with start 0xFFFF, each
// entry's bytes whole blocks inside the RAM and ending with the end flag.
void CheckList(const CandidateList& list)
{
    if (list.kind != SourceKind::Spc || list.source.size() != kSpcRamSize || list.items.size() > kMaxSpcCandidates)
        __builtin_trap();
    std::vector<uint8_t> wav;
    for (size_t i = 0; i < list.items.size(); ++i) {
        const BrrCandidate& c = list.items[i];
        if (c.start == 0xFFFF || c.start >= kSpcRamSize)
            __builtin_trap();
        const std::vector<uint8_t> b = list.Bytes(i);
        if (c.blocks > 0) {
            if (b.size() != static_cast<size_t>(c.blocks) * 9 || !(b[b.size() - 9] & 0x01))
                __builtin_trap();
            if (c.valid && DecodeBrrToWav(b.data(), b.size(), 4096, wav) <= 0)
                __builtin_trap();
        } else if (!b.empty() || c.valid) {
            __builtin_trap();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<uint8_t> in(data, data + size); // exact size: overruns show

    CandidateList list;
    list.items.resize(1); // a refusal must clear what was there
    const int raw = ReadSpcCandidates(in.data(), in.size(), list);
    const bool magic = size >= kSpcMagicSize && std::memcmp(data, kSpcMagic, kSpcMagicSize) == 0;
    const int expect = !magic ? kSpcNoMagic : (size < kSpcMinSize ? kSpcTruncated : 0);
    if (raw != expect || CheckSpcFile(in.data(), in.size()) != expect)
        __builtin_trap();
    if (raw != 0 && (!list.items.empty() || !list.source.empty() || list.kind != SourceKind::None))
        __builtin_trap();
    if (raw == 0)
        CheckList(list);

    // A dump holding the input. (The background bytes end a run at every
    // block, so each of the 128 entries does not walk the whole RAM and the
    // fuzzer stays fast.) An odd input gets the extended tags' room too.
    std::vector<uint8_t> spc(kSpcMinSize + (size & 1 ? 0x80 : 0), 0x01);
    std::memcpy(spc.data(), kSpcMagic, kSpcMagicSize);
    const size_t room = spc.size() - kSpcMagicSize;
    for (size_t i = 0; i < size; ++i)
        spc[kSpcMagicSize + (i * 131 + kSpcHeaderSize) % room] = data[i];
    if (size > 0)
        spc[kSpcHeaderSize + kSpcRamSize + 0x5D] = data[0];
    if (ReadSpcCandidates(spc.data(), spc.size(), list) != 0)
        __builtin_trap();
    CheckList(list);
    const std::vector<uint8_t> cut(spc.begin(), spc.begin() + static_cast<long>(kSpcMinSize) - 1);
    if (ReadSpcCandidates(cut.data(), cut.size(), list) != kSpcTruncated || !list.items.empty())
        __builtin_trap();
    return 0;
}
