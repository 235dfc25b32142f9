// decompress and the render verbs, run as a user would.
#include <gtest/gtest.h>

#include "TestSupport.h"

using namespace quorvex::test;

namespace {

RunResult Cli(const std::vector<std::string>& args) { return RunProgram(QUORVEX_CLI_PATH, args); }

} // namespace

TEST(GraphicsCli, Decompress)
{
    TempDir dir;
    const std::string img = WriteImage(dir);
    // The first background tile map: 2,048 bytes, with or without a prefix.
    for (const std::string addr : {"0xE71928", "$E71928", "e71928"}) {
        const std::string out = dir.File("map.bin");
        std::remove(out.c_str());
        RunResult r = Cli({"decompress", img, addr, out});
        ASSERT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(ReadFileBytes(out).size(), 2048u);
    }
    // A place that holds no valid block: non-zero, nothing written.
    const std::string bad = dir.File("bad.bin");
    RunResult r = Cli({"decompress", img, "0xEFFFFF", bad});
    EXPECT_NE(r.exitCode, 0);
    EXPECT_FALSE(r.err.empty());
    EXPECT_TRUE(ReadFileBytes(bad).empty());
    EXPECT_NE(Cli({"decompress", img, "zz", bad}).exitCode, 0);
    EXPECT_NE(Cli({"decompress", img}).exitCode, 0);
}

TEST(GraphicsCli, RenderVerbsWriteBmpFiles)
{
    TempDir dir;
    const std::string img = WriteImage(dir);
    const std::string mst = dir.File("m.bmp");
    RunResult r = Cli({"render", "monster", img, "0", "-o", mst});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    auto bytes = ReadFileBytes(mst);
    ASSERT_EQ(bytes.size(), 54u + 64 * 64 * 3);
    EXPECT_EQ(bytes[0], 'B');

    const std::string bck = dir.File("b.bmp");
    r = Cli({"render", "background", img, "55", "-o", bck});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("using dummy data since no prev. bank"), std::string::npos);
    EXPECT_NE(r.out.find("Line 1 data: "), std::string::npos);
    EXPECT_EQ(ReadFileBytes(bck).size(), 54u + 256 * 152 * 3);
    r = Cli({"render", "background", img, "2", "--dummy-map", "--variant", "1", "-o", bck});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(ReadFileBytes(bck).size(), 54u + 256 * 96 * 3);

    const std::string frm = dir.File("f.bmp");
    r = Cli({"render", "formation", img, "3", "--background", "5", "--mould", "2", "-o", frm});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(ReadFileBytes(frm).size(), 54u + 256 * 152 * 3);
    r = Cli({"render", "formation", img, "3", "-o", frm});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(ReadFileBytes(frm).size(), 54u + 240 * 148 * 3);

    EXPECT_NE(Cli({"render", "monster", img, "416"}).exitCode, 0);
    EXPECT_NE(Cli({"render", "background", img, "56"}).exitCode, 0);
    EXPECT_NE(Cli({"render", "formation", img, "1", "--mould", "16"}).exitCode, 0);
    EXPECT_NE(Cli({"render", "formation", img, "1", "--background"}).exitCode, 0);
    r = Cli({"render", "monster", img, "1", "-o", dir.File("no/dir/x.bmp")});
    EXPECT_NE(r.exitCode, 0);
    EXPECT_NE(r.err.find("Can't create file!!"), std::string::npos);
}
