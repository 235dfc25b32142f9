// The WAV converter: validation order and codes, the four sample layouts,
// the block search with its tie rules, the interpolation check and the
// quality of what it encodes.
#include <gtest/gtest.h>

#include <cstring>
#include <iostream>

#include "AudioTestUtil.h"

using namespace quorvex;
using namespace quorvex::test;

namespace {

int Convert(const std::vector<uint8_t>& wav, std::vector<uint8_t>& out, size_t capacity = 1 << 20)
{
    out.assign(capacity, 0xAA);
    size_t cap = capacity;
    const int r = ConvertWavToBrr(wav.data(), wav.size(), out.data(), cap);
    if (r == 0)
        out.resize(cap);
    return r;
}

std::vector<int16_t> Reduce(const std::vector<uint8_t>& wav)
{
    std::vector<int16_t> s;
    EXPECT_EQ(ReduceWavToMono16(wav.data(), wav.size(), s), 0);
    return s;
}

void Put16(std::vector<uint8_t>& w, size_t at, uint16_t v)
{
    w[at] = static_cast<uint8_t>(v);
    w[at + 1] = static_cast<uint8_t>(v >> 8);
}

} // namespace

TEST(WavValidation, EachCheckInOrderGivesItsCode)
{
    const std::vector<uint8_t> good = MakeWavImage16(Sine(64, 440, 8000), 32000);
    std::vector<uint8_t> out;
    ASSERT_EQ(Convert(good, out), 0);

    auto with = [&](auto tweak) {
        std::vector<uint8_t> w = good;
        tweak(w);
        return Convert(w, out);
    };
    EXPECT_EQ(with([](auto& w) { w[0] = 'r'; }), kWavNotRiff);
    EXPECT_EQ(with([](auto& w) { Put16(w, 4, 0); Put16(w, 6, 0); }), kWavBoundCheck);
    // The RIFF size may fall short of the file by up to 24 bytes.
    EXPECT_EQ(with([&](auto& w) { Put16(w, 4, static_cast<uint16_t>(w.size() - 24)); }), 0);
    EXPECT_EQ(with([&](auto& w) { Put16(w, 4, static_cast<uint16_t>(w.size() - 25)); }), kWavBoundCheck);
    EXPECT_EQ(with([](auto& w) { w[8] = 'w'; }), kWavNotWaveFmt);
    EXPECT_EQ(with([](auto& w) { w[15] = '_'; }), kWavNotWaveFmt);
    EXPECT_EQ(with([](auto& w) { Put16(w, 16, 18); }), kWavBadFmtSize);
    EXPECT_EQ(with([](auto& w) { Put16(w, 20, 3); }), kWavNotPcm);
    EXPECT_EQ(with([](auto& w) { Put16(w, 22, 0); }), kWavNoChannels);
    EXPECT_EQ(with([](auto& w) { Put16(w, 22, 6); }), kWavTooManyChannels);
    EXPECT_EQ(with([](auto& w) { Put16(w, 32, 3); }), kWavBadAlignment); // 16-bit, alignment 3
    EXPECT_EQ(with([](auto& w) { Put16(w, 34, 24); Put16(w, 32, 3); }), kWavBadSampleWidth);
    EXPECT_EQ(with([](auto& w) { Put16(w, 34, 8); Put16(w, 32, 4); }), kWavBadAlignment);
    EXPECT_EQ(with([](auto& w) { Put16(w, 34, 16); Put16(w, 32, 1); }), kWavBadAlignment);
    EXPECT_EQ(with([](auto& w) { Put16(w, 34, 12); Put16(w, 32, 2); }), kWavBadSampleWidth);
    EXPECT_EQ(with([](auto& w) { w[36] = 'L'; }), kWavNoData);

    // The earliest failing check decides.
    EXPECT_EQ(with([](auto& w) { w[8] = 'w'; Put16(w, 22, 5); w[36] = 'x'; }), kWavNotWaveFmt);
    EXPECT_EQ(with([](auto& w) { Put16(w, 20, 2); Put16(w, 22, 5); }), kWavNotPcm);

    // A failure writes nothing.
    std::vector<uint8_t> bad = good;
    bad[36] = 'x';
    std::vector<uint8_t> buf(4096, 0xAA);
    size_t cap = buf.size();
    EXPECT_EQ(ConvertWavToBrr(bad.data(), bad.size(), buf.data(), cap), kWavNoData);
    EXPECT_EQ(cap, 4096u);
    EXPECT_TRUE(std::all_of(buf.begin(), buf.end(), [](uint8_t b) { return b == 0xAA; }));
}

// Only alignment and sample width pick the layout: a channel count that
// disagrees with them (but is 1 or 2) does not refuse the file.
TEST(WavValidation, AlignmentAndWidthDecideTheLayoutWhateverTheChannelCount)
{
    const std::vector<uint8_t> bytes = {0x90, 0x70, 0xFF, 0x01, 0x80, 0x80, 0x00, 0xFF};
    auto relabel = [](std::vector<uint8_t> w, uint16_t channels) {
        Put16(w, 22, channels);
        return w;
    };
    // 8-bit, alignment 2, said to be mono: read as 8-bit stereo frames.
    EXPECT_EQ(Reduce(relabel(MakeWavImage(2, 8, 8000, bytes), 1)), Reduce(MakeWavImage(2, 8, 8000, bytes)));
    EXPECT_EQ(Reduce(relabel(MakeWavImage(2, 8, 8000, bytes), 1)).size(), 4u);
    // 8-bit, alignment 1, said to be stereo: read as 8-bit mono.
    EXPECT_EQ(Reduce(relabel(MakeWavImage(1, 8, 8000, bytes), 2)), Reduce(MakeWavImage(1, 8, 8000, bytes)));
    // 16-bit, alignment 4, said to be mono: 16-bit stereo frames.
    EXPECT_EQ(Reduce(relabel(MakeWavImage(2, 16, 8000, bytes), 1)), Reduce(MakeWavImage(2, 16, 8000, bytes)));
    EXPECT_EQ(Reduce(relabel(MakeWavImage(2, 16, 8000, bytes), 1)).size(), 2u);
    // 16-bit, alignment 2, said to be stereo: 16-bit mono.
    EXPECT_EQ(Reduce(relabel(MakeWavImage(1, 16, 8000, bytes), 2)), Reduce(MakeWavImage(1, 16, 8000, bytes)));
    // The channel count itself is still checked first.
    std::vector<uint8_t> out;
    EXPECT_EQ(Convert(relabel(MakeWavImage(1, 16, 8000, bytes), 3), out), kWavTooManyChannels);
}

TEST(WavValidation, TruncatedAndTinyFilesAreRefusedWithoutReadingPastThem)
{
    const std::vector<uint8_t> good = MakeWavImage16(Sine(64, 440, 8000), 32000);
    std::vector<uint8_t> out(64);
    for (size_t len = 0; len < 44; ++len) {
        std::vector<uint8_t> cut(good.begin(), good.begin() + static_cast<long>(len));
        size_t cap = out.size();
        const int r = ConvertWavToBrr(cut.empty() ? nullptr : cut.data(), cut.size(), out.data(), cap);
        EXPECT_EQ(r, len < 4 ? kWavNotRiff : kWavBoundCheck) << len;
    }
    size_t cap = out.size();
    EXPECT_EQ(ConvertWavToBrr(nullptr, 100, out.data(), cap), kWavNotRiff);
}

TEST(WavValidation, MessagesForEveryCode)
{
    EXPECT_STREQ(WavErrorMessage(-1), "WAV file is not \"RIFF\"");
    EXPECT_STREQ(WavErrorMessage(-2), "WAV file bound check error");
    EXPECT_STREQ(WavErrorMessage(-3), "WAV data format is not \"WAVEfmt \"");
    EXPECT_STREQ(WavErrorMessage(-4), "WAV PCM sub-header must be 16 bytes long");
    EXPECT_STREQ(WavErrorMessage(-5), "WAV data format not recognized");
    EXPECT_STREQ(WavErrorMessage(-6), "Too many channels. WAV data must be mono or stereo");
    EXPECT_STREQ(WavErrorMessage(-7), "WAV data must be aligned on WORD bounds");
    EXPECT_STREQ(WavErrorMessage(-8), "WAV sample is not 16-bit");
    EXPECT_STREQ(WavErrorMessage(-9), "WAV audio format is not \"data\"");
    EXPECT_STREQ(WavErrorMessage(-10), "WAV data buffer bound check error");
    EXPECT_STREQ(WavErrorMessage(-11), "WAV file too big");
    EXPECT_STREQ(WavErrorMessage(0), "");
    EXPECT_STREQ(WavErrorMessage(-17), "");
    // The codes past the fixed table each have a text of their own.
    for (int code = -12; code >= -16; --code)
        EXPECT_STRNE(WavErrorMessage(code), "") << code;
}

TEST(WavLayouts, FourReductionsToSixteenBitMono)
{
    // 16-bit mono: as they are; an odd trailing byte is dropped.
    std::vector<uint8_t> data = Bytes16({1, -2, 32767, -32768});
    data.push_back(0x55);
    EXPECT_EQ(Reduce(MakeWavImage(1, 16, 22050, data)), (std::vector<int16_t>{1, -2, 32767, -32768}));

    // 16-bit stereo: each channel halved toward zero, then added.
    EXPECT_EQ(Reduce(MakeWavImage(2, 16, 22050, Bytes16({3, 5, -3, -5, 32767, 32767, -32768, -32768, 1000, -1000}))),
              (std::vector<int16_t>{1 + 2, -1 - 2, 32766, -32768, 0}));

    // 8-bit mono: silence at 0x80, full scale 0xFF at 0x7F7F, 257 a step,
    // 0x00 clamped to -0x8000.
    EXPECT_EQ(Reduce(MakeWavImage(1, 8, 8000, {0x80, 0xFF, 0x00, 0x81, 0x7F, 0x01})),
              (std::vector<int16_t>{0, 0x7F7F, -0x8000, 0x0101, -0x0101, -0x7F7F}));

    // 8-bit stereo: each channel widened first, then mixed as 16-bit stereo.
    EXPECT_EQ(Reduce(MakeWavImage(2, 8, 8000, {0xFF, 0xFF, 0x00, 0x00, 0x83, 0x85, 0x00, 0xFF, 0x7D})),
              (std::vector<int16_t>{0x3FBF * 2, -0x8000, 0x0303 / 2 + 0x0505 / 2, -0x4000 + 0x3FBF}));
}

// Widening is one straight line through silence and full scale: every
// byte is 257 above the one below it (except the clamped bottom), so a
// full-scale 8-bit ramp stays a ramp, and the signed byte's wrap at 0x7F
// and 0x81 is gone.
TEST(WavLayouts, EightBitSamplesWidenOnAStraightLine)
{
    std::vector<uint8_t> ramp(256);
    for (int b = 0; b < 256; ++b)
        ramp[static_cast<size_t>(b)] = static_cast<uint8_t>(b);
    const std::vector<int16_t> s = Reduce(MakeWavImage(1, 8, 8000, ramp));
    ASSERT_EQ(s.size(), 256u);
    EXPECT_EQ(s[0x00], -32768);
    EXPECT_EQ(s[0x01], -32639);
    EXPECT_EQ(s[0x7F], -257);
    EXPECT_EQ(s[0x80], 0);
    EXPECT_EQ(s[0x81], 257);
    EXPECT_EQ(s[0xFF], 32639);
    for (int b = 2; b < 256; ++b)
        EXPECT_EQ(s[static_cast<size_t>(b)] - s[static_cast<size_t>(b) - 1], 257) << b;

    // Stereo is mixed after widening: a one-step difference between the
    // channels is not lost in 8 bits.
    EXPECT_EQ(Reduce(MakeWavImage(2, 8, 8000, {0x80, 0x81, 0x81, 0x81, 0x7F, 0x80})),
              (std::vector<int16_t>{128, 256, -128}));
}

TEST(WavLayouts, GeneratedSignalsInEveryLayoutEncode)
{
    const std::vector<int16_t> sine = Sine(32000, 440, 12000);
    // The same tone in all four layouts decodes to much the same signal.
    std::vector<uint8_t> mono16 = Bytes16(sine), stereo16, mono8, stereo8;
    for (int16_t v : sine) {
        const uint8_t b8 = static_cast<uint8_t>((v >> 8) + 128);
        mono8.push_back(b8);
        stereo8.push_back(b8);
        stereo8.push_back(b8);
        for (int c = 0; c < 2; ++c) {
            stereo16.push_back(static_cast<uint8_t>(static_cast<uint16_t>(v)));
            stereo16.push_back(static_cast<uint8_t>(static_cast<uint16_t>(v) >> 8));
        }
    }
    const std::vector<std::vector<uint8_t>> wavs = {
        MakeWavImage(1, 16, 32000, mono16), MakeWavImage(2, 16, 32000, stereo16),
        MakeWavImage(1, 8, 32000, mono8), MakeWavImage(2, 8, 32000, stereo8)};
    for (size_t k = 0; k < wavs.size(); ++k) {
        std::vector<uint8_t> brr;
        ASSERT_EQ(Convert(wavs[k], brr), 0) << k;
        EXPECT_EQ(brr.size(), 2000u * 9) << k;
        EXPECT_EQ(CheckBrrRun(brr.data(), brr.size()), 2000) << k;
        std::vector<uint8_t> wav;
        ASSERT_GT(DecodeBrrToWav(brr.data(), brr.size(), 4096, wav), 0);
        EXPECT_GT(Snr(sine, WavSamples(wav)), 25.0) << k; // 8-bit layouts lose the low byte
    }
}

TEST(WavEncode, SilenceAndCancellingStereoGiveSilentBlocks)
{
    std::vector<uint8_t> brr;
    ASSERT_EQ(Convert(MakeWavImage16(std::vector<int16_t>(48, 0), 32000), brr), 0);
    const std::vector<uint8_t> silent = {0xC0, 0, 0, 0, 0, 0, 0, 0, 0};
    ASSERT_EQ(brr.size(), 27u);
    EXPECT_TRUE(std::equal(silent.begin(), silent.end(), brr.begin()));
    EXPECT_TRUE(std::equal(silent.begin(), silent.end(), brr.begin() + 9));
    EXPECT_EQ(brr[18], 0xC1); // filter 0, shift 12 and the end flag
    // Left = -right cancels to silence (both halves truncate toward zero).
    std::vector<int16_t> frames;
    for (int16_t v : Noise(64, 77)) {
        frames.push_back(v);
        frames.push_back(static_cast<int16_t>(-v)); // never -32768: Noise stays within +-32767
    }
    std::vector<uint8_t> stereo;
    ASSERT_EQ(Convert(MakeWavImage(2, 16, 32000, Bytes16(frames)), stereo), 0);
    ASSERT_EQ(stereo.size(), 36u);
    for (size_t i = 0; i < stereo.size(); ++i)
        EXPECT_EQ(stereo[i], i == 27 ? 0xC1 : (i % 9 == 0 ? 0xC0 : 0)) << i;
}

TEST(WavEncode, FewerThanSixteenSamplesWriteNothing)
{
    for (size_t n : {size_t(1), size_t(15)}) {
        std::vector<uint8_t> buf(9, 0xAA);
        const auto wav = MakeWavImage16(Sine(n, 1000, 9000), 32000);
        size_t cap = buf.size();
        EXPECT_EQ(ConvertWavToBrr(wav.data(), wav.size(), buf.data(), cap), 0);
        EXPECT_EQ(cap, 0u);
        EXPECT_EQ(buf, std::vector<uint8_t>(9, 0xAA));
    }
    // Trailing samples that do not fill a block are dropped.
    std::vector<uint8_t> brr;
    ASSERT_EQ(Convert(MakeWavImage16(Sine(47, 1000, 9000), 32000), brr), 0);
    EXPECT_EQ(brr.size(), 18u);
}

TEST(WavEncode, CapacityTooSmallStopsWithoutOutput)
{
    const auto wav = MakeWavImage16(Sine(160, 1000, 9000), 32000); // 10 blocks
    std::vector<uint8_t> buf(89, 0xAA);
    size_t cap = 89;
    EXPECT_EQ(ConvertWavToBrr(wav.data(), wav.size(), buf.data(), cap), kWavTooBig);
    EXPECT_EQ(cap, 89u);
    EXPECT_EQ(buf, std::vector<uint8_t>(89, 0xAA));
    cap = 90;
    buf.assign(90, 0);
    EXPECT_EQ(ConvertWavToBrr(wav.data(), wav.size(), buf.data(), cap), 0);
    EXPECT_EQ(cap, 90u);
}

TEST(WavEncode, FirstBlockUsesFilterZeroAndOnlyTheLastHasTheEndFlag)
{
    for (const auto& pcm : {Sine(800, 300, 30000), Noise(800, 3), Square(800, 20, 20000, -20000)}) {
        const auto brr = EncodeSamples(pcm);
        ASSERT_EQ(brr.size(), 450u);
        EXPECT_EQ(brr[0] & 0x0C, 0);
        for (size_t b = 0; b < 50; ++b) {
            EXPECT_EQ(brr[b * 9] & 0x01, b == 49 ? 1 : 0);
            EXPECT_EQ(brr[b * 9] & 0x02, 0); // the encoder never sets the loop flag
            EXPECT_GE(brr[b * 9] >> 4, 1);   // shift 0 is never used
            EXPECT_LE(brr[b * 9] >> 4, 12);
        }
    }
}

// Blocks worked out by hand (and checked against a separate model of the
// encoder written for these tests).
TEST(WavEncode, HandComputedBlocksAndTieRules)
{
    // Constant 2: x = 1; shift 1 reproduces it exactly (error 0), every
    // larger shift misses by 1 per sample.
    EXPECT_EQ(EncodeSamples(std::vector<int16_t>(16, 2)),
              (std::vector<uint8_t>{0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11}));

    // Among equal errors the earliest combination wins: filter 0, shift 12.
    EXPECT_EQ(EncodeSamples({-2, -8, -4, -8, -2, -16384, -1, -2, 3, 1, 1, 0, -1, 8, 0, -16384}),
              (std::vector<uint8_t>{0xC1, 0x00, 0x00, 0x0C, 0x00, 0x00, 0x00, 0x00, 0x0C}));

    // A tie between the two candidate nibbles goes to the second (target
    // with its top bit set); taking the first would give a different block.
    EXPECT_EQ(EncodeSamples({-2,     1,      -3,     -16384, -16384, 0,      1000,   32767,  -16384, 3, -2,
                             32766,  32767,  -32767, -16384, -32767, 0,      -16384, -3,     32766, -1, -1,
                             16384,  -32767, 1,      -1000,  0,      32766,  -3,     32766,  -1,    3}),
              (std::vector<uint8_t>{0xC0, 0x00, 0x0C, 0xC0, 0x07, 0xC0, 0x07, 0x78, 0xC8, 0xC1, 0x0C, 0x07, 0x00,
                                    0x48, 0x00, 0x07, 0x07, 0x00}));
}

TEST(WavEncode, InterpolationOverflowIsAttenuatedAway)
{
    // A full-scale square overflows the interpolation at its edges: the
    // blocks there are attenuated until it no longer does.
    std::vector<int16_t> sq = Square(48, 8, 32767, -32768);
    EXPECT_EQ(EncodeSamples(sq),
              (std::vector<uint8_t>{0xC0, 0x77, 0x77, 0x77, 0x77, 0x99, 0x99, 0x99, 0x99, 0xA4, 0xA2, 0x22, 0x22, 0x22,
                                    0x3E, 0xEE, 0xEE, 0xEE, 0xA5, 0xD2, 0x22, 0x22, 0x22, 0x3E, 0xEE, 0xEE, 0xEE}));
    // Random full-scale samples, several blocks with every filter.
    const std::vector<int16_t> rnd = {
        -27730, -29245, 18786,  22044,  10597,  -27298, 28920,  -29287, -7164,  30134,  -22898, 15903,  10860,
        -4060,  -19996, 29187,  -11170, -6868,  29327,  -26176, 27964,  -1621,  13066,  -18216, -28213, -7081,
        -28436, -11060, 28816,  -22298, 20265,  24712,  -16426, 12038,  -1194,  -7950,  460,    -9408,  -7285,
        -1702,  17102,  23315,  -8388,  27372,  17772,  -4622,  -23884, 23413,  -24946, 17288,  19615,  -22131,
        -8033,  32653,  5563,   23555,  1943,   114,    8668,   30606,  -24305, -14603, -18268, 10887};
    EXPECT_EQ(EncodeSamples(rnd),
              (std::vector<uint8_t>{0xC0, 0x99, 0x55, 0x39, 0x79, 0xE7, 0xA4, 0x3F, 0xB7, 0xC0, 0xDE, 0x7A,
                                    0x70, 0x3C, 0x9E, 0x9D, 0x7B, 0x56, 0xC4, 0x67, 0xDE, 0x2E, 0x01, 0x52,
                                    0x89, 0xEB, 0xBB, 0xC1, 0xA4, 0x5B, 0xE7, 0x16, 0x00, 0x27, 0xAC, 0xC3}));
    // Whatever the input, the decoded result never overflows.
    const auto loud = EncodeSamples(Square(3200, 37, 32767, -32768));
    std::vector<uint8_t> wav;
    ASSERT_GT(DecodeBrrToWav(loud.data(), loud.size(), 4096, wav), 0);
}

TEST(WavEncode, SignalToNoiseRatioOfTheRoundTrip)
{
    struct Case {
        const char* name;
        std::vector<int16_t> pcm;
        double floor;
    };
    const Case cases[] = {
        {"sine 440 Hz", Sine(32000, 440, 16000), 35},
        {"sine 3 kHz", Sine(32000, 3000, 16000), 25},
        {"square 500 Hz", Square(32000, 32, 12000, -12000), 15},
        {"white noise", Noise(32000, 9, 12000), 5},
    };
    for (const Case& c : cases) {
        const auto brr = EncodeSamples(c.pcm);
        std::vector<uint8_t> wav;
        ASSERT_GT(DecodeBrrToWav(brr.data(), brr.size(), 4096, wav), 0);
        const double snr = Snr(c.pcm, WavSamples(wav));
        std::cout << "[ SNR      ] " << c.name << ": " << snr << " dB\n";
        RecordProperty(std::string("snr ") + c.name, std::to_string(snr));
        EXPECT_GT(snr, c.floor) << c.name;
    }
}
