#include "rom/PreprocRomData.h"

#include "graphics/Tiles.h"
#include "rom/RomData.h"

namespace quorvex {

NamePicture DrawNamePicture(const uint8_t* name, size_t len, const std::vector<uint8_t>& font, const NameColors& colors)
{
    NamePicture pic;
    pic.width = static_cast<int>(len) * kSmallGlyphSize;
    pic.height = kSmallGlyphSize;
    pic.pixels.assign(static_cast<size_t>(pic.width) * pic.height, colors[0]);
    if (!name)
        return pic;
    const size_t glyphs = font.size() / kTile2bppBytes;
    for (size_t i = 0; i < len; ++i) {
        const unsigned code = name[i];
        if (code >= glyphs)
            continue;
        for (int y = 0; y < kSmallGlyphSize; ++y)
            for (int x = 0; x < kSmallGlyphSize; ++x) {
                const int index = GetTilePixel2bpp(font.data(), static_cast<int>(code), x, y);
                if (index > 0)
                    pic.pixels[static_cast<size_t>(y * pic.width) + i * kSmallGlyphSize + static_cast<size_t>(x)] =
                        colors[static_cast<size_t>(index & 3)];
            }
    }
    return pic;
}

const PreprocListInfo& GetPreprocListInfo(PreprocList list)
{
    static const PreprocListInfo kInfo[kPreprocListCount] = {
        {"Loading Monster List", 512},
        {"Loading Item List", 256},
        {"Loading Comsumable Item List", 125},
        {"Loading Weapon Item List", 93},
        {"Loading Tool Item List", 8},
        {"Loading Rare Items List", 20},
        {"Loading Spell List", 256},
        {"Loading MagiTek List", 16},
        {"Loading Blitz List", 8},
        {"Loading Battle Commands List", 32},
        {"Loading Item Types List", 56},
        {"Loading Battle Statuses List", 56},
        {"Loading Dances Names List", 9},
        {"Loading Text List", 256},
    };
    int i = static_cast<int>(list);
    if (i < 0 || i >= kPreprocListCount)
        i = 0;
    return kInfo[i];
}

CPreprocRomData::CPreprocRomData() { Reset(); }

void CPreprocRomData::Reset()
{
    for (ListPictures& l : m_lists) {
        l.drawn = false;
        l.pictures.clear();
    }
}

void CPreprocRomData::Invalidate(PreprocList list)
{
    const int i = static_cast<int>(list);
    if (i < 0 || i >= kPreprocListCount)
        return;
    m_lists[static_cast<size_t>(i)].drawn = false;
    m_lists[static_cast<size_t>(i)].pictures.clear();
}

void CPreprocRomData::Invalidate(PreprocList list, int index)
{
    // One stale picture makes the list draw again on its next use.
    if (Picture(list, index))
        Invalidate(list);
}

void CPreprocRomData::SetColors(const NameColors& colors)
{
    if (colors != m_colors) {
        m_colors = colors;
        Reset();
    }
}

bool CPreprocRomData::IsDrawn(PreprocList list) const
{
    const int i = static_cast<int>(list);
    return i >= 0 && i < kPreprocListCount && m_lists[static_cast<size_t>(i)].drawn;
}

void CPreprocRomData::DrawList(PreprocList list, int entries, const NameSource& source,
                               const std::vector<uint8_t>& font, const Progress& progress)
{
    const int i = static_cast<int>(list);
    if (i < 0 || i >= kPreprocListCount)
        return;
    const PreprocListInfo& info = GetPreprocListInfo(list);
    if (entries > info.size)
        entries = info.size;
    if (entries < 0)
        entries = 0;
    ListPictures& l = m_lists[static_cast<size_t>(i)];
    l.pictures.assign(static_cast<size_t>(entries), NamePicture{});
    for (int e = 0; e < entries; ++e) {
        if (progress)
            progress(info.caption, e, entries);
        const std::vector<uint8_t> name = source ? source(e) : std::vector<uint8_t>{};
        l.pictures[static_cast<size_t>(e)] = DrawNamePicture(name.data(), name.size(), font, m_colors);
    }
    if (progress)
        progress(info.caption, entries, entries);
    l.drawn = true;
}

const NamePicture* CPreprocRomData::Picture(PreprocList list, int index) const
{
    const int i = static_cast<int>(list);
    if (i < 0 || i >= kPreprocListCount)
        return nullptr;
    const ListPictures& l = m_lists[static_cast<size_t>(i)];
    if (!l.drawn || index < 0 || static_cast<size_t>(index) >= l.pictures.size())
        return nullptr;
    return &l.pictures[static_cast<size_t>(index)];
}

std::vector<uint8_t> SpellListName(const RomData& rd, int index)
{
    const NameListTables& n = rd.names;
    uint32_t i = static_cast<uint32_t>(index);
    if (i < n.spellNames.count)
        return n.spellNames.Get(i);
    i -= n.spellNames.count;
    if (i < n.esperNames.count)
        return n.esperNames.Get(i);
    i -= n.esperNames.count;
    return n.attackNames.Get(i);
}

void EnsureListDrawn(RomData& rd, PreprocList list, const CPreprocRomData::Progress& progress)
{
    CPreprocRomData& p = rd.names.preproc;
    if (p.IsDrawn(list))
        return;
    const std::vector<uint8_t>& font = rd.gfx.bitmaps.smallFont;
    const NameListTables& n = rd.names;
    switch (list) {
    case PreprocList::Monster:
        p.DrawList(list, static_cast<int>(n.monsterNames.count),
                   [&n](int i) { return n.monsterNames.Get(static_cast<uint32_t>(i)); }, font, progress);
        break;
    case PreprocList::Item:
        p.DrawList(list, static_cast<int>(n.itemNames.count),
                   [&n](int i) { return n.itemNames.Get(static_cast<uint32_t>(i)); }, font, progress);
        break;
    case PreprocList::RareItem:
        p.DrawList(list, static_cast<int>(n.rareItemNames.count),
                   [&n](int i) { return n.rareItemNames.Get(static_cast<uint32_t>(i)); }, font, progress);
        break;
    case PreprocList::Spell:
        p.DrawList(list, static_cast<int>(n.spellNames.count + n.esperNames.count + n.attackNames.count),
                   [&rd](int i) { return SpellListName(rd, i); }, font, progress);
        break;
    default:
        break; // fed by the editors that own them, through DrawList
    }
}

const NamePicture* GetNamePicture(RomData& rd, PreprocList list, int index, const CPreprocRomData::Progress& progress)
{
    EnsureListDrawn(rd, list, progress);
    return rd.names.preproc.Picture(list, index);
}

} // namespace quorvex
