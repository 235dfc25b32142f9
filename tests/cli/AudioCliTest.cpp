// quorvex-cli's audio verbs as a user runs them.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>

#include "TestSupport.h"
#include "audio/AudioTables.h"
#include "audio/BrrCodec.h"
#include "audio/SampleSources.h"
#include "audio/WavToBrr.h"
#include "rom/Document.h"

using namespace quorvex;
using quorvex::test::kNothingSaved;
using quorvex::test::ReadFileBytes;
using quorvex::test::RunProgram;
using quorvex::test::TempDir;
using quorvex::test::WriteFileBytes;

namespace {
const std::string kCli = QUORVEX_CLI_PATH;

std::vector<int16_t> Tone(size_t n)
{
    std::vector<int16_t> v(n);
    for (size_t i = 0; i < n; ++i)
        v[i] = static_cast<int16_t>(9000 * std::sin(static_cast<double>(i) * 0.07));
    return v;
}

std::vector<uint8_t> Brr(int blocks)
{
    std::vector<uint8_t> b(static_cast<size_t>(blocks) * 9, 0x31);
    for (int i = 0; i < blocks; ++i)
        b[static_cast<size_t>(i) * 9] = static_cast<uint8_t>(0xA4 | (i == blocks - 1 ? 1 : 0));
    return b;
}
} // namespace

TEST(CliAudio, Wav2BrrAndBack)
{
    TempDir dir;
    WriteFileBytes(dir.File("in.wav"), MakeWavImage16(Tone(1600), 22050));
    auto r = RunProgram(kCli, {"wav2brr", dir.File("in.wav"), dir.File("out.brr")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "`" + dir.File("out.brr") + "' created\n");
    const auto brr = ReadFileBytes(dir.File("out.brr"));
    EXPECT_EQ(brr.size(), 900u);
    EXPECT_EQ(CheckBrrRun(brr.data(), brr.size()), 100);

    r = RunProgram(kCli, {"brr2wav", dir.File("out.brr"), dir.File("back.wav")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    auto wav = ReadFileBytes(dir.File("back.wav"));
    ASSERT_EQ(wav.size(), 44u + 3200);
    EXPECT_EQ(wav[24] | wav[25] << 8, 32000);
    r = RunProgram(kCli, {"brr2wav", dir.File("out.brr"), dir.File("back.wav"), "--rate", "44100"});
    ASSERT_EQ(r.exitCode, 0);
    wav = ReadFileBytes(dir.File("back.wav"));
    EXPECT_EQ(wav[24] | wav[25] << 8, 44093);
    r = RunProgram(kCli, {"brr2wav", dir.File("out.brr"), dir.File("back.wav"), "--pitch", "0x800"});
    ASSERT_EQ(r.exitCode, 0);
    wav = ReadFileBytes(dir.File("back.wav"));
    EXPECT_EQ(wav[24] | wav[25] << 8, 16000);
}

TEST(CliAudio, ConversionErrorsPrintTheProgramsMessages)
{
    TempDir dir;
    auto wav = MakeWavImage16(Tone(64), 22050);
    wav[16] = 18;
    WriteFileBytes(dir.File("ext.wav"), wav);
    auto r = RunProgram(kCli, {"wav2brr", dir.File("ext.wav"), dir.File("o.brr")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "WAV PCM sub-header must be 16 bytes long\n");
    r = RunProgram(kCli, {"wav2brr", dir.File("missing.wav"), dir.File("o.brr")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "Can't open import file!!\n");
    WriteFileBytes(dir.File("big.wav"), MakeWavImage16(Tone(7282 * 16), 32000));
    r = RunProgram(kCli, {"wav2brr", dir.File("big.wav"), dir.File("o.brr")});
    EXPECT_EQ(r.err, "WAV file too big\n");

    // BRR data that cannot be decoded says why, and writes nothing.
    WriteFileBytes(dir.File("noend.brr"), std::vector<uint8_t>(90, 0));
    r = RunProgram(kCli, {"brr2wav", dir.File("noend.brr"), dir.File("o.wav")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "BRR data has no block with the end flag!!\n");
    std::vector<uint8_t> ragged = Brr(2);
    ragged.resize(20, 0x31);
    WriteFileBytes(dir.File("ragged.brr"), ragged);
    r = RunProgram(kCli, {"brr2wav", dir.File("ragged.brr"), dir.File("o.wav")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "BRR data must be a whole number of 9-byte blocks!!\n");
    WriteFileBytes(dir.File("e0.brr"), {0xE1, 0, 0, 0, 0, 0, 0, 0, 0});
    r = RunProgram(kCli, {"brr2wav", dir.File("e0.brr"), dir.File("o.wav")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("shift above 13"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(dir.File("o.wav")));
    // Whole, ended, but longer than a clip may be: the fixed message.
    WriteFileBytes(dir.File("long.brr"), Brr(31249));
    r = RunProgram(kCli, {"brr2wav", dir.File("long.brr"), dir.File("o.wav")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "Clip size is too big and cannot be played back\n");
    r = RunProgram(kCli, {"brr2wav", dir.File("e0.brr"), dir.File("o.wav"), "--pitch", "1", "--rate", "2"});
    EXPECT_EQ(r.exitCode, 2);
    r = RunProgram(kCli, {"brr2wav", dir.File("e0.brr"), dir.File("o.wav"), "--rate", "0"});
    EXPECT_EQ(r.exitCode, 2);
    r = RunProgram(kCli, {"brr2wav", dir.File("e0.brr"), dir.File("o.wav"), "--pitch"});
    EXPECT_EQ(r.exitCode, 2);
}

TEST(CliAudio, SamplesListExportAndReplace)
{
    TempDir dir;
    const std::string image = test::WriteImage(dir);
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(image).ok);
    const AudioTables& t = doc.Rom().audio;

    auto r = RunProgram(kCli, {"samples", image});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("0\t0x0000\t" + std::to_string(SampleBlocks(t, 0)) + "\n"), std::string::npos);
    EXPECT_NE(r.out.find("62\t" + SampleStartText(t, 62) + "\t"), std::string::npos);
    EXPECT_NE(r.out.find(FreeSpaceText(t) + "\n"), std::string::npos);

    r = RunProgram(kCli, {"sample", "export", image, "12", dir.File("s12.brr")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(ReadFileBytes(dir.File("s12.brr")), t.samples[12]);
    EXPECT_EQ(RunProgram(kCli, {"sample", "export", image, "63", dir.File("x.brr")}).exitCode, 2);

    // Replace from a BRR file, a WAV file and an SPC entry.
    WriteFileBytes(dir.File("new.brr"), Brr(4));
    r = RunProgram(kCli, {"sample", "replace", image, "3", dir.File("new.brr")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out.rfind("Avail. blocks *", 0), 0u);
    WriteFileBytes(dir.File("tone.WAV"), MakeWavImage16(Tone(320), 16000));
    r = RunProgram(kCli, {"sample", "replace", image, "4", dir.File("tone.WAV")});
    ASSERT_EQ(r.exitCode, 0) << r.err;

    std::vector<uint8_t> spc(kSpcMinSize, 0xFF);
    std::memcpy(spc.data(), kSpcMagic, kSpcMagicSize);
    spc[kSpcHeaderSize + kSpcRamSize + 0x5D] = 0x02; // directory at 0x0200
    for (size_t i = 0; i < 8; ++i)
        spc[kSpcHeaderSize + 0x200 + i] = std::vector<uint8_t>{0x00, 0x30, 0x00, 0x30, 0x00, 0x40, 0x00, 0x40}[i];
    const auto s1 = Brr(6), s2 = Brr(2);
    std::copy(s1.begin(), s1.end(), spc.begin() + kSpcHeaderSize + 0x3000);
    std::copy(s2.begin(), s2.end(), spc.begin() + kSpcHeaderSize + 0x4000);
    WriteFileBytes(dir.File("song.spc"), spc);
    r = RunProgram(kCli, {"spc", dir.File("song.spc")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "Idx\tStart add.\tLoop add.\tBlocks\tValid\n0\t0x3000\t0x3000\t6\tY\n1\t0x4000\t0x4000\t2\tY\n");
    r = RunProgram(kCli, {"sample", "replace", image, "5", dir.File("song.spc") + ":1"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(RunProgram(kCli, {"sample", "replace", image, "5", dir.File("song.spc") + ":2"}).exitCode, 1);
    EXPECT_EQ(RunProgram(kCli, {"sample", "replace", image, "5", dir.File("song.spc")}).exitCode, 2);

    CQuorvexDoc after;
    ASSERT_TRUE(after.OnOpenDocument(image).ok);
    const AudioTables& u = after.Rom().audio;
    EXPECT_EQ(u.samples[3], Brr(4));
    EXPECT_EQ(u.samples[4].size(), 20u * 9);
    EXPECT_EQ(u.samples[5], s2);
    EXPECT_EQ(u.samples[12], t.samples[12]);

    // Use up most of the free space with large samples.
    int32_t freeBytes = u.freeBytes;
    for (int j = 10; freeBytes > 30000; ++j) {
        const size_t old = u.samples[j].size();
        const int blocks = static_cast<int>(std::min<size_t>(7281, (old + static_cast<size_t>(freeBytes) - 29000) / 9));
        WriteFileBytes(dir.File("big.brr"), Brr(blocks));
        ASSERT_EQ(RunProgram(kCli, {"sample", "replace", image, std::to_string(j), dir.File("big.brr")}).exitCode, 0);
        freeBytes += static_cast<int32_t>(old) - blocks * 9;
    }
    // Beyond the free space: refused, the image unchanged.
    const auto before = ReadFileBytes(image);
    WriteFileBytes(dir.File("huge.brr"), Brr(static_cast<int>((static_cast<size_t>(freeBytes) + u.samples[6].size()) / 9 + 1)));
    r = RunProgram(kCli, {"sample", "replace", image, "6", dir.File("huge.brr")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "Not enough bytes available!!\n" + kNothingSaved);
    std::vector<uint8_t> noEnd(90, 0);
    WriteFileBytes(dir.File("noend.brr"), noEnd);
    r = RunProgram(kCli, {"sample", "replace", image, "6", dir.File("noend.brr")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, std::string(kMsgNoSampleData) + "\n" + kNothingSaved);
    EXPECT_EQ(ReadFileBytes(image), before);
}

TEST(CliAudio, ScanFindsSamplesInAFile)
{
    TempDir dir;
    const std::string image = test::WriteImage(dir);
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(image).ok);
    const AudioTables& t = doc.Rom().audio;
    // Five of the image's samples between stretches of 0xFF (never a valid
    // header: shift 15).
    std::vector<uint8_t> file(100, 0xFF);
    std::vector<size_t> starts;
    for (int i : {1, 8, 20, 33, 61}) {
        starts.push_back(file.size());
        file.insert(file.end(), t.samples[i].begin(), t.samples[i].end());
        file.insert(file.end(), 37, 0xFF);
    }
    WriteFileBytes(dir.File("dump.bin"), file);
    auto r = RunProgram(kCli, {"scan", dir.File("dump.bin"), "--min", "1"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    std::string expect = "Idx\tStart add.\tLoop add.\tBlocks\tValid\n";
    int k = 0;
    for (int i : {1, 8, 20, 33, 61}) {
        char line[64];
        std::snprintf(line, sizeof line, "%d\t0x%06X\t-\t%d\tY\n", k, static_cast<unsigned>(starts[size_t(k)]),
                      SampleBlocks(t, i));
        expect += line;
        ++k;
    }
    EXPECT_EQ(r.out, expect);
    // The image itself: its samples are there to be found.
    r = RunProgram(kCli, {"scan", image, "--min", "200"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("\tY\n"), std::string::npos);
    EXPECT_EQ(RunProgram(kCli, {"scan", image, "--min"}).exitCode, 2);
    EXPECT_EQ(RunProgram(kCli, {"scan", image, "--min", "x"}).exitCode, 2);
    r = RunProgram(kCli, {"scan", dir.File("none.smc")});
    EXPECT_EQ(r.err, "Can't open import file!!\n");
    WriteFileBytes(dir.File("short.spc"), std::vector<uint8_t>(500, 0));
    r = RunProgram(kCli, {"spc", dir.File("short.spc")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, std::string(kMsgNotSpc) + "\n");
}

// Files that are not what they claim: each refused with what is wrong,
// and a refused replacement leaves the image byte for byte as it was.
TEST(CliAudio, HostileSourcesAreRefusedAndTheImageStaysUntouched)
{
    TempDir dir;
    const std::string image = test::WriteImage(dir);
    const auto before = ReadFileBytes(image);

    // 100,000 random bytes named as an SPC dump.
    std::vector<uint8_t> junk(100000);
    uint32_t x = 12345;
    for (auto& b : junk) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        b = static_cast<uint8_t>(x);
    }
    WriteFileBytes(dir.File("junk.spc"), junk);
    // A refused replacement names its reason and says the image was left alone.
    const std::string unchanged = "Nothing was saved: the image file is unchanged.\n";
    auto r = RunProgram(kCli, {"sample", "replace", image, "5", dir.File("junk.spc") + ":0"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "Not a valid SPC file!!\n" + unchanged);
    r = RunProgram(kCli, {"spc", dir.File("junk.spc")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "Not a valid SPC file!!\n");
    EXPECT_EQ(ReadFileBytes(image), before);

    // WAV files without samples, without channels, with 24-bit samples.
    WriteFileBytes(dir.File("empty.wav"), MakeWavImage16({}, 22050));
    r = RunProgram(kCli, {"wav2brr", dir.File("empty.wav"), dir.File("o.brr")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "WAV file holds no samples\n");
    r = RunProgram(kCli, {"sample", "replace", image, "5", dir.File("empty.wav")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "WAV file holds no samples\n" + unchanged);
    WriteFileBytes(dir.File("few.wav"), MakeWavImage16(Tone(10), 22050));
    r = RunProgram(kCli, {"wav2brr", dir.File("few.wav"), dir.File("o.brr")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "WAV file holds fewer than 16 samples, too few for one BRR block\n");
    EXPECT_FALSE(std::filesystem::exists(dir.File("o.brr")));
    auto mute = MakeWavImage16(Tone(64), 22050);
    mute[22] = 0;
    WriteFileBytes(dir.File("mute.wav"), mute);
    r = RunProgram(kCli, {"wav2brr", dir.File("mute.wav"), dir.File("o.brr")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err.find("Too many channels"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("no channels"), std::string::npos) << r.err;
    WriteFileBytes(dir.File("deep.wav"), MakeWavImage(1, 24, 22050, std::vector<uint8_t>(300, 0x11)));
    r = RunProgram(kCli, {"sample", "replace", image, "5", dir.File("deep.wav")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "WAV samples must be 8-bit or 16-bit\n" + unchanged);
    EXPECT_EQ(ReadFileBytes(image), before);

    // A device is not an image of the game (nor a directory).
    r = RunProgram(kCli, {"samples", "/dev/null"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err.find("Is a directory"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("not a regular file"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("not an image of this game"), std::string::npos) << r.err;
    r = RunProgram(kCli, {"samples", dir.Path()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Is a directory"), std::string::npos) << r.err;
}
