// The item and magic tables on the command line: listed in their order with
// their counts (the item type names only where the release has them), keys
// in record order, packed fields changing only their bits, descriptions
// only for the spells that have one, texts that do not fit refused, and the
// item description repair with its refusal.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "editors/ItemTables.h"

using namespace quorvex;
using quorvex::test::ReadFileBytes;
using quorvex::test::RunProgram;
using quorvex::test::TempDir;

namespace {
const std::string kCli = QUORVEX_CLI_PATH;

void ExpectKeysInOrder(const std::string& json, const std::vector<std::string>& keys)
{
    size_t at = 0;
    for (const std::string& k : keys) {
        const size_t found = json.find("\"" + k + "\":", at);
        ASSERT_NE(found, std::string::npos) << k << " in " << json;
        at = found;
    }
}
} // namespace

TEST(CliItems, TablesAreListedByRelease)
{
    TempDir dir;
    const auto us = RunProgram(kCli, {"tables", test::WriteImage(dir)});
    ASSERT_EQ(us.exitCode, 0) << us.err;
    EXPECT_NE(us.out.find("items 256\nshops 128\nrare_items 20\nitem_types 16\nspells 256\nespers 27\n"),
              std::string::npos)
        << us.out;
    const auto jp = RunProgram(kCli, {"tables", test::WriteImage(dir, test::Variant("jp"), "jp.smc")});
    ASSERT_EQ(jp.exitCode, 0) << jp.err;
    EXPECT_NE(jp.out.find("items 256\nshops 128\nrare_items 20\nspells 256\nespers 27\n"), std::string::npos)
        << jp.out;
}

TEST(CliItems, KeysComeInRecordOrder)
{
    TempDir dir;
    const std::string image = test::WriteImage(dir);
    const auto item = RunProgram(kCli, {"get", image, "items", "20"});
    ASSERT_EQ(item.exitCode, 0) << item.err;
    ExpectKeysInOrder(item.out,
                      {"index", "name", "kind", "kind_flags", "equip", "learn_rate", "spell_learnt", "item_effects",
                       "equip_effects", "status1", "bonus_checks", "byte10", "byte11", "byte12", "byte13",
                       "targeting", "elements", "speed", "vigor", "magic_power", "stamina", "magic_effect",
                       "random_cast", "destroy_if_used", "byte19", "power", "hit_rate", "absorb_hp", "no_effects",
                       "weak", "status2", "magic_block", "evade", "extra_effect", "evade_anim", "price",
                       "description"});
    const auto shop = RunProgram(kCli, {"get", image, "shops", "3"});
    ExpectKeysInOrder(shop.out, {"index", "kind", "pricing", "unused6", "unused7", "items"});
    const auto spell = RunProgram(kCli, {"get", image, "spells", "139"});
    ExpectKeysInOrder(spell.out, {"index", "name", "targeting", "elements", "special1", "damage_type", "special2",
                                  "mp_cost", "power", "special3", "success_rate", "effect", "status1", "status2",
                                  "status3", "status4", "description"});
    const auto esper = RunProgram(kCli, {"get", image, "espers", "26"});
    ExpectKeysInOrder(esper.out, {"index", "name", "spells", "learn_rates", "bonus", "quote"});
    // Spells 81-84, 101-138 and 163-255 have no menu description.
    for (const char* spell : {"81", "101", "138", "200"}) {
        const auto none = RunProgram(kCli, {"get", image, "spells", spell});
        EXPECT_EQ(none.out.find("\"description\""), std::string::npos) << spell;
    }
}

TEST(CliItems, PackedFieldsChangeOnlyTheirBits)
{
    TempDir dir;
    const std::string image = test::WriteImage(dir);
    std::vector<uint8_t> bytes = ReadFileBytes(image);
    const size_t rec = kItemRecordsRom + 30 * 7;
    const struct {
        const char* assignment;
        size_t byte;
        uint8_t mask, value; // the bits the key owns and what they become
    } rows[] = {
        {"speed=9", 16, 0xF0, 0x90},        {"vigor=15", 16, 0x0F, 0x0F},
        {"magic_block=6", 26, 0xF0, 0x60},  {"evade=11", 26, 0x0F, 0x0B},
        {"magic_effect=63", 18, 0x3F, 0x3F}, {"destroy_if_used=1", 18, 0x80, 0x80},
        {"kind_flags=5", 0, 0xF0, 0x50},    {"extra_effect=14", 27, 0xF0, 0xE0},
    };
    for (const auto& r : rows) {
        const auto set = RunProgram(kCli, {"set", image, "items", "7", r.assignment});
        ASSERT_EQ(set.exitCode, 0) << r.assignment << ": " << set.err;
        const std::vector<uint8_t> after = ReadFileBytes(image);
        bytes[rec + r.byte] = static_cast<uint8_t>((bytes[rec + r.byte] & ~r.mask) | r.value);
        EXPECT_EQ(after, bytes) << r.assignment;
        bytes = after;
    }
    // A shop byte 0xD3 written through its four keys.
    const auto shop = RunProgram(kCli, {"set", image, "shops", "9", "kind=3", "pricing=2", "unused6=1", "unused7=1"});
    ASSERT_EQ(shop.exitCode, 0) << shop.err;
    EXPECT_EQ(ReadFileBytes(image)[kShopsRom + 9 * 9], 0xD3);
    // Out of range: refused, nothing written.
    const std::vector<uint8_t> before = ReadFileBytes(image);
    const auto bad = RunProgram(kCli, {"set", image, "items", "7", "speed=16"});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_NE(bad.err.find("speed"), std::string::npos) << bad.err;
    EXPECT_EQ(ReadFileBytes(image), before);
}

TEST(CliItems, DescriptionsAndQuotes)
{
    TempDir dir;
    const std::string image = test::WriteImage(dir);
    const auto set = RunProgram(kCli, {"set", image, "spells", "60", "description=Cuts one foe"});
    ASSERT_EQ(set.exitCode, 0) << set.err;
    EXPECT_NE(RunProgram(kCli, {"get", image, "spells", "60"}).out.find("\"description\":\"Cuts one foe\""),
              std::string::npos);
    const std::vector<uint8_t> before = ReadFileBytes(image);
    const struct {
        std::vector<std::string> args;
        const char* says;
    } refused[] = {
        {{"set", image, "spells", "101", "description=No block"}, "description"},
        // Where the sword technique descriptions lie is not known.
        {{"set", image, "spells", "92", "description=No place"}, "description"},
        {{"set", image, "espers", "1", "quote=Much too long for ten"}, "does not fit"},
        {{"set", image, "rare_items", "2", "description=" + std::string(2000, 'a')}, "description"},
    };
    for (const auto& r : refused) {
        const auto run = RunProgram(kCli, r.args);
        EXPECT_EQ(run.exitCode, 1) << r.args[4];
        EXPECT_NE(run.err.find(r.says), std::string::npos) << run.err;
        EXPECT_EQ(ReadFileBytes(image), before) << r.args[4];
    }
}

TEST(CliItems, RepairIsRefusedWithoutTheGamesOwnDescriptions)
{
    TempDir dir;
    for (const char* variant : {"us10-headerless", "jp"}) {
        const std::string image = test::WriteImage(dir, test::Variant(variant), std::string(variant) + ".smc");
        const std::vector<uint8_t> before = ReadFileBytes(image);
        const auto run = RunProgram(kCli, {"items", "repair-descriptions", image});
        EXPECT_EQ(run.exitCode, 1) << variant;
        EXPECT_NE(run.err.find(kItemDescProblem), std::string::npos) << run.err;
        EXPECT_NE(run.err.find(test::kNothingSaved), std::string::npos) << run.err;
        EXPECT_EQ(ReadFileBytes(image), before) << variant;
    }
    EXPECT_EQ(RunProgram(kCli, {"items", "repair-descriptions"}).exitCode, 2);
}
