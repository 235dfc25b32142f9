// The sample table of the image: load, the irregular-area check, free
// space, replacement and saving.
#include <gtest/gtest.h>

#include "AudioTestUtil.h"
#include "TestSupport.h"
#include "audio/AudioTables.h"
#include "audio/SampleSources.h"
#include "rom/Document.h"
#include "rom/RomAddress.h"

using namespace quorvex;
using namespace quorvex::test;

namespace {

std::vector<uint8_t> Brr(int blocks)
{
    std::vector<uint8_t> b(static_cast<size_t>(blocks) * 9, 0x21);
    for (int i = 0; i < blocks; ++i)
        b[static_cast<size_t>(i) * 9] = static_cast<uint8_t>(0x90 | (i == blocks - 1 ? 1 : 0));
    return b;
}

size_t FileOffsetOf(const synth::SynthOptions& o, uint32_t rom) { return rom + (o.headered ? 0x200 : 0); }

// The file offset of the first byte that differs between the two images
// outside the sample pointers and the sample area, or -1. The tables are
// placed by ROM offset; a copier header moves them in the file.
int64_t FirstChangeOutsideTables(const synth::SynthOptions& o, const std::vector<uint8_t>& original,
                                 const std::vector<uint8_t>& saved)
{
    if (saved.size() != original.size())
        return static_cast<int64_t>(std::min(saved.size(), original.size()));
    const size_t pointers = FileOffsetOf(o, kSamplePointersOffset);
    const size_t area = FileOffsetOf(o, kSampleAreaOffset);
    for (size_t i = 0; i < saved.size(); ++i) {
        const bool inTables = (i >= pointers && i < pointers + kSampleCount * 3) ||
                              (i >= area && i < area + kSampleAreaSize);
        if (!inTables && saved[i] != original[i])
            return static_cast<int64_t>(i);
    }
    return -1;
}

} // namespace

TEST(SampleTable, SyntheticImageHoldsSixtyThreeValidSamples)
{
    TempDir dir;
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(WriteImage(dir)).ok);
    const AudioTables& t = doc.Rom().audio;
    EXPECT_FALSE(t.irregular);
    int64_t used = 0;
    for (int i = 0; i < kSampleCount; ++i) {
        ASSERT_FALSE(t.samples[i].empty()) << i;
        EXPECT_EQ(t.samples[i].size() % 9, 0u);
        EXPECT_EQ(CheckBrrRun(t.samples[i].data(), t.samples[i].size()), SampleBlocks(t, i)) << i;
        std::vector<uint8_t> wav;
        EXPECT_GT(DecodeBrrToWav(t.samples[i].data(), t.samples[i].size(), 4096, wav), 44) << i;
        used += 2 + static_cast<int64_t>(t.samples[i].size());
    }
    EXPECT_EQ(t.freeBytes, static_cast<int32_t>(kSampleAreaSize - used));
    EXPECT_GT(t.freeBytes, 9 * 100);
    EXPECT_EQ(SampleStartText(t, 0), "0x0000");
    EXPECT_EQ(SampleBlocksText(t, 0), std::to_string(SampleBlocks(t, 0)));
    char expect[64];
    std::snprintf(expect, sizeof expect, "Avail. blocks %d (%d bytes)", t.freeBytes / 9, t.freeBytes);
    EXPECT_EQ(FreeSpaceText(t), expect);
}

TEST(SampleTable, StrayWriteCheckLooksAtTheTablesWhereTheFileHoldsThem)
{
    for (const char* variant : {"us10-headerless", "us10-headered"}) {
        SCOPED_TRACE(variant);
        const synth::SynthOptions o = Variant(variant);
        const std::vector<uint8_t> original = synth::BuildSyntheticImage(o);
        std::vector<uint8_t> img = original;
        // Inside the tables: allowed.
        img[FileOffsetOf(o, kSamplePointersOffset)] ^= 0xFF;
        img[FileOffsetOf(o, kSamplePointersOffset) + kSampleCount * 3 - 1] ^= 0xFF;
        img[FileOffsetOf(o, kSampleAreaOffset)] ^= 0xFF;
        img[FileOffsetOf(o, kSampleAreaOffset) + kSampleAreaSize - 1] ^= 0xFF;
        EXPECT_EQ(FirstChangeOutsideTables(o, original, img), -1);
        // Just outside either table, in file terms: caught.
        for (const size_t at : {FileOffsetOf(o, kSamplePointersOffset) - 1,
                                FileOffsetOf(o, kSamplePointersOffset) + kSampleCount * 3,
                                FileOffsetOf(o, kSampleAreaOffset) - 1,
                                FileOffsetOf(o, kSampleAreaOffset) + kSampleAreaSize}) {
            std::vector<uint8_t> stray = img;
            stray[at] ^= 0x5A;
            EXPECT_EQ(FirstChangeOutsideTables(o, original, stray), static_cast<int64_t>(at));
        }
    }
}

TEST(SampleTable, ReplaceWithinAndBeyondTheFreeSpaceThenSave)
{
    for (const char* variant : {"us10-headerless", "us10-headered"}) {
        SCOPED_TRACE(variant);
        const synth::SynthOptions opts = Variant(variant);
        TempDir dir;
        const std::string path = WriteImage(dir, opts);
        const auto original = ReadFileBytes(path);
        CQuorvexDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(path).ok);
        AudioTables& t = doc.Rom().audio;
        const int32_t free0 = t.freeBytes;
        const size_t old5 = t.samples[5].size();
        const auto sample7 = t.samples[7];

        // Beyond: one byte more than the old length plus the free space.
        std::vector<uint8_t> tooBig(old5 + static_cast<size_t>(free0) + 1, 0);
        EXPECT_EQ(ReplaceSample(t, 5, tooBig), ReplaceStatus::NotEnoughBytes);
        EXPECT_STREQ(ReplaceStatusMessage(ReplaceStatus::NotEnoughBytes), "Not enough bytes available!!");
        EXPECT_EQ(t.freeBytes, free0);
        EXPECT_EQ(t.samples[5].size(), old5);
        EXPECT_FALSE(t.modified[5]);

        // Within: a smaller sample frees the difference.
        const auto small = Brr(3);
        ASSERT_EQ(ReplaceSample(t, 5, small), ReplaceStatus::Ok);
        EXPECT_EQ(t.freeBytes, free0 + static_cast<int32_t>(old5) - 27);
        EXPECT_TRUE(t.modified[5]);
        EXPECT_EQ(SampleBlocksText(t, 5), "*3");
        EXPECT_EQ(FreeSpaceText(t).rfind("Avail. blocks *", 0), 0u);
        EXPECT_EQ(t.samples[7], sample7);
        EXPECT_EQ(ReplaceSample(t, 5, std::vector<uint8_t>(0x10000, 0)), ReplaceStatus::TooLong);

        // Fill most of the area with larger samples elsewhere.
        for (int i = 10; t.freeBytes > 5000 && i < kSampleCount; ++i) {
            const size_t grow = std::min<size_t>(0xFFFF, t.samples[i].size() + static_cast<size_t>(t.freeBytes) - 5000);
            ASSERT_EQ(ReplaceSample(t, i, std::vector<uint8_t>(grow, 0x01)), ReplaceStatus::Ok) << i;
        }
        ASSERT_EQ(t.freeBytes, 5000);
        // Exactly the old length plus the free space: succeeds, 0 bytes left.
        const size_t exact = 27 + static_cast<size_t>(t.freeBytes);
        std::vector<uint8_t> fill(exact, 0x00);
        ASSERT_EQ(ReplaceSample(t, 5, fill), ReplaceStatus::Ok);
        EXPECT_EQ(t.freeBytes, 0);
        EXPECT_EQ(FreeSpaceText(t), "Avail. blocks *0 (0 bytes)");

        ASSERT_EQ(ReplaceSample(t, 5, small), ReplaceStatus::Ok);
        EXPECT_EQ(ReplaceSample(t, 63, small), ReplaceStatus::BadIndex);
        EXPECT_EQ(ReplaceSample(t, -1, small), ReplaceStatus::BadIndex);
        EXPECT_EQ(ReplaceSample(t, 5, {}), ReplaceStatus::NoSample);

        // Saved, reopened: the pointers lead to the same samples, packed.
        ASSERT_TRUE(doc.OnSaveDocument(path).ok);
        CQuorvexDoc again;
        ASSERT_TRUE(again.OnOpenDocument(path).ok);
        const AudioTables& u = again.Rom().audio;
        EXPECT_FALSE(u.irregular);
        EXPECT_EQ(u.samples[5], small);
        EXPECT_EQ(u.samples[7], sample7);
        EXPECT_EQ(u.freeBytes, t.freeBytes);
        for (int i = 0; i < kSampleCount; ++i)
            EXPECT_EQ(u.samples[i], t.samples[i]) << i;
        // Nothing outside the two tables moved.
        const auto saved = ReadFileBytes(path);
        ASSERT_EQ(saved.size(), original.size());
        const int64_t stray = FirstChangeOutsideTables(opts, original, saved);
        EXPECT_EQ(stray, -1) << "byte changed at file offset 0x" << std::hex << stray;
    }
}

TEST(SampleTable, SampleLongerThanItsLengthWordIsRefused)
{
    AudioTables t;
    t.pointerBytes.assign(189, 0);
    t.area.assign(kSampleAreaSize, 0);
    std::vector<uint32_t> ptrs(kSampleCount);
    for (int i = 0; i < kSampleCount; ++i)
        ptrs[i] = kSampleAreaSnes + static_cast<uint32_t>(i) * 2; // 63 empty samples
    Write24BitTable(ptrs, t.pointerBytes.data());
    ParseSampleArea(t);
    ASSERT_FALSE(t.irregular);
    EXPECT_EQ(t.freeBytes, static_cast<int32_t>(kSampleAreaSize - 126));
    EXPECT_EQ(ReplaceSample(t, 0, std::vector<uint8_t>(0x10000 + 8, 0)), ReplaceStatus::TooLong);
    EXPECT_EQ(ReplaceSample(t, 0, std::vector<uint8_t>(0xFFFF, 0)), ReplaceStatus::Ok);
    EXPECT_EQ(ReadLe16(t.area.data()), 0xFFFF);
}

TEST(SampleTable, IrregularPointersAreDetectedAndNotReplaced)
{
    struct Damage {
        const char* name;
        void (*apply)(std::vector<uint8_t>& img, size_t ptrAt, size_t areaAt);
    };
    const Damage damages[] = {
        {"pointer below its predecessor",
         [](std::vector<uint8_t>& img, size_t p, size_t) { std::swap_ranges(img.begin() + long(p + 9), img.begin() + long(p + 12), img.begin() + long(p + 12)); }},
        {"length running into the next sample",
         [](std::vector<uint8_t>& img, size_t, size_t a) { img[a + 1] = 0x7F; }},
        {"pointer outside the area",
         [](std::vector<uint8_t>& img, size_t p, size_t) { img[p + 2] = 0xD0; }},
        {"pointer below the area",
         [](std::vector<uint8_t>& img, size_t p, size_t) { img[p + 2] = 0xC0; }},
        {"two samples at one place",
         [](std::vector<uint8_t>& img, size_t p, size_t) { std::copy(img.begin() + long(p), img.begin() + long(p + 3), img.begin() + long(p + 3)); }},
    };
    TempDir dir;
    const synth::SynthOptions opts;
    const std::string path = WriteImage(dir, opts);
    const auto clean = ReadFileBytes(path);
    for (const Damage& d : damages) {
        auto img = clean;
        d.apply(img, FileOffsetOf(opts, kSamplePointersOffset), FileOffsetOf(opts, kSampleAreaOffset));
        WriteFileBytes(path, img);
        CQuorvexDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(path).ok) << d.name;
        AudioTables& t = doc.Rom().audio;
        EXPECT_TRUE(t.irregular) << d.name;
        EXPECT_EQ(ReplaceSample(t, 3, Brr(2)), ReplaceStatus::Irregular) << d.name;
        // Saving writes the area back as it was.
        ASSERT_TRUE(doc.OnSaveDocument(path).ok);
        EXPECT_EQ(ReadFileBytes(path), img) << d.name;
    }
    EXPECT_NE(std::string(ReplaceStatusMessage(ReplaceStatus::Irregular)), "");
}

TEST(SampleTable, UnknownOrMissingAreaIsIrregular)
{
    AudioTables t;
    ParseSampleArea(t);
    EXPECT_TRUE(t.irregular);
    EXPECT_EQ(t.freeBytes, 0);
    // An area of 0xFF (an image too short to hold it).
    t.pointerBytes.assign(189, 0xFF);
    t.area.assign(kSampleAreaSize, 0xFF);
    ParseSampleArea(t);
    EXPECT_TRUE(t.irregular);
}

TEST(SampleTable, UneditedImagesSaveByteIdentical)
{
    TempDir dir;
    for (const auto& v : synth::AllVariants()) {
        const std::string path = WriteImage(dir, v.options, "v.smc");
        const auto before = ReadFileBytes(path);
        CQuorvexDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(path).ok) << v.name;
        ASSERT_TRUE(doc.OnSaveDocument(path).ok) << v.name;
        EXPECT_EQ(ReadFileBytes(path), before) << v.name;
    }
}
