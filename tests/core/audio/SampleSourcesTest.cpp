// SPC dumps, BRR and WAV files and the ROM scan as sample sources.
#include <gtest/gtest.h>

#include <cstring>

#include "AudioTestUtil.h"
#include "audio/SampleSources.h"

using namespace quorvex;
using namespace quorvex::test;

namespace {

// An SPC dump with a directory at page `dirPage` and samples placed in RAM.
// The text every SPC dump starts with, and the version text after it.
constexpr char kMagicText[] = "SNES-SPC700 Sound File Data v0.30";

struct Spc {
    std::vector<uint8_t> file = std::vector<uint8_t>(kSpcMinSize, 0);
    Spc() { std::memcpy(file.data(), kMagicText, sizeof kMagicText - 1); }
    uint8_t* Ram() { return file.data() + kSpcHeaderSize; }
    void SetDir(uint8_t page) { file[kSpcHeaderSize + kSpcRamSize + 0x5D] = page; }
    void Entry(uint8_t page, int e, uint16_t start, uint16_t loop)
    {
        const uint32_t at = (page * 256u + static_cast<uint32_t>(e) * 4) & 0xFFFF;
        Ram()[at] = static_cast<uint8_t>(start);
        Ram()[(at + 1) & 0xFFFF] = static_cast<uint8_t>(start >> 8);
        Ram()[(at + 2) & 0xFFFF] = static_cast<uint8_t>(loop);
        Ram()[(at + 3) & 0xFFFF] = static_cast<uint8_t>(loop >> 8);
    }
    void Put(uint32_t at, const std::vector<uint8_t>& b) { std::copy(b.begin(), b.end(), Ram() + at); }
};

std::vector<uint8_t> Brr(int blocks, uint8_t header = 0xB0)
{
    std::vector<uint8_t> b(static_cast<size_t>(blocks) * 9, 0x12);
    for (int i = 0; i < blocks; ++i)
        b[static_cast<size_t>(i) * 9] = static_cast<uint8_t>(header | (i == blocks - 1 ? 1 : 0));
    return b;
}

} // namespace

TEST(SpcSource, DirectoryFromTheDspRegister)
{
    Spc spc;
    spc.SetDir(0x3C);
    // Directory entries are every one of the 128 that is not 0xFFFF.
    for (int e = 0; e < 128; ++e)
        spc.Entry(0x3C, e, 0xFFFF, 0);
    spc.Entry(0x3C, 0, 0x4000, 0x4012);
    spc.Entry(0x3C, 5, 0x5000, 0x5000);
    spc.Entry(0x3C, 127, 0xFFF8, 0xFFF8); // a block would run past the RAM
    spc.Put(0x4000, Brr(20));
    spc.Put(0x5000, Brr(3, 0xE0)); // shift 14: listed, not valid
    CandidateList list;
    ASSERT_EQ(ReadSpcCandidates(spc.file.data(), spc.file.size(), list), 0);
    EXPECT_EQ(list.kind, SourceKind::Spc);
    ASSERT_EQ(list.items.size(), 3u);
    EXPECT_EQ(list.items[0].start, 0x4000u);
    EXPECT_EQ(list.items[0].loop, 0x4012u);
    EXPECT_EQ(list.items[0].blocks, 20);
    EXPECT_TRUE(list.items[0].valid);
    EXPECT_EQ(list.Bytes(0), Brr(20));
    EXPECT_EQ(list.items[1].blocks, 3);
    EXPECT_FALSE(list.items[1].valid);
    EXPECT_EQ(list.items[2].blocks, -1);
    EXPECT_FALSE(list.items[2].valid);
    EXPECT_TRUE(list.Bytes(2).empty());
    EXPECT_TRUE(list.Bytes(99).empty());
    EXPECT_EQ(CandidateStartText(list.kind, 0x4000), "0x4000");
    EXPECT_EQ(CandidateValidText(list.items[1]), "N");
}

TEST(SpcSource, AllEntriesEmptyOrDirectoryInTheLastPage)
{
    Spc spc;
    spc.SetDir(0x20);
    for (int e = 0; e < 128; ++e)
        spc.Entry(0x20, e, 0xFFFF, 0xFFFF);
    CandidateList list;
    ASSERT_EQ(ReadSpcCandidates(spc.file.data(), spc.file.size(), list), 0);
    EXPECT_TRUE(list.items.empty());

    // A directory in page 0xFF runs past the RAM and wraps, as on the chip.
    Spc top;
    top.SetDir(0xFF);
    for (int e = 0; e < 128; ++e)
        top.Entry(0xFF, e, 0xFFFF, 0);
    top.Entry(0xFF, 100, 0x1000, 0x1000); // 0xFF00 + 400 wraps to 0x0090
    top.Put(0x1000, Brr(2));
    ASSERT_EQ(ReadSpcCandidates(top.file.data(), top.file.size(), list), 0);
    ASSERT_EQ(list.items.size(), 1u);
    EXPECT_EQ(list.items[0].blocks, 2);
    // At most 128 candidates however the directory is filled.
    Spc full;
    full.SetDir(0x10);
    ASSERT_EQ(ReadSpcCandidates(full.file.data(), full.file.size(), list), 0);
    EXPECT_EQ(list.items.size(), 128u);
}

TEST(SpcSource, TruncatedFilesAreRefused)
{
    Spc spc;
    CandidateList list;
    list.items.resize(3);
    for (size_t len : {size_t(27), size_t(0x100), size_t(0x10100), kSpcMinSize - 1}) {
        EXPECT_EQ(ReadSpcCandidates(spc.file.data(), len, list), kSpcTruncated) << len;
        EXPECT_TRUE(list.items.empty());
        EXPECT_EQ(list.kind, SourceKind::None);
    }
    // Too short to hold even the magic text.
    for (size_t len : {size_t(0), size_t(1), size_t(26)})
        EXPECT_EQ(ReadSpcCandidates(spc.file.data(), len, list), kSpcNoMagic) << len;
    EXPECT_EQ(ReadSpcCandidates(nullptr, 1 << 20, list), kSpcNoMagic);
    // Extra bytes after the registers (the extended tags) are ignored.
    spc.file.resize(spc.file.size() + 5000, 0xEE);
    EXPECT_EQ(ReadSpcCandidates(spc.file.data(), spc.file.size(), list), 0);
}

// Only a file that starts with the dump's magic text is read as one:
// random bytes of the right length, or a file whose text is off by one
// character, are refused before any RAM or register is looked at.
TEST(SpcSource, FilesWithoutTheMagicTextAreRefused)
{
    std::vector<uint8_t> junk(100000);
    uint32_t r = 0x2545F491;
    for (auto& b : junk) {
        r = r * 1103515245 + 12345;
        b = static_cast<uint8_t>(r >> 16);
    }
    CandidateList list;
    list.items.resize(2);
    EXPECT_EQ(ReadSpcCandidates(junk.data(), junk.size(), list), kSpcNoMagic);
    EXPECT_TRUE(list.items.empty());
    EXPECT_TRUE(list.source.empty());
    EXPECT_EQ(CheckSpcFile(junk.data(), junk.size()), kSpcNoMagic);

    // The same bytes behind the magic text are a dump.
    std::memcpy(junk.data(), kMagicText, sizeof kMagicText - 1);
    EXPECT_EQ(CheckSpcFile(junk.data(), junk.size()), 0);
    EXPECT_EQ(ReadSpcCandidates(junk.data(), junk.size(), list), 0);
    EXPECT_EQ(list.source.size(), kSpcRamSize);

    // Any one character of the 27 changed: refused.
    Spc spc;
    for (size_t i = 0; i < 27; ++i) {
        std::vector<uint8_t> f = spc.file;
        f[i] ^= 0x20;
        EXPECT_EQ(ReadSpcCandidates(f.data(), f.size(), list), kSpcNoMagic) << i;
    }
    // The version text after it is not part of the check.
    std::vector<uint8_t> other = spc.file;
    std::memcpy(other.data() + 27, " v0.10", 6);
    EXPECT_EQ(ReadSpcCandidates(other.data(), other.size(), list), 0);
}

TEST(BrrSource, WholeFileIsOneCandidate)
{
    CandidateList list;
    const auto b = Brr(7);
    ReadBrrCandidate(b.data(), b.size(), list);
    ASSERT_EQ(list.items.size(), 1u);
    EXPECT_EQ(list.items[0].start, 0u);
    EXPECT_EQ(list.items[0].loop, 0u);
    EXPECT_EQ(list.items[0].blocks, 7);
    EXPECT_TRUE(list.items[0].valid);
    EXPECT_EQ(list.Bytes(0), b);
    // Without an end flag: listed with no size, nothing to take.
    std::vector<uint8_t> noEnd(90, 0);
    ReadBrrCandidate(noEnd.data(), noEnd.size(), list);
    EXPECT_EQ(list.items[0].blocks, -1);
    EXPECT_TRUE(list.Bytes(0).empty());
    ReadBrrCandidate(nullptr, 0, list);
    ASSERT_EQ(list.items.size(), 1u);
    EXPECT_EQ(list.items[0].blocks, -1);
    // Bytes past the end flag are not part of the sample.
    auto tail = Brr(2);
    tail.resize(tail.size() + 20, 0x77);
    ReadBrrCandidate(tail.data(), tail.size(), list);
    EXPECT_EQ(list.Bytes(0), Brr(2));
}

TEST(WavSource, ConvertsOrReportsTheCode)
{
    CandidateList list;
    const auto wav = MakeWavImage16(Sine(1600, 500, 10000), 32000);
    ASSERT_EQ(ReadWavCandidate(wav.data(), wav.size(), list), 0);
    ASSERT_EQ(list.items.size(), 1u);
    EXPECT_EQ(list.items[0].blocks, 100);
    EXPECT_TRUE(list.items[0].valid);
    auto bad = wav;
    bad[20] = 2;
    EXPECT_EQ(ReadWavCandidate(bad.data(), bad.size(), list), kWavNotPcm);
    EXPECT_TRUE(list.items.empty());
    // Larger than a sample's 16-bit length can hold: "WAV file too big".
    const auto big = MakeWavImage16(Sine(7282 * 16, 500, 10000), 32000);
    EXPECT_EQ(ReadWavCandidate(big.data(), big.size(), list), kWavTooBig);
    const auto most = MakeWavImage16(Sine(7281 * 16, 500, 10000), 32000);
    EXPECT_EQ(ReadWavCandidate(most.data(), most.size(), list), 0);
    EXPECT_EQ(list.items[0].blocks, 7281);
    // Fewer than 16 samples encode to nothing: refused, nothing to take.
    const auto tiny = MakeWavImage16(Sine(10, 500, 10000), 32000);
    EXPECT_EQ(ReadWavCandidate(tiny.data(), tiny.size(), list), kWavTooShort);
    EXPECT_TRUE(list.items.empty());
    EXPECT_TRUE(list.Bytes(0).empty());
}

TEST(RomScan, FindsRunsAndHonoursTheMinimum)
{
    CandidateList list;
    std::vector<uint8_t> zeros(20000, 0);
    ScanForBrr(zeros.data(), zeros.size(), 1, list);
    EXPECT_TRUE(list.items.empty()); // no header there has the end flag

    // One valid sample of 20 blocks in a field of 0xFF (shift 15: never valid).
    std::vector<uint8_t> file(5000, 0xFF);
    const auto s = Brr(20);
    std::copy(s.begin(), s.end(), file.begin() + 1234);
    ScanForBrr(file.data(), file.size(), 30, list);
    EXPECT_TRUE(list.items.empty());
    ScanForBrr(file.data(), file.size(), 20, list);
    ASSERT_EQ(list.items.size(), 1u);
    EXPECT_EQ(list.items[0].start, 1234u);
    EXPECT_EQ(list.items[0].blocks, 20);
    EXPECT_TRUE(list.items[0].valid);
    EXPECT_EQ(list.Bytes(0), s);
    EXPECT_EQ(CandidateStartText(list.kind, 1234), "0x0004D2");

    // The scan skips a found run whole and goes on after it.
    std::vector<uint8_t> two(3000, 0xF0);
    const auto a = Brr(12), b = Brr(15, 0x80);
    std::copy(a.begin(), a.end(), two.begin() + 100);
    std::copy(b.begin(), b.end(), two.begin() + 100 + a.size());
    ScanForBrr(two.data(), two.size(), 10, list);
    ASSERT_EQ(list.items.size(), 2u);
    EXPECT_EQ(list.items[0].start, 100u);
    EXPECT_EQ(list.items[1].start, 100u + a.size());
    EXPECT_EQ(list.items[1].blocks, 15);
}

TEST(RomScan, AgreesWithCheckBrrRunAtEveryOffset)
{
    // The scan's backward table must give the same runs as walking forward.
    std::vector<uint8_t> data = std::vector<uint8_t>(4000);
    uint32_t r = 99;
    for (auto& b : data) {
        r = r * 1103515245 + 12345;
        const uint8_t v = static_cast<uint8_t>(r >> 16);
        b = (v & 0xF0) > 0xD0 ? v : static_cast<uint8_t>(v & 0xFE); // end flags are rare, shifts often bad
        if ((r >> 8) % 61 == 0)
            b |= 1;
    }
    CandidateList list;
    ScanForBrr(data.data(), data.size(), 1, list);
    size_t at = 0, k = 0;
    while (at < data.size() && k < kMaxCandidates) {
        const int n = CheckBrrRun(data.data() + at, data.size() - at);
        if (n < 1) {
            ++at;
            continue;
        }
        ASSERT_LT(k, list.items.size());
        EXPECT_EQ(list.items[k].start, at);
        EXPECT_EQ(list.items[k].blocks, n);
        ++k;
        at += static_cast<size_t>(n) * 9;
    }
    EXPECT_EQ(k, list.items.size());
}

TEST(RomScan, StopsAtAThousandCandidates)
{
    std::vector<uint8_t> many;
    for (int i = 0; i < 1500; ++i) {
        const auto b = Brr(1);
        many.insert(many.end(), b.begin(), b.end());
    }
    CandidateList list;
    ScanForBrr(many.data(), many.size(), 1, list);
    EXPECT_EQ(list.items.size(), kMaxCandidates);
    EXPECT_EQ(list.items.back().start, 999u * 9);
    ScanForBrr(nullptr, 0, 1, list);
    EXPECT_TRUE(list.items.empty());
    // A tail shorter than a block is never a candidate.
    std::vector<uint8_t> shortTail = {0x01, 0, 0, 0, 0, 0, 0, 0};
    ScanForBrr(shortTail.data(), shortTail.size(), 0, list);
    EXPECT_TRUE(list.items.empty());
}
