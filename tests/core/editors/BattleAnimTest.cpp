// Battle animation records: each table is read from its release's own
// place and written back there, the copy buffers carry records between
// tables of one size, the remembered index takes its low byte, and the
// palettes are shared by every record that names them.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "editors/BattleAnimTables.h"
#include "rom/Document.h"
#include "rom/TableJson.h"

namespace quorvex {
namespace {

struct Place {
    AnimMode mode;
    uint32_t us, jp;
    int count, size;
};
// The places of the game's animation tables, release by release.
const Place kPlaces[] = {
    {AnimMode::Spells, 0x107FB2, 0x107F8F, 256, 14}, {AnimMode::Block1, 0x108DB2, 0x108D8F, 72, 14},
    {AnimMode::Tools, 0x1091A2, 0x10917F, 9, 14},    {AnimMode::Items, 0x109220, 0x1091FD, 23, 14},
    {AnimMode::Block2, 0x109362, 0x10933F, 46, 14},  {AnimMode::Weapons, 0x2CE400, 0x2CE400, 93, 8},
    {AnimMode::EnemySpecials, 0x2CE6E8, 0x2CE6E8, 35, 8},
};

class BattleAnims : public ::testing::TestWithParam<uint8_t> {
protected:
    // An image of the release whose first and last record of every table
    // carry a mark naming the table.
    void SetUp() override
    {
        synth::SynthOptions o;
        o.romType = GetParam();
        image = synth::BuildSyntheticImage(o);
        for (const Place& p : kPlaces) {
            const uint32_t at = GetParam() == 2 ? p.jp : p.us;
            image[at] = static_cast<uint8_t>(0xA0 + static_cast<int>(p.mode));
            image[at + static_cast<uint32_t>((p.count - 1) * p.size)] = static_cast<uint8_t>(0xB0 + static_cast<int>(p.mode));
        }
        test::WriteFileBytes(dir.File("a.smc"), image);
        ASSERT_TRUE(doc.OnOpenDocument(dir.File("a.smc")).ok);
    }
    RomData& Rd() { return doc.Rom(); }

    test::TempDir dir;
    std::vector<uint8_t> image;
    CQuorvexDoc doc;
};

TEST_P(BattleAnims, EveryTableIsReadAndWrittenAtItsReleasesPlace)
{
    for (const Place& p : kPlaces) {
        SCOPED_TRACE(AnimInfo(p.mode).table);
        EXPECT_EQ(AnimRecordCount(p.mode), p.count);
        EXPECT_EQ(AnimInfo(p.mode).recordSize, p.size);
        ASSERT_NE(AnimRecord(Rd(), p.mode, 0), nullptr);
        EXPECT_EQ(AnimRecord(Rd(), p.mode, 0)[0], 0xA0 + static_cast<int>(p.mode));
        EXPECT_EQ(AnimRecord(Rd(), p.mode, p.count - 1)[0], 0xB0 + static_cast<int>(p.mode));
        EXPECT_EQ(AnimRecord(Rd(), p.mode, p.count), nullptr);
        AnimRecord(Rd(), p.mode, p.count - 1)[p.size - 1] ^= 0xFF;
    }
    ASSERT_TRUE(doc.OnSaveDocument(dir.File("a.smc")).ok);
    const std::vector<uint8_t> after = test::ReadFileBytes(dir.File("a.smc"));
    size_t changed = 0;
    for (size_t i = 0; i < after.size(); ++i)
        changed += after[i] != image[i];
    EXPECT_EQ(changed, std::size(kPlaces));
    for (const Place& p : kPlaces) {
        const uint32_t last = (GetParam() == 2 ? p.jp : p.us) + static_cast<uint32_t>(p.count * p.size - 1);
        EXPECT_EQ(after[last], image[last] ^ 0xFF) << AnimInfo(p.mode).table;
    }
}

TEST_P(BattleAnims, CopyingAToolAnimationIntoASpellChangesAllFourteenBytes)
{
    uint8_t* tool = AnimRecord(Rd(), AnimMode::Tools, 3);
    uint8_t* spell = AnimRecord(Rd(), AnimMode::Spells, 10);
    for (int b = 0; b < 14; ++b) {
        tool[b] = static_cast<uint8_t>(0x10 + b);
        spell[b] = static_cast<uint8_t>(0xE0 + b);
    }
    AnimClipboard(14) = {};
    EXPECT_FALSE(PasteAnimRecord(Rd(), AnimMode::Spells, 10)); // nothing copied yet
    CopyAnimRecord(Rd(), AnimMode::Tools, 3);
    tool[0] = 0x77; // the buffer holds the record as it was copied
    ASSERT_TRUE(PasteAnimRecord(Rd(), AnimMode::Spells, 10));
    for (int b = 0; b < 14; ++b)
        EXPECT_EQ(spell[b], 0x10 + b) << b;
    // An 8-byte page has its own buffer.
    AnimClipboard(8) = {};
    EXPECT_FALSE(PasteAnimRecord(Rd(), AnimMode::Weapons, 0));
}

TEST_P(BattleAnims, PalettesAreSharedAndKeepTheUnusedBitOfUntouchedColours)
{
    std::vector<uint8_t>& raw = Rd().editors.anims.palettes.bytes;
    raw[5 * 16 + 3] |= 0x80; // colour 1 of palette 5 carries the unused top bit
    const std::vector<SnesColor> before = AnimPalette(Rd(), 5);
    ASSERT_EQ(before.size(), 8u);
    std::vector<SnesColor> edited = before;
    edited[6] = 0x7C1F;
    EXPECT_TRUE(SetAnimPalette(Rd(), 5, edited));
    EXPECT_EQ(AnimPalette(Rd(), 5), edited);
    EXPECT_EQ(raw[5 * 16 + 12], 0x1F);
    EXPECT_EQ(raw[5 * 16 + 13], 0x7C);
    EXPECT_EQ(raw[5 * 16 + 3] & 0x80, 0x80);
    EXPECT_FALSE(SetAnimPalette(Rd(), 5, edited));
    EXPECT_TRUE(AnimPalette(Rd(), 240).empty());
    EXPECT_FALSE(SetAnimPalette(Rd(), 240, edited));
}

TEST_P(BattleAnims, PaletteNumbersAbove239AreRefused)
{
    const TableDesc& spells = *FindTable("anim_spells");
    const TableDesc& weapons = *FindTable("anim_weapons");
    EXPECT_EQ(SetField(Rd(), *spells.Field("pal2"), 4, FieldValue(int64_t{240})), "240 is above 239");
    EXPECT_EQ(SetField(Rd(), *weapons.Field("attack_palette"), 4, FieldValue(int64_t{255})), "255 is above 239");
    ASSERT_EQ(SetField(Rd(), *spells.Field("pal2"), 4, FieldValue(int64_t{239})), "");
    EXPECT_EQ(AnimRecord(Rd(), AnimMode::Spells, 4)[8], 239);
    ASSERT_EQ(SetField(Rd(), *spells.Field("idx3"), 4, FieldValue(int64_t{0xBEEF})), "");
    EXPECT_EQ(AnimRecord(Rd(), AnimMode::Spells, 4)[11], 0xEF);
    EXPECT_EQ(AnimRecord(Rd(), AnimMode::Spells, 4)[12], 0xBE);
}

INSTANTIATE_TEST_SUITE_P(Releases, BattleAnims, ::testing::Values(uint8_t{1}, uint8_t{2}),
                         [](const auto& info) { return info.param == 2 ? "Japanese" : "NorthAmerican"; });

TEST(BattleAnimTables, TheFourteenByteTablesLieBackToBack)
{
    const AnimMode order[] = {AnimMode::Spells, AnimMode::Block1, AnimMode::Tools, AnimMode::Items, AnimMode::Block2};
    for (size_t i = 1; i < std::size(order); ++i) {
        const AnimTableInfo& prev = AnimInfo(order[i - 1]);
        const AnimTableInfo& next = AnimInfo(order[i]);
        EXPECT_EQ(prev.usRom + static_cast<uint32_t>(prev.count * 14), next.usRom) << next.table;
        EXPECT_EQ(prev.jpRom + static_cast<uint32_t>(prev.count * 14), next.jpRom) << next.table;
    }
}

TEST(BattleAnimTables, TheRememberedIndexTakesItsLowByte)
{
    struct Row {
        AnimMode mode;
        int stored, shown;
    };
    const Row rows[] = {
        {AnimMode::Spells, 300, 44}, {AnimMode::Items, 100, 22}, {AnimMode::Items, 5, 5},
        {AnimMode::Tools, 0x108, 8}, {AnimMode::EnemySpecials, -1, 34}, {AnimMode::Block2, 45, 45},
    };
    for (const Row& r : rows)
        EXPECT_EQ(AnimRememberedIndex(r.mode, r.stored), r.shown) << AnimInfo(r.mode).table << " " << r.stored;
}

TEST(BattleAnimTables, SelectorsNameToolsItemsAndWeaponsByTheirItems)
{
    EXPECT_EQ(AnimNameIndex(AnimMode::Tools, 0), 0xA3);
    EXPECT_EQ(AnimNameIndex(AnimMode::Tools, 7), 0xAA);
    EXPECT_EQ(AnimNameIndex(AnimMode::Tools, 8), -1);
    EXPECT_EQ(AnimNameIndex(AnimMode::Items, 0), 0xE7);
    EXPECT_EQ(AnimNameIndex(AnimMode::Items, 22), 0xFD);
    EXPECT_EQ(AnimNameIndex(AnimMode::Weapons, 92), 92);
    EXPECT_EQ(AnimNameIndex(AnimMode::Block1, 0), -1);
    EXPECT_EQ(AnimListText(AnimMode::Block1, 0), "0: Tritoch Cinematic Animations");
    EXPECT_EQ(AnimListText(AnimMode::Block2, 0), "0: Health/blue cure 2");
    EXPECT_EQ(AnimListText(AnimMode::Block2, 45), "45: ?");
}

} // namespace
} // namespace quorvex
