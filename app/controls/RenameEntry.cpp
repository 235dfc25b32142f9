#include "controls/RenameEntry.h"

#include "RenSmallDia.h"
#include "rom/RomData.h"

using namespace quorvex;

bool RenameEntry(QWidget* parent, RomData& rd, NameListId id, int index)
{
    NameList& list = GetNameList(rd, id);
    const std::vector<uint8_t> old = list.Get(static_cast<uint32_t>(index));
    if (old.empty())
        return false;
    CRenSmallDia dia(old, NameFontKind::Small, rd.gfx.smallFont.bytes, rd.names.preproc.Colors(), parent);
    if (dia.exec() != QDialog::Accepted || dia.NewName() == old)
        return false;
    list.Set(static_cast<uint32_t>(index), dia.NewName());
    rd.names.preproc.Reset();
    return true;
}
