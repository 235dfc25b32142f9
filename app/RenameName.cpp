#include "RenameName.h"

#include "RenSmallDia.h"
#include "rom/RomData.h"

using namespace quorvex;

bool RenameListEntry(QWidget* parent, RomData& rd, NameListId id, int index)
{
    NameList& list = GetNameList(rd, id);
    if (!list.loaded || !list.Valid(static_cast<uint32_t>(index)))
        return false;
    CRenSmallDia dlg(list.Get(static_cast<uint32_t>(index)), NameFontKind::Small, rd.gfx.bitmaps.smallFont,
                     rd.names.preproc.Colors(), parent);
    if (dlg.exec() != QDialog::Accepted)
        return false;
    list.Set(static_cast<uint32_t>(index), dlg.NewName());
    switch (id) {
    case NameListId::Monster:
        rd.names.preproc.Invalidate(PreprocList::Monster, index);
        break;
    case NameListId::Item:
        rd.names.preproc.Invalidate(PreprocList::Item, index);
        break;
    case NameListId::SpecialAttack:
        break; // drawn where it is shown, never cached
    default:
        rd.names.preproc.Invalidate(PreprocList::Spell);
        break;
    }
    return true;
}
