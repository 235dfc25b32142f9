#include "controls/NamedRecordPage.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "controls/RecordSelector.h"
#include "RenameName.h"
#include "rom/TableDesc.h"

using namespace quorvex;

bool RenameChangesName(QWidget* parent, RomData& rd, NameListId id, int index)
{
    const std::vector<uint8_t> before = GetNameList(rd, id).Get(static_cast<uint32_t>(index));
    return RenameListEntry(parent, rd, id, index) && GetNameList(rd, id).Get(static_cast<uint32_t>(index)) != before;
}

CNamedRecordPage::CNamedRecordPage(CEditorSheet* sheet, const TableDesc& table, const char* setting, NameFn names,
                                   std::optional<NameListId> renamable, QWidget* parent)
    : CRecordPage(sheet, table, setting, parent), m_names(std::move(names)), m_renamable(renamable)
{
    m_selector = new CRecordSelector(this);
    m_row = new QHBoxLayout;
    m_row->addWidget(m_selector, 1);
    if (m_renamable) {
        m_rename = m_selector->AddRenameButton(QStringLiteral("Rename"));
        connect(m_rename, &QPushButton::clicked, this, &CNamedRecordPage::Rename);
    }
    FillNames();
    m_selector->SetCurrent(Current());
    connect(m_selector, &CRecordSelector::Chosen, this, [this](int i) { Select(i); });
}

void CNamedRecordPage::FillNames()
{
    QStringList labels;
    for (int i = 0; i < Count(); ++i)
        labels << m_names(Rom(), i);
    m_selector->SetNames(labels);
}

void CNamedRecordPage::Show(int i)
{
    m_selector->SetCurrent(i);
    CRecordPage::Show(i);
}

void CNamedRecordPage::Rename()
{
    if (!m_renamable || !RenameChangesName(this, Rom(), *m_renamable, Current()))
        return;
    Sheet()->SetEdited();
    FillNames();
    m_selector->SetCurrent(Current());
    Renamed();
}
