#pragma once
// The previews of the bitmap editor's pages, drawn into CFF6Bitmaps: text in
// the big font as the dialogue shows it, a wallpaper with menu text over it,
// a sprite sheet and one of its poses; and the TrueType import's rule for
// turning a rendered character into a glyph.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "graphics/Bitmap.h"
#include "graphics/BitmapEditorLogic.h"
#include "graphics/PixelBuffer.h"

namespace quorvex {

// The sample text of the big-font preview: the pangram lines, then every
// glyph of the font written as raw codes, 32 to a line ("<$20><$21>..."; in
// the Japanese release blocks 1-4 as "<BK1$00>"...).
std::vector<std::wstring> BigFontPreviewLines(const RomData& rd);

// Draws the lines with the given glyphs and widths (the font as loaded, or
// as edited): each line is encoded as dialogue, and each glyph advances by
// its width byte. Characters that do not encode are left out.
void RenderBigFontText(const RomData& rd, const std::vector<uint8_t>& glyphs, const std::vector<uint8_t>& widths,
                       const std::vector<std::wstring>& lines, CFF6Bitmap& out);

// The wallpaper assembled from its arrangement, optionally with the menu
// sample text drawn over it in the small font.
void RenderWallpaperPreview(const RomData& rd, int wallpaper, bool withText, CFF6Bitmap& out);
extern const wchar_t kWallpaperSampleText[];

// Indexed pixels drawn with a palette; index 0 shows `background`.
void DrawIndexed(const PixelBuffer& px, const std::array<SnesColor, 16>& palette, uint32_t background,
                 CFF6Bitmap& out);

// The sprite's whole sheet, and the poses the "Animate" preview cycles
// through: every 2 x 3 block of a character sheet that shows a tile, or the
// whole sheet of any other sprite as its one pose.
void RenderSpriteSheet(const RomData& rd, const SpriteView& view, uint32_t background, CFF6Bitmap& out);
int SpritePoseCount(const SpriteView& view);
void RenderSpritePose(const RomData& rd, const SpriteView& view, int pose, uint32_t background, CFF6Bitmap& out);

// "Import TrueType Font": the 79 characters imported.
extern const wchar_t kTrueTypeChars[];
// The big-font glyph a character is imported into: the battle encoding's
// code 0x80 lower in the North American release, the dialogue code
// (with its block) in the Japanese release; -1 when it has none.
int TrueTypeGlyph(const RomData& rd, wchar_t ch);
// Stores one rendered character: 16 x 16 coverage values (row-major, ink
// from 128 on) become the glyph's 11 rows, taken from row `top` of the
// rendering on (rows outside it are paper), and the rendered width becomes
// the glyph's width where its table may be written.
void StoreRenderedGlyph(RomData& rd, int glyph, const std::array<uint8_t, 256>& coverage, int width, int top);

} // namespace quorvex
