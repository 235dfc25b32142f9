#include "editors/BattleRules.h"

#include "editors/BattleTables.h"
#include "graphics/Backgrounds.h"
#include "rom/RomData.h"
#include "text/TextCodec.h"

namespace quorvex {

const char* const kCommandAttributeLabels[16] = {
    "Can be used by Gogo", "Can be mimicked", "Use when an Imp", "???", "?", "?", "?", "?",
    "Cursor moveable", "One side only", "Auto sel. both parties", "Auto sel. one party",
    "Auto confirm", "Manual party select", "Cursor starts on enemy", "Randomize selection",
};

const char* const kBlitzButtonLabels[kBlitzButtons] = {
    "0x00: no commands", "0x01: A BUTTON",    "0x02: B BUTTON", "0x03: X BUTTON",   "0x04: Y BUTTON",
    "0x05: LEFT BUTTON", "0x06: RIGHT BUTTON", "0x07: DOWN/LEFT", "0x08: DOWN",      "0x09: DOWN/RIGHT",
    "0x0A: RIGHT",       "0x0B: UP/RIGHT",    "0x0C: UP",       "0x0D: UP/LEFT",    "0x0E: LEFT",
};

int BlitzPressCount(const uint8_t* presses)
{
    int n = 0;
    while (n < kBlitzPresses && presses[n] != 0)
        ++n;
    return n;
}

uint8_t BlitzLengthByte(const uint8_t* presses) { return static_cast<uint8_t>(2 * BlitzPressCount(presses)); }

std::vector<int> BlitzDrawnPresses(const uint8_t* presses)
{
    std::vector<int> drawn;
    for (int i = 0; i < BlitzPressCount(presses); ++i)
        drawn.push_back(presses[i] < kBlitzButtons ? presses[i] : 0);
    return drawn;
}

std::string MagitekAttackLabel(const RomData& rd, int attack)
{
    if (attack == kMagitekNone)
        return "(none)";
    return std::to_string(attack) + ": " + WideToUtf8(SpellListText(rd, kMagitekFirstSpell + attack));
}

int DanceBackgroundEntry(uint8_t background)
{
    const std::vector<BackgroundChoice>& list = BattleBackgroundList();
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].id == background)
            return static_cast<int>(i);
    return 0;
}

uint8_t DanceBackgroundByte(int entry)
{
    const std::vector<BackgroundChoice>& list = BattleBackgroundList();
    if (entry < 0 || static_cast<size_t>(entry) >= list.size() || list[static_cast<size_t>(entry)].id < 0)
        return 0xFF;
    return static_cast<uint8_t>(list[static_cast<size_t>(entry)].id);
}

} // namespace quorvex
