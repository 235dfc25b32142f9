// The synthetic images a test run shares through its cache folder: a cached
// image is the image the options build, and a file left by other options
// (or a damaged one) is never taken for it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "SyntheticImage.h"
#include "TestSupport.h"

namespace quorvex {
namespace {

TEST(SynthCache, GivesTheImageTheOptionsBuildAndNothingElse)
{
    test::TempDir dir;
    const std::string cache = dir.File("cache");
    ::unsetenv("QUORVEX_SYNTH_CACHE");
    const synth::SynthOptions us = test::Variant("us10-headered");
    const synth::SynthOptions jp = test::Variant("jp");
    const std::vector<uint8_t> usBuilt = synth::BuildSyntheticImage(us);
    const std::vector<uint8_t> jpBuilt = synth::BuildSyntheticImage(jp);

    ::setenv("QUORVEX_SYNTH_CACHE", cache.c_str(), 1);
    EXPECT_EQ(synth::BuildSyntheticImage(us), usBuilt); // made, then stored
    std::vector<std::filesystem::path> files;
    for (const auto& e : std::filesystem::directory_iterator(cache))
        files.push_back(e.path());
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(synth::BuildSyntheticImage(us), usBuilt); // read back

    // Another image's file, and a damaged one, under the name of this one.
    const std::vector<uint8_t> stored = test::ReadFileBytes(files[0].string());
    std::vector<uint8_t> other = stored;
    other[0] ^= 1;
    for (const std::vector<uint8_t>& bad : {other, std::vector<uint8_t>(stored.begin(), stored.begin() + 10)}) {
        test::WriteFileBytes(files[0].string(), bad);
        EXPECT_EQ(synth::BuildSyntheticImage(us), usBuilt);
    }
    EXPECT_EQ(synth::BuildSyntheticImage(jp), jpBuilt);
    ::unsetenv("QUORVEX_SYNTH_CACHE");
}

} // namespace
} // namespace quorvex
