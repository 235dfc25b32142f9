#include "audio/SampleSources.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "audio/BrrCodec.h"
#include "audio/WavToBrr.h"

namespace quorvex {

std::vector<uint8_t> CandidateList::Bytes(size_t index) const
{
    if (index >= items.size())
        return {};
    const BrrCandidate& c = items[index];
    if (c.blocks <= 0)
        return {};
    const size_t n = static_cast<size_t>(c.blocks) * 9;
    if (c.start > source.size() || n > source.size() - c.start)
        return {};
    return std::vector<uint8_t>(source.begin() + c.start, source.begin() + c.start + static_cast<long>(n));
}

namespace {

BrrCandidate MakeCandidate(const std::vector<uint8_t>& src, uint32_t start, uint32_t loop)
{
    BrrCandidate c;
    c.start = start;
    c.loop = loop;
    if (start < src.size()) {
        c.blocks = CountBrrBlocks(src.data() + start, src.size() - start);
        c.valid = CheckBrrRun(src.data() + start, src.size() - start) >= 0;
    }
    return c;
}

} // namespace

int CheckSpcFile(const uint8_t* data, size_t length)
{
    if (!data || length < kSpcMagicSize || std::memcmp(data, kSpcMagic, kSpcMagicSize) != 0)
        return kSpcNoMagic;
    if (length < kSpcMinSize)
        return kSpcTruncated;
    return 0;
}

int ReadSpcCandidates(const uint8_t* data, size_t length, CandidateList& out)
{
    out.Clear();
    if (const int r = CheckSpcFile(data, length); r != 0)
        return r;
    out.kind = SourceKind::Spc;
    out.source.assign(data + kSpcHeaderSize, data + kSpcHeaderSize + kSpcRamSize);
    const uint8_t* dsp = data + kSpcHeaderSize + kSpcRamSize;
    const uint32_t dir = static_cast<uint32_t>(dsp[0x5D]) << 8;
    for (uint32_t e = 0; e < kMaxSpcCandidates; ++e) {
        // The sound chip's addresses wrap at 64 KiB, and so does a directory
        // placed in the last page.
        auto ram16 = [&](uint32_t at) {
            return static_cast<uint32_t>(out.source[at & 0xFFFF] | (out.source[(at + 1) & 0xFFFF] << 8));
        };
        const uint32_t start = ram16(dir + e * 4);
        const uint32_t loop = ram16(dir + e * 4 + 2);
        if (start == 0xFFFF)
            continue;
        out.items.push_back(MakeCandidate(out.source, start, loop));
    }
    return 0;
}

void ReadBrrCandidate(const uint8_t* data, size_t length, CandidateList& out)
{
    out.Clear();
    out.kind = SourceKind::Brr;
    if (data)
        out.source.assign(data, data + length);
    out.items.push_back(MakeCandidate(out.source, 0, 0));
}

int ReadWavCandidate(const uint8_t* data, size_t length, CandidateList& out)
{
    out.Clear();
    std::vector<uint8_t> brr(kMaxSampleBytes);
    size_t size = brr.size();
    const int r = ConvertWavToBrr(data, length, brr.data(), size);
    if (r != 0)
        return r;
    // A handful of samples encodes to nothing at all: no sample to take.
    if (size == 0)
        return kWavTooShort;
    brr.resize(size);
    out.kind = SourceKind::Wav;
    out.source = std::move(brr);
    out.items.push_back(MakeCandidate(out.source, 0, 0));
    return 0;
}

void ScanForBrr(const uint8_t* data, size_t length, int minBlocks, CandidateList& out)
{
    out.Clear();
    out.kind = SourceKind::Scan;
    if (data)
        out.source.assign(data, data + std::min(length, kMaxScanBytes));
    const size_t n = out.source.size();
    // run[i] = CheckBrrRun(data + i, n - i), from the back: a block's result
    // follows from the one 9 bytes further on.
    std::vector<int32_t> run(n + 9, -1);
    for (size_t i = n; i-- > 0;) {
        if (i + 9 > n) {
            run[i] = -1;
            continue;
        }
        const uint8_t header = out.source[i];
        if ((header & 0xF0) > 0xD0)
            run[i] = -2;
        else if (header & 0x01)
            run[i] = 1;
        else
            run[i] = run[i + 9] < 0 ? run[i + 9] : run[i + 9] + 1;
    }
    size_t at = 0;
    while (at < n && out.items.size() < kMaxCandidates) {
        const int32_t r = run[at];
        if (r <= 0 || r < minBlocks) {
            ++at;
            continue;
        }
        BrrCandidate c;
        c.start = static_cast<uint32_t>(at);
        c.blocks = r; // no block of the run has a shift above 13, so the counts agree
        c.valid = true;
        out.items.push_back(c);
        at += static_cast<size_t>(r) * 9;
    }
}

std::string CandidateStartText(SourceKind kind, uint32_t start)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, kind == SourceKind::Scan ? "0x%06X" : "0x%04X", start);
    return buf;
}

std::string CandidateValidText(const BrrCandidate& c) { return c.valid ? "Y" : "N"; }

} // namespace quorvex
