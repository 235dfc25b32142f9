#pragma once
// RomData: what identifies the open image and every in-memory game table.
// The document owns one; tests may build as many as they like.
#include <array>
#include <cstdint>
#include <string>

#include "audio/AudioTables.h"
#include "editors/ActorTables.h"
#include "editors/BattleTables.h"
#include "editors/EditorTables.h"
#include "graphics/GraphicsTables.h"
#include "monsters/BattleScriptTables.h"
#include "monsters/MonsterTables.h"
#include "rom/ImageFile.h"
#include "rom/NameLists.h"
#include "rom/RomAddress.h"
#include "rom/RomFlags.h"
#include "rom/WorldMaps.h"
#include "text/TextTables.h"

namespace quorvex {

enum RomType : uint8_t { kRomUnknown = 0, kRomFF3us = 1, kRomFF6j = 2 };

// The accepted image sizes, counted as if the image had a copier header.
constexpr int32_t kImageSize24 = 0x300200;
constexpr int32_t kImageSize28 = 0x380200;
constexpr int32_t kImageSize32 = 0x400200;

constexpr const char* kNoRomLoaded = "No ROM loaded...";

struct RomData {
    // Program version, shown as "Quorvex Version %d.%d.%d".
    int versionMajor = 6;
    int versionMinor = 7;
    int versionBuild = 1;

    std::string path;
    std::string internalName = kNoRomLoaded;
    uint8_t version = 0;
    uint8_t romType = kRomUnknown;
    int32_t imageSize = -1;
    uint32_t romFlags = 0;

    // Found by patch detection: where the monster special attack names lie
    // (SNES address, 0 when unknown) and how long one name is.
    uint32_t spAttackNameAddr = 0;
    uint32_t spAttackNameLen = 0;

    // The 32 map-graphics pointers (SNES addresses).
    std::array<uint32_t, 32> mapGfxPointers{};

    NameListTables names;
    GraphicsTables gfx;
    TextTables text;
    MonsterTables monsters;
    BattleScriptTables scripts;
    EditorTables editors;
    ActorTables actors;
    BattleTables battle;
    AudioTables audio;
    WorldMaps maps;

    bool IsOpen() const { return internalName != kNoRomLoaded; }
    bool IsKnown() const { return romType == kRomFF3us || romType == kRomFF6j; }
    bool IsHeaderless() const { return (romFlags & kFlagHeaderless) != 0; }
    bool HasExpandedSection() const { return imageSize == kImageSize28 || imageSize == kImageSize32; }
};

// Back to the state of no open image.
void ResetRomData(RomData& rd);
// Header state, path, title, version and release of the open file.
void IdentifyImage(ImageFile& f, RomData& rd, const std::string& path);
// The file's length normalised to a headered size: one of the three
// accepted sizes, or -1.
int32_t EvaluateImageSize(int64_t fileLength, RomData& rd);
inline int32_t GetImageSize(const RomData& rd) { return rd.imageSize; }
// "24", "28", "32" or "??".
const char* ImageSizeText(int32_t imageSize);
// Appends `count` copies of `fill` to the image file and re-evaluates the
// size, as one all-or-nothing replacement of the file (as a save is).
// False (file untouched, size unchanged) on any failure; errorText then
// says why. noticeText gets what the user should know after success (other
// names of the file keep the old bytes).
bool ExpandImage(RomData& rd, uint32_t count, uint8_t fill, std::string* errorText = nullptr,
                 std::string* noticeText = nullptr);

} // namespace quorvex
