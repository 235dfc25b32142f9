// The monster tables through their description: the fields sit on the
// game's bits, rage commands exist for monsters 0-255 only, names are
// checked against their release's length, and the labels the editor shows.
#include <gtest/gtest.h>

#include <map>

#include "TestSupport.h"
#include "monsters/MonsterRecords.h"
#include "rom/Document.h"
#include "rom/TableJson.h"

namespace quorvex {
namespace {

class Monsters : public ::testing::Test {
protected:
    void Open(const synth::SynthOptions& o = {}) { ASSERT_TRUE(doc.OnOpenDocument(test::WriteImage(dir, o)).ok); }
    RomData& Rd() { return doc.Rom(); }
    const TableDesc& T() { return *FindTable("monsters"); }
    int64_t Get(const char* key, int m) { return std::get<int64_t>(GetField(Rd(), *T().Field(key), m)); }
    std::string Set(const char* key, int m, int64_t v) { return SetField(Rd(), *T().Field(key), m, FieldValue(v)); }

    test::TempDir dir;
    CQuorvexDoc doc;
};

TEST_F(Monsters, MorphByteHoldsPackAndRate)
{
    Open();
    MonsterStats(Rd(), 12)[17] = 0xE5;
    EXPECT_EQ(Get("morph_pack", 12), 5);
    EXPECT_EQ(Get("morph_rate", 12), 7);
    EXPECT_STREQ(kMorphRateLabels[7], "0");
    ASSERT_EQ(Set("morph_pack", 12, 31), "");
    EXPECT_EQ(MonsterStats(Rd(), 12)[17], 0xFF);
    ASSERT_EQ(Set("morph_rate", 12, 0), "");
    EXPECT_EQ(MonsterStats(Rd(), 12)[17], 0x1F);
    EXPECT_EQ(Set("morph_pack", 12, 32), "32 is above 31");
}

TEST_F(Monsters, StatusRowSixteenIsOneBitInEachOfTwoBytes)
{
    Open();
    uint8_t* rec = MonsterStats(Rd(), 40);
    for (int b = 20; b < 31; ++b)
        rec[b] = 0;
    ASSERT_EQ(Set("start_statuses", 40, 1 << 16), "");
    EXPECT_EQ(rec[29], 0x01);
    EXPECT_EQ(rec[22], 0x00);
    ASSERT_EQ(Set("blocked_statuses", 40, 1 << 16), "");
    EXPECT_EQ(rec[22], 0x01);
    EXPECT_EQ(rec[29], 0x01);
    ASSERT_EQ(Set("start_statuses", 40, 0), "");
    EXPECT_EQ(rec[29], 0x00);
    EXPECT_EQ(rec[22], 0x01);
}

TEST_F(Monsters, SpecialFlagRowsAreBytes18And19ThenByte30)
{
    Open();
    uint8_t* rec = MonsterStats(Rd(), 7);
    struct Row {
        int flagRow, byte, bit;
    };
    // The rows labelled "?" (1, 3, 5, 19-22) are bits like any other.
    const Row rows[] = {{0, 18, 0}, {1, 18, 1}, {5, 18, 5}, {8, 19, 0}, {15, 19, 7}, {16, 30, 0}, {19, 30, 3}, {22, 30, 6}, {23, 30, 7}};
    for (const Row& r : rows) {
        rec[18] = rec[19] = rec[30] = 0;
        ASSERT_EQ(Set("special_flags", 7, int64_t{1} << r.flagRow), "");
        EXPECT_EQ(rec[r.byte], 1 << r.bit) << r.flagRow;
        EXPECT_EQ(rec[18] + rec[19] + rec[30], 1 << r.bit) << r.flagRow;
    }
    EXPECT_STREQ(kSpecialFlagNames[23], "Remvbl Float");
}

TEST_F(Monsters, SpecialAttackByteSplitsIntoEffectAndTwoChecks)
{
    Open();
    uint8_t* rec = MonsterStats(Rd(), 3);
    rec[31] = 0;
    ASSERT_EQ(Set("special_effect", 3, 48), "");
    ASSERT_EQ(Set("cant_be_dodged", 3, 1), "");
    EXPECT_EQ(rec[31], 0x80 | 48);
    ASSERT_EQ(Set("no_physical_harm", 3, 1), "");
    EXPECT_EQ(rec[31], 0xC0 | 48);
    EXPECT_EQ(Set("special_effect", 3, 64), "64 is above 63");
    EXPECT_EQ(SpecialEffectName(48), "drain");
    EXPECT_EQ(SpecialEffectName(49), "osmose");
    EXPECT_EQ(SpecialEffectName(32), "attack L.1");
    EXPECT_EQ(SpecialEffectName(47), "attack L.16");
    EXPECT_EQ(SpecialEffectName(63), "remove rflect");
    EXPECT_EQ(SpecialEffectName(29), "Disappear!");
    EXPECT_EQ(SpecialEffectName(0), "Dark");
}

TEST_F(Monsters, RageCommandsExistForTheFirst256MonstersOnly)
{
    Open();
    const FieldDesc& rage = *T().Field("rage_commands");
    EXPECT_TRUE(rage.Has(Rd(), 255));
    EXPECT_FALSE(rage.Has(Rd(), 256));
    const std::vector<uint8_t> before = Rd().monsters.rageCommands.bytes;
    ErrorList errors;
    EXPECT_FALSE(SetAssignments(Rd(), T(), 300, {"rage_commands=[1,2]"}, errors));
    EXPECT_EQ(errors.Lines(), std::vector<std::string>{"monsters[300].rage_commands: record 300 has no such field"});
    EXPECT_EQ(Rd().monsters.rageCommands.bytes, before);
    EXPECT_FALSE(RecordToJson(Rd(), T(), 300).contains("rage_commands"));
    ASSERT_TRUE(RecordToJson(Rd(), T(), 255).contains("rage_commands"));
    ErrorList ok;
    ASSERT_TRUE(SetAssignments(Rd(), T(), 255, {"rage_commands=[0xEE,0xEF]"}, ok));
    EXPECT_EQ(Rd().monsters.rageCommands.bytes[510], 0xEE);
    EXPECT_EQ(Rd().monsters.rageCommands.bytes[511], 0xEF);
}

TEST_F(Monsters, FieldsLandOnTheirFileBytes)
{
    synth::SynthOptions o;
    o.headered = true;
    Open(o);
    const std::vector<uint8_t> before = test::ReadFileBytes(Rd().path);
    ErrorList errors;
    ASSERT_TRUE(SetAssignments(Rd(), T(), 7, {"hp=0x1234", "drop_common=9", "special_attack_anim=0x42",
                                              "control_commands[3]=0x11", "sketch_commands[1]=0x22"},
                               errors));
    ASSERT_TRUE(doc.OnSaveDocument(Rd().path).ok);
    const std::vector<uint8_t> after = test::ReadFileBytes(Rd().path);
    std::map<size_t, uint8_t> expected = {
        {0x200 + 0xF0000 + 7 * 32 + 8, 0x34}, {0x200 + 0xF0000 + 7 * 32 + 9, 0x12}, {0x200 + 0xF3000 + 7 * 4 + 3, 9},
        {0x200 + 0xF37C0 + 7, 0x42},         {0x200 + 0xF3D00 + 7 * 4 + 3, 0x11}, {0x200 + 0xF4300 + 7 * 2 + 1, 0x22},
    };
    for (size_t i = 0; i < after.size(); ++i) {
        const auto e = expected.find(i);
        EXPECT_EQ(after[i], e == expected.end() ? before[i] : e->second) << "file offset " << i;
    }
}

TEST_F(Monsters, NamesHoldTheirReleasesLength)
{
    struct Row {
        const char* variant;
        size_t attackName;
        size_t name;
    };
    for (const Row& r : {Row{"us10-headerless", 10, 10}, Row{"jp", 8, 8}, Row{"attack-names-a", 16, 10}}) {
        SCOPED_TRACE(r.variant);
        test::TempDir d;
        CQuorvexDoc jp;
        ASSERT_TRUE(jp.OnOpenDocument(test::WriteImage(d, test::Variant(r.variant))).ok);
        const FieldDesc& attack = *T().Field("attack_name");
        // A character every release's names have: the first of monster 0's
        // name (a "<$XX>" code where the tag language has no letter for it).
        const std::string first = std::get<std::string>(GetField(jp.Rom(), *T().Field("name"), 0));
        const std::string c = first.substr(0, first[0] == '<' ? first.find('>') + 1 : 1);
        auto times = [&c](size_t n) {
            std::string s;
            for (size_t i = 0; i < n; ++i)
                s += c;
            return s;
        };
        const std::string fits = times(r.attackName), tooLong = times(r.attackName + 1), longName = times(r.name + 1);
        EXPECT_EQ(SetField(jp.Rom(), attack, 5, FieldValue(fits)), "");
        EXPECT_EQ(SetField(jp.Rom(), attack, 5, FieldValue(tooLong)),
                  "\"" + tooLong + "\" does not fit: this name holds " + std::to_string(r.attackName) + " characters");
        EXPECT_EQ(SetField(jp.Rom(), *T().Field("name"), 5, FieldValue(longName)),
                  "\"" + longName + "\" does not fit: this name holds " + std::to_string(r.name) + " characters");
    }
}

TEST(MonsterLabels, AnimationListShowsNumbersAndDescriptions)
{
    EXPECT_EQ(AttackAnimListText(0), "0 = multiple 8-spiked stars, like when Fight is used with no weapon");
    EXPECT_EQ(AttackAnimListText(1), "1 = ?");
    EXPECT_EQ(AttackAnimListText(255),
              "255 = (no sound, a bunch of glitchy graphics appear on the lower left corner for a split second)");
    EXPECT_STREQ(kStatusNames[16], "Float*");
    EXPECT_STREQ(kElementNames[2], "Lightn.");
    EXPECT_STREQ(kMorphRateLabels[6], "3.25");
}

} // namespace
} // namespace quorvex
