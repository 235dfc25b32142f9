// How the item and magic editors read their bytes: the signed stat and
// evade nibbles with their sliders, the captions chosen by kind, the shop's
// byte 0, the special-effect list and its split rule, and which description
// block and string a spell opens.
#include <gtest/gtest.h>

#include <set>

#include "TestSupport.h"
#include "editors/ItemFields.h"
#include "editors/MagicTables.h"
#include "editors/SpellEffects.h"
#include "rom/Document.h"
#include "rom/TableDesc.h"

namespace quorvex {
namespace {

TEST(ItemFields, StatNibbles)
{
    // 0-7 add, 8-15 take away; the slider puts +0 in the middle at 8.
    const struct {
        int nibble;
        const char* text;
        int slider;
    } rows[] = {{0, "+0", 8},  {1, "+1", 9},  {7, "+7", 15}, {8, "-0", 7},
                {9, "-1", 6},  {12, "-4", 3}, {15, "-7", 0}};
    for (const auto& r : rows) {
        EXPECT_EQ(StatNibbleText(r.nibble), r.text) << r.nibble;
        EXPECT_EQ(StatNibbleToSlider(r.nibble), r.slider) << r.nibble;
        EXPECT_EQ(StatSliderToNibble(r.slider), r.nibble) << r.nibble;
    }
    // A stat byte 0x9F: speed (high nibble) -1, vigor (low) -7.
    EXPECT_EQ(StatNibbleText(0x9F >> 4), "-1");
    EXPECT_EQ(StatNibbleText(0x9F & 0xF), "-7");
}

TEST(ItemFields, EvadeNibbles)
{
    const char* const text[16] = {"0",   "+10", "+20", "+30", "+40", "+50", "-10", "-20",
                                  "-30", "-40", "-50", "NA",  "NA",  "NA",  "NA",  "NA"};
    const int slider[16] = {8, 9, 10, 11, 12, 13, 7, 6, 5, 4, 3, 2, 1, 0, 14, 15};
    std::set<int> positions;
    for (int n = 0; n < 16; ++n) {
        EXPECT_EQ(EvadeNibbleText(n), text[n]) << n;
        EXPECT_EQ(EvadeNibbleToSlider(n), slider[n]) << n;
        EXPECT_EQ(EvadeSliderToNibble(slider[n]), n) << n;
        positions.insert(EvadeNibbleToSlider(n));
    }
    EXPECT_EQ(positions.size(), 16u); // every slider position means one nibble
    // Evade byte 0x6B: magic block -10, evade NA.
    EXPECT_EQ(EvadeNibbleText(0x6B >> 4), "-10");
    EXPECT_EQ(EvadeNibbleText(0x6B & 0xF), "NA");
}

TEST(ItemFields, CaptionsByKind)
{
    const struct {
        int kind;
        const char* power;
        const char* hit;
        const char* weak;
        const char* byte19;
    } rows[] = {
        {0, "Bat power", "Hit rate", "Byte 24", "Properties"},
        {1, "Bat power", "Hit rate", "Byte 24", "Properties"},
        {2, "Def. points", "Magic def.", "Weak", "Byte 19"},
        {5, "Def. points", "Magic def.", "Sp. status 1", "Sp. status 5"},
        {6, "Give/lift HP/MP", "Bit wize", "Sp. status 1", "Attributes"},
        {9, "Def. points", "Magic def.", "Sp. status 1", "Attributes"},
    };
    for (const auto& r : rows) {
        EXPECT_STREQ(ItemPowerLabel(r.kind), r.power) << r.kind;
        EXPECT_STREQ(ItemHitLabel(r.kind), r.hit) << r.kind;
        const ItemCaptions& c = ItemCaptionsOf(ItemCaptionSet(r.kind));
        EXPECT_STREQ(c.byte24, r.weak) << r.kind;
        EXPECT_STREQ(c.byte19, r.byte19) << r.kind;
    }
    EXPECT_STREQ(ItemExtraEffectText(0xE), "0xE: ? (ogre nix breaks)");
    EXPECT_STREQ(ItemEvadeAnimText(0xA), "0xA: Buckler (Mblock)");
}

TEST(ItemFields, ShopByteZero)
{
    // 0xD3: kind 3 (item), pricing 2 (2x), both unused bits set.
    test::TempDir dir;
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(test::WriteImage(dir)).ok);
    ShopRecord(doc.Rom(), 5)[0] = 0xD3;
    const TableDesc* shops = FindTable("shops");
    ASSERT_NE(shops, nullptr);
    const struct {
        const char* key;
        int64_t value;
    } rows[] = {{"kind", 3}, {"pricing", 2}, {"unused6", 1}, {"unused7", 1}};
    for (const auto& r : rows)
        EXPECT_EQ(std::get<int64_t>(GetField(doc.Rom(), *shops->Field(r.key), 5)), r.value) << r.key;
    EXPECT_STREQ(ShopKindText(3), "3: item");
    EXPECT_STREQ(ShopPricingText(2), "2: 2x");
    // Writing the fields back rebuilds the byte.
    ASSERT_EQ(SetField(doc.Rom(), *shops->Field("kind"), 5, int64_t{5}), "");
    ASSERT_EQ(SetField(doc.Rom(), *shops->Field("unused6"), 5, int64_t{0}), "");
    EXPECT_EQ(ShopRecord(doc.Rom(), 5)[0], 5 | 2 << 3 | 1 << 7);
}

TEST(SpellEffects, ListAndSplitRule)
{
    // The codes of the built-in table, in order.
    std::vector<int> expected = {0x00, 0x01, 0x03, 0x09, 0x10, 0x11, 0x12, 0x13};
    for (int c = 0x15; c <= 0x40; ++c)
        expected.push_back(c);
    for (int c : {0x43, 0x44, 0x45, 0x4A, 0x50, 0x52, 0x53, 0x54, 0x56, 0x57, 0xFF})
        expected.push_back(c);
    ASSERT_EQ(SpecialEffectTextCount(), 63);
    ASSERT_EQ(expected.size(), 63u);
    for (int row = 0; row < 63; ++row) {
        const std::string text = SpecialEffectText(row);
        EXPECT_EQ(std::stoi(text.substr(0, 2), nullptr, 16), expected[static_cast<size_t>(row)]) << text;
        EXPECT_EQ(text.substr(2, 3), " = ") << text;
        // The split: description up to the first " (", examples inside.
        const size_t open = text.find(" (");
        ASSERT_NE(open, std::string::npos) << text;
        const SpecialEffectRow split = SpecialEffectRowOf(expected[static_cast<size_t>(row)]);
        EXPECT_EQ(split.description, text.substr(5, open - 5));
        EXPECT_EQ(split.examples, text.substr(open + 2, text.rfind(')') - open - 2));
    }
    // Codes the table does not hold.
    for (int code : {0x02, 0x14, 0x41, 0x58, 0xFE}) {
        char want[16];
        std::snprintf(want, sizeof want, "? (0x%02X)", code);
        EXPECT_EQ(SpecialEffectRowOf(code).description, want);
        EXPECT_EQ(SpecialEffectRowOf(code).examples, "");
    }
}

TEST(SpellDescriptions, BlockAndStringOfASpell)
{
    const struct {
        int spell;
        bool has;
        int block, index;
    } rows[] = {{0, true, kMagicDesc, 0},        {53, true, kMagicDesc, 53},    {54, true, kEsperAttackDesc, 0},
                {80, true, kEsperAttackDesc, 26}, {81, false, 0, 0},             {84, false, 0, 0},
                {85, true, kSwordTechDesc, 0},    {92, true, kSwordTechDesc, 7}, {93, true, kBlitzDesc, 0},
                {100, true, kBlitzDesc, 7},       {101, false, 0, 0},            {138, false, 0, 0},
                {139, true, kLoreDesc, 0},        {162, true, kLoreDesc, 23},    {163, false, 0, 0},
                {255, false, 0, 0}};
    for (const auto& r : rows) {
        int block = -1, index = -1;
        ASSERT_EQ(SpellDescriptionOf(r.spell, block, index), r.has) << r.spell;
        if (r.has) {
            EXPECT_EQ(block, r.block) << r.spell;
            EXPECT_EQ(index, r.index) << r.spell;
        }
    }
}

TEST(SpellNames, ListOfEachSpell)
{
    const struct {
        int spell;
        NameListId id;
        uint32_t index;
    } rows[] = {{0, NameListId::Spell, 0},   {53, NameListId::Spell, 53},  {54, NameListId::Esper, 0},
                {80, NameListId::Esper, 26}, {81, NameListId::Attack, 0}, {255, NameListId::Attack, 174}};
    for (const auto& r : rows) {
        uint32_t index = 999;
        EXPECT_EQ(SpellNameList(r.spell, index), r.id) << r.spell;
        EXPECT_EQ(index, r.index) << r.spell;
    }
}

} // namespace
} // namespace quorvex
