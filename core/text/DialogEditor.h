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

} // namespace quorvex
