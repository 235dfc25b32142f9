#include "MstQutsPage.h"

#include "rom/RomData.h"

using namespace quorvex;

CMstQutsPage::CMstQutsPage(CEditorSheet* sheet, bool big)
    : CTextPage(sheet->Rom(), big ? BattleBigPageConfig(sheet->Rom()) : BattleSmallPageConfig(sheet->Rom())),
      m_sheet(sheet)
{
    if (const CFF6DynTextObj* block = Logic().Config().block) {
        m_openedData = block->Data();
        m_openedPointers = block->Pointers();
    }
}

void CMstQutsPage::StoreShown()
{
    const CFF6DynTextObj* block = Logic().Config().block;
    if (block && (block->Data() != m_openedData || block->Pointers() != m_openedPointers))
        m_sheet->SetEdited();
}
