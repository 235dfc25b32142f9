// Restore points: every save keeps the image as it was on disk, the newest
// ones are kept, and a restore puts one back while keeping the image of now.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "TestSupport.h"
#include "rom/Document.h"
#include "rom/ImageDiff.h"
#include "rom/RestorePoints.h"

using namespace quorvex;
using quorvex::test::ReadFileBytes;
using quorvex::test::TempDir;
using quorvex::test::WriteFileBytes;

namespace {

// 2026-12-06 14:03:07 UTC.
constexpr std::time_t kTime = 1796565787;

std::vector<uint8_t> Content(uint8_t v) { return std::vector<uint8_t>(8192, v); }

std::vector<std::string> Names(const std::vector<RestorePoint>& points)
{
    std::vector<std::string> names;
    for (const auto& p : points)
        names.push_back(p.fileName);
    return names;
}

} // namespace

TEST(RestorePoints, ASaveKeepsTheImageAsItWasOnDisk)
{
    TempDir dir;
    const std::string path = test::WriteImage(dir);
    const auto before = ReadFileBytes(path);
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path).ok);
    EXPECT_EQ(doc.RestorePoints(), 10);
    doc.Rom().monsters.monsters.bytes[0] ^= 0x11;
    const SaveResult saved = doc.OnSaveDocument(path);
    ASSERT_TRUE(saved.ok) << saved.error;
    EXPECT_TRUE(saved.warning.empty()) << saved.warning;
    const auto points = ListRestorePoints(path);
    ASSERT_EQ(points.size(), 1u);
    EXPECT_EQ(points[0].path, dir.File("image.smc.restore/") + points[0].fileName);
    EXPECT_EQ(points[0].size, before.size());
    EXPECT_EQ(ReadFileBytes(points[0].path), before);
    EXPECT_NE(ReadFileBytes(path), before);
}

TEST(RestorePoints, NamesAreTheUtcTimeAndSortByIt)
{
    ::setenv("TZ", "UTC", 1);
    ::tzset();
    TempDir dir;
    const std::string image = dir.File("game.sfc");
    std::string error;
    for (uint8_t v = 1; v <= 4; ++v) {
        WriteFileBytes(image, Content(v));
        // Two in the same second, then one from a clock set back by an hour.
        const std::time_t now = v == 4 ? kTime - 3600 : v == 3 ? kTime + 60 : kTime;
        ASSERT_TRUE(KeepRestorePoint(image, 10, error, now)) << error;
    }
    const auto points = ListRestorePoints(image);
    EXPECT_EQ(Names(points), (std::vector<std::string>{"2026-12-06_14-04-07_01.sfc", "2026-12-06_14-04-07.sfc",
                                                         "2026-12-06_14-03-07_01.sfc", "2026-12-06_14-03-07.sfc"}));
    // Newest first: the one taken last holds the last content.
    EXPECT_EQ(ReadFileBytes(points[0].path), Content(4));
    EXPECT_EQ(ReadFileBytes(points[3].path), Content(1));
    EXPECT_EQ(RestorePointTimeText(points[3]), "2026-12-06 14:03:07");
    EXPECT_EQ(points[3].time, kTime);
}

TEST(RestorePoints, OnlyTheNewestAreKeptAndOtherFilesAreLeftAlone)
{
    TempDir dir;
    const std::string image = dir.File("image.smc");
    std::filesystem::create_directory(RestoreFolder(image));
    WriteFileBytes(RestoreFolder(image) + "/notes.txt", {'h', 'i'});
    std::string error;
    for (uint8_t v = 1; v <= 6; ++v) {
        WriteFileBytes(image, Content(v));
        ASSERT_TRUE(KeepRestorePoint(image, 3, error, kTime + v)) << error;
    }
    const auto points = ListRestorePoints(image);
    ASSERT_EQ(points.size(), 3u);
    for (size_t i = 0; i < 3; ++i)
        EXPECT_EQ(ReadFileBytes(points[i].path), Content(uint8_t(6 - i)));
    EXPECT_TRUE(std::filesystem::exists(RestoreFolder(image) + "/notes.txt"));
}

TEST(RestorePoints, AnUnchangedImageIsNotKeptTwice)
{
    TempDir dir;
    const std::string image = dir.File("image.smc");
    WriteFileBytes(image, Content(1));
    std::string error;
    ASSERT_TRUE(KeepRestorePoint(image, 10, error, kTime));
    ASSERT_TRUE(KeepRestorePoint(image, 10, error, kTime + 5));
    EXPECT_EQ(ListRestorePoints(image).size(), 1u);
}

TEST(RestorePoints, ZeroTurnsThemOff)
{
    TempDir dir;
    const std::string path = test::WriteImage(dir);
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path).ok);
    doc.SetRestorePoints(0);
    ASSERT_TRUE(doc.OnSaveDocument(path).ok);
    EXPECT_FALSE(std::filesystem::exists(RestoreFolder(path)));
}

TEST(RestorePoints, ASaveHappensEvenWhenNoRestorePointCanBeKept)
{
    TempDir dir;
    const std::string path = test::WriteImage(dir);
    WriteFileBytes(RestoreFolder(path), {1}); // a file where the folder should go
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path).ok);
    doc.Rom().monsters.monsters.bytes[0] ^= 0x11;
    const SaveResult saved = doc.OnSaveDocument(path);
    ASSERT_TRUE(saved.ok) << saved.error;
    EXPECT_EQ(saved.warning.rfind("Quorvex could not keep a restore point of the image before replacing it:\n", 0), 0u)
        << saved.warning;
    CQuorvexDoc reopened;
    ASSERT_TRUE(reopened.OnOpenDocument(path).ok);
    EXPECT_EQ(reopened.Rom().monsters.monsters.bytes[0], doc.Rom().monsters.monsters.bytes[0]);
}

TEST(RestorePoints, RestoringKeepsTheImageOfNowFirst)
{
    TempDir dir;
    const std::string image = dir.File("image.smc");
    std::string error, warning;
    for (uint8_t v = 1; v <= 3; ++v) {
        WriteFileBytes(image, Content(v));
        ASSERT_TRUE(KeepRestorePoint(image, 3, error, kTime + v));
    }
    WriteFileBytes(image, Content(9));
    // The oldest, which keeping the image of now pushes out of the three kept.
    const RestorePoint oldest = ListRestorePoints(image).back();
    ASSERT_TRUE(RestoreImage(image, oldest, 3, error, warning, kTime + 10)) << error;
    EXPECT_TRUE(warning.empty());
    EXPECT_EQ(ReadFileBytes(image), Content(1));
    const auto points = ListRestorePoints(image);
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(ReadFileBytes(points[0].path), Content(9));
}

TEST(RestorePoints, RestoringAReadOnlyImageIsRefused)
{
    TempDir dir;
    const std::string image = dir.File("image.smc");
    std::string error, warning;
    WriteFileBytes(image, Content(1));
    ASSERT_TRUE(KeepRestorePoint(image, 3, error, kTime));
    WriteFileBytes(image, Content(2));
    std::filesystem::permissions(image, std::filesystem::perms::owner_read);
    EXPECT_FALSE(RestoreImage(image, ListRestorePoints(image)[0], 3, error, warning, kTime + 1));
    EXPECT_EQ(error, kReadOnlyMessage);
    EXPECT_EQ(ListRestorePoints(image).size(), 1u);
    EXPECT_EQ(ReadFileBytes(image), Content(2));
}

TEST(RestorePoints, TheListSaysHowEachDiffersFromTheImageNow)
{
    TempDir dir;
    synth::SynthOptions o;
    o.headered = true;
    const std::string image = test::WriteImage(dir, o);
    auto bytes = ReadFileBytes(image);
    std::string error;
    // Kept in this order: the image as it is; only the copier header
    // differs; a morph pack differs too; not an image of the game at all.
    ASSERT_TRUE(KeepRestorePoint(image, 10, error, kTime + 1));
    bytes[3] ^= 0xFF;
    WriteFileBytes(image, bytes);
    ASSERT_TRUE(KeepRestorePoint(image, 10, error, kTime + 2));
    bytes[0x200 + 0x47F40 + 5 * 4] ^= 0xFF;
    WriteFileBytes(image, bytes);
    ASSERT_TRUE(KeepRestorePoint(image, 10, error, kTime + 3));
    WriteFileBytes(image, std::vector<uint8_t>(0x300000, 0));
    ASSERT_TRUE(KeepRestorePoint(image, 10, error, kTime + 4));
    bytes[0x200 + 0x47F40 + 5 * 4] ^= 0xFF;
    bytes[3] ^= 0xFF;
    WriteFileBytes(image, bytes); // back to the first
    const auto rows = DescribeRestorePoints(image);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].differences.rfind("tables not compared: Unkown type: ", 0), 0u) << rows[0].differences;
    EXPECT_EQ(rows[1].differences, "morph_packs 5");
    EXPECT_EQ(rows[2].differences, "no table differs (other bytes do)");
    EXPECT_EQ(rows[3].differences, "the same as the image");
}
