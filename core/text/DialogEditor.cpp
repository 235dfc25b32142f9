#include "text/DialogEditor.h"

#include "rom/RomData.h"
#include "text/TextTables.h"

namespace quorvex {

std::string DialogEditorRefusal(const RomData& rd)
{
    if (DialogueRoutineUnknown(rd.romFlags))
        return kDialogRoutineUnrecognised;
    if (rd.romFlags & kFlagTownDlgPtrs)
        return kDialogPointersHandEdited;
    return "";
}

} // namespace quorvex
