// WAV files as writers make them: tags before the data, chunks after it,
// odd chunk sizes, sizes that lie; and the faults the fixed messages have
// no words for (no channels, 24-bit samples, no samples at all).
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "AudioTestUtil.h"
#include "audio/SampleSources.h"

using namespace quorvex;
using namespace quorvex::test;

namespace {

void PutLe32(std::vector<uint8_t>& w, size_t at, uint32_t v)
{
    for (int k = 0; k < 4; ++k)
        w[at + static_cast<size_t>(k)] = static_cast<uint8_t>(v >> (8 * k));
}

std::vector<uint8_t> Chunk(const char* id, const std::vector<uint8_t>& body, uint32_t sizeField)
{
    std::vector<uint8_t> c(id, id + 4);
    c.resize(8);
    PutLe32(c, 4, sizeField);
    c.insert(c.end(), body.begin(), body.end());
    return c;
}
std::vector<uint8_t> Chunk(const char* id, const std::vector<uint8_t>& body)
{
    return Chunk(id, body, static_cast<uint32_t>(body.size()));
}

// "RIFF", "WAVE", a 16-bit mono "fmt " chunk (from the canonical header),
// then the given chunks; the RIFF size counts them all.
std::vector<uint8_t> Riff(const std::vector<std::vector<uint8_t>>& chunks, int channels = 1, int bits = 16)
{
    std::vector<uint8_t> w = MakeWavImage(channels, bits, 22050, {});
    w.resize(36);
    for (const auto& c : chunks)
        w.insert(w.end(), c.begin(), c.end());
    PutLe32(w, 4, static_cast<uint32_t>(w.size() - 8));
    return w;
}

int Reduce(const std::vector<uint8_t>& wav, std::vector<int16_t>& s)
{
    return ReduceWavToMono16(wav.data(), wav.size(), s);
}

} // namespace

TEST(WavChunks, ChunkAfterTheDataIsNotSound)
{
    const std::vector<int16_t> pcm = Sine(40, 500, 9000);
    // A tag chunk after the data: its bytes would be a click of 0x6060.
    const std::vector<uint8_t> tag(100, 0x60);
    std::vector<int16_t> s;
    ASSERT_EQ(Reduce(Riff({Chunk("data", Bytes16(pcm)), Chunk("id3 ", tag)}), s), 0);
    EXPECT_EQ(s, pcm);
    // An odd data size: the pad byte and the chunk after it stay out too.
    std::vector<uint8_t> odd = Bytes16(pcm);
    odd.push_back(0x7F);
    odd.push_back(0x00); // the pad byte
    ASSERT_EQ(Reduce(Riff({Chunk("data", odd, static_cast<uint32_t>(odd.size() - 1)), Chunk("smpl", tag)}), s), 0);
    EXPECT_EQ(s, pcm);
    // Encoded, the tag leaves no trace: the same blocks as the plain file.
    std::vector<uint8_t> a(90), b(90);
    size_t ca = a.size(), cb = b.size();
    const auto withTag = Riff({Chunk("data", Bytes16(pcm)), Chunk("LIST", tag)});
    const auto plain = MakeWavImage16(pcm, 22050);
    ASSERT_EQ(ConvertWavToBrr(withTag.data(), withTag.size(), a.data(), ca), 0);
    ASSERT_EQ(ConvertWavToBrr(plain.data(), plain.size(), b.data(), cb), 0);
    EXPECT_EQ(ca, 18u);
    EXPECT_EQ(cb, 18u);
    EXPECT_EQ(a, b);
}

TEST(WavChunks, ChunksBeforeTheDataAreSkipped)
{
    const std::vector<int16_t> pcm = {100, -200, 300, -400, 32767, -32768};
    std::vector<int16_t> s;
    // The LIST chunk of tags that common encoders write, and an odd-sized
    // chunk with its pad byte.
    std::vector<uint8_t> info = {'I', 'N', 'F', 'O', 'I', 'S', 'F', 'T', 5, 0, 0, 0, 'L', 'a', 'v', 'f', 0, 0};
    std::vector<uint8_t> odd = {1, 2, 3, 0};
    ASSERT_EQ(Reduce(Riff({Chunk("LIST", info), Chunk("junk", odd, 3), Chunk("data", Bytes16(pcm))}), s), 0);
    EXPECT_EQ(s, pcm);
    // 8-bit stereo with a tag chunk before the data.
    ASSERT_EQ(Reduce(Riff({Chunk("LIST", info), Chunk("data", {0x80, 0x80, 0xFF, 0xFF})}, 2, 8), s), 0);
    EXPECT_EQ(s, (std::vector<int16_t>{0, 32638}));
}

TEST(WavChunks, SizesRunningPastTheFileAreRefused)
{
    const std::vector<uint8_t> data = Bytes16(Sine(64, 500, 9000));
    std::vector<int16_t> s;
    // A data chunk claiming more than the file holds.
    EXPECT_EQ(Reduce(Riff({Chunk("data", data, static_cast<uint32_t>(data.size() + 2))}), s), kWavBadChunkSize);
    EXPECT_EQ(Reduce(Riff({Chunk("data", data, 0xFFFFFFFF)}), s), kWavBadChunkSize);
    // A chunk before the data whose size jumps past the end.
    EXPECT_EQ(Reduce(Riff({Chunk("LIST", {1, 2, 3, 4}, 0x7FFFFFF0), Chunk("data", data)}), s), kWavBadChunkSize);
    EXPECT_TRUE(s.empty());
    EXPECT_STREQ(WavErrorMessage(kWavBadChunkSize), "WAV chunk size runs past the end of the file");
    // No data chunk at all: the fixed message for a missing "data".
    EXPECT_EQ(Reduce(Riff({Chunk("LIST", {1, 2, 3, 4})}), s), kWavNoData);
    EXPECT_EQ(Reduce(Riff({Chunk("LIST", {1, 2, 3, 4}), {'d', 'a', 't'}}), s), kWavNoData);
}

TEST(WavFaults, NoChannelsAndOddWidthsSayWhatIsWrong)
{
    std::vector<int16_t> s;
    std::vector<uint8_t> none = MakeWavImage(1, 16, 8000, std::vector<uint8_t>(64, 1));
    none[22] = 0;
    ASSERT_EQ(Reduce(none, s), kWavNoChannels);
    const std::string noneText = WavErrorMessage(kWavNoChannels);
    EXPECT_EQ(noneText.find("Too many"), std::string::npos);
    EXPECT_NE(noneText.find("no channels"), std::string::npos);

    // 24-bit and 32-bit samples, mono and stereo, with their true alignment.
    for (int bits : {24, 32})
        for (int channels : {1, 2}) {
            const auto w = MakeWavImage(channels, bits, 8000, std::vector<uint8_t>(96, 1));
            EXPECT_EQ(Reduce(w, s), kWavBadSampleWidth) << bits << " " << channels;
        }
    const std::string widthText = WavErrorMessage(kWavBadSampleWidth);
    EXPECT_EQ(widthText.find("WORD"), std::string::npos);
    EXPECT_NE(widthText.find("8-bit or 16-bit"), std::string::npos);
    // A supported width with an alignment that does not match it keeps its
    // fixed message.
    std::vector<uint8_t> misaligned = MakeWavImage(1, 16, 8000, std::vector<uint8_t>(64, 1));
    misaligned[32] = 3;
    EXPECT_EQ(Reduce(misaligned, s), kWavBadAlignment);
}

TEST(WavFaults, AWavWithoutSamplesIsRefused)
{
    std::vector<int16_t> s;
    std::vector<uint8_t> out(64, 0xAA);
    for (const auto& w : {MakeWavImage(1, 16, 8000, {}), MakeWavImage(2, 16, 8000, {1, 2, 3}),
                          MakeWavImage(2, 8, 8000, {0x80})}) {
        EXPECT_EQ(Reduce(w, s), kWavNoSamples);
        size_t cap = out.size();
        EXPECT_EQ(ConvertWavToBrr(w.data(), w.size(), out.data(), cap), kWavNoSamples);
        EXPECT_EQ(cap, 64u);
    }
    EXPECT_STREQ(WavErrorMessage(kWavNoSamples), "WAV file holds no samples");
    // A few samples, too few for one block, give no candidate either.
    CandidateList list;
    const auto few = MakeWavImage16(Sine(15, 500, 9000), 8000);
    EXPECT_EQ(ReadWavCandidate(few.data(), few.size(), list), kWavTooShort);
    EXPECT_TRUE(list.items.empty());
    const auto empty = MakeWavImage16({}, 8000);
    EXPECT_EQ(ReadWavCandidate(empty.data(), empty.size(), list), kWavNoSamples);
    EXPECT_NE(std::string(WavErrorMessage(kWavTooShort)).find("fewer than 16 samples"), std::string::npos);
}
