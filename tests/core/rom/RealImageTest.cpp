// Opt-in tests on the user's own image, named by QUORVEX_TEST_IMAGE. They
// work on a copy and never store anything taken from the image.
#include <gtest/gtest.h>

#include <filesystem>

#include "TestSupport.h"
#include "rom/Document.h"
#include "rom/PatchDetect.h"

using namespace quorvex;

TEST(RealImage, OpenAndSaveLeaveItByteIdentical)
{
    const std::string image = test::RealImagePath();
    if (image.empty())
        GTEST_SKIP() << "QUORVEX_TEST_IMAGE is not set: no real image to test with";
    test::TempDir dir;
    const std::string copy = dir.File("copy.smc");
    std::filesystem::copy_file(image, copy);
    std::filesystem::permissions(copy, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
    const auto before = test::ReadFileBytes(copy);
    CQuorvexDoc doc;
    const OpenResult r = doc.OnOpenDocument(copy);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_TRUE(doc.Rom().IsKnown()) << BuildStatusReport(doc.Rom());
    ASSERT_TRUE(doc.OnSaveDocument(copy).ok);
    const auto after = test::ReadFileBytes(copy);
    ASSERT_EQ(after.size(), before.size());
    for (size_t i = 0; i < before.size(); ++i)
        ASSERT_EQ(before[i], after[i]) << "first difference at file offset 0x" << std::hex << i;
}
