#include "monsters/BattleScriptTexts.h"

#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <vector>

namespace quorvex {

namespace {

constexpr const char* kUnknown = "???";
constexpr const char* kAllAllies = " (all allies if N/A)";

template <size_t N>
const char* Lookup(const char* const (&table)[N], int n)
{
    return n >= 0 && static_cast<size_t>(n) < N ? table[n] : kUnknown;
}

// Targeting values 0x00-0x4D.
const std::vector<std::string>& Targets()
{
    static const std::vector<std::string> t = [] {
        static const char* const kActors[16] = {"Terra", "Locke", "Cyan",   "Shadow", "Edgar", "Sabin",
                                                "Celes", "Strago", "Setzer", "Relm",  "Mog",   "Gau",
                                                "Gogo",  "Umaro", "Banon",  "Leo"};
        std::vector<std::string> v;
        for (const char* a : kActors)
            v.push_back(std::string(a) + kAllAllies);
        v.push_back(kUnknown);                            // 0x10
        v.push_back("allies (???, Larry, Curly & Moe)"); // 0x11
        while (v.size() < 0x2B)
            v.push_back(kUnknown);
        v.push_back("??? (used by Esper vs Kefka)"); // 0x2B
        while (v.size() < 0x30)
            v.push_back(kUnknown);
        for (int m = 1; m <= 6; ++m)
            v.push_back("monster #" + std::to_string(m) + " (random ally if N/A)");
        static const char* const kRest[] = {
            "self",                                   // 0x36
            "all monsters except self",
            "all monsters",
            "random monster excluding self (allies if N/A)",
            "random monster (self if N/A)",
            "all dead allies",                        // 0x3B
            "random dead ally",
            "all dead monsters (random ally if N/A)",
            "all dead monsters",
            "all allies with wall status",            // 0x3F
            "random ally with wall status",
            "all monsters with wall status",
            "random monster with wall status",
            "allies",                                 // 0x43
            "random ally",
            "last ally/monster who attacked (random ally if N/A)",
            "all allies and monsters",
            "use normal targeting",                   // 0x47
            "ally #1",
            "ally #2",
            "ally #3",
            "ally #4",
            "50% chance all targets (except self), 50% one random target (not self)",
            "that was last targeted by Targeting",    // 0x4D
        };
        v.insert(v.end(), std::begin(kRest), std::end(kRest));
        return v;
    }();
    return t;
}

constexpr const char* kF5Entry[] = {
    "suddently", "in smoke", "jumps in", "from side, indiv.", "in water", "from top in swirl", "from water",
    "from side synch.", "from top", "from bottom", "in checkers (does not work on bigger graphics)", "diagonal",
    "dies like a boss", "with blinking", "in light & flashes", "slowly from the skies Dancing Mad music kicks in",
    "<not tested>",
    "disintegrates, background may corrupt, screen goes black (final Kefka's death)",
};

constexpr const char* kF5Change[] = {
    ", if hidden/dead, brought in with their HP restored",
    "are killed",
    ", if hidden, brought in without affecting their HP",
    "are hidden and their HP restored",
    "are hidden without affecting their HP",
};

constexpr const char* kFA[] = {
    "Monsters palette flashes to red",
    "moves back 1 step slowly",
    "moves forward 1 step slowly",
    "moves back 1 step quickly",
    "moves forward 1 step quickly",
    "Allies switch from left to right side",
    "Allies switch from right to left side",
    "steps back 3 steps quickly",
    "steps forward 3 steps quickly",
    "Play sound",
    "Final Kefka's laughing face, screen shakes",
    "Monsters palette flashes to yellow",
    "Monsters palette flashes to yellow briefly",
    "Background gets darker, sounds like boss dying",
};

constexpr const char* kFB[] = {
    "has battle timer set to 0", "becomes invincible", "Ends battle", "Gau is recruited, re-arrange roster",
    "Sets global battle timer to 0", "loses invincibility", "becomes targetable", "becomes untargetable",
    "<unknown>", "Gau came back from the Veldt, battle ends", "Does nothing", "Monster gains hidden status",
    "Monster loses status",
};

constexpr const char* kEvents[kScriptEventCount] = {
    "party jump in",
    "party dance",
    "Ultros, Relm draws him (Terra, Strago, Locke)",
    "party dance",
    "Vick + Wedge + Terra + Tritoch, fade to black",
    "Whelk, Vicks & Wedge",
    "Terra + Edgar + Locke (about Terra's magic power)",
    "Sabin intro defy Vargas",
    "Sabin must use blitz (instructions follows)",
    "conclusion of Sabin & Vargas",
    "defeated Ultros at Leet river w/ Sabin, Edgar, Terra and Banon, fades to black",
    "Shadow leaves",
    "??? (Lockes turn away!! silent text!!)",
    "Gau is recruited by Sabin and Cyan, Kappa instructions, fade to black",
    "Locke gets soldiers clothes",
    "Locke gets merchants clothes",
    "Locke + Celes + Runic blade",
    "Kefka bids Terra to burn stuff, fade to black",
    "meet w/ Tritoch, Terra reveals her true self, fade to black",
    "Kefka and allies at bridge intro",
    "gate of Esper world opens",
    "Espers flying by (Terra and Locke), fade to black",
    "Ultros, Relm draws him (Terra, Strago, Locke)",
    "Kefka from Leo's last fight, fade to black",
    "second wave of Espers, fade to black",
    "Locke shields Terra, Kefka laughs, fade to black",
    "Kefka (or ally #1) gets an Esper with x-zone (enemy #1 become invizible)",
    "Gau want to come back",
    "Gau is attacked and leaves + text",
    "Kefka vs Sabin at imperial camp, Sabin leaves (and Shadow?)",
    "Kefka (ally #2) vs Gesthal (ally #3), fades to black",
    "Wrexsoul intro text",
    "final Kefka mojo",
};

// Sound effects the game's scripts play. The entries carry their code in
// front ("0x2D: ..."); the codes run 0x00-0x63 in order, then the few
// higher codes scripts use. Effects without a known description are named
// by their code alone.
const std::vector<std::string>& Sounds()
{
    static const std::vector<std::string> s = [] {
        struct Known {
            int code;
            const char* text;
        };
        static const Known kKnown[] = {
            {0x00, "Lore magic cast sound"},
            {0x2D, "enemy death sound"},
            {0x63, "MagiTek BioAttack"},
            {0xDA, "wha-thum! (Flail)"},
            {0xFF, "Nothing)"},
        };
        std::vector<int> codes;
        for (int c = 0; c <= 0x63; ++c)
            codes.push_back(c);
        for (int c : {0x8B, 0x8C, 0x94, 0xA3, 0xA4, 0xA8, 0xB7, 0xB8, 0xDA, 0xFF})
            codes.push_back(c);
        std::vector<std::string> out;
        for (int c : codes) {
            char text[64];
            std::snprintf(text, sizeof text, "0x%02X: sound effect 0x%02X", c, c);
            for (const Known& k : kKnown)
                if (k.code == c)
                    std::snprintf(text, sizeof text, "0x%02X: %s", c, k.text);
            out.push_back(text);
        }
        return out;
    }();
    return s;
}

constexpr const char* kElements[8] = {"Fire", "Ice", "Lightn.", "Poison", "Wind", "Pearl", "Earth", "Water"};

constexpr const char* kStatuses[24] = {
    "Dark",      "Zombie", "Poison", "MagiTek", "Clear",   "Imp",    "Petrify", "Death",
    "Condemned", "Near Fatal", "Image", "Mute", "Berserk", "Muddle", "Seizure", "Sleep",
    "Float",     "Regen",  "Slow",   "Haste",   "Stop",    "Shell",  "Safe",    "Reflect",
};

} // namespace

const char* ScriptTargetText(int n)
{
    const auto& t = Targets();
    return n >= 0 && static_cast<size_t>(n) < t.size() ? t[static_cast<size_t>(n)].c_str() : kUnknown;
}
const char* ScriptF5EntryText(int n) { return Lookup(kF5Entry, n); }
const char* ScriptF5ChangeText(int n) { return Lookup(kF5Change, n); }
const char* ScriptFAText(int n) { return Lookup(kFA, n); }
const char* ScriptFBText(int n) { return Lookup(kFB, n); }
const char* ScriptEventText(int n) { return n >= 0 && n < kScriptEventCount ? kEvents[n] : nullptr; }

std::string ScriptSoundText(int code)
{
    for (const std::string& entry : Sounds())
        if (std::strtol(entry.c_str(), nullptr, 16) == code)
            return entry.substr(6);
    return kUnknown;
}

const char* ElementName(int bit) { return Lookup(kElements, bit); }
const char* StatusName(int bit) { return Lookup(kStatuses, bit); }

} // namespace quorvex
