#pragma once
// What the codes of a character table look like in the game: the glyph a
// code draws in the game's own font, with the width it advances by, for the
// keyboard mapping; and a short text drawn in the small font as the menus
// draw names (the game title in the About box).
#include <cstdint>
#include <string>

#include "graphics/Bitmap.h"
#include "rom/PreprocRomData.h"
#include "text/TextCodec.h"

namespace quorvex {

struct RomData;

// Entry `entry` of a character table (bank * 256 + code) drawn in the font
// of its style: for dialogue the big-font glyph (16 x 11, white on the
// dialogue window's blue, in a bitmap of 16 x 12) and its width byte; for
// battle text and names the small-font glyph (8 x 8) and 8. False, with `out` and `width` untouched,
// when the entry draws no glyph of its own: a control code below 0x20, a
// dual-tile code of the North American dialogue (0x80 and up), a bank the
// release does not have, or a code past the font.
bool DrawCharGlyph(const RomData& rd, TextStyle style, int entry, CFF6Bitmap& out, int& width);

// `text` drawn in the small font, each character as the release's menu
// encoding types it (characters without a code are left out); an empty
// picture when none has one.
NamePicture DrawSmallFontText(const RomData& rd, const std::wstring& text,
                              const NameColors& colors = kDefaultNameColors);

} // namespace quorvex
