// The monster and battle animation tables on the command line: listed in
// their order with their counts, keys in record order, rage commands only
// for monsters 0-255, palette numbers and names checked, and the sprite
// picture the monster editor saves.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "graphics/MonsterRender.h"
#include "rom/Document.h"

using namespace quorvex;
using quorvex::test::ReadFileBytes;
using quorvex::test::RunProgram;
using quorvex::test::TempDir;

namespace {
const std::string kCli = QUORVEX_CLI_PATH;
} // namespace

TEST(CliMonsters, TablesAreListedWithTheirCounts)
{
    TempDir dir;
    const std::string image = test::WriteImage(dir, test::Variant("jp"));
    const auto tables = RunProgram(kCli, {"tables", image});
    ASSERT_EQ(tables.exitCode, 0) << tables.err;
    EXPECT_NE(tables.out.find("monsters 384\nmorph_packs 32\nanim_spells 256\nanim_tools 9\nanim_items 23\n"
                              "anim_block1 72\nanim_block2 46\nanim_weapons 93\nanim_enemy_specials 35\n"),
              std::string::npos)
        << tables.out;
}

TEST(CliMonsters, KeysComeInRecordOrderAndRageStopsAt255)
{
    TempDir dir;
    const std::string image = test::WriteImage(dir);
    const auto first = RunProgram(kCli, {"get", image, "monsters", "255"});
    ASSERT_EQ(first.exitCode, 0) << first.err;
    const std::vector<std::string> keys = {
        "\"index\"", "\"name\"", "\"attack_name\"", "\"speed\"", "\"battle_power\"", "\"hit_rate\"",
        "\"attack_block\"", "\"magic_block\"", "\"attack_defence\"", "\"magic_defence\"", "\"magic_power\"",
        "\"hp\"", "\"mp\"", "\"experience\"", "\"gold\"", "\"level\"", "\"morph_pack\"", "\"morph_rate\"",
        "\"special_flags\"", "\"blocked_statuses\"", "\"elements_absorbed\"", "\"elements_nullified\"",
        "\"elements_weak\"", "\"normal_attack_look\"", "\"start_statuses\"", "\"special_effect\"",
        "\"no_physical_harm\"", "\"cant_be_dodged\"", "\"special_attack_anim\"", "\"steal_rare\"",
        "\"steal_common\"", "\"drop_rare\"", "\"drop_common\"", "\"control_commands\"", "\"sketch_commands\"",
        "\"rage_commands\"",
    };
    size_t at = 0;
    for (const std::string& k : keys) {
        const size_t found = first.out.find(k + ":", at);
        ASSERT_NE(found, std::string::npos) << k << " in " << first.out;
        at = found;
    }
    const auto later = RunProgram(kCli, {"get", image, "monsters", "256"});
    ASSERT_EQ(later.exitCode, 0);
    EXPECT_EQ(later.out.find("rage_commands"), std::string::npos);
    EXPECT_NE(later.out.find("\"sketch_commands\":["), std::string::npos);

    const std::vector<uint8_t> before = ReadFileBytes(image);
    const auto rage = RunProgram(kCli, {"set", image, "monsters", "256", "rage_commands[0]=1"});
    EXPECT_EQ(rage.exitCode, 1);
    EXPECT_EQ(rage.err, "monsters[256].rage_commands[0]: record 256 has no such field\n" + test::kNothingSaved);
    EXPECT_EQ(ReadFileBytes(image), before);
}

TEST(CliMonsters, RefusalsLeaveTheImageAlone)
{
    TempDir dir;
    const std::string image = test::WriteImage(dir, test::Variant("jp"));
    const std::vector<uint8_t> before = ReadFileBytes(image);
    std::string nine;
    for (int i = 0; i < 9; ++i)
        nine += "<$90>";
    struct Row {
        std::vector<std::string> args;
        std::string err;
    };
    const Row rows[] = {
        {{"set", image, "anim_spells", "3", "pal1=240"}, "anim_spells[3].pal1: 240 is above 239\n"},
        {{"set", image, "anim_enemy_specials", "34", "attack_palette=300"},
         "anim_enemy_specials[34].attack_palette: 300 is above 239\n"},
        {{"set", image, "anim_block2", "46", "speed=1"}, "anim_block2[46]: index is out of range (0-45)\n"},
        // Nine codes (the Japanese names have no Latin letters).
        {{"set", image, "monsters", "0", "attack_name=" + nine},
         "monsters[0].attack_name: \"" + nine + "\" does not fit: this name holds 8 characters\n"},
        {{"set", image, "monsters", "0", "morph_rate=8", "hp=65536"},
         "monsters[0].morph_rate: 8 is above 7\nmonsters[0].hp: 65536 is above 65535\n"},
    };
    for (const Row& r : rows) {
        const auto result = RunProgram(kCli, r.args);
        EXPECT_EQ(result.exitCode, 1) << r.args[2];
        EXPECT_EQ(result.err, r.err + test::kNothingSaved);
        EXPECT_EQ(ReadFileBytes(image), before);
    }
}

TEST(CliMonsters, SetChangesExactlyTheFieldsBytes)
{
    TempDir dir;
    synth::SynthOptions o;
    o.headered = true;
    const std::string image = test::WriteImage(dir, o);
    const std::vector<uint8_t> before = ReadFileBytes(image);
    const auto set = RunProgram(kCli, {"set", image, "anim_block2", "0", "pal0=7"});
    ASSERT_EQ(set.exitCode, 0) << set.err;
    const auto morph = RunProgram(kCli, {"set", image, "monsters", "300", "morph_pack=5", "morph_rate=7"});
    ASSERT_EQ(morph.exitCode, 0) << morph.err;
    const std::vector<uint8_t> after = ReadFileBytes(image);
    // Block 2 starts right after the 23 item records: 0x109362, palette 0 at byte 6.
    const size_t pal = 0x200 + 0x109362 + 6, byte17 = 0x200 + 0xF0000 + 300 * 32 + 17;
    EXPECT_EQ(after[pal], 7);
    EXPECT_EQ(after[byte17], 0xE5);
    for (size_t i = 0; i < after.size(); ++i) {
        if (i != pal && i != byte17) {
            ASSERT_EQ(after[i], before[i]) << "file offset " << i;
        }
    }
}

TEST(CliMonsters, RenderMonsterDrawsTheEditorsPicture)
{
    TempDir dir;
    const std::string image = test::WriteImage(dir);
    const std::string out = dir.File("sprite.bmp");
    const auto r = RunProgram(kCli, {"render", "monster", image, "51", "-o", out});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "`" + out + "' created\n");
    // The very picture the monster editor's "mst%03d.bmp" export writes
    // (the editor's test compares its file with the same rendering).
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(image).ok);
    CFF6Bitmap bmp;
    RenderMonster(doc.Rom(), 51, bmp, 1);
    EXPECT_EQ(ReadFileBytes(out), bmp.BmpBytes());
}
