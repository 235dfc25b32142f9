// Formations, packs, zones and colosseum bets through their table
// descriptions: where each value lies in the bytes the game reads, the
// records whose shape differs (packs of two, formations without magic
// points), and hand-edited values that must survive untouched.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "monsters/FormationLabels.h"
#include "monsters/FormationTables.h"
#include "rom/Document.h"
#include "rom/TableJson.h"

namespace quorvex {
namespace {

class FormationRecords : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(doc.OnOpenDocument(path = test::WriteImage(dir, opts)).ok); }
    RomData& Rd() { return doc.Rom(); }
    const TableDesc& Table(const char* name) { return *FindTable(name); }
    int64_t Get(const char* table, int record, const char* key, int element = -1)
    {
        const FieldValue v = GetField(Rd(), *Table(table).Field(key, Rd(), record), record);
        return element < 0 ? std::get<int64_t>(v) : std::get<std::vector<int64_t>>(v)[static_cast<size_t>(element)];
    }
    std::vector<std::string> Set(const char* table, int record, std::vector<std::string> assignments)
    {
        ErrorList errors;
        SetAssignments(Rd(), Table(table), record, assignments, errors);
        return errors.Lines();
    }
    // The file's bytes after saving, and where the ROM starts in it.
    std::vector<uint8_t> Saved()
    {
        EXPECT_TRUE(doc.OnSaveDocument(path).ok);
        return test::ReadFileBytes(path);
    }
    size_t Rom(size_t offset) const { return offset + (opts.headered ? 0x200 : 0); }

    synth::SynthOptions opts;
    test::TempDir dir;
    std::string path;
    CQuorvexDoc doc;
};

TEST_F(FormationRecords, TheTablesAndTheirSizes)
{
    EXPECT_EQ(Table("formations").count, 576);
    EXPECT_EQ(Table("packs").count, 512);
    EXPECT_EQ(Table("zones").count, 256);
    EXPECT_EQ(Table("colosseum").count, 256);
    EXPECT_EQ(Rd().formations.records.bytes.size(), 576u * 15);
    EXPECT_EQ(Rd().formations.options.bytes.size(), 576u * 4);
    EXPECT_EQ(Rd().formations.magicPoints.bytes.size(), 512u);
    EXPECT_EQ(Rd().formations.packsOfFour.romOffset, 0xF4800u);
    EXPECT_EQ(Rd().formations.packsOfTwo.romOffset, 0xF5000u);
    EXPECT_EQ(Rd().formations.zonePacks.romOffset, 0xF5400u);
    EXPECT_EQ(Rd().formations.zoneRates.romOffset, 0xF5800u);
    EXPECT_EQ(Rd().formations.magicPoints.romOffset, 0x1FB400u);
    EXPECT_EQ(Rd().formations.colosseum.romOffset, 0x1FB600u);
}

TEST(FormationTablesJp, MagicPointsAndBetsLieElsewhere)
{
    test::TempDir dir;
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(test::WriteImage(dir, test::Variant("jp"))).ok);
    EXPECT_EQ(doc.Rom().formations.magicPoints.romOffset, 0x10FE00u);
    EXPECT_EQ(doc.Rom().formations.colosseum.romOffset, 0x10F200u);
    EXPECT_EQ(doc.Rom().formations.colosseum.bytes.size(), 1024u);
}

TEST_F(FormationRecords, SlotMonstersTakeBitEightFromByteFourteen)
{
    uint8_t* rec = FormationBytes(Rd(), 10);
    rec[2 + 2] = 0xFF;
    rec[14] = 0x04; // slot 3's bit 8 only
    rec[2 + 0] = 0x05;
    EXPECT_EQ(Get("formations", 10, "monsters", 2), 0x1FF);
    EXPECT_EQ(Get("formations", 10, "monsters", 0), 0x05);
    EXPECT_EQ(Set("formations", 10, {"monsters[3]=0x1A5"}), std::vector<std::string>{});
    EXPECT_EQ(rec[2 + 3], 0xA5);
    EXPECT_EQ(rec[14], 0x0C);
    EXPECT_EQ(Set("formations", 10, {"monsters[2]=7"}), std::vector<std::string>{});
    EXPECT_EQ(rec[14], 0x08);
    EXPECT_EQ(Set("formations", 10, {"monsters[0]=512"}),
              std::vector<std::string>{"formations[10].monsters[0]: 512 is above 511"});
}

TEST_F(FormationRecords, RecordBitsAndOptionBitsLieWhereTheGameReadsThem)
{
    struct Row {
        const char* key;
        bool option; // in the 4 option bytes, else in the 15-byte record
        int byte, shift, width;
    };
    // Written from the record layout the game uses, not from the table.
    const Row rows[] = {
        {"mould", false, 0, 4, 4},         {"present", false, 1, 0, 6},
        {"spare_bits0", false, 0, 0, 4},   {"spare_bits1", false, 1, 6, 2},
        {"spare_bits14", false, 14, 6, 2}, {"intro", true, 0, 0, 4},
        {"no_normal_attacks", true, 0, 4, 1}, {"no_back_attacks", true, 0, 5, 1},
        {"no_pincer_attacks", true, 0, 6, 1}, {"no_side_attacks", true, 0, 7, 1},
        {"byte1_bit0", true, 1, 0, 1},     {"no_winning_stand", true, 1, 1, 1},
        {"prevents_triple_7_joker_doom", true, 1, 2, 1}, {"cant_leap", true, 1, 3, 1},
        {"byte1_bit4", true, 1, 4, 1},     {"byte1_bit5", true, 1, 5, 1},
        {"byte1_bit6", true, 1, 6, 1},     {"special_event", true, 1, 7, 1},
        {"event", true, 2, 0, 8},          {"cant_run_w_l_r_warp_smoke_works", true, 3, 0, 1},
        {"wont_appear_on_veldt", true, 3, 1, 1}, {"hide_start_messages", true, 3, 2, 1},
        {"music", true, 3, 3, 3},          {"byte3_bit6", true, 3, 6, 1},
    };
    const int f = 33;
    for (const Row& r : rows) {
        SCOPED_TRACE(r.key);
        uint8_t* rec = r.option ? FormationOptionBytes(Rd(), f) : FormationBytes(Rd(), f);
        const size_t size = r.option ? 4 : 15;
        std::vector<uint8_t> bytes(size, 0xA5);
        std::copy(bytes.begin(), bytes.end(), rec);
        const int top = (1 << r.width) - 1;
        const int expected = (0xA5 >> r.shift) & top;
        EXPECT_EQ(Get("formations", f, r.key), expected);
        ASSERT_EQ(Set("formations", f, {std::string(r.key) + "=" + std::to_string(top ^ expected)}),
                  std::vector<std::string>{});
        bytes[static_cast<size_t>(r.byte)] ^= static_cast<uint8_t>(top << r.shift);
        EXPECT_EQ(std::vector<uint8_t>(rec, rec + size), bytes);
    }
}

TEST_F(FormationRecords, PositionsAreNibblesOfBytesEightToThirteen)
{
    uint8_t* rec = FormationBytes(Rd(), 0);
    for (int s = 0; s < 6; ++s)
        rec[8 + s] = static_cast<uint8_t>(0x10 * s + (15 - s));
    for (int s = 0; s < 6; ++s) {
        EXPECT_EQ(Get("formations", 0, "x", s), s);
        EXPECT_EQ(Get("formations", 0, "y", s), 15 - s);
    }
    EXPECT_EQ(Set("formations", 0, {"x[4]=9", "y=[1,1,1,1,1,1]"}), std::vector<std::string>{});
    EXPECT_EQ(rec[8 + 4], 0x91);
    EXPECT_EQ(rec[8 + 0], 0x01);
}

TEST_F(FormationRecords, UncheckingPlayMusicSetsBitSevenOfByteThree)
{
    uint8_t* o = FormationOptionBytes(Rd(), 44);
    o[3] = 0x15;
    EXPECT_EQ(Get("formations", 44, "play_music"), 1);
    EXPECT_EQ(Set("formations", 44, {"play_music=0"}), std::vector<std::string>{});
    EXPECT_EQ(o[3], 0x95);
    EXPECT_EQ(Set("formations", 44, {"play_music=1", "music=7"}), std::vector<std::string>{});
    EXPECT_EQ(o[3], 0x3D);
}

TEST_F(FormationRecords, FormationsFrom512HaveNoMagicPoints)
{
    const TableDesc& t = Table("formations");
    const Json rec520 = RecordToJson(Rd(), t, 520);
    EXPECT_FALSE(rec520.contains("magic_points"));
    EXPECT_TRUE(RecordToJson(Rd(), t, 511).contains("magic_points"));
    const std::vector<uint8_t> kept = Rd().formations.magicPoints.bytes;
    EXPECT_EQ(Set("formations", 520, {"magic_points=3"}),
              std::vector<std::string>{"formations[520].magic_points: record 520 has no such field"});
    EXPECT_EQ(Rd().formations.magicPoints.bytes, kept);
    // The Veldt bit is still there for them.
    EXPECT_EQ(Set("formations", 520, {"wont_appear_on_veldt=1"}), std::vector<std::string>{});
    EXPECT_EQ(FormationOptionBytes(Rd(), 520)[3] & 2, 2);
    EXPECT_EQ(Set("formations", 511, {"magic_points=200"}), std::vector<std::string>{});
    EXPECT_EQ(Rd().formations.magicPoints.bytes[511], 200);
}

TEST_F(FormationRecords, AFormationRecordsKeysInOrder)
{
    const Json record = RecordToJson(Rd(), Table("formations"), 3);
    std::vector<std::string> keys;
    for (auto it = record.begin(); it != record.end(); ++it)
        keys.push_back(it.key());
    const std::vector<std::string> expected = {
        "index", "mould", "present", "monsters", "x", "y", "spare_bits0", "spare_bits1", "spare_bits14", "intro",
        "event", "music", "play_music", "magic_points", "no_normal_attacks", "no_back_attacks", "no_pincer_attacks",
        "no_side_attacks", "byte1_bit0", "no_winning_stand", "prevents_triple_7_joker_doom", "cant_leap",
        "byte1_bit4", "byte1_bit5", "byte1_bit6", "special_event", "cant_run_w_l_r_warp_smoke_works",
        "wont_appear_on_veldt", "hide_start_messages", "byte3_bit6"};
    EXPECT_EQ(keys, expected);
}

TEST_F(FormationRecords, PackThreeHundredStoresTwoEntriesAfterThePacksOfFour)
{
    const std::vector<uint8_t> before = test::ReadFileBytes(path);
    EXPECT_EQ(RecordToJson(Rd(), Table("packs"), 300)["formations"].size(), 2u);
    EXPECT_EQ(RecordToJson(Rd(), Table("packs"), 255)["formations"].size(), 4u);
    EXPECT_EQ(Set("packs", 300, {"formations=[5,575]", "rand_next3=[1,0]"}), std::vector<std::string>{});
    EXPECT_EQ(Set("packs", 300, {"formations[2]=1"}),
              std::vector<std::string>{"packs[300].formations[2]: no such element"});
    EXPECT_EQ(Set("packs", 12, {"formations[3]=576"}),
              std::vector<std::string>{"packs[12].formations[3]: 576 is above 575"});
    const std::vector<uint8_t> after = Saved();
    const size_t at = Rom(0xF5000 + (300 - 256) * 4);
    std::vector<size_t> changed;
    for (size_t i = 0; i < after.size(); ++i)
        if (after[i] != before[i]) {
            changed.push_back(i);
            EXPECT_GE(i, at);
            EXPECT_LT(i, at + 4);
        }
    EXPECT_EQ(after[at], 0x05);
    EXPECT_EQ(after[at + 1], 0x80);
    EXPECT_EQ(after[at + 2], 0x3F);
    EXPECT_EQ(after[at + 3], 0x02);
    EXPECT_FALSE(changed.empty());
}

TEST_F(FormationRecords, AHandEditedFormationNumberIsShownAndKept)
{
    uint8_t* p = PackBytes(Rd(), 7);
    p[2] = 0xFF;
    p[3] = 0x7F; // formation 32767, no random bit
    EXPECT_EQ(PackEntry(Rd(), 7, 1), 0x7FFF);
    EXPECT_EQ(Get("packs", 7, "formations", 1), 32767);
    const std::vector<uint8_t> kept = Rd().formations.packsOfFour.bytes;
    ErrorList errors;
    ASSERT_TRUE(ImportTables(Rd(), ExportTables(Rd(), ImageTables(Rd())), errors));
    EXPECT_EQ(Rd().formations.packsOfFour.bytes, kept);
}

TEST_F(FormationRecords, ZoneRatesFollowTheZonesRange)
{
    Rd().formations.zoneRates.bytes[0x90] = 0xC0;
    Rd().formations.zoneRates.bytes[0x10] = 0xC0;
    // Other maps keep dry land in the top bits, the world maps grass.
    EXPECT_EQ(Get("zones", 0x90, "rates", 3), 3);
    EXPECT_EQ(Get("zones", 0x90, "rates", 0), 0);
    EXPECT_STREQ(ZoneRateName(0x90, 3), "Even More Encounter");
    EXPECT_STREQ(ZoneRateName(0x90, 0), "Normal Encounter");
    EXPECT_EQ(Get("zones", 0x10, "rates", 0), 3);
    EXPECT_STREQ(ZoneRateName(0x10, 3), "No Encounter");
    EXPECT_EQ(Set("zones", 0x10, {"rates=[1,2,3,0]"}), std::vector<std::string>{});
    EXPECT_EQ(Rd().formations.zoneRates.bytes[0x10], 0x6C);
    EXPECT_EQ(Set("zones", 0x90, {"rates=[1,2,3,0]", "packs=[9,8,7,255]"}), std::vector<std::string>{});
    EXPECT_EQ(Rd().formations.zoneRates.bytes[0x90], 0x39);
    const uint8_t expectedPacks[4] = {9, 8, 7, 255};
    EXPECT_TRUE(std::equal(expectedPacks, expectedPacks + 4, &Rd().formations.zonePacks.bytes[0x90 * 4]));
    EXPECT_EQ(Set("zones", 0x90, {"rates[0]=4"}),
              std::vector<std::string>{"zones[144].rates[0]: 4 is above 3"});
}

TEST_F(FormationRecords, ColosseumBetsAreFourBytesPerItem)
{
    uint8_t* bet = ColosseumBytes(Rd(), 200);
    EXPECT_EQ(Set("colosseum", 200, {"monster=255", "byte1=$12", "item_won=9", "hide_prize=0x80"}),
              std::vector<std::string>{});
    const std::vector<uint8_t> expected = {255, 0x12, 9, 0x80};
    EXPECT_EQ(std::vector<uint8_t>(bet, bet + 4), expected);
    EXPECT_EQ(Set("colosseum", 200, {"monster=256"}),
              std::vector<std::string>{"colosseum[200].monster: 256 is above 255"});
}

TEST(FormationLabels, ListsAndNames)
{
    ASSERT_EQ(FormationIntroNames().size(), 16u);
    EXPECT_EQ(FormationIntroNames()[15], "Final Kefka");
    ASSERT_EQ(FormationMusicNames().size(), 8u);
    EXPECT_EQ(FormationMusicNames()[4], "Factory train");
    ASSERT_EQ(FormationEventNames().size(), 256u);
    EXPECT_EQ(FormationEventNames()[11], "<0x0B> not used");
    EXPECT_EQ(FormationEventNames()[24], "<0x18> ?");
    EXPECT_EQ(FormationEventNames()[25], "<0x19> not used");
    EXPECT_EQ(FormationEventNames()[255], "<0xFF> not used");
    EXPECT_STREQ(PackProbabilityLabel(3, 3), "Probability: 1/16");
    EXPECT_STREQ(PackProbabilityLabel(3, 0), "Probability: 5/16");
    EXPECT_STREQ(PackProbabilityLabel(300, 0), "Probability: 3/4");
    EXPECT_STREQ(PackProbabilityLabel(300, 1), "Probability: 1/4");
    EXPECT_STREQ(TerrainLabel(3), "Dry land possibilities");
}

} // namespace
} // namespace quorvex
