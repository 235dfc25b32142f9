// Identification, sizes and expansion of image files.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "TestSupport.h"
#include "rom/Document.h"
#include "rom/PatchDetect.h"

using namespace quorvex;
using quorvex::test::TempDir;

namespace {

// A file of `size` bytes whose ROM offset 0xFFC0 holds `title`.
std::string MakeRawFile(const TempDir& dir, size_t size, bool headered, const std::string& title, uint8_t version = 0)
{
    std::vector<uint8_t> bytes(size, 0x5A);
    const size_t base = headered ? 0x200 : 0;
    if (base + 0xFFDB < size) {
        std::fill(bytes.begin() + static_cast<long>(base + 0xFFC0), bytes.begin() + static_cast<long>(base + 0xFFD5), ' ');
        std::copy(title.begin(), title.end(), bytes.begin() + static_cast<long>(base + 0xFFC0));
        bytes[base + 0xFFDB] = version;
    }
    const std::string path = dir.File("raw.smc");
    test::WriteFileBytes(path, bytes);
    return path;
}

} // namespace

TEST(Identify, HeaderStateAndSizeFollowTheFileLength)
{
    TempDir dir;
    struct Case {
        size_t length;
        bool headerless;
        int32_t imageSize;
    } cases[] = {
        {3145728, true, kImageSize24},          // 24 Mbit, no header
        {3146240, false, kImageSize24},         // 24 Mbit with header
        {3145728 + 256, false, -1},             // not a multiple of 4096: headered, odd size
        {0x380000, true, kImageSize28},
        {0x400200, false, kImageSize32},
        {0x300000 + 4096, true, -1},
    };
    for (const Case& c : cases) {
        const std::string path = MakeRawFile(dir, c.length, !c.headerless, "FINAL FANTASY 3");
        CQuorvexDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(path).ok) << c.length;
        EXPECT_EQ(doc.Rom().IsHeaderless(), c.headerless) << c.length;
        EXPECT_EQ(doc.Rom().imageSize, c.imageSize) << c.length;
    }
}

TEST(Identify, TitleDecidesTheReleaseOnItsFirstFifteenCharacters)
{
    TempDir dir;
    struct Case {
        const char* title;
        uint8_t type;
    } cases[] = {
        {"FINAL FANTASY 3", kRomFF3us},
        {"FINAL FANTASY 3 EXTRA", kRomFF3us},
        {"FINAL FANTASY 6", kRomFF6j},
        {"Final Fantasy 3", kRomUnknown},
        {"FINAL FANTASY 2", kRomUnknown},
        {"", kRomUnknown},
    };
    for (const Case& c : cases) {
        const std::string path = MakeRawFile(dir, 0x300000, false, c.title, 1);
        CQuorvexDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(path).ok);
        EXPECT_EQ(doc.Rom().romType, c.type) << c.title;
        EXPECT_EQ(doc.Rom().version, 1);
        EXPECT_EQ(doc.Rom().path, path);
    }
}

TEST(Identify, TitleIsReadBehindTheCopierHeader)
{
    TempDir dir;
    synth::SynthOptions o;
    o.headered = true;
    const std::string path = test::WriteImage(dir, o);
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path).ok);
    EXPECT_EQ(doc.Rom().internalName, "FINAL FANTASY 3      ");
    EXPECT_EQ(doc.Rom().romType, kRomFF3us);
    EXPECT_FALSE(doc.Rom().IsHeaderless());
}

TEST(Identify, ControlBytesOfTheTitleAreShownAsEscapesInTheReport)
{
    TempDir dir;
    synth::SynthOptions o;
    o.title = "FINAL FANTASY 3\x1B[2J\x7F\n"; // clears a terminal shown raw
    const std::string path = test::WriteImage(dir, o);
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path).ok);
    EXPECT_EQ(doc.Rom().romType, kRomFF3us);
    EXPECT_EQ(doc.Rom().internalName, "FINAL FANTASY 3\x1B[2J\x7F\n"); // kept as read
    const std::string report = BuildStatusReport(doc.Rom());
    EXPECT_EQ(report.rfind("ROM internal name: \"FINAL FANTASY 3\\x1B[2J\\x7F\\x0A\"\n", 0), 0u) << report;
    for (char c : report)
        EXPECT_TRUE(c == '\n' || static_cast<unsigned char>(c) >= 0x20) << int(c);
}

TEST(Identify, NoImageState)
{
    CQuorvexDoc doc;
    EXPECT_FALSE(doc.Rom().IsOpen());
    EXPECT_EQ(BuildStatusReport(doc.Rom()), "No ROM loaded...");
    EXPECT_FALSE(CanExpand(doc.Rom()));
    EXPECT_FALSE(CanManageExpanded(doc.Rom()));
}

TEST(Expand, AppendsTheFillByteAndReevaluatesTheSize)
{
    TempDir dir;
    const std::string path = test::WriteImage(dir);
    const auto before = test::ReadFileBytes(path);
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path).ok);
    ASSERT_TRUE(ExpandImage(doc.Rom(), 0x100000, 0x00));
    EXPECT_EQ(doc.Rom().imageSize, kImageSize32);
    const auto after = test::ReadFileBytes(path);
    ASSERT_EQ(after.size(), before.size() + 1048576);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), after.begin()));
    EXPECT_TRUE(std::all_of(after.begin() + static_cast<long>(before.size()), after.end(), [](uint8_t b) { return b == 0; }));
    EXPECT_NE(BuildStatusReport(doc.Rom()).find("Cart size: 32 Mbit\n"), std::string::npos);
    EXPECT_FALSE(doc.IsModified()); // expansion writes at once and does not mark the document
}

TEST(Expand, AFileThatCannotBeOpenedKeepsItsSize)
{
    TempDir dir;
    const std::string path = test::WriteImage(dir);
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path).ok);
    ::chmod(path.c_str(), 0444);
    std::string error;
    EXPECT_FALSE(ExpandImage(doc.Rom(), 0x80000, 0xFF, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(doc.Rom().imageSize, kImageSize24);
    EXPECT_EQ(test::ReadFileBytes(path).size(), 0x300000u);
}

TEST(Expand, AFailedWriteLeavesTheImageWholeAndExpandableAgain)
{
    TempDir dir;
    const std::string path = test::WriteImage(dir);
    const auto before = test::ReadFileBytes(path);
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path).ok);
    // Each of the 64 KiB pieces of the appended space is one write; fail
    // the first, one in the middle and the last of a 28 Mbit expansion.
    for (int failAt : {0, 3, 7}) {
        SCOPED_TRACE(failAt);
        std::string error;
        ImageFile::InjectWriteFailure(failAt);
        const bool ok = ExpandImage(doc.Rom(), 0x80000, 0x00, &error);
        ImageFile::InjectWriteFailure(-1);
        EXPECT_FALSE(ok);
        EXPECT_NE(error.find("No space left on device"), std::string::npos) << error;
        EXPECT_EQ(doc.Rom().imageSize, kImageSize24);
        EXPECT_EQ(test::ReadFileBytes(path), before);
        size_t files = 0;
        for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.Path()))
            ++files;
        EXPECT_EQ(files, 1u); // no copy left behind
    }
    ASSERT_TRUE(ExpandImage(doc.Rom(), 0x80000, 0x00));
    EXPECT_EQ(doc.Rom().imageSize, kImageSize28);
    EXPECT_EQ(test::ReadFileBytes(path).size(), 0x380000u);
}

TEST(Expand, KeepsTheFilePermissions)
{
    TempDir dir;
    const std::string path = test::WriteImage(dir);
    ::chmod(path.c_str(), 0604);
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path).ok);
    ASSERT_TRUE(ExpandImage(doc.Rom(), 0x80000, 0xFF));
    struct stat st {};
    ::stat(path.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0604u);
}
