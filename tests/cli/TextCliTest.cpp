// text decode/encode, names and rename as a user runs them.
#include <gtest/gtest.h>

#include "TestSupport.h"

using quorvex::test::RunProgram;
using quorvex::test::TempDir;

namespace {
const std::string kCli = QUORVEX_CLI_PATH;
}

TEST(CliText, EncodeAndDecode)
{
    auto r = RunProgram(kCli, {"text", "encode", "dialogue", "Hi<EOP>\nthere"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "27 42 13 4D 41 3E 4B 3E\n");
    r = RunProgram(kCli, {"text", "encode", "battle", "<A$01>"});
    EXPECT_EQ(r.out, "02 01\n");
    r = RunProgram(kCli, {"text", "decode", "dialogue", "16 10 12 2742"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "<D16>Hi\n");
    r = RunProgram(kCli, {"text", "decode", "battle", "80 07"});
    EXPECT_EQ(r.out, "A<P>\n");
    r = RunProgram(kCli, {"text", "decode", "battle", "80 07", "--release", "jp"});
    EXPECT_EQ(r.out, "<$80><P>\n");
    r = RunProgram(kCli, {"text", "decode", "name", "8E A9 AC FF FF FF"});
    EXPECT_EQ(r.out, "Ops\n");
    r = RunProgram(kCli, {"text", "decode", "dialogue", "14 03", "--release", "us"});
    EXPECT_EQ(r.out, "   \n");
}

TEST(CliText, ErrorsExitNonZero)
{
    auto r = RunProgram(kCli, {"text", "encode", "dialogue", "ab<A15>"});
    EXPECT_NE(r.exitCode, 0);
    EXPECT_NE(r.err.find("Error found in script"), std::string::npos);
    EXPECT_NE(r.err.find("2"), std::string::npos);
    EXPECT_TRUE(r.out.empty());
    r = RunProgram(kCli, {"text", "encode", "dialogue", std::string(5001, 'A')});
    EXPECT_NE(r.exitCode, 0);
    EXPECT_NE(r.err.find("Script too long!!"), std::string::npos);
    r = RunProgram(kCli, {"text", "decode", "dialogue", "1"});
    EXPECT_NE(r.exitCode, 0);
    r = RunProgram(kCli, {"text", "decode", "dialogue", "ZZ"});
    EXPECT_NE(r.exitCode, 0);
    r = RunProgram(kCli, {"text", "decode", "dialogue", "20 11"});
    EXPECT_NE(r.exitCode, 0);
    EXPECT_EQ(r.out, "A\n");
    r = RunProgram(kCli, {"text", "decode", "poem", "20"});
    EXPECT_NE(r.exitCode, 0);
    r = RunProgram(kCli, {"text", "decode", "dialogue", "20", "--release", "eu"});
    EXPECT_NE(r.exitCode, 0);
}

TEST(CliText, NamesListsEveryEntry)
{
    TempDir dir;
    const std::string path = quorvex::test::WriteImage(dir);
    auto r = RunProgram(kCli, {"names", path, "monster"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    size_t lines = 0;
    for (char c : r.out)
        lines += c == '\n';
    EXPECT_EQ(lines, 384u);
    EXPECT_EQ(r.out.rfind("0\t", 0), 0u);
    for (const char* list : {"item", "spell", "esper", "attack", "rare-item", "actor", "special-attack", "command",
                             "status", "dance", "sword-tech"}) {
        r = RunProgram(kCli, {"names", path, list});
        EXPECT_EQ(r.exitCode, 0) << list << r.err;
        EXPECT_FALSE(r.out.empty()) << list;
    }
    EXPECT_NE(RunProgram(kCli, {"names", path, "weapon"}).exitCode, 0);
    EXPECT_NE(RunProgram(kCli, {"names", dir.File("missing.smc"), "monster"}).exitCode, 0);
}

TEST(CliText, RenameChangesOnlyThatName)
{
    TempDir dir;
    const std::string path = quorvex::test::WriteImage(dir);
    const auto before = quorvex::test::ReadFileBytes(path);
    auto r = RunProgram(kCli, {"rename", path, "monster", "5", "Dog"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto after = quorvex::test::ReadFileBytes(path);
    ASSERT_EQ(after.size(), before.size());
    const size_t at = 0xFC050 + 5 * 10;
    for (size_t i = 0; i < after.size(); ++i)
        if (after[i] != before[i]) {
            EXPECT_GE(i, at);
            EXPECT_LT(i, at + 10);
        }
    EXPECT_EQ(std::vector<uint8_t>(after.begin() + at, after.begin() + at + 10),
              (std::vector<uint8_t>{0x83, 0xA8, 0xA0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    r = RunProgram(kCli, {"names", path, "monster"});
    EXPECT_NE(r.out.find("\n5\tDog\n"), std::string::npos);

    // Item 3 of the North American release: 13 bytes at 0x12B300.
    r = RunProgram(kCli, {"rename", path, "item", "3", "Long Sword, 2"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto items = quorvex::test::ReadFileBytes(path);
    EXPECT_EQ(items[0x12B300 + 3 * 13 + 10], 0xC6); // the comma

    // Refusals leave the file alone.
    const auto kept = quorvex::test::ReadFileBytes(path);
    EXPECT_NE(RunProgram(kCli, {"rename", path, "monster", "384", "Dog"}).exitCode, 0);
    EXPECT_NE(RunProgram(kCli, {"rename", path, "monster", "-1", "Dog"}).exitCode, 0);
    EXPECT_NE(RunProgram(kCli, {"rename", path, "actor", "64", "Dog"}).exitCode, 0);
    EXPECT_NE(RunProgram(kCli, {"rename", path, "monster", "1", "D&g"}).exitCode, 0);
    EXPECT_NE(RunProgram(kCli, {"rename", path, "monster", "x", "Dog"}).exitCode, 0);
    EXPECT_EQ(quorvex::test::ReadFileBytes(path), kept);
}
