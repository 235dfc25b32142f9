#include "ItemMiscPage.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "RenSmallDia.h"
#include "controls/Settings.h"
#include "editors/ItemTables.h"
#include "rom/RomData.h"

using namespace quorvex;

namespace {
constexpr IndexSetting kTypeIdx("m_itemTypeIdx");
}

CItemMiscPage::CItemMiscPage(CEditorSheet* sheet) : m_sheet(sheet)
{
    auto* box = new QGroupBox(QStringLiteral("Item Types"), this);
    m_types = new QListWidget(box);
    m_rename = new QPushButton(QStringLiteral("&Rename"), box);
    m_note = new QLabel(box);
    auto* row = new QHBoxLayout;
    row->addWidget(m_types, 1);
    row->addWidget(m_rename, 0, Qt::AlignTop);
    auto* boxLay = new QVBoxLayout(box);
    boxLay->addLayout(row);
    boxLay->addWidget(m_note);
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(box);
    lay->addStretch();
    const bool known = sheet->Rom().editors.items.typeNames.loaded;
    m_rename->setEnabled(known);
    if (!known)
        m_note->setText(QString::fromStdString(UnknownPlaceMessage("Item Type Names")));
    Fill();
    m_types->setCurrentRow(kTypeIdx.Get(kItemTypeCount));
    connect(m_rename, &QPushButton::clicked, this, [this] { RenameType(m_types->currentRow()); });
    connect(m_types, &QListWidget::itemDoubleClicked, this, [this] { RenameType(m_types->currentRow()); });
}

void CItemMiscPage::Fill()
{
    const RomData& rd = m_sheet->Rom();
    const NameList& types = rd.editors.items.typeNames;
    const int row = m_types->currentRow();
    m_types->clear();
    for (int k = 0; k < kItemTypeCount; ++k) {
        const QString name = types.loaded
                                 ? QString::fromStdWString(types.Decode(static_cast<uint32_t>(k), rd.romType)).trimmed()
                                 : QString();
        m_types->addItem(QStringLiteral("%1: %2").arg(k).arg(name));
    }
    m_types->setCurrentRow(row);
}

bool CItemMiscPage::RenameType(int i)
{
    RomData& rd = m_sheet->Rom();
    NameList& types = rd.editors.items.typeNames;
    if (!types.loaded || !types.Valid(static_cast<uint32_t>(i)))
        return false;
    CRenSmallDia dlg(types.Get(static_cast<uint32_t>(i)), NameFontKind::Small, rd.gfx.bitmaps.smallFont,
                     rd.names.preproc.Colors(), this);
    if (dlg.exec() != QDialog::Accepted)
        return false;
    types.Set(static_cast<uint32_t>(i), dlg.NewName());
    m_sheet->SetEdited();
    Fill();
    emit typeRenamed();
    return true;
}

void CItemMiscPage::RememberSelection() { kTypeIdx.Set(std::max(0, m_types->currentRow())); }
