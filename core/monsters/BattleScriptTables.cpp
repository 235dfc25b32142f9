#include "monsters/BattleScriptTables.h"

#include <algorithm>

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

// Operand count of a script command by its opcode.
int OperandCount(uint8_t op)
{
    static const int kHigh[16] = {3, 1, 3, 2, 3, 3, 3, 1, 2, 3, 3, 2, 3, 0, 0, 0};
    return op < 0xF0 ? 0 : kHigh[op - 0xF0];
}

// Bytes the 384 scripts use together: each script runs from its pointer to
// its second 0xFF command. A script that runs off the area counts to the end.
uint32_t MeasureScripts(const BattleScriptTables& s)
{
    uint32_t used = 0;
    for (size_t i = 0; i + 1 < s.pointers.size(); i += 2) {
        const size_t start = ReadLe16(&s.pointers[i]);
        size_t q = start;
        int ends = 0;
        while (q < s.data.size() && ends < 2) {
            const uint8_t op = s.data[q];
            if (op == 0xFF)
                ++ends;
            q += 1 + static_cast<size_t>(OperandCount(op));
        }
        used += static_cast<uint32_t>(std::min(q, s.data.size()) - std::min(start, s.data.size()));
    }
    return used;
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
    s.space = location == 0 ? kScriptSpaceOwn : kScriptSpaceRelocated;
    // Operands that do not lead into the image give empty tables (0xFF).
    s.pointers.assign(kScriptPointerBytes, 0xFF);
    s.data.assign(kScriptSpaceRelocated, 0xFF);
    if (s.pointerBase >= kSnesBase)
        f.ReadRom(SnesToRom(s.pointerBase), s.pointers.data(), s.pointers.size());
    if (s.dataBase >= kSnesBase)
        f.ReadRom(SnesToRom(s.dataBase), s.data.data(), s.data.size());
    s.usedBytes = MeasureScripts(s);

    std::string warning;
    if (location == 1)
        warning = rd.imageSize == 0x300200 ? kHalbrecWarning24 : kHalbrecWarning;
    else if (location == 2)
        warning = kOstikWarning;
    if (!warning.empty())
        rd.romFlags |= kFlagScriptWarned;
    return warning;
}

void StoreBattleScripts(ImageFile& f, RomData& rd)
{
    BattleScriptTables& s = rd.scripts;
    // A foreign battle-script patch: its layout is not ours to rewrite.
    if (rd.romFlags & kFlagScriptWarned)
        return;
    if (s.usedBytes > s.space || s.pointerBase < kSnesBase || s.dataBase < kSnesBase)
        return;
    const uint32_t dataRom = SnesToRom(s.dataBase);
    // The area must lie inside the image: a relocation into a bank the file
    // does not hold is never written.
    if (!f.HoldsRom(dataRom, s.space) || !f.HoldsRom(SnesToRom(s.pointerBase), kScriptPointerBytes))
        return;
    std::vector<uint8_t> area(s.data.begin(), s.data.begin() + s.space);
    f.WriteRom(SnesToRom(s.pointerBase), s.pointers);
    f.WriteRom(dataRom, area);
    if (ScriptLocation(rd.romFlags) == 3) {
        const ScriptOperandPlaces places = ScriptOperands(rd.romType);
        uint8_t op[3];
        WriteLe24(op, s.pointerBase);
        f.WriteRom(places.pointerBase, op, 3);
        WriteLe24(op, s.dataBase);
        for (uint32_t place : places.dataBase)
            f.WriteRom(place, op, 3);
    }
}

} // namespace quorvex
