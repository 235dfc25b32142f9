// png export, png import and font show, run as a user would.
#include <gtest/gtest.h>

#include "../core/graphics/PngTestUtil.h"
#include "TestSupport.h"

using namespace quorvex::test;

namespace {

RunResult Cli(const std::vector<std::string>& args) { return RunProgram(QUORVEX_CLI_PATH, args); }

// The same pixels in another palette order, written as RGB by another
// encoder: importing it replaces tiles and palette with equal colours.
std::vector<uint8_t> SeventeenColours()
{
    PngSpec spec;
    std::vector<int> samples;
    for (int i = 0; i < 256; ++i)
        samples.insert(samples.end(), {(i % 17) * 8, 255, 0});
    return WritePng(spec, samples);
}

} // namespace

TEST(BitmapCli, ExportThenImportLeavesTheImageAsItWas)
{
    TempDir dir;
    for (const char* release : {"us", "jp"}) {
        const std::string img = dir.File(std::string(release) + ".smc");
        ASSERT_EQ(Cli({"demo", img, "--release", release}).exitCode, 0);
        const std::vector<uint8_t> before = ReadFileBytes(img);
        struct Case {
            std::vector<std::string> exportArgs, importArgs;
        } cases[] = {
            {{"wallpaper", "5"}, {"wallpaper", "5", "--import-palette"}},
            {{"sprite", "3", "--new-format"}, {"sprite", "3", "--new-format", "--import-town-palette"}},
            {{"sprite", "18", "--battle-palette", "2"},
             {"sprite", "18", "--battle-palette", "2", "--import-battle-palette"}},
            {{"sprite", "150", "--town-palette", "31"}, {"sprite", "150", "--town-palette", "31"}},
        };
        for (const Case& c : cases) {
            const std::string png = dir.File("out.png");
            std::vector<std::string> ex = {"png", "export", img, c.exportArgs[0], c.exportArgs[1], png};
            ex.insert(ex.end(), c.exportArgs.begin() + 2, c.exportArgs.end());
            RunResult r = Cli(ex);
            ASSERT_EQ(r.exitCode, 0) << r.err;
            EXPECT_EQ(r.out, "`" + png + "' created\n");
            std::vector<std::string> im = {"png", "import", img, c.importArgs[0], c.importArgs[1], png};
            im.insert(im.end(), c.importArgs.begin() + 2, c.importArgs.end());
            r = Cli(im);
            ASSERT_EQ(r.exitCode, 0) << r.err;
            EXPECT_NE(r.out.find("tiles imported"), std::string::npos);
        }
        EXPECT_EQ(ReadFileBytes(img), before) << release;
    }
}

TEST(BitmapCli, RefusedImportsLeaveTheImageUntouched)
{
    TempDir dir;
    const std::string img = WriteImage(dir);
    const std::vector<uint8_t> before = ReadFileBytes(img);
    WriteFileBytes(dir.File("many.png"), SeventeenColours());
    WriteFileBytes(dir.File("empty.png"), {});
    WriteFileText(dir.File("text.png"), "Just some words in a file that claims to be a picture.\n");
    const std::vector<uint8_t> good = SeventeenColours();
    WriteFileBytes(dir.File("cut.png"), std::vector<uint8_t>(good.begin(), good.begin() + 60));
    struct Case {
        const char* file;
        const char* message;
    } cases[] = {
        {"many.png", "Pixel data deeper than what SNES palette can hold"},
        {"empty.png", "Error: file is smaller than it should be"},
        {"text.png", "Error: not a PNG file"},
        {"cut.png", "Error: the file is not a readable PNG image"},
        {"missing.png", "Error: could not read file completely"},
    };
    for (const Case& c : cases) {
        const RunResult r = Cli({"png", "import", img, "sprite", "40", dir.File(c.file), "--import-town-palette"});
        EXPECT_EQ(r.exitCode, 1) << c.file;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << c.file << ": " << r.err;
        EXPECT_NE(r.err.find("unchanged"), std::string::npos);
        EXPECT_EQ(ReadFileBytes(img), before) << c.file;
    }
}

TEST(BitmapCli, UsageErrors)
{
    TempDir dir;
    const std::string img = WriteImage(dir);
    const std::vector<std::vector<std::string>> bad = {
        {"png", "export", img, "wallpaper", "8", dir.File("a.png")},
        {"png", "export", img, "sprite", "168", dir.File("a.png")},
        {"png", "export", img, "tiles", "0", dir.File("a.png")},
        {"png", "export", img, "wallpaper", "0", dir.File("a.png"), "--new-format"},
        {"png", "export", img, "sprite", "0", dir.File("a.png"), "--town-palette", "32"},
        {"png", "export", img, "sprite", "0", dir.File("a.png"), "--town-palette", "1", "--battle-palette", "1"},
        {"png", "import", img, "wallpaper", "0", dir.File("a.png"), "--import-town-palette"},
        {"png", "import", img, "sprite", "0", dir.File("a.png"), "--import-palette"},
        {"font", "show", img, "medium", "0"},
        {"font", "show", img, "big"},
    };
    for (const auto& args : bad)
        EXPECT_EQ(Cli(args).exitCode, 2) << args[1] << " " << args.back();
    const RunResult r = Cli({"png", "export", img, "wallpaper", "0", dir.File("no/such/dir.png")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Problems writing `"), std::string::npos);
}

TEST(BitmapCli, FontShow)
{
    TempDir dir;
    const std::string img = WriteImage(dir);
    RunResult r = Cli({"font", "show", img, "big", "0"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    // A first line with the width, then 11 rows of 16 pixels.
    EXPECT_EQ(r.out.rfind("width: ", 0), 0u);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 12);
    EXPECT_EQ(r.out.find_first_not_of(".1\n", r.out.find('\n')), std::string::npos);
    r = Cli({"font", "show", img, "small", "0x80"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 8);
    EXPECT_EQ(r.out.size(), 8u * 9u);
    EXPECT_NE(r.out.find('1'), std::string::npos);
    r = Cli({"font", "show", img, "big", "160"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_FALSE(r.err.empty());
}
