// quorvex-cli's growth verbs and the battle and actor tables as a user
// scripts them: export writes the page's file, import and formula save only
// when the whole edit succeeded, info prints the quick info.
#include <gtest/gtest.h>

#include <filesystem>

#include "TestSupport.h"
#include "editors/Growth.h"
#include "rom/Document.h"

using namespace quorvex;
using quorvex::test::kNothingSaved;
using quorvex::test::ReadFileBytes;
using quorvex::test::ReadFileText;
using quorvex::test::RunProgram;
using quorvex::test::TempDir;
using quorvex::test::WriteFileText;

namespace {

const std::string kCli = QUORVEX_CLI_PATH;

// Runs the program with the current folder set to `dir`.
test::RunResult RunIn(const TempDir& dir, const std::vector<std::string>& args)
{
    const std::filesystem::path old = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    test::RunResult r = RunProgram(kCli, args);
    std::filesystem::current_path(old);
    return r;
}

RomData Reopen(const std::string& image)
{
    CQuorvexDoc doc;
    EXPECT_TRUE(doc.OnOpenDocument(image).ok);
    return doc.Rom();
}

} // namespace

TEST(CliGrowth, ExportWritesThePagesFileUnderItsDefaultName)
{
    TempDir dir;
    const std::string image = test::WriteImage(dir);
    const RomData rd = Reopen(image);
    const auto r = RunIn(dir, {"growth", "export", image, "exp", "abs"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "`EXP_abs.txt' created\n");
    EXPECT_EQ(ReadFileText(dir.File("EXP_abs.txt")), GrowthExportText(rd, GrowthTable::Exp, GrowthView::Absolute));

    const auto named = RunProgram(kCli, {"growth", "export", image, "mp", "inc", "-o", dir.File("mine.txt")});
    ASSERT_EQ(named.exitCode, 0) << named.err;
    EXPECT_EQ(named.out, "`" + dir.File("mine.txt") + "' created\n");
    EXPECT_EQ(ReadFileText(dir.File("mine.txt")), GrowthExportText(rd, GrowthTable::Mp, GrowthView::Increment));

    const auto cant = RunProgram(kCli, {"growth", "export", image, "hp", "inc", "-o", dir.File("no/such/folder.txt")});
    EXPECT_EQ(cant.exitCode, 1);
    EXPECT_EQ(cant.err, "Can't create export file!!\n");
}

TEST(CliGrowth, ImportSavesOnlyWhenAll98ValuesWereRead)
{
    TempDir dir;
    const std::string image = test::WriteImage(dir);
    const std::vector<uint8_t> before = ReadFileBytes(image);
    std::string lines;
    for (int i = 0; i < 97; ++i)
        lines += std::to_string(i + 1) + "\n";
    WriteFileText(dir.File("short.txt"), "Value\tLevel\n" + lines);
    WriteFileText(dir.File("long.txt"), lines + std::string(300, '5') + "\n");
    struct Row {
        std::vector<std::string> args;
        int exitCode;
        std::string err;
    };
    const Row refused[] = {
        {{"growth", "import", image, "hp", "inc", dir.File("short.txt")}, 1,
         "Only read 97 values / 98, canceling import\n" + kNothingSaved},
        {{"growth", "import", image, "hp", "abs", dir.File("long.txt")}, 1,
         "Only read 97 values / 98, canceling import\n" + kNothingSaved},
        {{"growth", "import", image, "hp", "inc", dir.File("missing.txt")}, 1,
         "Can't read import file!!\n" + kNothingSaved},
        {{"growth", "import", image, "xp", "inc", dir.File("short.txt")}, 2, ""},
        {{"growth", "formula", image, "hp", "--kind", "1", "--initial", "10000", "--final", "5", "--first", "2",
          "--last", "99"},
         1, "--initial: 10000 is above 9999\n" + kNothingSaved},
        {{"growth", "formula", image, "mp", "--kind", "5", "--initial", "1", "--final", "5", "--first", "2",
          "--last", "99"},
         2, ""},
        {{"growth", "formula", image, "mp", "--kind", "1", "--initial", "1", "--final", "5", "--first", "1",
          "--last", "99"},
         1, "--first: 1 is below 2\n" + kNothingSaved},
    };
    for (const Row& r : refused) {
        const auto run = RunProgram(kCli, r.args);
        EXPECT_EQ(run.exitCode, r.exitCode) << r.args[1] << " " << r.args.back();
        if (!r.err.empty()) {
            EXPECT_EQ(run.err, r.err);
        }
        EXPECT_EQ(ReadFileBytes(image), before);
    }

    WriteFileText(dir.File("good.txt"), lines + "250\n");
    const auto ok = RunProgram(kCli, {"growth", "import", image, "mp", "inc", dir.File("good.txt")});
    ASSERT_EQ(ok.exitCode, 0) << ok.err;
    EXPECT_EQ(ok.out, "Succesfully imported values\n");
    const RomData rd = Reopen(image);
    EXPECT_EQ(rd.actors.mpGrowth.bytes[0], 1);
    EXPECT_EQ(rd.actors.mpGrowth.bytes[96], 97);
    EXPECT_EQ(rd.actors.mpGrowth.bytes[97], 250);
}

TEST(CliGrowth, FormulaAppliesTheWizardOnceAndInfoReports)
{
    TempDir dir;
    const std::string image = test::WriteImage(dir);
    // HP in increment view, constant 40 from level 10 to 20.
    const auto r = RunProgram(kCli, {"growth", "formula", image, "hp", "--kind", "0", "--initial", "40", "--first",
                                     "10", "--last", "20", "--view", "inc"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "gain needed (g): 0.00000\n");
    const std::vector<uint8_t> hp = Reopen(image).actors.hpGrowth.bytes;
    for (int level = 10; level <= 20; ++level)
        EXPECT_EQ(hp[static_cast<size_t>(level - 2)], 40) << level;

    // Experience, absolute view: linear from 0 at level 2 to 97 x 800 at 99,
    // 800 a level, stored as 100.
    const auto lin = RunProgram(kCli, {"growth", "formula", image, "exp", "--kind", "1", "--initial", "0", "--final",
                                       "77600", "--first", "2", "--last", "99"});
    ASSERT_EQ(lin.exitCode, 0) << lin.err;
    EXPECT_EQ(lin.out, "gain needed (g): 800.00000\n");
    const std::vector<uint8_t> exp = Reopen(image).actors.experience.bytes;
    EXPECT_EQ(exp[0] | (exp[1] << 8), 0);
    for (size_t i = 1; i < 98; ++i)
        EXPECT_EQ(exp[2 * i] | (exp[2 * i + 1] << 8), 100) << i;

    const auto info = RunProgram(kCli, {"growth", "info", image, "exp"});
    ASSERT_EQ(info.exitCode, 0) << info.err;
    EXPECT_EQ(info.out,
              "Total at level 99: 77600\nMaximum increase was 800 at level 3\nMinimum increase was 0 at level 2\n");
}

TEST(CliGrowth, BattleAndActorTablesAreListedAndSetByTheirKeys)
{
    TempDir dir;
    const std::string image = test::WriteImage(dir);
    const auto tables = RunProgram(kCli, {"tables", image});
    ASSERT_EQ(tables.exitCode, 0) << tables.err;
    for (const char* line : {"commands 32\n", "magitek 8\n", "blitz_inputs 8\n", "dances 8\n", "statuses 32\n",
                             "actors 64\n", "natural_magic 2\n", "technique_levels 1\n", "growth 1\n"})
        EXPECT_NE(tables.out.find(line), std::string::npos) << line;

    const std::vector<uint8_t> before = ReadFileBytes(image);
    const auto bad = RunProgram(kCli, {"set", image, "actors", "3", "speed=40", "run_success=6"});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_EQ(bad.err, "actors[3].run_success: 6 is above 5\n" + kNothingSaved);
    EXPECT_EQ(ReadFileBytes(image), before);

    const auto set = RunProgram(kCli, {"set", image, "blitz_inputs", "2", "presses=[1,2,3,0,9,9,9,9,9,9,9]"});
    ASSERT_EQ(set.exitCode, 0) << set.err;
    const RomData rd = Reopen(image);
    EXPECT_EQ(rd.battle.blitzInputs.bytes[2 * 12 + 11], 6);
    const auto get = RunProgram(kCli, {"get", image, "actors", "0"});
    ASSERT_EQ(get.exitCode, 0) << get.err;
    EXPECT_NE(get.out.find("\"run_success\":"), std::string::npos) << get.out;
}
