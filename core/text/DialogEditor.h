#pragma once
// What the dialogue editor needs of the document besides its three pages:
// the refusals on opening, and its Cancel.
#include <string>

namespace quorvex {

struct RomData;

constexpr const char* kDialogRoutineUnrecognised =
    "Dialog routine unrecognised. Quorvex cannot work with the potentially reformated data.";
constexpr const char* kDialogPointersHandEdited =
    "Dialog routine pointers were hand hex. edited. Quorvex cannot work with the reformated data.";

// The error the dialogue editor shows instead of opening; empty when it opens.
std::string DialogEditorRefusal(const RomData& rd);

// Why the monster editor cannot show a quote page (big quotes: the monster
// battle dialogue; small quotes: the battle messages), when the document
// found the block's pointers hand edited; empty when it can.
constexpr const char* kBigQuotesProblem =
    "Problem parsing Monster Quote 1, probably due to hex edited pointers.\nSorry, Quorvex can't edit them.";
constexpr const char* kSmallQuotesProblem =
    "Problem parsing Monster Quote 2, probably due to hex edited pointers.\nSorry, Quorvex can't edit them.";
std::string MonsterQuoteRefusal(const RomData& rd, bool big);

} // namespace quorvex
