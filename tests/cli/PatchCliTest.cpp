// quorvex-cli's patch, restore and diff verbs as a user runs them.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

#include "TestSupport.h"
#include "rom/Document.h"
#include "rom/RestorePoints.h"

using namespace quorvex;
using quorvex::test::ReadFileBytes;
using quorvex::test::RunProgram;
using quorvex::test::TempDir;

namespace {

const std::string kCli = QUORVEX_CLI_PATH;

// The image and a copy with morph pack 7's third item changed.
struct Images {
    TempDir dir;
    std::string original;
    std::string modified;
    explicit Images(const synth::SynthOptions& o = {})
    {
        original = test::WriteImage(dir, o, "original.smc");
        modified = test::WriteImage(dir, o, "modified.smc");
        const auto r = RunProgram(kCli, {"set", modified, "morph_packs", "7", "items[2]=$5A"});
        EXPECT_EQ(r.exitCode, 0) << r.err;
        std::filesystem::remove_all(RestoreFolder(modified));
    }
};

} // namespace

TEST(CliPatch, CreateAndApplyInBothFormats)
{
    Images im;
    for (const char* name : {"hack.bps", "hack.ips"}) {
        const std::string patch = im.dir.File(name);
        auto r = RunProgram(kCli, {"patch", "create", im.original, im.modified, patch});
        ASSERT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(r.out, "`" + patch + "' created\n");
        // Only the changed byte and the patch's framing.
        EXPECT_LT(std::filesystem::file_size(patch), 40u) << name;

        const std::string image = test::WriteImage(im.dir, {}, "image.smc");
        r = RunProgram(kCli, {"patch", "apply", image, patch});
        ASSERT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(r.out, "`" + image + "' patched\n");
        EXPECT_EQ(ReadFileBytes(image), ReadFileBytes(im.modified)) << name;
        // The image as it was is kept.
        const auto points = ListRestorePoints(image);
        ASSERT_EQ(points.size(), 1u) << name;
        EXPECT_EQ(ReadFileBytes(points[0].path), ReadFileBytes(im.original));
        std::filesystem::remove_all(RestoreFolder(image));
    }
}

TEST(CliPatch, APatchAppliesToAHeaderedCopyAndKeepsItsHeader)
{
    Images im; // header-less
    const std::string patch = im.dir.File("hack.bps");
    ASSERT_EQ(RunProgram(kCli, {"patch", "create", im.original, im.modified, patch}).exitCode, 0);
    synth::SynthOptions headered;
    headered.headered = true;
    const std::string image = test::WriteImage(im.dir, headered, "headered.smc");
    auto before = ReadFileBytes(image);
    const auto r = RunProgram(kCli, {"patch", "apply", image, patch, "-o", im.dir.File("out.smc")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "`" + im.dir.File("out.smc") + "' created\n");
    EXPECT_EQ(ReadFileBytes(image), before); // -o leaves the image alone
    const auto out = ReadFileBytes(im.dir.File("out.smc"));
    const auto modified = ReadFileBytes(im.modified);
    ASSERT_EQ(out.size(), modified.size() + 0x200);
    EXPECT_TRUE(std::equal(out.begin(), out.begin() + 0x200, before.begin()));
    EXPECT_TRUE(std::equal(out.begin() + 0x200, out.end(), modified.begin()));
}

TEST(CliPatch, FormatChoice)
{
    Images im;
    auto r = RunProgram(kCli, {"patch", "create", im.original, im.modified, im.dir.File("hack.dat")});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err, "Unknown patch format: name the patch .bps or .ips, or give --format bps|ips.\n");
    r = RunProgram(kCli, {"patch", "create", im.original, im.modified, im.dir.File("hack.dat"), "--format", "ips"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(ReadFileBytes(im.dir.File("hack.dat"))[0], 'P');
    r = RunProgram(kCli, {"patch", "create", im.original, im.modified, im.dir.File("x.bps"), "--format", "ups"});
    EXPECT_EQ(r.exitCode, 2);
}

TEST(CliPatch, InfoAndRefusals)
{
    Images im;
    const std::string patch = im.dir.File("hack.bps");
    ASSERT_EQ(RunProgram(kCli, {"patch", "create", im.original, im.modified, patch}).exitCode, 0);
    auto r = RunProgram(kCli, {"patch", "info", patch});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out.rfind("format: BPS\nsource size: 3145728 bytes\ntarget size: 3145728 bytes\n", 0), 0u) << r.out;

    // A wrong image: the modified one already carries the change.
    const auto before = ReadFileBytes(im.modified);
    r = RunProgram(kCli, {"patch", "apply", im.modified, patch});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err.rfind("This patch is for another image: it expects CRC32 ", 0), 0u) << r.err;
    EXPECT_EQ(ReadFileBytes(im.modified), before);
    EXPECT_FALSE(std::filesystem::exists(RestoreFolder(im.modified)));

    // A damaged patch, for info and apply alike.
    auto bytes = ReadFileBytes(patch);
    bytes[6] ^= 1;
    test::WriteFileBytes(patch, bytes);
    r = RunProgram(kCli, {"patch", "info", patch});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err.rfind("The patch is damaged: its CRC32 is ", 0), 0u) << r.err;
    r = RunProgram(kCli, {"patch", "apply", im.original, patch});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err.rfind("The patch is damaged: its CRC32 is ", 0), 0u) << r.err;

    // A read-only image.
    ::chmod(im.original.c_str(), 0444);
    r = RunProgram(kCli, {"patch", "apply", im.original, patch});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, std::string(kReadOnlyMessage) + "\n");
    EXPECT_EQ(RunProgram(kCli, {"patch", "apply", im.original}).exitCode, 2);
}

TEST(CliRestore, ListAndApply)
{
    ::setenv("TZ", "UTC", 1); // the list shows local time; the program inherits this
    TempDir dir;
    const std::string image = test::WriteImage(dir);
    const auto original = ReadFileBytes(image);
    auto r = RunProgram(kCli, {"restore", "list", image});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "No restore points.\n");

    ASSERT_EQ(RunProgram(kCli, {"set", image, "morph_packs", "7", "items[2]=$5A"}).exitCode, 0);
    ASSERT_EQ(RunProgram(kCli, {"set", image, "morph_packs", "9", "items[0]=$11"}).exitCode, 0);
    const auto edited = ReadFileBytes(image);
    const auto points = ListRestorePoints(image);
    ASSERT_EQ(points.size(), 2u);
    r = RunProgram(kCli, {"restore", "list", image});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "1  " + RestorePointTimeText(points[0]) + "  3145728 bytes  morph_packs 9\n" +
                         "2  " + RestorePointTimeText(points[1]) + "  3145728 bytes  morph_packs 7, 9\n");

    // Back to before both edits; the image as it was becomes the newest point.
    r = RunProgram(kCli, {"restore", "apply", image, "2"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "`" + image + "' restored to " + RestorePointTimeText(points[1]) + "\n");
    EXPECT_EQ(ReadFileBytes(image), original);
    const auto after = ListRestorePoints(image);
    ASSERT_EQ(after.size(), 3u);
    EXPECT_EQ(ReadFileBytes(after[0].path), edited);
    r = RunProgram(kCli, {"restore", "list", image});
    EXPECT_NE(r.out.find("  3145728 bytes  the same as the image\n"), std::string::npos) << r.out;

    r = RunProgram(kCli, {"restore", "apply", image, "4"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "No restore point 4: the image has 3 (see quorvex-cli restore list).\n");
    EXPECT_EQ(RunProgram(kCli, {"restore", "apply", image, "x"}).exitCode, 2);
}

TEST(CliDiff, OneLinePerTableAndTheExitStatus)
{
    Images im;
    auto r = RunProgram(kCli, {"diff", im.original, im.original});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "");
    r = RunProgram(kCli, {"diff", im.original, im.modified});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "morph_packs 7\n");
    test::WriteFileBytes(im.dir.File("junk.smc"), std::vector<uint8_t>(0x300000, 0));
    r = RunProgram(kCli, {"diff", im.original, im.dir.File("junk.smc")});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("is not a known release of the game"), std::string::npos) << r.err;
    EXPECT_EQ(RunProgram(kCli, {"diff", im.original}).exitCode, 2);
}
