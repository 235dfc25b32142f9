#pragma once
// The field sprites and the window wallpapers as the bitmap editor shows
// them: which tiles of the common pool make each sprite, and how tiles are
// arranged into a sheet (Arrangement.h).
//
// The sprite table is the program's own description of the pool: 168
// records of first tile, default palette, tile count and layout kind.
// Records 0-15 are the characters (181 tiles, kind 0), 16-21 the other
// people drawn the same way (171 tiles, kind 1), then smaller sprites of
// kinds 2-26 and single tiles (kind 99).
//
// Character sheets are made of poses of 2 x 3 cells (16 x 24 pixels), eight
// poses to a row: facing down (standing, walking, the other foot), facing up
// (the same three), facing left (standing, walking), facing right (the left
// poses mirrored) and the further poses. Poses share their heads, and the
// second walking step shows the standing legs mirrored.
#include <array>
#include <cstdint>

#include "graphics/Arrangement.h"

namespace quorvex {

struct SpriteRecord {
    uint32_t firstTile = 0;      // in the pool of 6,784 tiles
    uint32_t defaultPalette = 0; // town palette shown first
    uint32_t tileCount = 0;
    uint32_t kind = 0;           // layout kind: 0-26, or 99 for a single tile
};

constexpr int kSpriteCount = 168;
constexpr int kCharacterSprites = 22; // records 0-21 use the pose sheets
constexpr uint32_t kSingleTileKind = 99;

const std::array<SpriteRecord, kSpriteCount>& SpriteRecords();

// The sheet of a sprite. `newFormat` ("New sprite sheet format") gives
// records 0-21 the 16 x 18 sheet instead of 16 x 16.
Arrangement SpriteLayout(int sprite, bool newFormat);
// The size in cells of the sheet of one layout kind (for records below 22
// the kind is replaced by the character sheet).
void LayoutSize(uint32_t kind, int& width, int& height);

// The wallpaper preview: 28 x 8 cells, a frame of corner and edge tiles
// (16-20) mirrored and flipped for the other sides around the 4 x 4 pattern
// of tiles 0-15, repeated.
const Arrangement& WallpaperLayout();

} // namespace quorvex
