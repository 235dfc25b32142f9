// quorvex-cli's table verbs as a user scripts them: tables, get, set and the
// JSON document, all or nothing.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "TestSupport.h"
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

// The bytes at which two equally long files differ.
std::vector<size_t> Differences(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b)
{
    std::vector<size_t> at;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i)
        if (a[i] != b[i])
            at.push_back(i);
    return at;
}
} // namespace

TEST(CliTables, ListGetAndSetChangeExactlyTheFieldsBytes)
{
    TempDir dir;
    synth::SynthOptions o;
    o.headered = true;
    const std::string image = test::WriteImage(dir, o);
    const std::vector<uint8_t> before = ReadFileBytes(image);

    const auto tables = RunProgram(kCli, {"tables", image});
    ASSERT_EQ(tables.exitCode, 0) << tables.err;
    EXPECT_NE(tables.out.find("morph_packs 32\n"), std::string::npos);

    const auto set = RunProgram(kCli, {"set", image, "morph_packs", "7", "items[2]=$5A"});
    ASSERT_EQ(set.exitCode, 0) << set.err;
    const auto get = RunProgram(kCli, {"get", image, "morph_packs", "7"});
    ASSERT_EQ(get.exitCode, 0);
    EXPECT_NE(get.out.find("\"index\":7"), std::string::npos);
    EXPECT_NE(get.out.find(",90,"), std::string::npos) << get.out;
    // Morph pack 7's third item: ROM 0x47F40 + 7 * 4 + 2, behind the copier header.
    const std::vector<size_t> changed = Differences(before, ReadFileBytes(image));
    ASSERT_LE(changed.size(), 1u);
    if (!changed.empty()) {
        EXPECT_EQ(changed[0], 0x200u + 0x47F40 + 7 * 4 + 2);
    }
}

TEST(CliTables, RefusedInputLeavesTheFileByteIdentical)
{
    TempDir dir;
    const std::string image = test::WriteImage(dir);
    const std::vector<uint8_t> before = ReadFileBytes(image);
    struct Row {
        std::vector<std::string> args;
        int exitCode;
        std::string err;
    };
    WriteFileText(dir.File("bad.json"), "{\"format\":\"quorvex-tables\",\"version\":1,\"tables\":{\"morph_packs\":"
                                        "[{\"items\":[1,2,3,4]},{\"items\":[1,2,3,256]}]}}");
    WriteFileText(dir.File("broken.json"), "{\"format\":");
    const Row rows[] = {
        {{"set", image, "morph_packs", "1", "items[0]=3", "items[1]=-4"}, 1,
         "morph_packs[1].items[1]: -4 is below 0\n" + kNothingSaved},
        {{"set", image, "no_table", "1", "a=1"}, 1, "no_table: no such table\n" + kNothingSaved},
        {{"set", image, "morph_packs", "1"}, 2, ""},
        {{"get", image, "morph_packs", "99"}, 1, "morph_packs[99]: index is out of range (0-31)\n"},
        {{"json", "import", image, dir.File("bad.json")}, 1,
         "tables.morph_packs[1].items: 256 is above 255\n" + kNothingSaved},
        {{"json", "import", image, dir.File("broken.json")}, 1, ""},
        {{"json", "import", image, dir.File("missing.json")}, 1,
         dir.File("missing.json") + ": Can't open file!!\n" + kNothingSaved},
    };
    for (const Row& r : rows) {
        const auto result = RunProgram(kCli, r.args);
        EXPECT_EQ(result.exitCode, r.exitCode) << r.args[0] << " " << r.args[2];
        if (!r.err.empty()) {
            EXPECT_EQ(result.err, r.err);
        }
        EXPECT_EQ(ReadFileBytes(image), before);
    }
}

TEST(CliTables, JsonExportImportRoundTripAndReadOnlyRefusal)
{
    TempDir dir;
    const std::string image = test::WriteImage(dir);
    const std::vector<uint8_t> before = ReadFileBytes(image);
    const auto exp = RunProgram(kCli, {"json", "export", image, "-o", dir.File("all.json")});
    ASSERT_EQ(exp.exitCode, 0) << exp.err;
    const auto some = RunProgram(kCli, {"json", "export", image, "--tables", "morph_packs"});
    EXPECT_EQ(some.exitCode, 0);
    EXPECT_NE(some.out.find("\n  \"morph_packs\": [\n   {\"index\":0,\"items\":["), std::string::npos) << some.out;
    const auto none = RunProgram(kCli, {"json", "export", image, "--tables", "morph_packs,nope"});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_EQ(none.err, "nope: no such table\n");
    const auto imp = RunProgram(kCli, {"json", "import", image, dir.File("all.json")});
    ASSERT_EQ(imp.exitCode, 0) << imp.err;
    EXPECT_EQ(ReadFileBytes(image), before);

    ::chmod(image.c_str(), 0444);
    const auto ro = RunProgram(kCli, {"json", "import", image, dir.File("all.json")});
    EXPECT_EQ(ro.exitCode, 1);
    EXPECT_EQ(ro.err, std::string(kReadOnlyMessage) + "\n" + kNothingSaved);
    const auto roSet = RunProgram(kCli, {"set", image, "morph_packs", "0", "items[0]=1"});
    EXPECT_EQ(roSet.err, std::string(kReadOnlyMessage) + "\n" + kNothingSaved);
    EXPECT_EQ(RunProgram(kCli, {"get", image, "morph_packs", "0"}).exitCode, 0);
}
