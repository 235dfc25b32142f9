#include "MorphPackEd.h"

#include <QFormLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "controls/FF6Combo.h"
#include "controls/FieldControls.h"
#include "controls/SpinField.h"
#include "rom/TableDesc.h"

using namespace quorvex;

CMorphPackEd::CMorphPackEd(CEditorSheet* sheet, CProgressWindow* progress)
    : CRecordPage(sheet, *FindTable("morph_packs"), "m_morphPackIdx")
{
    CNameListModel* items = MakeNameListModel(Rom(), PreprocList::Item, 0, 256, this,
                                              progress ? progress->Callback() : CPreprocRomData::Progress{});
    m_index = new CSpinField({0, Count()}, this);
    connect(m_index, &CSpinField::stepped, this, [this](int v) { Select(v); });
    connect(m_index->Edit(), &QLineEdit::editingFinished, this, [this] { Select(m_index->Edit()->Read()); });
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Morph pack"), m_index);
    for (int k = 0; k < 4; ++k) {
        m_items[k] = new CFF6Combo(this);
        m_items[k]->SetList(items);
        form->addRow(QStringLiteral("Item %1").arg(k + 1), m_items[k]);
        Bind(m_items[k], "items", k);
    }
    auto* lay = new QVBoxLayout(this);
    lay->addLayout(form);
    lay->addStretch();
    Show(Current());
}

void CMorphPackEd::Show(int i)
{
    {
        const QSignalBlocker block(m_index->Edit());
        m_index->Edit()->SetValue(i);
    }
    CRecordPage::Show(i);
}
