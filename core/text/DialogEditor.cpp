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

std::string MonsterQuoteRefusal(const RomData& rd, bool big)
{
    if (big)
        return (rd.romFlags & kFlagMstDlgAnomaly) ? kBigQuotesProblem : "";
    return (rd.romFlags & kFlagBtlMsgAnomaly) ? kSmallQuotesProblem : "";
}

} // namespace quorvex
