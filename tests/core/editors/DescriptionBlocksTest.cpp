// The description blocks of the item and magic editors: each at its place
// in both releases, each decoding; a block with a broken pointer is flagged
// at load, refused with its editor's message and written back untouched; a
// text that does not fit is refused and the block keeps its old text; an
// item description edit stays inside the item description block; and the
// repair of the game's own item descriptions.
#include <gtest/gtest.h>

#include "SyntheticImage.h"
#include "TestSupport.h"
#include "editors/ItemTables.h"
#include "editors/MagicTables.h"
#include "rom/Document.h"
#include "rom/RomData.h"
#include "rom/TableDesc.h"

namespace quorvex {
namespace {

std::string SetText(RomData& rd, const char* table, int record, const char* key, const std::string& text)
{
    const TableDesc* t = FindTable(table);
    return SetField(rd, *t->Field(key), record, FieldValue(text));
}

std::string GetText(const RomData& rd, const char* table, int record, const char* key)
{
    const TableDesc* t = FindTable(table);
    return std::get<std::string>(GetField(rd, *t->Field(key), record));
}

// One description block, the flag its load sets when its pointers are
// broken, and how its editor is reached.
struct BlockCase {
    const char* name;
    uint32_t pointers;   // North American release
    uint32_t flag;
    const char* table;   // null: no table key (the long esper bonus texts)
    int record;
    std::string (*refusal)(const RomData& rd);
    const char* message;
};

std::string ItemRefusal(const RomData& rd)
{
    return ItemDescriptionAccess(rd) == ItemDescAccess::Open ? std::string() : std::string(kItemDescProblem);
}
std::string MagicRefusal(const RomData& rd) { return SpellDescriptionRefusal(rd, kMagicDesc); }
std::string EsperAttackRefusal(const RomData& rd) { return SpellDescriptionRefusal(rd, kEsperAttackDesc); }
std::string LoreRefusal(const RomData& rd) { return SpellDescriptionRefusal(rd, kLoreDesc); }

const BlockCase kBlocks[] = {
    {"item descriptions", 0x2D7AA0, kFlagItemDescAnomaly, "items", 12, ItemRefusal, kItemDescProblem},
    {"rare item descriptions", 0xEFB60, kFlagRareItemDescAnomaly, "rare_items", 3, RareItemDescriptionRefusal,
     kRareItemDescProblem},
    {"spell descriptions", 0x18CF80, kFlagSpellDescAnomaly, "spells", 7, MagicRefusal, kSpellDescProblem},
    {"esper attack descriptions", 0xFFE40, kFlagEsperAtkDescAnomaly, "spells", 60, EsperAttackRefusal,
     kSpellDescProblem},
    {"lore descriptions", 0x2D7A70, kFlagLoreDescAnomaly, "spells", 140, LoreRefusal, kSpellDescProblem},
    {"long esper bonus descriptions", 0x2DFFD0, kFlagEsperBonusDescAnomaly, nullptr, 0, EsperBonusDescriptionRefusal,
     kEsperBonusProblem},
};

class DescriptionBlocks : public ::testing::Test {
protected:
    std::string Write(const std::vector<uint8_t>& bytes, const std::string& name = "image.smc")
    {
        const std::string path = dir.File(name);
        test::WriteFileBytes(path, bytes);
        return path;
    }
    test::TempDir dir;
};

TEST_F(DescriptionBlocks, EveryBlockOpensOnTheSyntheticImage)
{
    for (const char* variant : {"us10-headerless", "us11-headered", "us-32-headered"}) {
        CQuorvexDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(test::WriteImage(dir, test::Variant(variant))).ok);
        const RomData& rd = doc.Rom();
        for (const BlockCase& b : kBlocks) {
            EXPECT_EQ(rd.romFlags & b.flag, 0u) << variant << " " << b.name;
            EXPECT_EQ(b.refusal(rd), "") << variant << " " << b.name;
            if (b.table) {
                EXPECT_FALSE(GetText(rd, b.table, b.record, "description").empty()) << b.name;
            }
        }
        EXPECT_EQ(EsperQuoteRefusal(rd), "");
        EXPECT_EQ(EsperBonusNameRefusal(rd), "");
        EXPECT_TRUE(rd.editors.items.typeNames.loaded);
    }
}

TEST_F(DescriptionBlocks, JapanesePlacesThatAreNotKnownAreLeftAlone)
{
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(test::WriteImage(dir, test::Variant("jp"))).ok);
    const RomData& rd = doc.Rom();
    // Known: item, spell and esper attack descriptions.
    EXPECT_EQ(ItemRefusal(rd), "");
    EXPECT_EQ(MagicRefusal(rd), "");
    EXPECT_EQ(EsperAttackRefusal(rd), "");
    EXPECT_FALSE(GetText(rd, "spells", 3, "description").empty());
    // Not known: each says so and nothing of it is read.
    for (const std::string& why : {LoreRefusal(rd), RareItemDescriptionRefusal(rd), EsperBonusDescriptionRefusal(rd),
                                   EsperQuoteRefusal(rd), EsperBonusNameRefusal(rd)})
        EXPECT_NE(why.find("does not know where this ROM version keeps"), std::string::npos) << why;
    EXPECT_FALSE(rd.editors.items.typeNames.loaded);
    EXPECT_FALSE(FindTable("item_types")->IsAvailable(rd));
    EXPECT_FALSE(FindTable("spells")->Field("description")->Has(rd, 140));
}

TEST_F(DescriptionBlocks, BrokenPointersAreFlaggedRefusedAndKept)
{
    const std::vector<uint8_t> good = synth::BuildSyntheticImage();
    for (const BlockCase& b : kBlocks) {
        std::vector<uint8_t> bytes = good;
        // The third string's pointer now leads far outside the text.
        bytes[b.pointers + 4] = 0xF0;
        bytes[b.pointers + 5] = 0x7F;
        const std::string path = Write(bytes);
        CQuorvexDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(path).ok) << b.name;
        RomData& rd = doc.Rom();
        EXPECT_NE(rd.romFlags & b.flag, 0u) << b.name;
        EXPECT_EQ(b.refusal(rd), b.message) << b.name;
        if (b.table) {
            const std::string before = GetText(rd, b.table, b.record, "description");
            const std::string why = SetText(rd, b.table, b.record, "description", "New text");
            EXPECT_NE(why.find("Problem parsing"), std::string::npos) << b.name << ": " << why;
            EXPECT_EQ(GetText(rd, b.table, b.record, "description"), before) << b.name;
        }
        // The other blocks still open.
        for (const BlockCase& other : kBlocks)
            if (other.flag != b.flag) {
                EXPECT_EQ(other.refusal(rd), "") << b.name << " broke " << other.name;
            }
        ASSERT_TRUE(doc.OnSaveDocument(path).ok);
        EXPECT_EQ(test::ReadFileBytes(path), bytes) << b.name;
    }
}

TEST_F(DescriptionBlocks, TextThatDoesNotFitIsRefused)
{
    const std::string path = test::WriteImage(dir);
    const std::vector<uint8_t> original = test::ReadFileBytes(path);
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path).ok);
    RomData& rd = doc.Rom();
    std::string huge;
    for (int line = 0; line < 200; ++line)
        huge += line ? "\nWords words words" : "Words words words";
    for (const BlockCase& b : kBlocks) {
        if (!b.table)
            continue;
        const std::string before = GetText(rd, b.table, b.record, "description");
        EXPECT_NE(SetText(rd, b.table, b.record, "description", huge), "") << b.name;
        EXPECT_EQ(GetText(rd, b.table, b.record, "description"), before) << b.name;
    }
    // An esper quote holds 10 bytes: a longer one is refused, not cut.
    const std::string quote = GetText(rd, "espers", 2, "quote");
    EXPECT_NE(SetText(rd, "espers", 2, "quote", "Far too long a quote"), "");
    EXPECT_EQ(GetText(rd, "espers", 2, "quote"), quote);
    ASSERT_TRUE(doc.OnSaveDocument(path).ok);
    EXPECT_EQ(test::ReadFileBytes(path), original);
}

TEST_F(DescriptionBlocks, AnItemDescriptionEditStaysInItsBlock)
{
    const std::string path = test::WriteImage(dir);
    const std::vector<uint8_t> before = test::ReadFileBytes(path);
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path).ok);
    // A longer text moves every later description.
    ASSERT_EQ(SetText(doc.Rom(), "items", 3, "description", "Cuts all foes with fire\nand ice"), "");
    ASSERT_TRUE(doc.OnSaveDocument(path).ok);
    const std::vector<uint8_t> after = test::ReadFileBytes(path);
    ASSERT_EQ(after.size(), before.size());
    size_t changed = 0;
    for (size_t at = 0; at < after.size(); ++at) {
        if (after[at] == before[at])
            continue;
        ++changed;
        const bool text = at >= 0x2D6400 && at < 0x2D77A0;    // ends where the lore descriptions begin
        const bool pointers = at >= 0x2D7AA0 && at < 0x2D7CA0; // ends where the actor records begin
        EXPECT_TRUE(text || pointers) << std::hex << at;
    }
    EXPECT_GT(changed, 0u);
    CQuorvexDoc again;
    ASSERT_TRUE(again.OnOpenDocument(path).ok);
    EXPECT_EQ(GetText(again.Rom(), "items", 3, "description"), "Cuts all foes with fire\nand ice");
    EXPECT_EQ(again.Rom().romFlags & kFlagItemDescAnomaly, 0u);
}

TEST_F(DescriptionBlocks, RepairOfTheGamesOwnItemDescriptions)
{
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(test::WriteImage(dir)).ok);
    RomData& rd = doc.Rom();
    // Without the game's own fingerprints the repair is not possible.
    EXPECT_FALSE(ItemDescRepairPossible(rd));
    EXPECT_FALSE(RepairItemDescriptions(rd));
    // With them (as the game's own text would have), a block that cannot be
    // edited is offered the repair.
    rd.romFlags |= kFlagItemDescPtrPrint | kFlagItemDescTextPrint | kFlagItemDescAnomaly;
    EXPECT_EQ(ItemDescriptionAccess(rd), ItemDescAccess::OfferRepair);
    std::vector<std::string> before;
    for (int i = 0; i < 256; ++i)
        before.push_back(GetText(rd, "items", i, "description"));
    ASSERT_TRUE(RepairItemDescriptions(rd));
    EXPECT_EQ(rd.romFlags & kFlagItemDescTextPrint, 0u);
    EXPECT_FALSE(ItemDescRepairPossible(rd)); // offered once
    EXPECT_EQ(ItemDescriptionAccess(rd), ItemDescAccess::Open);
    for (int i = 0; i < 256; ++i) {
        const std::string now = GetText(rd, "items", i, "description");
        if (i >= 163 && i <= 170) {
            // The tools lose their "Use with Tools command" line, nothing else.
            const size_t line = before[static_cast<size_t>(i)].find("\nUse with Tools command");
            ASSERT_NE(line, std::string::npos) << i;
            EXPECT_EQ(now, before[static_cast<size_t>(i)].substr(0, line)) << i;
        } else {
            EXPECT_EQ(now, before[static_cast<size_t>(i)]) << i;
        }
    }
}

TEST_F(DescriptionBlocks, RepairRefusedForTheJapaneseReleaseAndChangedText)
{
    {
        CQuorvexDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(test::WriteImage(dir, test::Variant("jp"), "jp.smc")).ok);
        doc.Rom().romFlags |= kFlagItemDescPtrPrint | kFlagItemDescTextPrint | kFlagItemDescAnomaly;
        EXPECT_EQ(ItemDescriptionAccess(doc.Rom()), ItemDescAccess::Refuse);
        EXPECT_FALSE(RepairItemDescriptions(doc.Rom()));
    }
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(test::WriteImage(dir)).ok);
    doc.Rom().romFlags |= kFlagItemDescPtrPrint | kFlagItemDescAnomaly; // the text was changed
    EXPECT_EQ(ItemDescriptionAccess(doc.Rom()), ItemDescAccess::Refuse);
    const std::string before = GetText(doc.Rom(), "items", 165, "description");
    EXPECT_FALSE(RepairItemDescriptions(doc.Rom()));
    EXPECT_EQ(GetText(doc.Rom(), "items", 165, "description"), before);
}

} // namespace
} // namespace quorvex
