#include "actors/StartupRagePage.h"

#include <QHeaderView>
#include <QVBoxLayout>

#include "controls/Choices.h"
#include "controls/FieldControls.h"
#include "editors/ActorTables.h"
#include "rom/TableDesc.h"

using namespace quorvex;

CStartupRagePage::CStartupRagePage(CEditorSheet* sheet) : CRecordPage(sheet, *FindTable("technique_levels"), nullptr)
{
    m_list = new CCheckListControl(NameLabels(Rom(), NameListId::Monster, kRages), {QStringLiteral("Start with")},
                                   this);
    m_list->setHorizontalHeaderLabels({QStringLiteral("Monster"), QStringLiteral("Start with")});
    m_list->resizeColumnsToContents();
    m_list->verticalHeader()->setDefaultSectionSize(22);
    // Entry r is bit r % 8 of byte r / 8 of the 32 rage bytes.
    std::vector<ByteOf> bytes;
    for (int b = 0; b < kRages / 8; ++b)
        bytes.push_back({"rages", b});
    Bind(m_list, 0, bytes);
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(m_list);
    Show(Current());
}
