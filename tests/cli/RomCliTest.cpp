// quorvex-cli as a user runs it: info, identify, save, expand, demo.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "TestSupport.h"
#include "rom/Document.h"
#include "rom/PatchDetect.h"

using namespace quorvex;
using quorvex::test::kNothingSaved;
using quorvex::test::RunProgram;
using quorvex::test::TempDir;

namespace {
const std::string kCli = QUORVEX_CLI_PATH;
}

TEST(CliRom, InfoPrintsExactlyTheStatusReport)
{
    TempDir dir;
    for (const auto& v : synth::AllVariants()) {
        const std::string path = test::WriteImage(dir, v.options);
        CQuorvexDoc doc;
        const OpenResult opened = doc.OnOpenDocument(path);
        ASSERT_TRUE(opened.ok);
        const auto r = RunProgram(kCli, {"info", path});
        EXPECT_EQ(r.exitCode, 0) << v.name;
        EXPECT_EQ(r.out, BuildStatusReport(doc.Rom())) << v.name;
        // The battle-script patch warning goes to stderr only.
        EXPECT_EQ(r.err, opened.warning) << v.name;
    }
}

TEST(CliRom, InfoWorksOnReadOnlyImagesAndSaveRefusesThem)
{
    TempDir dir;
    const std::string path = test::WriteImage(dir);
    ::chmod(path.c_str(), 0444);
    const auto info = RunProgram(kCli, {"info", path});
    EXPECT_EQ(info.exitCode, 0);
    EXPECT_NE(info.out.find("FF3us, Version: 1.0"), std::string::npos);
    const auto save = RunProgram(kCli, {"save", path});
    EXPECT_NE(save.exitCode, 0);
    EXPECT_EQ(save.err, "The file has the read-only attribute, Quorvex can't work with it\n" + kNothingSaved);
    const auto expand = RunProgram(kCli, {"expand", path, "28"});
    EXPECT_NE(expand.exitCode, 0);
    EXPECT_EQ(expand.err, "The file has the read-only attribute, Quorvex can't work with it\n" + kNothingSaved);
}

TEST(CliRom, SaveKeepsAnUneditedImageByteIdentical)
{
    TempDir dir;
    synth::SynthOptions o;
    o.headered = true;
    o.mbit = 28;
    const std::string path = test::WriteImage(dir, o);
    const auto before = test::ReadFileBytes(path);
    const auto r = RunProgram(kCli, {"save", path});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(test::ReadFileBytes(path), before);
}

TEST(CliRom, ExpandAppendsTheFillValue)
{
    TempDir dir;
    const std::string path = test::WriteImage(dir);
    auto r = RunProgram(kCli, {"expand", path, "28", "--fill", "3c"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "Current ROM size: 28Mbit\n");
    auto bytes = test::ReadFileBytes(path);
    ASSERT_EQ(bytes.size(), 0x380000u);
    EXPECT_EQ(bytes[0x300000], 0x3C);
    EXPECT_EQ(bytes.back(), 0x3C);
    r = RunProgram(kCli, {"expand", path, "32"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    bytes = test::ReadFileBytes(path);
    ASSERT_EQ(bytes.size(), 0x400000u);
    EXPECT_EQ(bytes.back(), 0xFF);
    // Nothing more to expand at 32 Mbit.
    r = RunProgram(kCli, {"expand", path, "32"});
    EXPECT_NE(r.exitCode, 0);
    EXPECT_EQ(test::ReadFileBytes(path).size(), 0x400000u);
    // A fill value is one byte of at most two hexadecimal digits.
    for (const char* bad : {"100", "zz", ""}) {
        r = RunProgram(kCli, {"expand", path, "32", "--fill", bad});
        EXPECT_EQ(r.exitCode, 2) << bad;
    }
}

TEST(CliRom, DemoWritesTheRequestedImage)
{
    TempDir dir;
    const std::string path = dir.File("demo.smc");
    auto r = RunProgram(kCli, {"demo", path, "--release", "jp", "--size", "32", "--headered"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "`" + path + "' created\n");
    EXPECT_EQ(test::ReadFileBytes(path).size(), 0x400200u);
    r = RunProgram(kCli, {"info", path});
    EXPECT_NE(r.out.find("FF6j, Version: 1.0\nCart size: 32 Mbit\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("ROM is header-less: no\n"), std::string::npos);

    r = RunProgram(kCli, {"demo", path, "--variant", "scripts-bank-f0"});
    ASSERT_EQ(r.exitCode, 0);
    r = RunProgram(kCli, {"info", path});
    EXPECT_NE(r.out.find("Ostik mst AI"), std::string::npos);

    r = RunProgram(kCli, {"demo", path, "--size", "30"});
    EXPECT_EQ(r.exitCode, 2);
    r = RunProgram(kCli, {"demo", path, "--variant", "no-such-thing"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("us10-headerless"), std::string::npos);
}

TEST(CliRom, ErrorsAndHelp)
{
    TempDir dir;
    auto r = RunProgram(kCli, {"info", dir.File("missing.smc")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("No such file or directory"), std::string::npos);
    r = RunProgram(kCli, {"info"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err, "usage: quorvex-cli info IMAGE\n");
    r = RunProgram(kCli, {"expand", "--help"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find("usage: quorvex-cli expand IMAGE 28|32 [--fill HH]"), std::string::npos);
    r = RunProgram(kCli, {"frobnicate"});
    EXPECT_EQ(r.exitCode, 2);
    r = RunProgram(kCli, {"help"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find("info IMAGE"), std::string::npos);
}
