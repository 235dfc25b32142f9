#include "editors/SpellEffects.h"

#include <cstdlib>
#include <cstring>

#include "text/TextPage.h"

namespace quorvex {

const char* const kSpellSpecial1Labels[8] = {"Physical damage",           "Spell miss if death prot.",
                                             "Target only dead allies",   "Inv. dam./cure for undead",
                                             "Randomize target",          "Ignore target's defense",
                                             "No split damage",           "Abort on allies, cost MP"};
const char* const kSpellDamageLabels[8] = {"Can use outside battle",  "Not reflectable", "Learn if casted on",
                                           "Enable Runic",            "??? (warp, quick)", "Retarget if target dead",
                                           "Caster dies",             "Concern MP"};
const char* const kSpellSpecial2Labels[8] = {"Heal",           "Redirection",           "Lift status",
                                             "Toggle status",  "Stam. involved in def.", "Can't be dodged",
                                             "Hits mult. of success %", "factor=(power*100/16)%"};
const char* const kSpellSpecial3Labels[8] = {"Miss if prot. from ailments", "If hits, text (monst.)", "Bit 2",
                                             "Bit 3", "Bit 4", "Bit 5", "Bit 6", "Bit 7"};

namespace {

// The effects the game's spells use. The descriptions and examples are this
// editor's own wording of what each effect is seen to do in battle.
const char* const kEffects[] = {
    "00 = None (Fire, Cure, Bio)",
    "01 = Hits the side opposite the cursor's (Meteor)",
    "03 = Kills unless the target is immune (Doom, X-Zone)",
    "09 = Level multiple of four (L.4 Flare)",
    "10 = Steps walked raise damage (Step Mine)",
    "11 = Kills the caster's side too (Exploder)",
    "12 = Random target, whole party (Roulette)",
    "13 = Swaps statuses with target (Rippler)",
    "15 = Halves target's level (Dischord)",
    "16 = Damage from caster's missing HP (Revenge)",
    "17 = Damage from caster's HP (Pearl Wind)",
    "18 = Removes Float, hits floaters (Quake)",
    "19 = Quarter of target's HP (Quartr)",
    "1A = Half of target's HP (Demi)",
    "1B = Drains HP (Drain)",
    "1C = Drains MP (Osmose)",
    "1D = Damages MP (Rasp)",
    "1E = Reveals HP, MP and weaknesses (Scan)",
    "1F = Removes a target from battle (Warp, X-Zone)",
    "20 = Caster acts twice more (Quick)",
    "21 = Leaves the battle (Warp)",
    "22 = Summons a random esper (Slot)",
    "23 = Damage from gil (Gil toss)",
    "24 = Kills if level is a multiple of five (L.5 Doom)",
    "25 = Confuses if level is a multiple of three (L.3 Muddle)",
    "26 = Hits if level is prime (L.? Pearl)",
    "27 = Reverses statuses of the whole party (Force Field)",
    "28 = Blocks one element for the battle (Force Field)",
    "29 = Damage from steps and time (Traveler)",
    "2A = Random status on hit (Sour Mouth)",
    "2B = Fixed 1000 damage (Blow Fish)",
    "2C = Takes caster's MP as damage (Mind Blast)",
    "2D = Heals the caster's side, harms the other (Rippler)",
    "2E = Brings back with full HP (Life 2)",
    "2F = Brings back with low HP (Life)",
    "30 = Hits all in the row (Aqua Rake)",
    "31 = Halves damage for each target (Tsunami)",
    "32 = Steals an item (Steal)",
    "33 = Steals an item and attacks (Mug)",
    "34 = Takes control of a monster (Control)",
    "35 = Copies a monster's attack (Sketch)",
    "36 = Throws an item (Throw)",
    "37 = Uses a tool (Tools)",
    "38 = Leaves to the Veldt (Leap)",
    "39 = Dragon jump (Jump)",
    "3A = Sword technique (SwdTech)",
    "3B = Blitz input (Blitz)",
    "3C = Dance of the terrain (Dance)",
    "3D = Random rage of the Veldt (Rage)",
    "3E = Ends the battle at once (Smoke bomb)",
    "3F = Changes the battle background (Dance)",
    "40 = Restores HP and MP (Elixir)",
    "43 = Raises the caster's level (?)",
    "44 = Hits with the caster's weapon (Fight)",
    "45 = Gives MP to the target (Ether)",
    "4A = Strikes in a chain (Air anchor)",
    "50 = Breaks the target's weapon (Ogre Nix)",
    "52 = Kills the caster, heals the party (Valor)",
    "53 = Damage from the target's defence (Shock)",
    "54 = Makes the target a zombie (Zombie)",
    "56 = Empties the target's MP (Mute)",
    "57 = Grants invisibility to the party (Vanish)",
    "FF = No effect at all, the spell is a message (?)",
};

// The code written in front of an effect text.
int CodeOf(const char* text) { return static_cast<int>(std::strtol(std::string(text, 2).c_str(), nullptr, 16)); }

} // namespace

int SpecialEffectTextCount() { return static_cast<int>(std::size(kEffects)); }

const char* SpecialEffectText(int row)
{
    return row >= 0 && row < SpecialEffectTextCount() ? kEffects[row] : "";
}

SpecialEffectRow SpecialEffectRowOf(int code)
{
    for (const char* text : kEffects) {
        if (CodeOf(text) != code)
            continue;
        std::string rest = text;
        const size_t eq = rest.find(" = ");
        rest = eq == std::string::npos ? rest : rest.substr(eq + 3);
        const size_t open = rest.find(" (");
        if (open == std::string::npos)
            return {rest, ""};
        const size_t close = rest.find(')', open);
        return {rest.substr(0, open), rest.substr(open + 2, close == std::string::npos ? std::string::npos
                                                                                          : close - open - 2)};
    }
    return {Format("? (0x%02X)", code & 0xFF), ""};
}

} // namespace quorvex
