// The formation tables, the three reports and the formation pictures from
// the command line: files written byte for byte, the release refusals, the
// failures that leave nothing behind, and the image never touched.
#include <gtest/gtest.h>

#include <unistd.h>

#include "TestSupport.h"
#include "graphics/MonsterRender.h"
#include "monsters/Reports.h"
#include "rom/Document.h"

using namespace quorvex;
using quorvex::test::ReadFileBytes;
using quorvex::test::ReadFileText;
using quorvex::test::RunProgram;
using quorvex::test::TempDir;

namespace {

const std::string kCli = QUORVEX_CLI_PATH;

// Runs the program from `folder`, where reports land by default.
test::RunResult RunIn(const std::string& folder, const std::vector<std::string>& args)
{
    char old[4096];
    if (!getcwd(old, sizeof old) || chdir(folder.c_str()) != 0)
        return {};
    test::RunResult r = RunProgram(kCli, args);
    if (chdir(old) != 0)
        r.exitCode = -2;
    return r;
}

} // namespace

TEST(CliReports, EachReportIsWrittenByteForByteUnderItsOwnName)
{
    TempDir dir;
    const std::string image = test::WriteImage(dir);
    const std::vector<uint8_t> before = ReadFileBytes(image);
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(image).ok);
    const struct {
        const char* word;
        ReportKind kind;
        const char* file;
    } rows[] = {{"monsters", ReportKind::Monsters, "ME_Monst.txt"},
                {"formations", ReportKind::Formations, "ME_Form.txt"},
                {"colosseum", ReportKind::Colosseum, "ME_Colos.txt"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.word);
        const auto r = RunIn(dir.Path(), {"report", row.word, image});
        ASSERT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(r.out, std::string("`") + row.file + "' created\n");
        EXPECT_EQ(ReadFileText(dir.File(row.file)), ReportText(doc.Rom(), row.kind));
        const std::string other = dir.File(std::string("other-") + row.file);
        const auto named = RunProgram(kCli, {"report", row.word, image, "-o", other});
        ASSERT_EQ(named.exitCode, 0) << named.err;
        EXPECT_EQ(named.out, "`" + other + "' created\n");
        EXPECT_EQ(ReadFileText(other), ReportText(doc.Rom(), row.kind));
    }
    EXPECT_EQ(ReadFileBytes(image), before);
}

TEST(CliReports, RefusalsAndFailures)
{
    TempDir dir;
    const std::string us = test::WriteImage(dir);
    const std::string jp = test::WriteImage(dir, test::Variant("jp"), "jp.smc");
    for (const char* word : {"monsters", "colosseum"}) {
        const auto r = RunIn(dir.Path(), {"report", word, jp});
        EXPECT_EQ(r.exitCode, 1) << word;
        EXPECT_NE(r.err.find("only made for the North American release"), std::string::npos) << r.err;
    }
    EXPECT_TRUE(ReadFileBytes(dir.File("ME_Monst.txt")).empty());
    EXPECT_TRUE(ReadFileBytes(dir.File("ME_Colos.txt")).empty());
    EXPECT_EQ(RunIn(dir.Path(), {"report", "formations", jp}).exitCode, 0);
    EXPECT_FALSE(ReadFileBytes(dir.File("ME_Form.txt")).empty());

    const auto nowhere = RunProgram(kCli, {"report", "formations", us, "-o", dir.File("no/dir/r.txt")});
    EXPECT_EQ(nowhere.exitCode, 1);
    EXPECT_EQ(nowhere.err, "Can't create dump file!!\n");
    EXPECT_EQ(RunProgram(kCli, {"report", "formations"}).exitCode, 2);
    EXPECT_EQ(RunProgram(kCli, {"report", "formations", us, "-o"}).exitCode, 2);
}

TEST(CliFormations, PackOfTwoAndZoneRatesLandAtTheirBytes)
{
    TempDir dir;
    const std::string image = test::WriteImage(dir);
    const std::vector<uint8_t> before = ReadFileBytes(image);
    auto r = RunProgram(kCli, {"set", image, "packs", "300", "formations=[5,575]", "rand_next3[0]=1"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    r = RunProgram(kCli, {"set", image, "zones", "0x90", "rates=[0,0,0,3]"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::vector<uint8_t> after = ReadFileBytes(image);
    const size_t pack = 0xF5000 + 44 * 4;
    for (size_t i = 0; i < after.size(); ++i) {
        if (after[i] != before[i]) {
            EXPECT_TRUE((i >= pack && i < pack + 4) || i == 0xF5890) << std::hex << i;
        }
    }
    EXPECT_EQ(after[pack], 5);
    EXPECT_EQ(after[pack + 1], 0x80);
    EXPECT_EQ(after[pack + 2], 0x3F);
    EXPECT_EQ(after[pack + 3], 0x02);
    EXPECT_EQ(after[0xF5890] & 0xC0, 0xC0); // dry land sits in the top bits of other maps' zones
    const auto get = RunProgram(kCli, {"get", image, "zones", "0x90"});
    EXPECT_NE(get.out.find("\"rates\":[0,0,0,3]"), std::string::npos) << get.out;

    // Formation 520 has no magic points; the refusal leaves the file as it was.
    const auto refused = RunProgram(kCli, {"set", image, "formations", "520", "magic_points=1"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("formations[520].magic_points: record 520 has no such field"), std::string::npos);
    EXPECT_EQ(ReadFileBytes(image), after);
}

TEST(CliFormations, RenderFormationDrawsWhatThePreviewDraws)
{
    TempDir dir;
    const std::string image = test::WriteImage(dir);
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(image).ok);
    for (const auto& [formation, background, scale] : {std::tuple{12, 7, 1}, {300, -1, 2}, {575, 20, 2}}) {
        const std::string out = dir.File("f" + std::to_string(formation) + ".bmp");
        std::vector<std::string> args = {"render", "formation", image, std::to_string(formation), "--scale",
                                         std::to_string(scale), "-o", out};
        if (background >= 0)
            args.insert(args.end(), {"--background", std::to_string(background)});
        const auto r = RunProgram(kCli, args);
        ASSERT_EQ(r.exitCode, 0) << r.err;
        CFF6Bitmap bmp;
        RenderFormation(doc.Rom(), formation, background, -1, scale, bmp);
        EXPECT_EQ(ReadFileBytes(out), bmp.BmpBytes()) << formation;
    }
}
