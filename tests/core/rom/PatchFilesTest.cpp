// Patch files between image files: the copier header is left out of the
// patch and kept on the image it is applied to; every refusal leaves every
// file as it was.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <random>

#include "ReferencePatches.h"
#include "TestSupport.h"
#include "rom/Bps.h"
#include "rom/Document.h"
#include "rom/Ips.h"
#include "rom/PatchFiles.h"
#include "rom/RestorePoints.h"

using namespace quorvex;
using quorvex::test::ReadFileBytes;
using quorvex::test::TempDir;
using quorvex::test::WriteFileBytes;
using reference::Bytes;

namespace {

Bytes Cat(const Bytes& a, const Bytes& b)
{
    Bytes r = a;
    r.insert(r.end(), b.begin(), b.end());
    return r;
}

// Two 64 KiB image bodies that differ in a few places, and two copier headers.
struct Fixture {
    Bytes a = test::RandomBytes(1 << 16, 1);
    Bytes b;
    Bytes header1 = test::RandomBytes(512, 2);
    Bytes header2 = test::RandomBytes(512, 3);
    Fixture()
    {
        b = a;
        for (size_t i : {10u, 5000u, 40000u})
            b[i] ^= 0x5A;
        b.resize(b.size() + 4096, 0xFF); // and an expansion
    }
};

} // namespace

TEST(PatchFiles, PatchesDescribeTheImageWithoutItsCopierHeader)
{
    TempDir dir;
    Fixture f;
    const std::string original = dir.File("original.smc"), modified = dir.File("modified.smc");
    WriteFileBytes(original, Cat(f.header1, f.a)); // headered
    WriteFileBytes(modified, f.b);                 // header-less
    ASSERT_TRUE(CreatePatchFile(original, modified, dir.File("p.bps"), PatchFormat::Bps).ok);
    EXPECT_EQ(ReadFileBytes(dir.File("p.bps")), CreateBps(f.a, f.b));
    ASSERT_TRUE(CreatePatchFile(original, modified, dir.File("p.ips"), PatchFormat::Ips).ok);
    Bytes ips;
    ASSERT_TRUE(CreateIps(f.a, f.b, ips).Ok());
    EXPECT_EQ(ReadFileBytes(dir.File("p.ips")), ips);
}

TEST(PatchFiles, ApplyingKeepsTheImagesOwnHeader)
{
    TempDir dir;
    Fixture f;
    WriteFileBytes(dir.File("p.bps"), CreateBps(f.a, f.b));
    Bytes ips;
    ASSERT_TRUE(CreateIps(f.a, f.b, ips).Ok());
    WriteFileBytes(dir.File("p.ips"), ips);
    for (const char* patch : {"p.bps", "p.ips"}) {
        const std::string headered = dir.File("headered.smc"), bare = dir.File("bare.smc");
        WriteFileBytes(headered, Cat(f.header2, f.a));
        WriteFileBytes(bare, f.a);
        PatchFileResult r = ApplyPatchFile(headered, dir.File(patch), headered, 0);
        ASSERT_TRUE(r.ok) << patch << ": " << r.error;
        EXPECT_EQ(ReadFileBytes(headered), Cat(f.header2, f.b)) << patch;
        // To a new file, leaving the image alone.
        r = ApplyPatchFile(bare, dir.File(patch), dir.File("out.smc"), 0);
        ASSERT_TRUE(r.ok) << patch << ": " << r.error;
        EXPECT_EQ(ReadFileBytes(dir.File("out.smc")), f.b) << patch;
        EXPECT_EQ(ReadFileBytes(bare), f.a) << patch;
        std::filesystem::remove(dir.File("out.smc"));
    }
}

TEST(PatchFiles, ApplyingOverTheImageKeepsItAsARestorePoint)
{
    TempDir dir;
    Fixture f;
    const std::string image = dir.File("image.smc");
    WriteFileBytes(image, f.a);
    WriteFileBytes(dir.File("p.bps"), CreateBps(f.a, f.b));
    const PatchFileResult r = ApplyPatchFile(image, dir.File("p.bps"), image, kDefaultRestorePoints);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_TRUE(r.warning.empty());
    const auto points = ListRestorePoints(image);
    ASSERT_EQ(points.size(), 1u);
    EXPECT_EQ(ReadFileBytes(points[0].path), f.a);
    EXPECT_EQ(ReadFileBytes(image), f.b);
}

TEST(PatchFiles, RefusalsWriteNothing)
{
    TempDir dir;
    Fixture f;
    const std::string image = dir.File("image.smc");
    const Bytes wrong = Cat(f.header1, test::RandomBytes(1 << 16, 9));
    WriteFileBytes(image, wrong);
    WriteFileBytes(dir.File("p.bps"), CreateBps(f.a, f.b));
    Bytes damaged = CreateBps(f.a, f.b);
    damaged[damaged.size() / 2] ^= 1;
    WriteFileBytes(dir.File("damaged.bps"), damaged);
    WriteFileBytes(dir.File("text.bps"), Bytes{'h', 'e', 'l', 'l', 'o'});
    struct Case {
        const char* patch;
        std::string message;
    };
    char wrongSource[200];
    std::snprintf(wrongSource, sizeof wrongSource,
                  "This patch is for another image: it expects CRC32 %08X (65536 bytes), but this image (without "
                  "copier header) has CRC32 %08X (65536 bytes).",
                  reference::Crc(f.a), reference::Crc(Bytes(wrong.begin() + 512, wrong.end())));
    const Case cases[] = {
        {"p.bps", wrongSource},
        {"damaged.bps", "The patch is damaged: its CRC32 is"},
        {"text.bps", "Not a BPS or IPS patch!!"},
        {"missing.bps", "Cannot access the file"},
    };
    for (const Case& c : cases) {
        for (const std::string& out : {image, dir.File("new.smc")}) {
            const PatchFileResult r = ApplyPatchFile(image, dir.File(c.patch), out, kDefaultRestorePoints);
            EXPECT_FALSE(r.ok) << c.patch;
            EXPECT_EQ(r.error.rfind(c.message, 0), 0u) << c.patch << ": " << r.error;
            EXPECT_EQ(ReadFileBytes(image), wrong) << c.patch;
            EXPECT_FALSE(std::filesystem::exists(dir.File("new.smc"))) << c.patch;
            EXPECT_FALSE(std::filesystem::exists(RestoreFolder(image))) << c.patch;
        }
    }
}

TEST(PatchFiles, AReadOnlyImageIsRefusedFirst)
{
    TempDir dir;
    Fixture f;
    const std::string image = dir.File("image.smc");
    WriteFileBytes(image, f.a);
    ::chmod(image.c_str(), 0444);
    WriteFileBytes(dir.File("p.bps"), CreateBps(f.a, f.b));
    const PatchFileResult r = ApplyPatchFile(image, dir.File("p.bps"), image, kDefaultRestorePoints);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, kReadOnlyMessage);
    EXPECT_EQ(ReadFileBytes(image), f.a);
    // The image may still be read to make a patch or to patch a copy.
    EXPECT_TRUE(ApplyPatchFile(image, dir.File("p.bps"), dir.File("copy.smc"), 0).ok);
    EXPECT_TRUE(CreatePatchFile(image, dir.File("copy.smc"), dir.File("q.bps"), PatchFormat::Bps).ok);
}

TEST(PatchFiles, APatchIsNeverWrittenOverAnImageItIsMadeFrom)
{
    TempDir dir;
    Fixture f;
    WriteFileBytes(dir.File("a.smc"), f.a);
    WriteFileBytes(dir.File("b.smc"), f.b);
    for (const char* target : {"a.smc", "b.smc"}) {
        const PatchFileResult r =
            CreatePatchFile(dir.File("a.smc"), dir.File("b.smc"), dir.File(target), PatchFormat::Ips);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.error, "The patch cannot be written over one of the images it is made from.");
    }
    EXPECT_EQ(ReadFileBytes(dir.File("a.smc")), f.a);
    EXPECT_EQ(ReadFileBytes(dir.File("b.smc")), f.b);
}

TEST(PatchFiles, FormatByName)
{
    PatchFormat format = PatchFormat::Ips;
    EXPECT_TRUE(PatchFormatFromName("dir/hack.BPS", format));
    EXPECT_EQ(format, PatchFormat::Bps);
    EXPECT_TRUE(PatchFormatFromName("hack.ips", format));
    EXPECT_EQ(format, PatchFormat::Ips);
    EXPECT_FALSE(PatchFormatFromName("hack.ups", format));
    EXPECT_FALSE(PatchFormatFromName("bps", format));
}

TEST(PatchFiles, CopierHeaderRule)
{
    EXPECT_EQ(CopierHeaderLength(0x300000), 0u);
    EXPECT_EQ(CopierHeaderLength(0x300200), 0x200u);
    EXPECT_EQ(CopierHeaderLength(0x300100), 0x200u); // any length not a multiple of 4096
    EXPECT_EQ(CopierHeaderLength(100), 0u);          // too short to hold one
}

TEST(PatchFiles, Description)
{
    const Bytes source = {1, 2, 3, 4};
    const Bytes target = {1, 2, 3, 4, 9, 9, 9, 9};
    const Bytes bps = reference::BpsBuilder(4, 8, "meta").SourceRead(4).TargetRead({9}).TargetCopy(3, 4).Finish(
        source, target);
    std::string text, error;
    ASSERT_TRUE(DescribePatch(bps, text, error)) << error;
    char expected[400];
    std::snprintf(expected, sizeof expected,
                  "format: BPS\nsource size: 4 bytes\ntarget size: 8 bytes\nsource CRC32: %08X\n"
                  "target CRC32: %08X\npatch CRC32: %08X\nmetadata: 4 bytes\n"
                  "actions: 3 (source read 1, target read 1, source copy 0, target copy 1)\n",
                  reference::Crc(source), reference::Crc(target),
                  reference::Crc(Bytes(bps.begin(), bps.end() - 4)));
    EXPECT_EQ(text, expected);

    const Bytes ips = reference::IpsBuilder().Record(0x10, {1, 2}).Run(0x100, 300, 7).Finish(0x180);
    ASSERT_TRUE(DescribePatch(ips, text, error));
    EXPECT_EQ(text, "format: IPS\nrecords: 2 (1 run-length)\nwrites up to: 556 bytes\ntruncates to: 384 bytes\n"
                    "checksums: none (IPS carries none)\n");

    EXPECT_FALSE(DescribePatch(Bytes{'B', 'P', 'S', '1'}, text, error));
    EXPECT_EQ(error, "The patch is damaged: it ends too early (at byte 4).");
}
