// Damaged and odd files: the open gives a clear result and never reads or
// writes out of bounds (the sanitizer build runs these too).
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "rom/Document.h"
#include "rom/PatchDetect.h"

using namespace quorvex;
using quorvex::test::TempDir;

TEST(BadInput, EmptyAndMissingFiles)
{
    TempDir dir;
    CQuorvexDoc doc;
    const OpenResult missing = doc.OnOpenDocument(dir.File("nope.smc"));
    EXPECT_FALSE(missing.ok);
    EXPECT_NE(missing.error.find("No such file"), std::string::npos);
    const OpenResult folder = doc.OnOpenDocument(dir.Path());
    EXPECT_FALSE(folder.ok);

    test::WriteFileBytes(dir.File("empty.smc"), {});
    const OpenResult empty = doc.OnOpenDocument(dir.File("empty.smc"));
    ASSERT_TRUE(empty.ok);
    EXPECT_EQ(doc.Rom().romType, kRomUnknown);
    EXPECT_EQ(doc.Rom().imageSize, -1);
    EXPECT_TRUE(doc.OnSaveDocument(dir.File("empty.smc")).ok);
    EXPECT_TRUE(test::ReadFileBytes(dir.File("empty.smc")).empty());
}

TEST(BadInput, TruncatedImagesOpenAndSaveWithinTheirLength)
{
    TempDir dir;
    const auto full = test::ReadFileBytes(test::WriteImage(dir));
    // Whole 4 KiB pages keep the file header-less, so the title is still found.
    for (size_t length : {size_t(0x10000), size_t(0xF9000), size_t(0x200000), size_t(0x2EC000), size_t(0x2EE000)}) {
        const std::string path = dir.File("cut.smc");
        std::vector<uint8_t> cut(full.begin(), full.begin() + static_cast<long>(length));
        test::WriteFileBytes(path, cut);
        CQuorvexDoc doc;
        const OpenResult r = doc.OnOpenDocument(path);
        ASSERT_TRUE(r.ok) << length;
        EXPECT_EQ(doc.Rom().romType, kRomFF3us) << length;
        EXPECT_EQ(doc.Rom().imageSize, -1);
        ASSERT_TRUE(doc.OnSaveDocument(path).ok) << length;
        EXPECT_EQ(test::ReadFileBytes(path), cut) << length;
    }
    // Any other length counts as headered: the title is then read 512 bytes
    // later and the image is unknown, but it still opens.
    const std::string path = dir.File("odd.smc");
    test::WriteFileBytes(path, std::vector<uint8_t>(full.begin(), full.begin() + 0xF8500));
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path).ok);
    EXPECT_FALSE(doc.Rom().IsHeaderless());
}

TEST(BadInput, PointersLeadingOutsideTheImage)
{
    TempDir dir;
    const std::string path = test::WriteImage(dir);
    auto bytes = test::ReadFileBytes(path);
    // Every map pointer to the last bank, which a 24 Mbit image does not hold.
    for (int i = 0; i < 32; ++i) {
        bytes[0x2EB200 + 3 * i] = 0xFE;
        bytes[0x2EB200 + 3 * i + 1] = 0xFF;
        bytes[0x2EB200 + 3 * i + 2] = 0xFF;
    }
    // Script operands into the expanded section and to a low bank.
    const uint8_t far[3] = {0x00, 0x00, 0xF8};
    std::copy(far, far + 3, bytes.begin() + 0x22D79);
    const uint8_t low[3] = {0x00, 0x10, 0x00};
    std::copy(low, low + 3, bytes.begin() + 0x21A45);
    test::WriteFileBytes(path, bytes);
    CQuorvexDoc doc;
    const OpenResult r = doc.OnOpenDocument(path);
    ASSERT_TRUE(r.ok);
    const RomData& rd = doc.Rom();
    EXPECT_TRUE(rd.romFlags & kFlagMiniMapMissing);
    EXPECT_TRUE(rd.romFlags & kFlagMapDataMissing);
    EXPECT_TRUE(rd.romFlags & kFlagMapTilesMissing);
    ASSERT_TRUE(doc.OnSaveDocument(path).ok);
    EXPECT_EQ(test::ReadFileBytes(path), bytes);
}

TEST(BadInput, SizeWordsRunningPastTheEndOfTheFile)
{
    TempDir dir;
    const std::string path = test::WriteImage(dir);
    auto bytes = test::ReadFileBytes(path);
    // The second-world tiles now claim 0xFFFF bytes from 16 bytes before the end.
    const uint32_t at = 0x300000 - 16;
    bytes[at] = 0xFF;
    bytes[at + 1] = 0xFF;
    bytes[0x2EB200 + 3 * 3] = static_cast<uint8_t>(at);
    bytes[0x2EB200 + 3 * 3 + 1] = static_cast<uint8_t>(at >> 8);
    bytes[0x2EB200 + 3 * 3 + 2] = static_cast<uint8_t>((at >> 16) + 0xC0);
    test::WriteFileBytes(path, bytes);
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path).ok);
    EXPECT_TRUE(doc.Rom().maps.blocks[kWorMapTiles].empty());
    EXPECT_TRUE(doc.Rom().romFlags & kFlagMapTilesMissing);
    EXPECT_NE(BuildStatusReport(doc.Rom()).find("Map(s) tiles corrupted"), std::string::npos);
}

TEST(BadInput, GarbageBlocksDoNotDecompress)
{
    TempDir dir;
    const std::string path = test::WriteImage(dir);
    auto bytes = test::ReadFileBytes(path);
    // Claim a long block over random data: decoding fails, the block is kept as read.
    const uint32_t ptr = bytes[0x2EB200] | (bytes[0x2EB201] << 8) | (bytes[0x2EB202] << 16);
    const uint32_t rom = ptr - 0xC00000;
    bytes[rom] = 0x00;
    bytes[rom + 1] = 0x60;
    test::WriteFileBytes(path, bytes);
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path).ok);
    EXPECT_EQ(doc.Rom().maps.blocks[kWobMapData].size(), 0x6002u);
}
