#include "editors/MagicTables.h"

#include "rom/RomData.h"

namespace quorvex {

namespace {

struct SpellDescInfo {
    int first;            // the block's first spell
    int count;
    const char* what;     // for the refusal of an unknown place
    uint32_t problemBit;  // 0: the place is known in neither release
};
constexpr SpellDescInfo kSpellDescs[kSpellDescBlocks] = {
    {0, 54, "Spell Descriptions", kFlagSpellDescAnomaly},
    {54, 27, "Esper Attack Descriptions", kFlagEsperAtkDescAnomaly},
    {85, 8, "Sword Technique Descriptions", 0},
    {93, 8, "Blitz Descriptions", 0},
    {139, 24, "Lore Descriptions", kFlagLoreDescAnomaly},
};

TextPageConfig DescriptionConfig(CFF6DynTextObj* block, int index, std::array<int32_t, 7> layout)
{
    TextPageConfig c;
    c.block = block;
    c.kind = kKindDescriptions;
    c.index = index;
    c.captioned = true;
    c.layout = layout;
    return c;
}

// Release 1 lays descriptions out in 30-character lines of two, release 2
// in 22-character lines of one.
std::array<int32_t, 7> DescriptionLayout(const RomData& rd)
{
    if (rd.romType == kRomFF6j)
        return {9, 9, 9, 22, 1, 0, kStyleBattle};
    return {9, 9, 9, 30, 2, 0, kStyleBattle};
}

TextPageConfig FixedConfig(RawTable& t, int32_t count, int32_t size, int32_t kind, int index)
{
    TextPageConfig c;
    c.fixed = true;
    c.records = t.bytes.empty() ? nullptr : t.bytes.data();
    c.recordCount = count;
    c.recordSize = size;
    c.kind = kind;
    c.index = index;
    c.captioned = true;
    return c;
}

} // namespace

// Where each block lies: pointers (offsets into the text), text, its size.
// The Japanese release's lore text runs to an end that is not known, and
// the sword technique and blitz descriptions are known in neither release.
const TextBlockPlace* SpellDescriptionPlace(uint8_t romType, int block)
{
    static const TextBlockPlace us[kSpellDescBlocks] = {
        {0x18CF80, 0x18C9A0, 0x500, 54, kScanBattle, 0},
        {0xFFE40, 0xF3940, 0x300, 27, kScanBattle, 0},
        {},
        {},
        {0x2D7A70, 0x2D77A0, 0x2D0, 24, kScanBattle, 0},
    };
    static const TextBlockPlace jp[kSpellDescBlocks] = {
        {0x26F690, 0x18C9A0, 0x400, 54, kScanBattle, 0},
        {0xFFE40, 0x18CDA0, 0x260, 27, kScanBattle, 0},
    };
    if (block < 0 || block >= kSpellDescBlocks)
        return nullptr;
    const TextBlockPlace& p = (romType == kRomFF6j ? jp : us)[block];
    return p.size > 0 ? &p : nullptr;
}

// The long bonus descriptions end just before their own 17 pointers.
const TextBlockPlace* EsperBonusDescriptionPlace(uint8_t romType)
{
    static const TextBlockPlace us{0x2DFFD0, 0x2DFE00, 0x1D0, kEsperBonusCount, kScanBattle, 0};
    return romType == kRomFF3us ? &us : nullptr;
}

uint8_t* SpellRecord(RomData& rd, int spell) { return rd.editors.magic.spells.RecordAt(spell, kSpellRecordSize); }
uint8_t* EsperRecord(RomData& rd, int esper) { return rd.editors.magic.espers.RecordAt(esper, kEsperRecordSize); }
uint8_t* EsperQuote(RomData& rd, int esper) { return rd.editors.magic.esperQuotes.RecordAt(esper, kEsperQuoteSize); }
uint8_t* EsperBonusName(RomData& rd, int bonus)
{
    return rd.editors.magic.bonusNames.RecordAt(bonus, kEsperBonusNameSize);
}

void LoadSpells(ImageFile& f, RomData& rd)
{
    MagicTables& m = rd.editors.magic;
    m.spells.Load(f, kSpellsRom, kSpellCount * kSpellRecordSize);
    for (int b = 0; b < kSpellDescBlocks; ++b)
        LoadDescriptionBlock(f, rd, m.spellDescriptions[static_cast<size_t>(b)], SpellDescriptionPlace(rd.romType, b),
                             kSpellDescs[b].problemBit);
}

void StoreSpells(ImageFile& f, RomData& rd)
{
    MagicTables& m = rd.editors.magic;
    m.spells.Store(f);
    for (int b = 0; b < kSpellDescBlocks; ++b)
        StoreDescriptionBlock(f, rd, m.spellDescriptions[static_cast<size_t>(b)], kSpellDescs[b].problemBit);
}

void LoadEspers(ImageFile& f, RomData& rd)
{
    MagicTables& m = rd.editors.magic;
    const bool us = rd.romType == kRomFF3us;
    m.espers.Load(f, us ? kEspersRomUs : kEspersRomJp, kEsperCount * kEsperRecordSize);
    // Where the Japanese release keeps the quotes and the short bonus
    // descriptions is not known: those bytes are left alone there.
    m.esperQuotes.Clear();
    m.bonusNames.Clear();
    if (us) {
        m.esperQuotes.Load(f, kEsperQuotesRom, kEsperCount * kEsperQuoteSize);
        m.bonusNames.Load(f, kBonusNamesRom, kEsperBonusCount * kEsperBonusNameSize);
    }
    LoadDescriptionBlock(f, rd, m.bonusDescriptions, EsperBonusDescriptionPlace(rd.romType), kFlagEsperBonusDescAnomaly);
}

void StoreEspers(ImageFile& f, RomData& rd)
{
    MagicTables& m = rd.editors.magic;
    m.espers.Store(f);
    m.esperQuotes.Store(f);
    m.bonusNames.Store(f);
    StoreDescriptionBlock(f, rd, m.bonusDescriptions, kFlagEsperBonusDescAnomaly);
}

NameListId SpellNameList(int spell, uint32_t& index)
{
    if (spell < kEsperAttackFirst) {
        index = static_cast<uint32_t>(spell);
        return NameListId::Spell;
    }
    if (spell < kAttackFirst) {
        index = static_cast<uint32_t>(spell - kEsperAttackFirst);
        return NameListId::Esper;
    }
    index = static_cast<uint32_t>(spell - kAttackFirst);
    return NameListId::Attack;
}

bool SpellDescriptionOf(int spell, int& block, int& index)
{
    for (int b = 0; b < kSpellDescBlocks; ++b)
        if (spell >= kSpellDescs[b].first && spell < kSpellDescs[b].first + kSpellDescs[b].count) {
            block = b;
            index = spell - kSpellDescs[b].first;
            return true;
        }
    return false;
}

std::string SpellDescriptionRefusal(const RomData& rd, int block)
{
    if (block < 0 || block >= kSpellDescBlocks)
        return {};
    const DescriptionBlock& d = rd.editors.magic.spellDescriptions[static_cast<size_t>(block)];
    const SpellDescInfo& info = kSpellDescs[block];
    return DescriptionRefusal(rd, d.block, d.known, info.problemBit, kSpellDescProblem, info.what);
}

std::string LoreQuoteRefusal(const RomData&) { return UnknownPlaceMessage("Lore Battle Quotes"); }

std::string EsperBonusDescriptionRefusal(const RomData& rd)
{
    const DescriptionBlock& d = rd.editors.magic.bonusDescriptions;
    return DescriptionRefusal(rd, d.block, d.known, kFlagEsperBonusDescAnomaly, kEsperBonusProblem,
                              "Long Esper Bonus Descriptions");
}

std::string EsperBonusNameRefusal(const RomData& rd)
{
    return rd.editors.magic.bonusNames.bytes.empty() ? UnknownPlaceMessage("Short Esper Bonus Descriptions")
                                                     : std::string();
}

std::string EsperQuoteRefusal(const RomData& rd)
{
    return rd.editors.magic.esperQuotes.bytes.empty() ? UnknownPlaceMessage("Esper Battle Quotes") : std::string();
}

TextPageConfig SpellDescriptionPageConfig(RomData& rd, int block, int index)
{
    return DescriptionConfig(&rd.editors.magic.spellDescriptions[static_cast<size_t>(block)].block, index,
                             DescriptionLayout(rd));
}

TextPageConfig EsperBonusDescriptionPageConfig(RomData& rd, int index)
{
    return DescriptionConfig(&rd.editors.magic.bonusDescriptions.block, index, DescriptionLayout(rd));
}

TextPageConfig EsperBonusNamePageConfig(RomData& rd, int index)
{
    // Fixed menu names: 0xFF fills, 0xFE is the space.
    TextPageConfig c = FixedConfig(rd.editors.magic.bonusNames, kEsperBonusCount, kEsperBonusNameSize, kKindNames,
                                   index);
    c.layout = {8, 8, 8, 30, 1, 1, kStyleName};
    return c;
}

TextPageConfig EsperQuotePageConfig(RomData& rd, int index, const std::wstring& indexKey)
{
    TextPageConfig c =
        FixedConfig(rd.editors.magic.esperQuotes, kEsperCount, kEsperQuoteSize, kKindEsperNames, index);
    c.indexKey = indexKey;
    c.layout = {8, 8, 8, 30, 1, 1, kStyleName};
    return c;
}

} // namespace quorvex
