#include "RareItemsPage.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "DescriptionEditor.h"
#include "PageParts.h"
#include "RenameName.h"
#include "controls/FF6Combo.h"
#include "controls/FieldControls.h"
#include "controls/RecordSelector.h"
#include "editors/ItemTables.h"
#include "rom/RomData.h"
#include "rom/TableDesc.h"

using namespace quorvex;

CRareItemsPage::CRareItemsPage(CEditorSheet* sheet, CProgressWindow* progress)
    : CRecordPage(sheet, *FindTable("rare_items"), "m_rareItmIdx")
{
    CNameListModel* names = MakeNameListModel(Rom(), PreprocList::RareItem, 0, kRareItemCount, this,
                                              progress ? progress->Callback() : CPreprocRomData::Progress{});
    m_selector = new CRecordSelector(names, kRareItemCount, this);
    connect(m_selector, &CRecordSelector::Chosen, this, [this](int i) { Select(i); });
    connect(m_selector->AddRenameButton(QStringLiteral("&Rename")), &QPushButton::clicked, this, [this, names] {
        if (!RenameListEntry(this, Rom(), NameListId::RareItem, Current()))
            return;
        Sheet()->SetEdited();
        names->SetName(Current(), GetNamePicture(Rom(), PreprocList::RareItem, Current()),
                       ListNameText(Rom(), PreprocList::RareItem, Current()));
    });
    auto* box = new QGroupBox(QStringLiteral("Menu Description"), this);
    m_description = new QLabel(box);
    m_description->setMinimumHeight(40);
    m_descButton = new QPushButton(QStringLiteral("Re&name"), box);
    auto* row = new QHBoxLayout(box);
    row->addWidget(m_description, 1);
    row->addWidget(m_descButton, 0, Qt::AlignTop);
    connect(m_descButton, &QPushButton::clicked, this, [this] {
        if (OpenDescriptionEditor(this, Sheet(), RareItemDescriptionRefusal(Rom()),
                                  RareItemDescriptionPageConfig(Rom(), Current())))
            Refresh();
    });
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(m_selector);
    lay->addWidget(box);
    lay->addStretch();
    Show(Current());
}

void CRareItemsPage::Show(int i)
{
    m_selector->SetCurrent(i);
    CRecordPage::Show(i);
    // Where the block cannot be edited, the page says why.
    const std::string refusal = RareItemDescriptionRefusal(Rom());
    m_description->setText(refusal.empty() ? FieldText(Rom(), Field("description"), i) : QString::fromStdString(refusal));
}
