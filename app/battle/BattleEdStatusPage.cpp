#include "battle/BattleEdStatusPage.h"

#include <QLabel>
#include <QVBoxLayout>

#include "controls/Choices.h"
#include "rom/TableDesc.h"

using namespace quorvex;

CBattleEdStatusPage::CBattleEdStatusPage(CEditorSheet* sheet)
    : CNamedRecordPage(sheet, *FindTable("statuses"), "m_btlStatusIdx",
                       [](const RomData& rd, int i) { return NameLabel(rd, NameListId::Status, i); }, NameListId::Status)
{
    // The name as the game draws it.
    m_picture = new QLabel(this);
    Bind([this](int i) { m_picture->setPixmap(NamePixmap(Rom(), NameListId::Status, i, 3)); }, nullptr);
    auto* lay = new QVBoxLayout(this);
    lay->addLayout(SelectorRow());
    lay->addWidget(m_picture);
    lay->addStretch();
    Show(Current());
}
