#pragma once
// Names drawn in the game's small font, cached for list and combo controls
// so that they show names as the game does. The pictures are thrown away
// when an image is opened and drawn again the first time a list is shown;
// while a whole list is drawn the user sees a progress caption naming it.
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace quorvex {

struct RomData;

// A 24-bit picture, pixels row-major as 0x00BBGGRR.
struct NamePicture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;

    bool Empty() const { return pixels.empty(); }
    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
};

// The small font: 256 glyphs of 8x8 pixels, 2 bits per pixel (16 bytes each).
constexpr int kSmallGlyphSize = 8;
constexpr size_t kSmallFontBytes = 0x1000;

// Colours of the four 2bpp indices: index 0 the paper, 1-3 the ink shades.
using NameColors = std::array<uint32_t, 4>;
// Used until the graphics load hands over the image's own colours.
constexpr NameColors kDefaultNameColors = {0x00844A10, 0x00F8F8F8, 0x00A0A0A0, 0x00303030};

// Draws `len` codes of a name side by side, 8 pixels each. A code whose
// glyph lies beyond the font data is drawn as paper.
NamePicture DrawNamePicture(const uint8_t* name, size_t len, const std::vector<uint8_t>& font,
                            const NameColors& colors = kDefaultNameColors);

// The lists with pictures, and their sizes and captions.
enum class PreprocList : int {
    Monster,       // 512
    Item,          // 256
    Consumable,    // 125
    Weapon,        // 93
    Tool,          // 8
    RareItem,      // 20
    Spell,         // 256: spells, espers, attacks in one list
    MagiTek,       // 16
    Blitz,         // 8
    BattleCommand, // 32
    ItemType,      // 56
    BattleStatus,  // 56
    Dance,         // 9
    Text,          // 256
    Count
};
constexpr int kPreprocListCount = static_cast<int>(PreprocList::Count);

struct PreprocListInfo {
    const char* caption; // shown while the list is drawn
    int size;            // pictures held
};
const PreprocListInfo& GetPreprocListInfo(PreprocList list);

class CPreprocRomData {
public:
    // Returns the name bytes of an entry (empty draws nothing).
    using NameSource = std::function<std::vector<uint8_t>(int index)>;
    // Reports progress while a list is drawn: caption, entries done, total.
    using Progress = std::function<void(const char* caption, int done, int total)>;

    CPreprocRomData();

    // Throws every picture away (at each open).
    void Reset();
    // Throws one list away (after its names were re-read or renamed).
    void Invalidate(PreprocList list);
    void Invalidate(PreprocList list, int index);

    void SetColors(const NameColors& colors);
    const NameColors& Colors() const { return m_colors; }

    bool IsDrawn(PreprocList list) const;
    // Draws the whole list (at most its size in entries) with the caption.
    void DrawList(PreprocList list, int entries, const NameSource& source, const std::vector<uint8_t>& font,
                  const Progress& progress = {});
    // The picture of one entry; null when the list is not drawn or the
    // index is out of range.
    const NamePicture* Picture(PreprocList list, int index) const;

private:
    struct ListPictures {
        bool drawn = false;
        std::vector<NamePicture> pictures;
    };
    std::array<ListPictures, kPreprocListCount> m_lists;
    NameColors m_colors = kDefaultNameColors;
};

// The lists the name tables feed directly (monsters, items, rare items,
// spells with espers and attacks): drawn from RomData on first use.
// Returns the picture, or null for an index out of range or another list.
const NamePicture* GetNamePicture(RomData& rd, PreprocList list, int index,
                                  const CPreprocRomData::Progress& progress = {});
// Name `index` of the spell list: spells, espers and attacks follow one
// another in one list of 256.
std::vector<uint8_t> SpellListName(const RomData& rd, int index);
// Draws one of those lists now if it is not drawn yet.
void EnsureListDrawn(RomData& rd, PreprocList list, const CPreprocRomData::Progress& progress = {});

} // namespace quorvex
