#include "rom/PatchDetect.h"

#include <openssl/evp.h>

#include <cctype>
#include <cstdio>
#include <cstring>

#include "monsters/BattleScriptTables.h"
#include "rom/AttackNameRoutine.h"
#include "rom/RomData.h"
#include "text/PrintableText.h"

namespace quorvex {

const uint8_t kDialogueRoutineOwn[38] = {0xa9, 0xcd, 0x85, 0xcb, 0xc2, 0x20, 0xa5, 0xd0, 0x0a, 0xaa,
                                         0xbf, 0x02, 0xe6, 0xcc, 0x85, 0xc9, 0xa5, 0xd0, 0xcf, 0x00,
                                         0xe6, 0xcc, 0x90, 0x05, 0x7b, 0xe2, 0x20, 0xe6, 0xcb, 0x7b,
                                         0xe2, 0x20, 0xa9, 0x01, 0x8d, 0x68, 0x05, 0x60};
const uint8_t kDialogueRoutineFF3Edit[38] = {0x7b, 0xaa, 0xc2, 0x20, 0xa5, 0xd0, 0xe8, 0xe8, 0xe8, 0xdf,
                                             0x7d, 0xdf, 0xc0, 0xb0, 0xf7, 0x0a, 0x48, 0xbf, 0x7e, 0xdf,
                                             0xc0, 0x85, 0xca, 0xfa, 0xbf, 0x02, 0xe6, 0xcc, 0x85, 0xc9,
                                             0xe2, 0x20, 0x7b, 0x1a, 0x8d, 0x68, 0x05, 0x60};
const uint8_t kAttackNamesOwn[41] = {0xcf, 0x85, 0x12, 0xa0, 0x01, 0x00, 0xc2, 0x20, 0xb1, 0x76, 0x0a,
                                     0x85, 0x10, 0x0a, 0x0a, 0x18, 0x65, 0x10, 0x18, 0x69, 0xd0, 0xd0,
                                     0x85, 0x10, 0x7b, 0xe2, 0x20, 0xa8, 0xb7, 0x10, 0xc9, 0xff, 0xf0,
                                     0x09, 0x99, 0xd5, 0x57, 0xc8, 0xc0, 0x0a, 0x00};
const uint8_t kAttackNamesExpA[40] = {0x85, 0x12, 0xa0, 0x01, 0x00, 0xc2, 0x20, 0xb1, 0x76, 0x0a,
                                      0x0a, 0x0a, 0x0a, 0xea, 0xea, 0xea, 0xea, 0xea, 0xea, 0xea,
                                      0xea, 0x85, 0x10, 0x7b, 0xe2, 0x20, 0xa8, 0xb7, 0x10, 0xc9,
                                      0xff, 0xf0, 0x09, 0x99, 0xd5, 0x57, 0xc8, 0xc0, 0x10, 0x00};
const uint8_t kAttackNamesExpBHead[15] = {0x85, 0x12, 0xa0, 0x01, 0x00, 0xc2, 0x20, 0xb1,
                                          0x76, 0x0a, 0x0a, 0x0a, 0x0a, 0x18, 0x69};
const uint8_t kAttackNamesExpBTail[17] = {0x7b, 0xe2, 0x20, 0xa8, 0xb7, 0x10, 0xc9, 0xff, 0xf0,
                                          0x09, 0x99, 0xd5, 0x57, 0xc8, 0xc0, 0x10, 0x00};

uint32_t AttackNameRoutineOffset(uint8_t version)
{
    if (version == 0)
        return 0x1973C;
    if (version == 1)
        return 0x19739;
    return 0;
}

namespace {

void DetectDialogueAndMapGfx(ImageFile& f, RomData& rd)
{
    // Only an expanded North American image can carry these patches.
    if (rd.romType != kRomFF3us || f.RomLength() <= 0x300000)
        return;
    uint8_t code[38];
    f.ReadRom(0x7FBF, code, sizeof code);
    if (std::memcmp(code, kDialogueRoutineFF3Edit, sizeof code) == 0)
        rd.romFlags = (rd.romFlags | kFlagDialogFF3Edit) & ~kFlagDialogUnknown;
    else if (std::memcmp(code, kDialogueRoutineOwn, sizeof code) != 0)
        rd.romFlags = (rd.romFlags | kFlagDialogUnknown) & ~kFlagDialogFF3Edit;
    for (int i = 0; i < 29; ++i)
        if (rd.mapGfxPointers[i] >= 0xF00000) // the expanded section begins at $F00000
            rd.romFlags |= kFlagFF3EditMapGfx;
}

void DetectScriptLocation(ImageFile& f, RomData& rd)
{
    const ScriptOperandPlaces places = ScriptOperands(rd.romType);
    uint8_t op[3];
    f.ReadRom(places.pointerBase, op, 3);
    const uint32_t ptrBase = ReadLe24(op);
    f.ReadRom(places.dataBase[0], op, 3);
    const uint32_t dataBase = ReadLe24(op);
    uint32_t location = 0;
    if (ptrBase == 0xF00000 && dataBase == 0xF00300)
        location = 2;
    else if (ptrBase == kScriptPtrBaseOwn && dataBase != kScriptDataBaseOwn)
        location = 3;
    if (location == 0) {
        // Scripts that reach past the game's own area were grown in place.
        uint8_t ptrs[384 * 2];
        f.ReadRom(0xF8400, ptrs, sizeof ptrs);
        for (int i = 0; i < 384; ++i)
            if (ReadLe16(ptrs + 2 * i) > kScriptSpaceOwn)
                location = 1;
    }
    rd.romFlags = WithScriptLocation(rd.romFlags, location);
}

void DetectAttackNames(ImageFile& f, RomData& rd)
{
    if (rd.romType == kRomFF6j) {
        rd.spAttackNameAddr = kAttackNamesJpAddr;
        rd.spAttackNameLen = kAttackNamesJpLen;
        return;
    }
    const uint32_t at = AttackNameRoutineOffset(rd.version);
    uint8_t code[kAttackNameRoutineSize];
    // No routine position is known for other versions: an unknown change.
    std::memset(code, 0, sizeof code);
    if (at != 0)
        f.ReadRom(at, code, sizeof code);
    const AttackNamePlacement p = ReadAttackNameRoutine(code);
    rd.romFlags = (rd.romFlags & ~(kFlagAttackNamesA | kFlagAttackNamesB)) | p.bits;
    rd.spAttackNameAddr = p.address;
    rd.spAttackNameLen = p.length;
}

} // namespace

void DetectPatches(ImageFile& f, RomData& rd)
{
    if (!rd.IsKnown())
        return;
    DetectDialogueAndMapGfx(f, rd);
    DetectScriptLocation(f, rd);
    DetectAttackNames(f, rd);
}

std::string Md5Hex(const std::vector<uint8_t>& bytes)
{
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int len = 0;
    EVP_Digest(bytes.data(), bytes.size(), digest, &len, EVP_md5(), nullptr);
    std::string hex;
    char two[3];
    for (unsigned i = 0; i < len; ++i) {
        std::snprintf(two, sizeof two, "%02x", digest[i]);
        hex += two;
    }
    return hex;
}

bool DigestMatches(const std::vector<uint8_t>& bytes, const std::string& reference)
{
    const std::string mine = Md5Hex(bytes);
    if (mine.size() != reference.size())
        return false;
    for (size_t i = 0; i < mine.size(); ++i)
        if (mine[i] != std::tolower(static_cast<unsigned char>(reference[i])))
            return false;
    return true;
}

std::string BuildStatusReport(const RomData& rd)
{
    if (!rd.IsOpen())
        return kNoRomLoaded;
    char line[256];
    std::string r;
    r += "ROM internal name: \"" + PrintableText(rd.internalName) + "\"\n";
    const char* type = rd.romType == kRomFF3us ? "FF3us" : rd.romType == kRomFF6j ? "FF6j" : "Unkown type";
    std::snprintf(line, sizeof line, "%s, Version: 1.%d\n", type, rd.version);
    r += line;
    r += std::string("Cart size: ") + ImageSizeText(rd.imageSize) + " Mbit\n";
    r += std::string("ROM is expanded: ") + (rd.imageSize == kImageSize24 ? "no" : "yes") + "\n";
    r += std::string("ROM is header-less: ") + (rd.IsHeaderless() ? "yes" : "no") + "\n";
    r += "Patch already applied: ";

    const uint32_t fl = rd.romFlags;
    const uint32_t names = fl & (kFlagAttackNamesA | kFlagAttackNamesB);
    const uint32_t dialog = fl & (kFlagDialogFF3Edit | kFlagDialogUnknown);
    const uint32_t loc = ScriptLocation(fl);
    std::vector<const char*> found;
    if (fl & kFlagFF3EditMapGfx)
        found.push_back("FF3Edit gfx map");
    if (names == kFlagAttackNamesA)
        found.push_back("Mst. sp. attack exp.");
    if (names == kFlagAttackNamesB)
        found.push_back("Mst. sp. attack exp.");
    if (names == (kFlagAttackNamesA | kFlagAttackNamesB))
        found.push_back("Unkn. mst. sp. attack hack");
    if (loc == 1)
        found.push_back("Halbrec mst AI");
    if (loc == 2)
        found.push_back("Ostik mst AI");
    if (loc == 3)
        found.push_back("Quorvex mst AI");
    if (dialog == kFlagDialogFF3Edit)
        found.push_back("FF3Edit dialog");
    if (dialog == kFlagDialogUnknown)
        found.push_back("Unknown dialog hack");
    if (fl & kFlagTownDlgPtrs)
        found.push_back("Hand edited Town Dlg. ptrs.");
    if (fl & kFlagMiniMapMissing)
        found.push_back("Mini-map(s) corrupted");
    if (fl & kFlagMapDataMissing)
        found.push_back("Map(s) data corrupted");
    if (fl & kFlagMapTilesMissing)
        found.push_back("Map(s) tiles corrupted");
    if (found.empty()) {
        r += "none\n";
    } else {
        for (size_t i = 0; i < found.size(); ++i) {
            if (i)
                r += ", ";
            r += found[i];
        }
    }
    r += "\n";
    return r;
}

bool CanExpand(const RomData& rd) { return rd.imageSize == kImageSize24 || rd.imageSize == kImageSize28; }
bool CanManageExpanded(const RomData& rd) { return rd.imageSize == kImageSize28 || rd.imageSize == kImageSize32; }

} // namespace quorvex
