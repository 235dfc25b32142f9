#include "battle/BattleBtlCmdsAttr.h"

#include <QHeaderView>
#include <QVBoxLayout>

#include "controls/Choices.h"
#include "controls/FieldControls.h"
#include "editors/BattleRules.h"
#include "rom/TableDesc.h"

using namespace quorvex;

CBattleBtlCmdsAttr::CBattleBtlCmdsAttr(CEditorSheet* sheet)
    : CNamedRecordPage(sheet, *FindTable("commands"), "m_btlCmdIdx",
                       [](const RomData& rd, int i) { return NameLabel(rd, NameListId::Command, i); },
                       NameListId::Command)
{
    QStringList labels;
    for (const char* l : kCommandAttributeLabels)
        labels << QString::fromLatin1(l);
    m_list = new CCheckListControl(labels, {QStringLiteral("State")}, this);
    m_list->setHorizontalHeaderLabels({QStringLiteral("Attribute"), QStringLiteral("State")});
    m_list->resizeColumnsToContents();
    m_list->verticalHeader()->setDefaultSectionSize(22);

    // Row k is bit k % 8 of byte k / 8: the attributes, then the targeting.
    Bind(m_list, 0, {{"attributes", 0}, {"targeting", 0}});

    auto* lay = new QVBoxLayout(this);
    lay->addLayout(SelectorRow());
    lay->addWidget(m_list, 1);
    Show(Current());
}
