// BRR block checks and decoding.
#include <gtest/gtest.h>

#include <cstring>

#include "AudioTestUtil.h"

using namespace quorvex;
using namespace quorvex::test;

namespace {

std::vector<uint8_t> Block(uint8_t header, uint8_t fill = 0)
{
    std::vector<uint8_t> b(9, fill);
    b[0] = header;
    return b;
}

std::vector<uint8_t> Join(std::initializer_list<std::vector<uint8_t>> parts)
{
    std::vector<uint8_t> out;
    for (const auto& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

uint32_t Le32(const std::vector<uint8_t>& w, size_t at)
{
    return w[at] | (w[at + 1] << 8) | (w[at + 2] << 16) | (static_cast<uint32_t>(w[at + 3]) << 24);
}

} // namespace

TEST(BrrBlocks, CountsUpToTheEndFlag)
{
    const auto three = Join({Block(0xC0), Block(0x80), Block(0xB3), Block(0x01)});
    EXPECT_EQ(CountBrrBlocks(three.data(), three.size()), 3);
    EXPECT_EQ(CheckBrrRun(three.data(), three.size()), 3);
    EXPECT_EQ(CountBrrBlocks(three.data(), 27), 3);
    EXPECT_EQ(CountBrrBlocks(three.data(), 26), -1); // the end block is not whole
    EXPECT_EQ(CountBrrBlocks(three.data(), 0), -1);
    EXPECT_EQ(CountBrrBlocks(nullptr, 100), -1);
    // The loop flag alone does not end a stream.
    const auto loopOnly = Join({Block(0x02), Block(0x02)});
    EXPECT_EQ(CountBrrBlocks(loopOnly.data(), loopOnly.size()), -1);
}

TEST(BrrBlocks, ShiftAboveThirteenIsRefusedByTheCheckOnly)
{
    const auto e0 = Join({Block(0xC0), Block(0xE0), Block(0x01)});
    EXPECT_EQ(CountBrrBlocks(e0.data(), e0.size()), 3);
    EXPECT_EQ(CheckBrrRun(e0.data(), e0.size()), -2);
    const auto d1 = Join({Block(0xD1)});
    EXPECT_EQ(CheckBrrRun(d1.data(), d1.size()), 1);
    const auto f1 = Join({Block(0xF1)});
    EXPECT_EQ(CheckBrrRun(f1.data(), f1.size()), -2);
    // Past the end flag nothing counts.
    const auto after = Join({Block(0x01), Block(0xF0)});
    EXPECT_EQ(CheckBrrRun(after.data(), after.size()), 1);
}

TEST(BrrDecode, OneEndBlockGivesSixteenSamples)
{
    const auto b = Block(0xC1, 0x12);
    std::vector<uint8_t> wav;
    ASSERT_EQ(DecodeBrrToWav(b.data(), b.size(), 4096, wav), 76);
    ASSERT_EQ(wav.size(), 76u);
    EXPECT_EQ(std::memcmp(wav.data(), "RIFF", 4), 0);
    EXPECT_EQ(Le32(wav, 4), 68u);
    EXPECT_EQ(std::memcmp(wav.data() + 8, "WAVEfmt ", 8), 0);
    EXPECT_EQ(Le32(wav, 16), 16u);
    EXPECT_EQ(wav[20] | wav[21] << 8, 1);
    EXPECT_EQ(wav[22] | wav[23] << 8, 1);
    EXPECT_EQ(Le32(wav, 24), 32000u);
    EXPECT_EQ(Le32(wav, 28), 64000u);
    EXPECT_EQ(wav[32], 2);
    EXPECT_EQ(wav[34], 16);
    EXPECT_EQ(std::memcmp(wav.data() + 36, "data", 4), 0);
    EXPECT_EQ(Le32(wav, 40), 32u);
    // Shift 12, filter 0: nibble 1 is 0x800 at half scale, 0x1000 stored;
    // nibble 2 is 0x2000.
    const auto s = WavSamples(wav);
    ASSERT_EQ(s.size(), 16u);
    EXPECT_EQ(s[0], 0x1000);
    EXPECT_EQ(s[1], 0x2000);
    // The decoded image is itself a valid WAV for the converter.
    std::vector<uint8_t> back(9);
    size_t cap = 9;
    EXPECT_EQ(ConvertWavToBrr(wav.data(), wav.size(), back.data(), cap), 0);
    EXPECT_EQ(cap, 9u);
}

TEST(BrrDecode, FiltersClampAndWrapLikeTheChip)
{
    // Negative nibbles, each filter, and a prediction pushed past 16 bits:
    // decoding matches the encoder's own reconstruction exactly, so a
    // decode of an encode reproduces the encoder's half-scale samples x 2.
    const auto pcm = Noise(1600, 1234);
    const auto brr = EncodeSamples(pcm);
    std::vector<uint8_t> wav;
    ASSERT_EQ(DecodeBrrToWav(brr.data(), brr.size(), 4096, wav), 44 + 3200);
    for (int16_t v : WavSamples(wav))
        EXPECT_EQ(v & 1, 0);

    // Shift 12, nibble 7: 0x3800 at half scale; filter 3 then drives the
    // history past 15 bits, clamped and wrapped, and back down.
    const auto hot = Join({Block(0xC0, 0x77), Block(0xCC, 0x77), Block(0xC8, 0x88), Block(0xC4, 0x88), Block(0x01)});
    ASSERT_EQ(DecodeBrrToWav(hot.data(), hot.size(), 4096, wav), 44 + 5 * 32);
    auto s = WavSamples(wav);
    EXPECT_EQ(s[0], 28672);
    EXPECT_EQ(s[16], -8640);
    EXPECT_EQ(s[17], -10150);
    EXPECT_EQ(s[31], -13226);
    EXPECT_EQ(s[32], 26464);
    EXPECT_EQ(s[48], -15120);
    EXPECT_EQ(s[63], 17586);
    // Filter 3 on a rising history (shift 9) climbs until it wraps.
    const auto climb = Join({Block(0x90, 0x77), Block(0x9C, 0x77), Block(0x01)});
    ASSERT_EQ(DecodeBrrToWav(climb.data(), climb.size(), 4096, wav), 44 + 3 * 32);
    s = WavSamples(wav);
    EXPECT_EQ(s[0], 3584);
    EXPECT_EQ(s[15], 3584);
    EXPECT_EQ(s[16], 7112);
    EXPECT_EQ(s[17], 13450);
    EXPECT_EQ(s[31], -22698);
}

// The sound chip scales no nibble by shift 13 (nor 14 or 15): a nibble
// that is not negative gives 0 and a negative one -2048 (half scale), to
// which the filter's prediction is added as usual.
TEST(BrrDecode, ShiftThirteenKeepsOnlyTheNibblesSign)
{
    // Nibbles 7 0 8 F 0 0 F F 1 8 8 1 7 F F 8, then filter 1 over zeros.
    const std::vector<uint8_t> brr = {0xD0, 0x70, 0x8F, 0x00, 0xFF, 0x18, 0x81, 0x7F, 0xF8,
                                      0xD5, 0, 0, 0, 0, 0, 0, 0, 0};
    std::vector<uint8_t> wav;
    ASSERT_EQ(DecodeBrrToWav(brr.data(), brr.size(), 4096, wav), 44 + 2 * 32);
    const std::vector<int16_t> expect = {0,     0,     -4096, -4096, 0,     0,     -4096, -4096, 0,     -4096, -4096,
                                         0,     0,     -4096, -4096, -4096, -3840, -3600, -3376, -3166, -2970, -2786,
                                         -2612, -2450, -2298, -2156, -2022, -1896, -1778, -1668, -1564, -1468};
    EXPECT_EQ(WavSamples(wav), expect);
    // Shifts 14 and 15 stay refused.
    for (uint8_t header : {0xE1, 0xF1})
        EXPECT_EQ(DecodeBrrToWav(Block(header, 0x77).data(), 9, 4096, wav), -2) << int(header);
}

TEST(BrrDecode, RatesAndPitches)
{
    const auto b = Block(0x01);
    std::vector<uint8_t> wav;
    struct P {
        int pitch;
        uint32_t rate;
    };
    for (P p : {P{704, 5500}, P{768, 6000}, P{938, 7328}, P{1024, 8000}, P{1411, 11023}, P{2048, 16000},
                P{2822, 22046}, P{4096, 32000}, P{5644, 44093}, P{6144, 48000}, P{1, 7}}) {
        ASSERT_EQ(DecodeBrrToWav(b.data(), b.size(), p.pitch, wav), 76);
        EXPECT_EQ(Le32(wav, 24), p.rate) << p.pitch;
    }
    EXPECT_EQ(DecodeBrrToWav(b.data(), b.size(), 0, wav), -1);
    EXPECT_EQ(DecodeBrrToWav(b.data(), b.size(), -1, wav), -1);
    EXPECT_TRUE(wav.empty());
    EXPECT_EQ(RateToPitch(44100), 5644);
    EXPECT_EQ(RateToPitch(7), -1);
    EXPECT_EQ(RateToPitch(0), -1);
    EXPECT_EQ(RateToPitch(8), 1);
    EXPECT_EQ(PitchToRate(5644), 44093);
    // A pitch whose rate would not fit the header plays nothing.
    EXPECT_EQ(DecodeBrrToWav(b.data(), b.size(), 0x7FFFFFFF, wav), -1);
}

TEST(BrrDecode, MalformedStreams)
{
    std::vector<uint8_t> wav;
    const auto noEnd = Join({Block(0xC0), Block(0xC0)});
    EXPECT_EQ(DecodeBrrToWav(noEnd.data(), noEnd.size(), 4096, wav), -1);
    EXPECT_TRUE(wav.empty());
    const auto shift14 = Join({Block(0xC0), Block(0xE1)});
    EXPECT_EQ(DecodeBrrToWav(shift14.data(), shift14.size(), 4096, wav), -2);
    const auto truncated = Join({Block(0xC0), Block(0xC1)});
    EXPECT_EQ(DecodeBrrToWav(truncated.data(), 17, 4096, wav), -1);
    EXPECT_EQ(DecodeBrrToWav(nullptr, 9, 4096, wav), -1);
    EXPECT_EQ(DecodeBrrToWav(truncated.data(), 0, 4096, wav), -1);
}

TEST(BrrDecode, OutputIsLimitedToAMillionBytes)
{
    // 31,248 blocks make 44 + 999,936 bytes: allowed; one more is not.
    std::vector<uint8_t> brr(31248 * 9, 0);
    brr[brr.size() - 9] = 0x01;
    std::vector<uint8_t> wav;
    EXPECT_EQ(DecodeBrrToWav(brr.data(), brr.size(), 4096, wav), 44 + 31248 * 32);
    brr[brr.size() - 9] = 0;
    brr.insert(brr.end(), {0x01, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(DecodeBrrToWav(brr.data(), brr.size(), 4096, wav), -1);
    EXPECT_TRUE(wav.empty());
}

// A BRR file decoded whole (brr2wav) says what is wrong with it before it
// is decoded.
TEST(BrrFile, WholeBlocksEndFlagAndShiftAreCheckedInThatOrder)
{
    const auto two = Join({Block(0xB0), Block(0xC1)});
    EXPECT_EQ(CheckBrrFile(two.data(), two.size()), 0);
    EXPECT_EQ(CheckBrrFile(two.data(), 17), kBrrNotWholeBlocks);
    auto trailing = two;
    trailing.push_back(0);
    EXPECT_EQ(CheckBrrFile(trailing.data(), trailing.size()), kBrrNotWholeBlocks);
    const auto noEnd = Join({Block(0xB0), Block(0xC0), Block(0x02)});
    EXPECT_EQ(CheckBrrFile(noEnd.data(), noEnd.size()), kBrrNoEndFlag);
    EXPECT_EQ(CheckBrrFile(nullptr, 0), kBrrNoEndFlag);
    const auto shift14 = Join({Block(0xB0), Block(0xE0), Block(0x01)});
    EXPECT_EQ(CheckBrrFile(shift14.data(), shift14.size()), kBrrBadShift);
    // A bad shift after the end flag is never played.
    const auto after = Join({Block(0x01), Block(0xF0)});
    EXPECT_EQ(CheckBrrFile(after.data(), after.size()), 0);

    EXPECT_STREQ(BrrErrorMessage(kBrrNotWholeBlocks), "BRR data must be a whole number of 9-byte blocks!!");
    EXPECT_STREQ(BrrErrorMessage(kBrrNoEndFlag), "BRR data has no block with the end flag!!");
    EXPECT_NE(std::string(BrrErrorMessage(kBrrBadShift)).find("shift above 13"), std::string::npos);
    EXPECT_STREQ(BrrErrorMessage(0), "");
}
