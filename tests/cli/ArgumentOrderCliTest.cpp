// Every verb takes the image first after its verb words. A call in the
// order names, rename and render used to take (the image last) is refused
// with a line that says so and the usage, and the image is left alone.
#include <gtest/gtest.h>

#include "TestSupport.h"

using quorvex::test::ReadFileBytes;
using quorvex::test::RunProgram;
using quorvex::test::TempDir;

namespace {

const std::string kCli = QUORVEX_CLI_PATH;

struct OldOrder {
    std::vector<std::string> words; // the verb words and the arguments before IMAGE
    std::vector<std::string> after; // the arguments after IMAGE
    std::string usage;              // the usage line it is told
};

} // namespace

TEST(CliArgumentOrder, ImageLastIsRefusedWithTheNewOrder)
{
    TempDir dir;
    const std::string image = quorvex::test::WriteImage(dir);
    const auto before = ReadFileBytes(image);
    const std::string lists = "monster|item|spell|esper|attack|rare-item|actor|special-attack|command|status|dance|sword-tech";
    const OldOrder cases[] = {
        {{"names", "monster"}, {}, "names IMAGE " + lists},
        {{"rename", "item", "3", "Blade"}, {}, "rename IMAGE " + lists + " INDEX TEXT"},
        {{"render", "monster", "0"}, {"-o", dir.File("m.bmp")}, "render monster IMAGE N [-o FILE] [--scale S]"},
        {{"render", "formation", "3"},
         {"--scale", "2"},
         "render formation IMAGE N [--background ID] [--mould M] [--scale S] [-o FILE]"},
        {{"render", "background", "12"},
         {},
         "render background IMAGE N [--variant V] [--dummy-map] [--scale S] [-o FILE]"},
    };
    for (const OldOrder& c : cases) {
        std::vector<std::string> args = c.words;
        args.push_back(image);
        args.insert(args.end(), c.after.begin(), c.after.end());
        const auto r = RunProgram(kCli, args);
        SCOPED_TRACE(c.usage);
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_EQ(r.err, "The image comes first after the verb words: quorvex-cli " + c.usage +
                             "\nusage: quorvex-cli " + c.usage + "\n");
        EXPECT_TRUE(r.out.empty());
    }
    EXPECT_EQ(ReadFileBytes(image), before);
    EXPECT_TRUE(ReadFileBytes(dir.File("m.bmp")).empty());
}

TEST(CliArgumentOrder, HelpShowsTheImageFirst)
{
    const auto r = RunProgram(kCli, {"help"});
    EXPECT_EQ(r.exitCode, 0);
    for (const char* form : {"names IMAGE monster|", "rename IMAGE monster|", "render monster IMAGE N",
                             "render formation IMAGE N", "render background IMAGE N"})
        EXPECT_NE(r.out.find(form), std::string::npos) << form;
    for (const char* old : {"N IMAGE", "TEXT IMAGE", "special-attack IMAGE"})
        EXPECT_EQ(r.out.find(old), std::string::npos) << old;
}

TEST(CliArgumentOrder, OtherMistakesGetTheUsageOnly)
{
    TempDir dir;
    const std::string image = quorvex::test::WriteImage(dir);
    const auto r = RunProgram(kCli, {"names", image, "weapon"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err.find("The image comes first"), std::string::npos);
    EXPECT_EQ(r.err.rfind("usage: quorvex-cli names IMAGE", 0), 0u);
    // Two numbers: the first is taken as the image (a file that is not there).
    const auto n = RunProgram(kCli, {"render", "monster", "0", "1"});
    EXPECT_EQ(n.exitCode, 1);
    EXPECT_EQ(n.err.find("The image comes first"), std::string::npos);
}
