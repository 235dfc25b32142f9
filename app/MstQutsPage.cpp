#include "MstQutsPage.h"

#include <QVBoxLayout>

#include "TextPage.h"
#include "rom/RomData.h"

using namespace quorvex;

namespace {
const CFF6DynTextObj& Block(RomData& rd, bool big) { return big ? rd.text.monsterDialogue : rd.text.battleMessages; }
} // namespace

CMstQutsPage::CMstQutsPage(CEditorSheet* sheet, bool big) : m_sheet(sheet), m_big(big)
{
    const CFF6DynTextObj& block = Block(sheet->Rom(), big);
    m_openedData = block.Data();
    m_openedPointers = block.Pointers();
    auto* lay = new QVBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
}

CTextPage* CMstQutsPage::TextPage()
{
    if (!m_page) {
        RomData& rd = m_sheet->Rom();
        m_page = new CTextPage(rd, m_big ? BattleBigPageConfig(rd) : BattleSmallPageConfig(rd), this);
        layout()->addWidget(m_page);
    }
    return m_page;
}

void CMstQutsPage::showEvent(QShowEvent* event)
{
    TextPage();
    QWidget::showEvent(event);
}

void CMstQutsPage::StoreShown()
{
    const CFF6DynTextObj& block = Block(m_sheet->Rom(), m_big);
    if (block.Data() != m_openedData || block.Pointers() != m_openedPointers)
        m_sheet->SetEdited();
}

void CMstQutsPage::RememberSelection()
{
    if (m_page)
        m_page->RememberIndex();
}
