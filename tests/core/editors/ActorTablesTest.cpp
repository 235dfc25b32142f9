// The Actors Editor's tables: read from their places in both releases, each
// key lands in the byte and bits of the startup record the game reads, the
// run-success value follows its code rule, and levels keep to 1-99.
#include <gtest/gtest.h>

#include "OpenedImage.h"
#include "editors/ActorRules.h"
#include "rom/TableDesc.h"

namespace quorvex {
namespace {

TEST(ActorTables, EachTableIsReadFromItsPlace)
{
    for (const char* variant : {"us10-headerless", "jp-headered"}) {
        SCOPED_TRACE(variant);
        test::OpenedImage o(test::Variant(variant));
        const RomData& rd = o.doc.Rom();
        EXPECT_EQ(rd.actors.startup.bytes, o.At(0x2D7CA0, 64 * 22));
        EXPECT_EQ(rd.actors.naturalMagic.bytes, o.At(0x2CE3C0, 64));
        EXPECT_EQ(rd.actors.techniqueLevels.bytes, o.At(0x26F490, 16));
        EXPECT_EQ(rd.actors.lores.bytes, o.At(0x26F564, 3));
        EXPECT_EQ(rd.actors.hpGrowth.bytes, o.At(0x26F4A0, 98));
        EXPECT_EQ(rd.actors.mpGrowth.bytes, o.At(0x26F502, 98));
        EXPECT_EQ(rd.actors.experience.bytes, o.At(0x2D8220, 196));
        EXPECT_EQ(rd.actors.rages.bytes, o.At(0x47AA0, 32));
        const bool jp = std::string(variant) == "jp-headered";
        EXPECT_EQ(rd.names.swordTechNames.bytes, o.At(jp ? 0x11F9D0 : 0xF3C40, jp ? 48 : 96));
    }
}

TEST(ActorTables, KeysLandInTheirBytesAndBits)
{
    test::OpenedImage o(test::Variant("us10-headerless"));
    RomData& rd = o.doc.Rom();
    const TableDesc& actors = *FindTable("actors");
    struct Row {
        const char* key;
        int64_t value;
        int byte;
        uint8_t mask; // the bits of that byte the key owns
    };
    const Row rows[] = {
        {"extra_hp", 200, 0, 0xFF},     {"extra_mp", 17, 1, 0xFF},       {"vigor", 61, 6, 0xFF},
        {"speed", 33, 7, 0xFF},         {"stamina", 44, 8, 0xFF},        {"magic_power", 55, 9, 0xFF},
        {"battle_power", 66, 10, 0xFF}, {"defense", 77, 11, 0xFF},       {"magic_defense", 88, 12, 0xFF},
        {"evade", 9, 13, 0xFF},         {"magic_block", 10, 14, 0xFF},   {"level_factor", 3, 21, 0x0C},
        {"cant_reequip", 1, 21, 0x10},  {"byte21_bit5", 1, 21, 0x20},    {"byte21_bit6", 1, 21, 0x40},
        {"byte21_bit7", 1, 21, 0x80},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.key);
        for (int64_t value : {r.value, int64_t{0}}) {
            std::vector<uint8_t> before = rd.actors.startup.bytes;
            ASSERT_EQ(SetField(rd, *actors.Field(r.key), 63, value), "");
            const size_t at = 63 * 22 + static_cast<size_t>(r.byte);
            int shift = 0;
            while (!((r.mask >> shift) & 1))
                ++shift;
            EXPECT_EQ((rd.actors.startup.bytes[at] & r.mask) >> shift, value);
            before[at] = static_cast<uint8_t>((before[at] & ~r.mask) | (rd.actors.startup.bytes[at] & r.mask));
            EXPECT_EQ(rd.actors.startup.bytes, before); // nothing else moved
        }
    }
    ASSERT_EQ(SetField(rd, *actors.Field("commands"), 1, std::vector<int64_t>{0, 5, 31, 255}), "");
    ASSERT_EQ(SetField(rd, *actors.Field("equipment"), 1, std::vector<int64_t>{1, 2, 3, 4, 5, 6}), "");
    const std::vector<uint8_t>& a = rd.actors.startup.bytes;
    EXPECT_EQ(std::vector<uint8_t>(a.begin() + 22 + 2, a.begin() + 22 + 6), (std::vector<uint8_t>{0, 5, 31, 255}));
    EXPECT_EQ(std::vector<uint8_t>(a.begin() + 22 + 15, a.begin() + 22 + 21), (std::vector<uint8_t>{1, 2, 3, 4, 5, 6}));
}

TEST(ActorTables, RunSuccessShowsFiveLessItsCode)
{
    // The code in bits 0-1 of byte 21, and the value the menu shows.
    struct Row {
        int typed;
        uint8_t code;
        int shown;
    };
    const Row rows[] = {{2, 3, 2}, {3, 2, 3}, {4, 1, 4}, {5, 0, 5}, {6, 3, 2}, {0, 1, 4}, {255, 2, 3}};
    for (const Row& r : rows) {
        EXPECT_EQ(RunSuccessCode(r.typed), r.code) << r.typed;
        EXPECT_EQ(RunSuccessShown(static_cast<uint8_t>(0xFC | r.code)), r.shown) << r.typed;
    }

    test::OpenedImage o(test::Variant("us10-headerless"));
    RomData& rd = o.doc.Rom();
    const FieldDesc& run = *FindTable("actors")->Field("run_success");
    const uint8_t flags = rd.actors.startup.bytes[5 * 22 + 21];
    ASSERT_EQ(SetField(rd, run, 5, int64_t{2}), "");
    EXPECT_EQ(rd.actors.startup.bytes[5 * 22 + 21], (flags & 0xFC) | 3);
    EXPECT_EQ(GetField(rd, run, 5), FieldValue(int64_t{2}));
    // The command line takes only what the menu can show.
    EXPECT_EQ(SetField(rd, run, 5, int64_t{6}), "6 is above 5");
    EXPECT_EQ(SetField(rd, run, 5, int64_t{1}), "1 is below 2");
}

TEST(ActorTables, LevelsKeepToOneToNinetyNine)
{
    test::OpenedImage o(test::Variant("jp"));
    RomData& rd = o.doc.Rom();
    const TableDesc& magic = *FindTable("natural_magic");
    EXPECT_EQ(SetFieldElement(rd, *magic.Field("levels"), 1, 15, 0), "0 is below 1");
    EXPECT_EQ(SetFieldElement(rd, *magic.Field("levels"), 1, 15, 100), "100 is above 99");
    ASSERT_EQ(SetFieldElement(rd, *magic.Field("levels"), 1, 15, 99), "");
    ASSERT_EQ(SetFieldElement(rd, *magic.Field("spells"), 1, 15, 53), "");
    EXPECT_EQ(rd.actors.naturalMagic.bytes[32 + 30], 53); // spell first, then its level
    EXPECT_EQ(rd.actors.naturalMagic.bytes[32 + 31], 99);

    const TableDesc& tech = *FindTable("technique_levels");
    ASSERT_EQ(SetFieldElement(rd, *tech.Field("sword"), 0, 7, 42), "");
    ASSERT_EQ(SetFieldElement(rd, *tech.Field("blitz"), 0, 0, 43), "");
    EXPECT_EQ(rd.actors.techniqueLevels.bytes[7], 42);
    EXPECT_EQ(rd.actors.techniqueLevels.bytes[8], 43);
    ASSERT_EQ(SetField(rd, *tech.Field("lores"), 0, int64_t{0x800001}), "");
    EXPECT_EQ(rd.actors.lores.bytes, (std::vector<uint8_t>{0x01, 0x00, 0x80}));
    EXPECT_EQ(SetField(rd, *tech.Field("lores"), 0, int64_t{0x1000000}), "16777216 is above 16777215");
    ASSERT_EQ(SetFieldElement(rd, *tech.Field("rages"), 0, 31, 0x80), "");
    EXPECT_EQ(rd.actors.rages.bytes[31], 0x80); // rage 255
}

TEST(ActorRules, TechniqueStartsStayInsideTheAttacks)
{
    struct Row {
        int start, technique, lore;
    };
    const Row rows[] = {{0, 0, 0}, {93, 93, 93}, {232, 232, 232}, {233, 233, 232}, {248, 248, 232},
                        {250, 248, 232}, {-4, 0, 0}};
    for (const Row& r : rows) {
        EXPECT_EQ(ClampTechniqueStart(r.start), r.technique) << r.start;
        EXPECT_EQ(ClampLoreStart(r.start), r.lore) << r.start;
    }
}

} // namespace
} // namespace quorvex
