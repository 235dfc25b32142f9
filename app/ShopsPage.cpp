#include "ShopsPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "PageParts.h"
#include "controls/FF6Combo.h"
#include "controls/FieldControls.h"
#include "controls/SpinField.h"
#include "editors/ItemFields.h"
#include "editors/ItemTables.h"
#include "rom/TableDesc.h"

using namespace quorvex;

CShopsPage::CShopsPage(CEditorSheet* sheet, CProgressWindow* progress)
    : CRecordPage(sheet, *FindTable("shops"), "m_shopIdx")
{
    CNameListModel* items = SheetNameList(sheet, PreprocList::Item, kItemCount, progress);
    m_index = new CSpinField({0, kShopCount}, this);
    connect(m_index, &CSpinField::stepped, this, [this](int v) { Select(v); });
    connect(m_index->Edit(), &QLineEdit::editingFinished, this, [this] { Select(m_index->Edit()->Read()); });
    m_kind = new QComboBox(this);
    m_pricing = new QComboBox(this);
    for (int v = 0; v < 8; ++v) {
        m_kind->addItem(QString::fromLatin1(ShopKindText(v)), v);
        m_pricing->addItem(QString::fromLatin1(ShopPricingText(v)), v);
    }
    Bind(m_kind, "kind");
    Bind(m_pricing, "pricing");
    m_unused6 = new QCheckBox(QStringLiteral("Byte 0, bit 6 (unused)"), this);
    m_unused7 = new QCheckBox(QStringLiteral("Byte 0, bit 7 (unused)"), this);
    Bind(m_unused6, "unused6");
    Bind(m_unused7, "unused7");
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Index"), m_index);
    form->addRow(QStringLiteral("Kind"), m_kind);
    form->addRow(QStringLiteral("Pricing"), m_pricing);
    form->addRow(m_unused6);
    form->addRow(m_unused7);
    for (int k = 0; k < 8; ++k) {
        m_items[k] = new CFF6Combo(this);
        m_items[k]->SetList(items);
        Bind(m_items[k], "items", k);
        form->addRow(QStringLiteral("Item %1").arg(k + 1), m_items[k]);
    }
    auto* lay = new QVBoxLayout(this);
    lay->addLayout(form);
    lay->addStretch();
    Show(Current());
}

void CShopsPage::Show(int i)
{
    {
        const QSignalBlocker block(m_index->Edit());
        m_index->Edit()->SetValue(i);
    }
    CRecordPage::Show(i);
}
