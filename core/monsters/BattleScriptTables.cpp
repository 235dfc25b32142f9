#include "monsters/BattleScriptTables.h"

#include <cstdio>

#include "rom/RomData.h"

namespace quorvex {

ScriptOperandPlaces ScriptOperands(uint8_t romType)
{
    if (romType == kRomFF6j)
        return {0x22D74, {0x21A40, 0x21A60, 0x21A67, 0x22D84}};
    return {0x22D79, {0x21A45, 0x21A65, 0x21A6C, 0x22D89}};
}

namespace {

const char* kHalbrecWarning24 =
    "Halbrec Monster AI patch was detected.\nIn order to save edited battle script with Quorvex,\n"
    "follow these steps:\n   1) Expand the ROM to 28MBit or 32MBit\n   2) Move battle script (Manage Expanded ROM "
    "menu)\n   3) Restart Quorvex\n";
const char* kHalbrecWarning =
    "Halbrec Monster AI patch was detected.\nIn order to save edited battle script with Quorvex,\n"
    "follow these steps:\n   1) Move battle script (Manage expanded ROM menu)\n   2) Restart Quorvex\n";
const char* kOstikWarning =
    "Ostik Monster AI patch was detected.\nIn order to save edited battle script with Quorvex,\n"
    "follow these steps:\n   1) Move battle script (Manage expanded ROM menu)\n   2) Restart Quorvex\n";

// The North American release's battle command names: 32 of 7 characters,
// right after the spell descriptions.
constexpr uint32_t kCommandNamesUs = 0x18CEA0;

// Bytes of ROM the image holds, judged by its accepted size (the smallest
// accepted size for an image of another length).
uint32_t RomBytes(const RomData& rd)
{
    return rd.imageSize > 0 ? static_cast<uint32_t>(rd.imageSize) - kCopierHeaderSize : kImageSize24 - kCopierHeaderSize;
}

bool AreaInImage(const RomData& rd)
{
    const BattleScriptTables& s = rd.scripts;
    if (s.pointerBase < kSnesBase || s.dataBase < kSnesBase)
        return false;
    const uint64_t end = RomBytes(rd);
    return SnesToRom(s.pointerBase) + uint64_t{kScriptPointerBytes} <= end &&
           SnesToRom(s.dataBase) + uint64_t{s.set.Capacity()} <= end;
}

} // namespace

std::string LoadBattleScripts(ImageFile& f, RomData& rd)
{
    BattleScriptTables& s = rd.scripts;
    const ScriptOperandPlaces places = ScriptOperands(rd.romType);
    uint8_t op[3];
    f.ReadRom(places.pointerBase, op, 3);
    s.pointerBase = ReadLe24(op);
    f.ReadRom(places.dataBase[0], op, 3);
    s.dataBase = ReadLe24(op);

    const uint32_t location = ScriptLocation(rd.romFlags);
    s.set.InitSet(location == 0 ? kScriptSpaceOwn : kScriptSpaceRelocated);
    // Only bytes the file really holds count as script data: a script that
    // runs past them, or a base outside the image, cannot be split.
    std::vector<uint8_t> pointers(kScriptPointerBytes, 0xFF);
    std::vector<uint8_t> data(kScriptSpaceRelocated, 0xFF);
    size_t pointerBytes = 0;
    size_t dataBytes = 0;
    if (s.pointerBase >= kSnesBase)
        pointerBytes = f.ReadRom(SnesToRom(s.pointerBase), pointers.data(), pointers.size());
    if (s.dataBase >= kSnesBase)
        dataBytes = f.ReadRom(SnesToRom(s.dataBase), data.data(), data.size());
    if (pointerBytes < kScriptPointerBytes) {
        s.set.SetStatus(kScriptsUnsplittable);
    } else {
        s.set.LoadSet(pointers.data(), data.data(), dataBytes);
    }

    s.commandNames.Clear();
    if (rd.romType == kRomFF3us)
        s.commandNames.Load(f, kCommandNamesUs, 7, 32);

    std::string warning;
    if (location == 1)
        warning = rd.imageSize == kImageSize24 ? kHalbrecWarning24 : kHalbrecWarning;
    else if (location == 2)
        warning = kOstikWarning;
    if (!warning.empty())
        rd.romFlags |= kFlagScriptWarned;
    return warning;
}

bool ScriptsWritable(const RomData& rd)
{
    const BattleScriptTables& s = rd.scripts;
    // A foreign battle-script patch: its layout is not ours to rewrite.
    if (rd.romFlags & kFlagScriptWarned)
        return false;
    const int status = s.set.Status();
    if (status == kScriptsUnsplittable || status == kScriptsOverCapacity)
        return false;
    return s.set.Avail() >= 0 && AreaInImage(rd);
}

std::string BattleScriptsDiffer(const RomData& a, const RomData& b)
{
    int differ = 0;
    for (int i = 0; i < kBattleScriptCount; ++i)
        if (!(a.scripts.set.Script(i) == b.scripts.set.Script(i)))
            ++differ;
    std::string out;
    if (differ > 0)
        out = std::to_string(differ) + (differ == 1 ? " script" : " scripts");
    if (a.scripts.dataBase != b.scripts.dataBase) {
        char where[32];
        std::snprintf(where, sizeof where, "data at $%06X", b.scripts.dataBase);
        out += (out.empty() ? "" : ", ") + std::string(where);
    }
    return out;
}

void StoreBattleScripts(ImageFile& f, RomData& rd)
{
    BattleScriptTables& s = rd.scripts;
    if (!ScriptsWritable(rd))
        return;
    const uint32_t dataRom = SnesToRom(s.dataBase);
    const uint32_t pointerRom = SnesToRom(s.pointerBase);
    // A relocation into a bank the file does not hold is never written.
    if (!f.HoldsRom(dataRom, s.set.Capacity()) || !f.HoldsRom(pointerRom, kScriptPointerBytes))
        return;

    // What the file holds now: the bases in the game's code, and the
    // scripts found where they lead.
    const ScriptOperandPlaces places = ScriptOperands(rd.romType);
    uint8_t op[3];
    f.ReadRom(places.pointerBase, op, 3);
    const bool moved = ReadLe24(op) != s.pointerBase || [&] {
        f.ReadRom(places.dataBase[0], op, 3);
        return ReadLe24(op) != s.dataBase;
    }();
    if (!moved) {
        const std::vector<uint8_t> pointers = f.ReadRom(pointerRom, kScriptPointerBytes);
        const std::vector<uint8_t> data = f.ReadRom(dataRom, kScriptSpaceRelocated);
        BattleScriptSet held;
        held.InitSet(s.set.Capacity());
        if (held.LoadSet(pointers.data(), data.data(), data.size()) != kScriptsUnsplittable && held == s.set)
            return;
    }

    std::vector<uint8_t> area, pointers;
    s.set.PackSet(area, pointers);
    area.resize(s.set.Capacity());
    f.WriteRom(pointerRom, pointers);
    f.WriteRom(dataRom, area);
    // The game's code holds the bases. They are written whenever they
    // differ from the placement: moving the scripts into a bank, to another
    // bank, or back to the game's own place (a reopened image would
    // otherwise still read the bank).
    if (moved) {
        WriteLe24(op, s.pointerBase);
        f.WriteRom(places.pointerBase, op, 3);
        WriteLe24(op, s.dataBase);
        for (uint32_t place : places.dataBase)
            f.WriteRom(place, op, 3);
    }
}

} // namespace quorvex
