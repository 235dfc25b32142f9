// quorvex-cli's dialogue verbs as a user runs them.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "rom/Document.h"
#include "text/TextTables.h"

using namespace quorvex;
using quorvex::test::kNothingSaved;
using quorvex::test::ReadFileBytes;
using quorvex::test::ReadFileText;
using quorvex::test::RunProgram;
using quorvex::test::TempDir;
using quorvex::test::WriteFileText;

namespace {
const std::string kCli = QUORVEX_CLI_PATH;

synth::SynthOptions Variant(const std::string& name)
{
    for (const auto& v : synth::AllVariants())
        if (v.name == name)
            return v.options;
    return {};
}
} // namespace

TEST(CliDialog, ExportImportEveryPageKeepsTheImage)
{
    TempDir dir;
    const std::string image = test::WriteImage(dir);
    const std::vector<uint8_t> before = ReadFileBytes(image);
    for (const char* page : {"dialog", "dte", "locnames", "btl-big", "btl-small"}) {
        SCOPED_TRACE(page);
        const std::string out = dir.File(std::string(page) + ".txt");
        const auto e = RunProgram(kCli, {"export", page, image, "-o", out});
        ASSERT_EQ(e.exitCode, 0) << e.err;
        EXPECT_EQ(e.out, "`" + out + "' created\n");
        const auto i = RunProgram(kCli, {"import", page, image, out});
        EXPECT_EQ(i.exitCode, 0) << i.err;
        EXPECT_EQ(i.out, "Script imported without errors.\n");
    }
    EXPECT_EQ(ReadFileBytes(image), before);
}

TEST(CliDialog, ImportAppliesAllOrNothingAndReportsErrors)
{
    TempDir dir;
    const std::string image = test::WriteImage(dir);
    const auto before = ReadFileBytes(image);
    const std::string script = dir.File("s.txt");
    // Caption #3 would go in, #4 cannot: the image keeps both as they were.
    WriteFileText(script, "[File version: 1.00]\n[Section: Town Dialog]\n[caption #3]\nHello <A2>!\n"
                          "[caption #4]\nBad \xc3\xa9\n");
    const auto r = RunProgram(kCli, {"import", "dialog", image, script});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, " Caption #4 has an error at char 4\n" + kNothingSaved);
    EXPECT_EQ(ReadFileBytes(image), before);

    // Without the faulty caption the import is applied and saved.
    WriteFileText(script, "[File version: 1.00]\n[Section: Town Dialog]\n[caption #3]\nHello <A2>!\n");
    const auto ok = RunProgram(kCli, {"import", "dialog", image, script});
    EXPECT_EQ(ok.exitCode, 0) << ok.err;
    EXPECT_EQ(ok.out, "Script imported without errors.\n");
    const auto out = RunProgram(kCli, {"export", "dialog", image, "-o", dir.File("d.txt")});
    ASSERT_EQ(out.exitCode, 0);
    EXPECT_NE(ReadFileText(dir.File("d.txt")).find("[caption #3]\nHello <A2>!\n\n[caption #4]\n"), std::string::npos);

    const auto saved = ReadFileBytes(image);
    WriteFileText(script, "[File version: 2.00]\n[Section: Town Dialog]\n[caption #3]\nx\n");
    const auto v = RunProgram(kCli, {"import", "dialog", image, script});
    EXPECT_EQ(v.exitCode, 1);
    EXPECT_EQ(v.err, "This version of Quorvex only supports scripts at version 1 or below\n" + kNothingSaved);
    EXPECT_EQ(RunProgram(kCli, {"import", "dialog", image, dir.File("none.txt")}).err,
              "Can't open import file!!\n" + kNothingSaved);
    EXPECT_EQ(ReadFileBytes(image), saved);
    EXPECT_EQ(RunProgram(kCli, {"import", "dialog", image}).exitCode, 2);
}

TEST(CliDialog, RefusalsAndOptimize)
{
    TempDir dir;
    const std::string unknown = test::WriteImage(dir, Variant("dialog-unknown"), "u.smc");
    const auto r = RunProgram(kCli, {"export", "dialog", unknown, "-o", dir.File("x.txt")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "Dialog routine unrecognised. Quorvex cannot work with the potentially reformated data.\n");

    const std::string image = test::WriteImage(dir);
    const std::vector<uint8_t> before = ReadFileBytes(image);
    const auto o = RunProgram(kCli, {"optimize", "dialog", image});
    EXPECT_EQ(o.exitCode, 0) << o.err;
    EXPECT_EQ(o.out.rfind("Optimized 0 captions", 0), 0u);
    EXPECT_EQ(ReadFileBytes(image), before); // already optimal: nothing written
}
