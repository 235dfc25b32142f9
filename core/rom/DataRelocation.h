#pragma once
// Moving data into the expanded section of a 28 or 32 Mbit image, or back:
// the monster battle scripts (into a whole 64 KiB bank, giving them room to
// grow), the town dialogue (a third data page at $F00000) and the monster
// special attack names (into a bank, 16 characters each instead of 10).
//
// These operations only change the document: where the data lies, the
// romFlags bits that say so, and the space available. The data itself is
// moved, and the game's code adjusted, by the stores when the user saves.
//
// The expanded section starts at $F00000 and is handed out by 64 KiB banks.
// Its first banks hold the third dialogue page and any world-map blocks
// that no longer fit their regular areas; each relocated thing gets a bank
// of its own. A bank that holds other data is never offered, and choosing
// it anyway is refused: saving would write one thing over the other.
#include <cstdint>
#include <string>
#include <vector>

namespace quorvex {

struct RomData;

constexpr uint32_t kExpandedSectionSnes = 0xF00000;
constexpr uint32_t kBankSize = 0x10000;

// A bank as the manager keeps it: the headered offset of its first byte
// (bank $F6 is 0x360200), and its SNES bank byte.
constexpr uint32_t BankHeadered(int bankByte) { return static_cast<uint32_t>(bankByte) * kBankSize - 0xBFFE00; }
constexpr int BankByte(uint32_t headered) { return static_cast<int>((headered + 0xBFFE00) >> 16); }

// The outcome of an operation: done, or refused with a message. A refusal
// the manager window passes over without a word (the window only leaves
// the choice as it was) is `silent`; the command line prints its message
// all the same.
struct RelocationResult {
    bool ok = true;
    std::string message;
    bool silent = false;
    static RelocationResult Done() { return {}; }
    static RelocationResult Refused(std::string text, bool quiet = false) { return {false, std::move(text), quiet}; }
};

namespace reloctext {
constexpr const char* kScriptsTooBig =
    "The Battle Script are using more bytes than what was initialy allocated.\nCannot revert to original Battle "
    "Script location.";
constexpr const char* kDialogueNotFF3us32 =
    "Cannot apply patch to this ROM. Either it is not FF3us or it is not 32Mbit of size.";
constexpr const char* kDialogueNotEnoughBytes =
    "Not enough bytes available!!\nTip: if you haven't done this yet,\nuse the 'Optimize' button in the Dialog "
    "Editor and try again";
constexpr const char* kDialogueNotFF3us = "Cannot apply anti-patch to this ROM. It is not FF3us";
constexpr const char* kNamesUnknownError =
    "Unknown error.\nCannot revert to originalMonster Special Attack names location.";
// Refusals the game's own layout calls for.
constexpr const char* kNotExpanded = "This ROM is not expanded.\nExpand it to 28Mbit or 32Mbit first.";
constexpr const char* kBankOutside = "Bank %02X is not part of the expanded section of this ROM.";
constexpr const char* kBankHoldsExpandedData =
    "Bank %02X holds the 3rd Town Dialog page or world map data.\nPlease choose another bank.";
constexpr const char* kBankHoldsNames =
    "Bank %02X holds the Monster Special Attack names.\nPlease choose another bank for the Battle Scripts.";
constexpr const char* kBankHoldsScripts =
    "Bank %02X holds the Battle Scripts.\nPlease choose another bank for the Monster Special Attack names.";
constexpr const char* kF0Taken =
    "Bank F0 holds relocated data.\nMove it to another bank before adding the 3rd Town Dialog data page.";
constexpr const char* kNotOurScriptPatch =
    "The Battle Scripts were moved by another patch.\nQuorvex can only remove its own Battle Script patch.";
constexpr const char* kNamesUnknownHack =
    "The Monster Special Attack names routine was changed by an unknown hack.\nQuorvex cannot move the names.";
constexpr const char* kTooManyCaptions =
    "There are too many Town Dialog captions for the 3rd data page layout.";
} // namespace reloctext

// Banks of the expanded section: N is 8 at 28 Mbit, 16 at 32 Mbit, else 0.
int ExpandedBankCount(const RomData& rd);
// The first bank index (0 = $F0) free of the third dialogue page and of
// world-map blocks laid into the expanded section.
int FirstFreeBankIndex(const RomData& rd);
// Bank bytes the relocated scripts and names occupy; empty when they are
// at the game's own place.
std::vector<int> ScriptBanksInUse(const RomData& rd);
std::vector<int> AttackNameBanksInUse(const RomData& rd);
// The banks the manager lists for each relocation (bank bytes, ascending).
std::vector<int> OfferedScriptBanks(const RomData& rd);
std::vector<int> OfferedAttackNameBanks(const RomData& rd);
// SNES address of the first byte world-map blocks may not reach in the
// expanded section: the lowest bank a relocation occupies there, or the
// end of the image.
uint32_t ExpandedMapLimit(const RomData& rd);

// The bank choices when the manager opens.
uint32_t InitialScriptBank(const RomData& rd);
uint32_t InitialAttackNameBank(const RomData& rd);

RelocationResult ApplyScriptRelocation(RomData& rd, uint32_t bank);
RelocationResult RemoveScriptRelocation(RomData& rd);
RelocationResult ApplyDialogueExpansion(RomData& rd);
RelocationResult RemoveDialogueExpansion(RomData& rd);
RelocationResult ApplyAttackNameRelocation(RomData& rd, uint32_t bank);
RelocationResult RemoveAttackNameRelocation(RomData& rd);

} // namespace quorvex
