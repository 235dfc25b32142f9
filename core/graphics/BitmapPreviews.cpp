#include "graphics/BitmapPreviews.h"

#include <algorithm>
#include <cstdio>

#include "graphics/BitmapTables.h"
#include "graphics/SpriteSheets.h"
#include "graphics/Tiles.h"
#include "rom/RomData.h"
#include "text/TextCodec.h"

namespace quorvex {

const wchar_t kWallpaperSampleText[] = L"The quick brown fox jumps\nover the lazy dog.\n0123456789 <$D4><$D5>$\\^";
const wchar_t kTrueTypeChars[] =
    L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789,.'!?/:-*;#+%~@&=";

namespace {

constexpr uint32_t kPaper = 0x803010; // dialogue window blue (0x00BBGGRR)
constexpr uint32_t kInk = 0xF8F8F8;
constexpr int kLineHeight = 12;

std::wstring Hex2(int v)
{
    wchar_t buf[8];
    std::swprintf(buf, 8, L"%02X", v);
    return buf;
}

// Encodes as much of a line as the encoder accepts, leaving out each
// character it refuses.
std::vector<uint8_t> EncodeTolerant(std::wstring text, const CharTable& table, bool battle)
{
    for (int guard = 0; guard < 200; ++guard) {
        const EncodeResult r = battle ? EncodeBattle(text, table) : EncodeDialogue(text, table);
        if (!r.IsError())
            return r.bytes;
        const size_t pos = r.ErrorPos();
        if (pos >= text.size())
            return {};
        text.erase(pos, 1);
    }
    return {};
}

void DrawGlyph(const uint8_t* glyph, int x0, int y0, CFF6Bitmap& out)
{
    for (int y = 0; y < kGlyphRows; ++y)
        for (int x = 0; x < kGlyphWidth; ++x)
            if (GetGlyphPixel(glyph, 0, x, y) == 1)
                out.SetPixel(x0 + x, y0 + y, kInk);
}

// The glyphs of an encoded dialogue line, in order.
std::vector<int> LineGlyphs(const std::vector<uint8_t>& bytes, bool jp)
{
    std::vector<int> glyphs;
    for (size_t i = 0; i < bytes.size(); ++i) {
        const int b = bytes[i];
        if (jp && b >= 0x1C && b <= 0x1F && i + 1 < bytes.size())
            glyphs.push_back(((b - 0x1B) << 8) | bytes[++i]);
        else if (b >= 0x20)
            glyphs.push_back(jp ? b : b - 0x20);
    }
    return glyphs;
}

} // namespace

std::vector<std::wstring> BigFontPreviewLines(const RomData& rd)
{
    std::vector<std::wstring> lines = {L"the quick brown fox jumps over the lazy dog,",
                                       L"[THE QUICK BROWN FOX JUMPS OVER THE LAZY DOG.]",
                                       L"0123456789 !?/:-'_;#+%~*@&=<$D4><$D5>$\\^"};
    const int count = BigFontGlyphCount(rd);
    const bool jp = rd.romType == kRomFF6j;
    std::wstring line;
    for (int g = 0; g < count; ++g) {
        const int block = g >> 8, code = jp ? g & 0xFF : g + 0x20;
        if (jp && block == 0 && code < 0x20)
            continue; // codes below 0x20 are control codes, not glyphs
        line += block == 0 ? L"<$" + Hex2(code) + L">" : L"<BK" + std::to_wstring(block) + L"$" + Hex2(code) + L">";
        if ((g + 1) % 32 == 0) {
            lines.push_back(line);
            line.clear();
        }
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

void RenderBigFontText(const RomData& rd, const std::vector<uint8_t>& glyphs, const std::vector<uint8_t>& widths,
                       const std::vector<std::wstring>& lines, CFF6Bitmap& out)
{
    const bool jp = rd.romType == kRomFF6j;
    const int glyphCount = static_cast<int>(glyphs.size() / kGlyphBytes);
    std::vector<std::vector<int>> encoded;
    int width = 8;
    for (const std::wstring& l : lines) {
        encoded.push_back(LineGlyphs(EncodeTolerant(l, DialogueCharTable(), false), jp));
        int x = 4;
        for (int g : encoded.back()) {
            const size_t wi = static_cast<size_t>(jp ? g : (g + 0x20) & 0xFF);
            x += wi < widths.size() ? widths[wi] : 0;
        }
        width = std::max(width, x + 16);
    }
    out.Create(width, static_cast<int>(lines.size()) * kLineHeight + 4);
    out.FillColor(kPaper);
    for (size_t l = 0; l < encoded.size(); ++l) {
        int x = 4;
        for (int g : encoded[l]) {
            if (g < 0 || g >= glyphCount)
                continue;
            DrawGlyph(glyphs.data() + static_cast<size_t>(g) * kGlyphBytes, x, 2 + static_cast<int>(l) * kLineHeight, out);
            const size_t wi = static_cast<size_t>(jp ? g : (g + 0x20) & 0xFF);
            x += wi < widths.size() ? widths[wi] : 0;
        }
    }
}

void DrawIndexed(const PixelBuffer& px, const std::array<SnesColor, 16>& palette, uint32_t background,
                 CFF6Bitmap& out)
{
    out.Create(px.Width(), px.Height());
    out.FillColor(background);
    for (int y = 0; y < px.Height(); ++y)
        for (int x = 0; x < px.Width(); ++x) {
            const int v = px.Get(x, y);
            if (v > 0)
                out.SetPixel(x, y, SnesToRgb(palette[static_cast<size_t>(v & 15)]));
        }
}

void RenderWallpaperPreview(const RomData& rd, int wallpaper, bool withText, CFF6Bitmap& out)
{
    const uint8_t* tiles = WallpaperTiles(rd, wallpaper);
    if (!tiles) {
        out.Create(0, 0);
        return;
    }
    const PixelBuffer px = AssembleArrangement(tiles, kWallpaperTiles, WallpaperLayout());
    // A wallpaper covers the window: colour 0 is drawn, not transparent.
    const std::array<SnesColor, 16> pal = WallpaperPalette(rd, wallpaper);
    DrawIndexed(px, pal, SnesToRgb(pal[0]), out);
    if (!withText)
        return;
    const std::vector<uint8_t>& font = rd.gfx.bitmaps.smallFont;
    const uint32_t colors[4] = {0, 0xF8F8F8, 0x383838, 0xA0A0A0};
    std::wstring text = kWallpaperSampleText;
    int line = 0;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = std::min(text.find(L'\n', start), text.size());
        const std::vector<uint8_t> bytes = EncodeTolerant(text.substr(start, end - start), MenuCharTable(), true);
        int x = 8;
        for (uint8_t b : bytes) {
            if (static_cast<size_t>(b + 1) * kTile2bppBytes <= font.size()) {
                uint8_t idx[64];
                DecodeTile2bpp(&font[b * kTile2bppBytes], idx);
                DrawTileIndices(out, idx, x, 12 + line * 16, colors, 4, 1);
            }
            x += 8;
        }
        ++line;
        start = end + 1;
    }
}

void RenderSpriteSheet(const RomData& rd, const SpriteView& view, uint32_t background, CFF6Bitmap& out)
{
    const uint8_t* tiles = SpriteTiles(rd, view.sprite);
    if (!tiles) {
        out.Create(0, 0);
        return;
    }
    DrawIndexed(AssembleArrangement(tiles, SpriteTileCount(view.sprite), SpriteLayout(view.sprite, view.newFormat)),
                SpritePalette(rd, view), background, out);
}

int SpritePoseCount(const SpriteView& view)
{
    if (view.sprite < 0 || view.sprite >= kSpriteCount)
        return 0;
    if (view.sprite >= kCharacterSprites)
        return 1;
    const Arrangement a = SpriteLayout(view.sprite, view.newFormat);
    int count = 0;
    for (int p = 0; p < (a.width / 2) * (a.height / 3); ++p) {
        bool any = false;
        for (int c = 0; c < 6; ++c)
            any = any || IsTileCell(a.At((p % 8) * 2 + c % 2, (p / 8) * 3 + c / 2));
        count += any ? 1 : 0;
    }
    return count;
}

void RenderSpritePose(const RomData& rd, const SpriteView& view, int pose, uint32_t background, CFF6Bitmap& out)
{
    CFF6Bitmap sheet;
    RenderSpriteSheet(rd, view, background, sheet);
    if (view.sprite >= kCharacterSprites || sheet.Empty()) {
        out = sheet;
        return;
    }
    const int count = std::max(SpritePoseCount(view), 1);
    pose = ((pose % count) + count) % count;
    out.Create(16, 24);
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 16; ++x)
            out.SetPixel(x, y, sheet.GetPixel((pose % 8) * 16 + x, (pose / 8) * 24 + y));
}

int TrueTypeGlyph(const RomData& rd, wchar_t ch)
{
    const std::wstring text(1, ch);
    if (rd.romType == kRomFF6j) {
        const EncodeResult r = EncodeDialogue(text, DialogueCharTable());
        if (r.IsError() || r.bytes.empty())
            return -1;
        const std::vector<int> glyphs = LineGlyphs(r.bytes, true);
        return glyphs.size() == 1 && glyphs[0] < BigFontGlyphCount(rd) ? glyphs[0] : -1;
    }
    const EncodeResult r = EncodeBattle(text, BattleCharTable());
    if (r.IsError() || r.bytes.size() != 1 || r.bytes[0] < 0x80)
        return -1;
    const int glyph = r.bytes[0] - 0x80;
    return glyph < BigFontGlyphCount(rd) ? glyph : -1;
}

void StoreRenderedGlyph(RomData& rd, int glyph, const std::array<uint8_t, 256>& coverage, int width, int top)
{
    uint8_t* g = BigFontGlyph(rd, glyph);
    if (!g)
        return;
    for (int y = 0; y < kGlyphRows; ++y) {
        const int src = top + y;
        for (int x = 0; x < kGlyphWidth; ++x) {
            const bool ink = src >= 0 && src < 16 && coverage[static_cast<size_t>(src * 16 + x)] >= 128;
            SetGlyphPixel(g, 0, x, y, ink ? 1 : 0);
        }
    }
    SetBigFontWidth(rd, glyph, std::clamp(width, 0, 255));
}

} // namespace quorvex
