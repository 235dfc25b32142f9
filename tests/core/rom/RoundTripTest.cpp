// Opening and saving without edits must give back the same file, for
// every variant of the synthetic image; and saves never write outside the
// tables.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "TestSupport.h"
#include "rom/Document.h"

using namespace quorvex;
using quorvex::test::TempDir;

namespace quorvex::synth {
// Test names show the variant's name rather than its bytes.
void PrintTo(const Variant& v, std::ostream* os) { *os << v.name; }
} // namespace quorvex::synth

class RoundTrip : public ::testing::TestWithParam<synth::Variant> {};

TEST_P(RoundTrip, UneditedSaveIsByteIdentical)
{
    TempDir dir;
    const std::string path = test::WriteImage(dir, GetParam().options);
    const auto before = test::ReadFileBytes(path);
    CQuorvexDoc doc;
    const OpenResult opened = doc.OnOpenDocument(path);
    ASSERT_TRUE(opened.ok) << opened.error;
    doc.SetModifiedFlag();
    const SaveResult saved = doc.OnSaveDocument(path);
    ASSERT_TRUE(saved.ok) << saved.error;
    EXPECT_FALSE(doc.IsModified());
    const auto after = test::ReadFileBytes(path);
    ASSERT_EQ(after.size(), before.size());
    for (size_t i = 0; i < before.size(); ++i)
        ASSERT_EQ(before[i], after[i]) << GetParam().name << ": first difference at file offset 0x" << std::hex << i;
}

INSTANTIATE_TEST_SUITE_P(Variants, RoundTrip, ::testing::ValuesIn(synth::AllVariants()),
                         [](const auto& info) {
                             std::string n = info.param.name;
                             std::replace(n.begin(), n.end(), '-', '_');
                             return n;
                         });

TEST(Save, EditedTablesLandAtTheirPlaceAndNothingElseChanges)
{
    TempDir dir;
    synth::SynthOptions o;
    o.headered = true;
    const std::string path = test::WriteImage(dir, o);
    const auto before = test::ReadFileBytes(path);
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path).ok);
    // Change the first monster record's first byte and the last formation's last byte.
    auto& mons = doc.Rom().monsters.monsters.bytes;
    auto& forms = doc.Rom().formations.records.bytes;
    mons[0] ^= 0xFF;
    forms.back() ^= 0xFF;
    ASSERT_TRUE(doc.OnSaveDocument(path).ok);
    const auto after = test::ReadFileBytes(path);
    ASSERT_EQ(after.size(), before.size());
    std::vector<size_t> diffs;
    for (size_t i = 0; i < before.size(); ++i)
        if (before[i] != after[i])
            diffs.push_back(i);
    ASSERT_EQ(diffs.size(), 2u);
    EXPECT_EQ(diffs[0], 0x200u + 0xF0000u);
    EXPECT_EQ(diffs[1], 0x200u + 0xF6200u + 576 * 15 - 1);
}

TEST(Save, UnknownReleaseWritesNothing)
{
    TempDir dir;
    synth::SynthOptions o;
    o.title = "SOME OTHER GAME";
    const std::string path = test::WriteImage(dir, o);
    const auto before = test::ReadFileBytes(path);
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path).ok);
    EXPECT_FALSE(doc.Rom().IsKnown());
    EXPECT_TRUE(doc.Rom().monsters.monsters.bytes.empty()); // no table was loaded
    EXPECT_TRUE(doc.OnSaveDocument(path).ok);
    EXPECT_EQ(test::ReadFileBytes(path), before);
}

TEST(Save, AFailedWriteLeavesTheOriginalUntouchedAndTheDocumentModified)
{
    TempDir dir;
    const std::string path = test::WriteImage(dir);
    ::chmod(path.c_str(), 0640);
    const auto before = test::ReadFileBytes(path);
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path).ok);
    doc.Rom().monsters.monsters.bytes[5] ^= 0x55;
    doc.SetModifiedFlag();
    ImageFile::InjectWriteFailure(7); // somewhere in the middle of the stores
    const SaveResult r = doc.OnSaveDocument(path);
    ImageFile::InjectWriteFailure(-1);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("No space left on device"), std::string::npos) << r.error;
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(test::ReadFileBytes(path), before);
    // No temporary copy is left behind.
    size_t files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.Path()))
        ++files;
    EXPECT_EQ(files, 1u);
    // A later save succeeds and keeps the file's permissions.
    ASSERT_TRUE(doc.OnSaveDocument(path).ok);
    struct stat st {};
    ::stat(path.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_NE(test::ReadFileBytes(path), before);
}

TEST(Save, ReadOnlyImageIsRefused)
{
    TempDir dir;
    const std::string path = test::WriteImage(dir);
    ::chmod(path.c_str(), 0444);
    CQuorvexDoc doc;
    const OpenResult r = doc.OnOpenDocument(path);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "The file has the read-only attribute, Quorvex can't work with it");
    EXPECT_FALSE(doc.Rom().IsOpen()); // refused before anything was reset or read
    // Tools that only read may open it.
    ASSERT_TRUE(doc.OnOpenDocument(path, true).ok);
    EXPECT_TRUE(doc.Rom().IsKnown());
    const SaveResult s = doc.OnSaveDocument(path);
    EXPECT_FALSE(s.ok);
    EXPECT_EQ(s.error, "The file has the read-only attribute, Quorvex can't work with it");
}

TEST(Save, SavingThroughASymbolicLinkKeepsTheLink)
{
    TempDir dir;
    const std::string path = test::WriteImage(dir);
    const std::string link = dir.File("link.smc");
    std::filesystem::create_symlink(path, link);
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(link).ok);
    doc.Rom().monsters.monsters.bytes[0] ^= 1;
    ASSERT_TRUE(doc.OnSaveDocument(link).ok);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(test::ReadFileBytes(link), test::ReadFileBytes(path));
}

TEST(Open, FileIsClosedAfterOpening)
{
    TempDir dir;
    const std::string path = test::WriteImage(dir);
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path).ok);
    // No descriptor of this process still refers to the image.
    const auto real = std::filesystem::canonical(path);
    for (const auto& fd : std::filesystem::directory_iterator("/proc/self/fd")) {
        std::error_code ec;
        const auto target = std::filesystem::read_symlink(fd.path(), ec);
        EXPECT_NE(target, real);
    }
}
