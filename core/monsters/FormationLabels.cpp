#include "monsters/FormationLabels.h"

#include <cstdio>

#include "monsters/FormationTables.h"

namespace quorvex {

const std::vector<FormationOptionBit>& FormationOptionBits()
{
    static const std::vector<FormationOptionBit> bits = {
        {0, 4, "No normal attacks", "no_normal_attacks"},
        {0, 5, "No back attacks", "no_back_attacks"},
        {0, 6, "No pincer attacks", "no_pincer_attacks"},
        {0, 7, "No side attacks", "no_side_attacks"},
        {1, 0, "Byte 1, bit 0", "byte1_bit0"},
        {1, 1, "No winning stand", "no_winning_stand"},
        {1, 2, "Prevents triple 7 Joker Doom", "prevents_triple_7_joker_doom"},
        {1, 3, "Can't Leap", "cant_leap"},
        {1, 4, "Byte 1, bit 4", "byte1_bit4"},
        {1, 5, "Byte 1, bit 5", "byte1_bit5"},
        {1, 6, "Byte 1, bit 6", "byte1_bit6"},
        {1, 7, "Special event", "special_event"},
        {3, 0, "Can't run w/ L+R, warp/smoke works", "cant_run_w_l_r_warp_smoke_works"},
        {3, 1, "Won't appear on Veldt", "wont_appear_on_veldt"},
        {3, 2, "Hide start messages", "hide_start_messages"},
        {3, 6, "Byte 3, bit 6", "byte3_bit6"},
    };
    return bits;
}

const std::vector<std::string>& FormationIntroNames()
{
    static const std::vector<std::string> names = {
        "Pre-drawn",      "Smoke",          "Ceiling",        "Sides, indiv.",  "Out of water", "Ceiling + swirl",
        "Out of sands",   "Sides, synch.",  "Fade-in type 1", "Fade-in type 2", "Fade-in type 3", "Fade-in type 4",
        "Pre-drawn",      "Flash-in",       "Invisible",      "Final Kefka",
    };
    return names;
}

const std::vector<std::string>& FormationMusicNames()
{
    static const std::vector<std::string> names = {"Battle",        "Boss",         "AtmaWpn", "Returners",
                                                   "Factory train", "Final part 1", "Current", "Current"};
    return names;
}

const std::vector<std::string>& FormationEventNames()
{
    static const std::vector<std::string> names = [] {
        std::vector<std::string> n = {
            "No events",         "Shadow at Col.",    "Kefka+Terra intro", "Vargas vs Sabin",
            "Kefka vs Sabin",    "Cyan fights alone", "Cyan fights alone", "Piranhas fight",
            "? (Kefka vs Sabin)", "? (Kefka vs Terra)", "? (Gau ret. from Veldt)", "<0x0B> not used",
            "Bridge p. 1",       "Bridge p. 2",       "Bridge p. 3",       "Ultros#3",
            "Bridge p. 4",       "Espers & airship",  "Kefka vs Esper",    "Bridge p. 6",
            "Kefka vs Leo",      "<0x15> ?",          "<0x16> ?",          "<0x17> ?",
            "<0x18> ?",
        };
        for (int e = static_cast<int>(n.size()); e < 256; ++e) {
            char buf[24];
            std::snprintf(buf, sizeof buf, "<0x%02X> not used", e);
            n.push_back(buf);
        }
        return n;
    }();
    return names;
}

const char* TerrainLabel(int terrain)
{
    static const char* const kLabels[kTerrainCount] = {"Grass possibilities", "Forest possibilities",
                                                       "Desert possibilities", "Dry land possibilities"};
    return terrain >= 0 && terrain < kTerrainCount ? kLabels[terrain] : "";
}

const char* ZoneRateName(int zone, int rate)
{
    static const char* const kRates[4] = {"Normal Encounter", "Less Encounter", "More Encounter", "No Encounter"};
    if (rate == 3 && zone >= kFirstOtherZone)
        return "Even More Encounter";
    return rate >= 0 && rate < 4 ? kRates[rate] : "";
}

const char* PackProbabilityLabel(int pack, int entry)
{
    // The game picks entry 3 of a pack of four once in sixteen battles and
    // each other entry five times; of a pack of two, the first three times
    // in four.
    if (pack < kPacksOfFour)
        return entry == 3 ? "Probability: 1/16" : "Probability: 5/16";
    return entry == 0 ? "Probability: 3/4" : "Probability: 1/4";
}

} // namespace quorvex
