// Save As: the open image is written to another name by the same
// all-or-nothing step as a save, the document continues there, the image
// it came from keeps its bytes, and a file that is replaced is kept as a
// restore point first.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "TestSupport.h"
#include "rom/Document.h"
#include "rom/RestorePoints.h"

using namespace quorvex;
using quorvex::test::ReadFileBytes;
using quorvex::test::TempDir;
using quorvex::test::WriteFileBytes;

TEST(SaveAs, WritesTheEditedImageToANewNameAndContinuesThere)
{
    TempDir dir;
    const std::string from = test::WriteImage(dir);
    ::chmod(from.c_str(), 0640);
    const auto original = ReadFileBytes(from);
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(from).ok);
    doc.Rom().monsters.monsters.bytes[3] ^= 0x5A;
    doc.SetModifiedFlag();
    const std::string to = dir.File("copy.smc");
    const SaveResult r = doc.OnSaveDocumentAs(from, to);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_TRUE(r.warning.empty()) << r.warning;
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.Rom().path, to);
    // The source keeps every byte; the copy differs from it exactly where a
    // save in place would have written.
    EXPECT_EQ(ReadFileBytes(from), original);
    CQuorvexDoc inPlace;
    const std::string third = test::WriteImage(dir, {}, "third.smc");
    ASSERT_TRUE(inPlace.OnOpenDocument(third).ok);
    inPlace.Rom().monsters.monsters.bytes[3] ^= 0x5A;
    ASSERT_TRUE(inPlace.OnSaveDocument(third).ok);
    EXPECT_EQ(ReadFileBytes(to), ReadFileBytes(third));
    // A new name has nothing to keep as a restore point; the new file has
    // the source's permissions and no copy is left beside it.
    EXPECT_TRUE(ListRestorePoints(to).empty());
    struct stat st {};
    ASSERT_EQ(::stat(to.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    size_t files = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir.Path()))
        files += e.is_regular_file() ? 1 : 0;
    EXPECT_EQ(files, 3u);
    // The next save goes to the new name.
    doc.Rom().monsters.monsters.bytes[4] ^= 0x01;
    ASSERT_TRUE(doc.OnSaveDocument(doc.Rom().path).ok);
    EXPECT_EQ(ReadFileBytes(from), original);
    EXPECT_EQ(ListRestorePoints(to).size(), 1u);
}

TEST(SaveAs, ReplacingAFileKeepsItAsARestorePoint)
{
    TempDir dir;
    const std::string from = test::WriteImage(dir);
    const std::string to = dir.File("old.smc");
    const std::vector<uint8_t> old(8192, 0x77);
    WriteFileBytes(to, old);
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(from).ok);
    const SaveResult r = doc.OnSaveDocumentAs(from, to);
    ASSERT_TRUE(r.ok) << r.error;
    // Saved without edits: byte-identical to the source.
    EXPECT_EQ(ReadFileBytes(to), ReadFileBytes(from));
    const auto points = ListRestorePoints(to);
    ASSERT_EQ(points.size(), 1u);
    EXPECT_EQ(ReadFileBytes(points[0].path), old);
}

TEST(SaveAs, AFailureChangesNeitherFileNorTheDocument)
{
    TempDir dir;
    const std::string from = test::WriteImage(dir);
    const auto original = ReadFileBytes(from);
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(from).ok);
    doc.Rom().monsters.monsters.bytes[0] ^= 0x11;
    doc.SetModifiedFlag();
    const std::string missing = dir.File("no/such/folder/x.smc");
    const SaveResult r = doc.OnSaveDocumentAs(from, missing);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("no/such/folder"), std::string::npos) << r.error;
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.Rom().path, from);
    EXPECT_EQ(ReadFileBytes(from), original);
    // A write-protected file is refused before anything is written.
    const std::string locked = dir.File("locked.smc");
    WriteFileBytes(locked, std::vector<uint8_t>(8192, 1));
    ::chmod(locked.c_str(), 0444);
    if (::access(locked.c_str(), W_OK) != 0) { // root may write anything
        const SaveResult l = doc.OnSaveDocumentAs(from, locked);
        EXPECT_FALSE(l.ok);
        EXPECT_EQ(ReadFileBytes(locked), std::vector<uint8_t>(8192, 1));
        EXPECT_EQ(doc.Rom().path, from);
    }
}

TEST(SaveAs, TheSameFileUnderAnotherNameIsAPlainSave)
{
    TempDir dir;
    const std::string from = test::WriteImage(dir);
    const std::string link = dir.File("link.smc");
    std::filesystem::create_symlink(from, link);
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(from).ok);
    doc.Rom().monsters.monsters.bytes[0] ^= 0x11;
    const SaveResult r = doc.OnSaveDocumentAs(from, link);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadFileBytes(from), ReadFileBytes(link));
    // One restore point, beside the name the document continues on.
    EXPECT_EQ(ListRestorePoints(link).size(), 1u);
    EXPECT_EQ(doc.Rom().path, link);
}

TEST(SaveAs, AnImageOfUnknownReleaseIsCopiedAsItIs)
{
    TempDir dir;
    const std::string from = dir.File("odd.smc");
    std::vector<uint8_t> bytes(0x300200, 0);
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<uint8_t>(i * 7);
    WriteFileBytes(from, bytes);
    CQuorvexDoc doc;
    const OpenResult opened = doc.OnOpenDocument(from);
    if (!opened.ok || doc.Rom().IsKnown())
        GTEST_SKIP() << "random data opened as a known release";
    ASSERT_TRUE(doc.OnSaveDocumentAs(from, dir.File("odd-copy.smc")).ok);
    EXPECT_EQ(ReadFileBytes(dir.File("odd-copy.smc")), bytes);
}
