// The Battle Editor's tables: each is read from its place in every release
// and revision, its fields land in the bytes the game uses, the blitz length
// byte follows the presses, and the targeting summary and dance background
// rules give what the game data means.
#include <gtest/gtest.h>

#include "OpenedImage.h"
#include "TestSupport.h"
#include "controls/Targeting.h"
#include "editors/BattleRules.h"
#include "graphics/Backgrounds.h"
#include "rom/Document.h"
#include "rom/TableDesc.h"
#include "text/TextCodec.h"

namespace quorvex {
namespace {

TEST(BattleTables, EachTableIsReadFromItsPlace)
{
    struct Row {
        const char* variant;
        uint32_t magitek, commandNames, statusLen, commandLen, danceNames, danceLen;
    };
    const Row rows[] = {
        {"us10-headerless", 0x19104, 0x18CEA0, 10, 7, 0x26FF9D, 12},
        {"us11-headered", 0x19101, 0x18CEA0, 10, 7, 0x26FF9D, 12},
        {"jp-headered", 0x190B7, 0x2CE300, 7, 6, 0x2D7C51, 8},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.variant);
        test::OpenedImage o(test::Variant(r.variant));
        const RomData& rd = o.doc.Rom();
        EXPECT_EQ(rd.battle.commands.bytes, o.At(0xFFE00, 64));
        EXPECT_EQ(rd.battle.magitek.bytes, o.At(r.magitek, 24));
        EXPECT_EQ(rd.battle.blitzInputs.bytes, o.At(0x47A40, 96));
        EXPECT_EQ(rd.battle.danceMoves.bytes, o.At(0xFFE80, 32));
        EXPECT_EQ(rd.battle.danceBackgrounds.bytes, o.At(0x11F9AB, 8));
        EXPECT_EQ(rd.names.statusNames.bytes, o.At(0x2ADE1, 32 * r.statusLen));
        EXPECT_EQ(rd.names.commandNames.bytes, o.At(r.commandNames, 32 * r.commandLen));
        EXPECT_EQ(rd.names.danceNames.bytes, o.At(r.danceNames, 8 * r.danceLen));
    }
}

TEST(BattleTables, FieldsLandInTheGameBytes)
{
    test::OpenedImage o(test::Variant("us11"));
    RomData& rd = o.doc.Rom();
    const TableDesc& magitek = *FindTable("magitek");
    // Slot 5: its targeting byte, then 8 and 16 bytes on its two attacks.
    ASSERT_EQ(SetField(rd, *magitek.Field("targeting"), 5, int64_t{0x6A}), "");
    ASSERT_EQ(SetField(rd, *magitek.Field("attack_first"), 5, int64_t{3}), "");
    ASSERT_EQ(SetField(rd, *magitek.Field("attack_others"), 5, int64_t{0xFF}), "");
    EXPECT_EQ(rd.battle.magitek.bytes[5], 0x6A);
    EXPECT_EQ(rd.battle.magitek.bytes[13], 3);
    EXPECT_EQ(rd.battle.magitek.bytes[21], 0xFF);

    const TableDesc& commands = *FindTable("commands");
    ASSERT_EQ(SetField(rd, *commands.Field("attributes"), 31, int64_t{0x81}), "");
    ASSERT_EQ(SetField(rd, *commands.Field("targeting"), 31, int64_t{0x43}), "");
    EXPECT_EQ(rd.battle.commands.bytes[62], 0x81);
    EXPECT_EQ(rd.battle.commands.bytes[63], 0x43);

    const TableDesc& dances = *FindTable("dances");
    ASSERT_EQ(SetField(rd, *dances.Field("moves"), 2, std::vector<int64_t>{101, 102, 103, 255}), "");
    ASSERT_EQ(SetField(rd, *dances.Field("background"), 2, int64_t{0xFF}), "");
    EXPECT_EQ(std::vector<uint8_t>(rd.battle.danceMoves.bytes.begin() + 8, rd.battle.danceMoves.bytes.begin() + 12),
              (std::vector<uint8_t>{101, 102, 103, 255}));
    EXPECT_EQ(rd.battle.danceBackgrounds.bytes[2], 0xFF);

    ASSERT_EQ(SetField(rd, *FindTable("statuses")->Field("name"), 4, std::string("Doom")), "");
    EXPECT_EQ(rd.names.statusNames.Get(4), (std::vector<uint8_t>{0x83, 0xA8, 0xA8, 0xA6, 0xFF, 0xFF, 0xFF, 0xFF,
                                                                  0xFF, 0xFF}));
    EXPECT_NE(SetField(rd, *commands.Field("name"), 0, std::string("Eightchr")), ""); // 7 characters at most
}

TEST(BattleTables, BlitzLengthByteFollowsThePresses)
{
    test::OpenedImage o(test::Variant("us10-headerless"));
    RomData& rd = o.doc.Rom();
    const FieldDesc& presses = *FindTable("blitz_inputs")->Field("presses");
    struct Row {
        std::vector<int64_t> presses;
        uint8_t length;
    };
    const Row rows[] = {
        {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, 22},   // every press used
        {{12, 13, 14, 0, 5, 6, 7, 8, 9, 10, 11}, 6}, // a 0 at press 3 ends the sequence
        {{0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, 0},
        {{200, 15, 1, 0, 0, 0, 0, 0, 0, 0, 0}, 6},   // codes past the buttons still count
    };
    for (const Row& r : rows) {
        ASSERT_EQ(SetField(rd, presses, 6, r.presses), "");
        EXPECT_EQ(rd.battle.blitzInputs.bytes[6 * 12 + 11], r.length);
    }
    // A record whose presses do not change keeps its length byte, even a
    // hand-edited one.
    rd.battle.blitzInputs.bytes[2 * 12 + 11] = 0x77;
    ASSERT_EQ(SetField(rd, presses, 2, GetField(rd, presses, 2)), "");
    EXPECT_EQ(rd.battle.blitzInputs.bytes[2 * 12 + 11], 0x77);

    const uint8_t drawn[11] = {3, 15, 0xFF, 14, 0, 9, 9, 9, 9, 9, 9};
    EXPECT_EQ(BlitzDrawnPresses(drawn), (std::vector<int>{3, 0, 0, 14}));
    EXPECT_EQ(BlitzPressCount(drawn), 4);
}

TEST(BattleRules, TargetingSummary)
{
    struct Row {
        uint8_t targeting;
        const char* summary;
    };
    const Row rows[] = {
        {0x44, "everyone"}, {0xC0, "random"}, {0x48, "enemies"}, {0x08, "allies"}, {0x40, "enemy"},
        {0x00, "ally"},     {0x84, "everyone"}, {0xC8, "random"}, {0x4B, "enemies"}, {0x03, "ally"},
    };
    for (const Row& r : rows)
        EXPECT_STREQ(TargetingSummary(r.targeting), r.summary) << int(r.targeting);
}

TEST(BattleRules, DanceBackgroundEntries)
{
    const auto& list = BattleBackgroundList();
    ASSERT_EQ(list.size(), 55u);
    EXPECT_STREQ(list[0].label, "WoB - Forest");
    // An identifier no entry has, 0xFF included, shows entry 0.
    EXPECT_EQ(DanceBackgroundEntry(0xFF), 0);
    for (const BackgroundChoice& c : list)
        if (c.id >= 0) {
            const int entry = DanceBackgroundEntry(static_cast<uint8_t>(c.id));
            EXPECT_EQ(list[static_cast<size_t>(entry)].id, c.id);
            EXPECT_EQ(DanceBackgroundByte(entry), c.id);
        }
    EXPECT_EQ(list[54].id, -1);
    EXPECT_EQ(DanceBackgroundByte(54), 0xFF);
    for (int id = 0; id < 256; ++id) {
        bool listed = false;
        for (const BackgroundChoice& c : list)
            listed = listed || c.id == id;
        if (!listed) {
            EXPECT_EQ(DanceBackgroundEntry(static_cast<uint8_t>(id)), 0) << id;
        }
    }
}

TEST(BattleRules, MagitekLabelsNameTheAttacksFromTheFirstMagitekSpell)
{
    test::OpenedImage o(test::Variant("us10-headerless"));
    const RomData& rd = o.doc.Rom();
    // Spell 131 is attack 131 - 54 - 27 = 50 of the attack names.
    EXPECT_EQ(MagitekAttackLabel(rd, 0), "0: " + WideToUtf8(rd.names.attackNames.Decode(50, rd.romType)));
    EXPECT_EQ(MagitekAttackLabel(rd, 7), "7: " + WideToUtf8(rd.names.attackNames.Decode(57, rd.romType)));
    EXPECT_EQ(MagitekAttackLabel(rd, 0xFF), "(none)");
}

} // namespace
} // namespace quorvex
