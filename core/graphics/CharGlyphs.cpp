#include "graphics/CharGlyphs.h"

#include "graphics/BitmapTables.h"
#include "graphics/Tiles.h"
#include "rom/RomData.h"

namespace quorvex {

namespace {

constexpr uint32_t kPaper = 0x803010; // the dialogue window's blue (0x00BBGGRR)
constexpr uint32_t kInk = 0xF8F8F8;

// The big-font glyph of a dialogue entry, or -1. The North American font
// starts at code 0x20; codes from 0x80 on are dual-tile pairs, not glyphs.
// The Japanese font is addressed by bank and code directly.
int DialogueGlyph(const RomData& rd, int entry)
{
    const int bank = entry >> 8, code = entry & 0xFF;
    if (code < 0x20 && bank == 0)
        return -1;
    int glyph = -1;
    if (rd.romType == kRomFF6j)
        glyph = entry;
    else if (bank == 0 && code < 0x80)
        glyph = code - 0x20;
    return glyph >= 0 && glyph < BigFontGlyphCount(rd) ? glyph : -1;
}

} // namespace

bool DrawCharGlyph(const RomData& rd, TextStyle style, int entry, CFF6Bitmap& out, int& width)
{
    if (entry < 0)
        return false;
    if (style == kStyleDialogue) {
        const int glyph = DialogueGlyph(rd, entry);
        const uint8_t* bits = glyph >= 0 ? BigFontGlyph(rd, glyph) : nullptr;
        if (!bits)
            return false;
        out.Create(kGlyphWidth, kGlyphRows);
        out.FillColor(kPaper);
        for (int y = 0; y < kGlyphRows; ++y)
            for (int x = 0; x < kGlyphWidth; ++x)
                if (GetGlyphPixel(bits, 0, x, y) == 1)
                    out.SetPixel(x, y, kInk);
        width = BigFontWidth(rd, glyph);
        return true;
    }
    const std::vector<uint8_t>& font = rd.gfx.bitmaps.smallFont;
    if (entry >= 256 || entry < 0x20 || static_cast<size_t>(entry + 1) * kTile2bppBytes > font.size())
        return false;
    const uint8_t code = static_cast<uint8_t>(entry);
    const NamePicture pic = DrawNamePicture(&code, 1, font);
    out.Create(pic.width, pic.height);
    for (int y = 0; y < pic.height; ++y)
        for (int x = 0; x < pic.width; ++x)
            out.SetPixel(x, y, pic.At(x, y));
    width = kSmallGlyphSize;
    return true;
}

NamePicture DrawSmallFontText(const RomData& rd, const std::wstring& text, const NameColors& colors)
{
    std::vector<uint8_t> codes;
    for (wchar_t ch : text) {
        std::vector<uint8_t> one;
        if (EncodeName(std::wstring(1, ch), rd.romType, one) && one.size() == 1)
            codes.push_back(one[0]);
    }
    if (codes.empty())
        return {};
    return DrawNamePicture(codes.data(), codes.size(), rd.gfx.bitmaps.smallFont, colors);
}

} // namespace quorvex
