#include "FormPackPage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "FormationPicture.h"
#include "controls/FieldControls.h"
#include "monsters/FormationLabels.h"
#include "monsters/FormationTables.h"
#include "rom/TableDesc.h"

using namespace quorvex;

namespace {
const char* const kPackSetting = "MstFrmPackIdx";
}

CFormPackPage::CFormPackPage(CEditorSheet* sheet) : CRecordPage(sheet, *FindTable("packs"), kPackSetting)
{
    m_index = new QSpinBox(this);
    m_index->setRange(0, kPackCount - 1);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Pack #"), this));
    top->addWidget(m_index);
    top->addStretch();
    auto* grid = new QGridLayout;
    for (int e = 0; e < 4; ++e) {
        Entry& en = m_entries[static_cast<size_t>(e)];
        en.box = new QGroupBox(this);
        en.probability = new QLabel(en.box);
        en.formation = new CNumberField({}, en.box);
        en.formation->setMaximumWidth(80);
        en.random = new QCheckBox(QStringLiteral("Rand. w/ next 3"), en.box);
        en.picture = new QLabel(en.box);
        en.picture->setFixedSize(120, 76);
        auto* lay = new QGridLayout(en.box);
        lay->addWidget(en.probability, 0, 0, 1, 2);
        lay->addWidget(new QLabel(QStringLiteral("Formation"), en.box), 1, 0);
        lay->addWidget(en.formation, 1, 1);
        lay->addWidget(en.random, 2, 0, 1, 2);
        lay->addWidget(en.picture, 0, 2, 3, 1);
        grid->addWidget(en.box, e / 2, e % 2);
        BindEntry(e);
        connect(en.formation, &QLineEdit::editingFinished, this, &CFormPackPage::Commit);
        connect(en.random, &QCheckBox::toggled, this, &CFormPackPage::Commit);
    }
    auto* lay = new QVBoxLayout(this);
    lay->addLayout(top);
    lay->addLayout(grid);
    lay->addStretch();
    connect(m_index, &QSpinBox::valueChanged, this, [this](int i) {
        if (!m_showing)
            Select(i);
    });
    // A remembered pack past the table opens the first one (nothing is
    // stored: no control has been shown yet).
    if (QuorvexSettings().value(QStringLiteral("Settings/") + QLatin1String(kPackSetting), 0).toInt() >= kPackCount)
        Select(0);
    else
        Show(Current());
}

const FieldDesc& CFormPackPage::PackField(const char* key, int pack) const
{
    return *Table().Field(key, const_cast<CFormPackPage*>(this)->Rom(), pack);
}

bool CFormPackPage::EntryShown(int e) const { return e < PackEntryCount(Current()); }

void CFormPackPage::BindEntry(int e)
{
    Entry& en = m_entries[static_cast<size_t>(e)];
    en.formation->SetRange({0, kFormationCount});
    // A formation number past the table (a hand edit) is shown as it is
    // and only brought into range when the user changes it.
    Bind([this, e, w = en.formation](int i) {
             if (e < PackEntryCount(i))
                 w->SetValue(Value(PackField("formations", i), i, e));
         },
         [this, e, w = en.formation](int i) {
             if (e < PackEntryCount(i) && w->isModified())
                 StoreValue(PackField("formations", i), i, e, w->Read());
         });
    auto shown = std::make_shared<bool>(false);
    Bind([this, e, w = en.random, shown](int i) {
             *shown = e < PackEntryCount(i) && Value(PackField("rand_next3", i), i, e) != 0;
             w->setChecked(*shown);
         },
         [this, e, w = en.random, shown](int i) {
             if (e < PackEntryCount(i) && w->isChecked() != *shown)
                 StoreValue(PackField("rand_next3", i), i, e, w->isChecked() ? 1 : 0);
         });
}

void CFormPackPage::Show(int i)
{
    m_showing = true;
    CRecordPage::Show(i);
    m_index->setValue(i);
    for (int e = 0; e < 4; ++e) {
        Entry& en = m_entries[static_cast<size_t>(e)];
        const bool shown = e < PackEntryCount(i);
        en.box->setVisible(shown);
        if (!shown)
            continue;
        en.probability->setText(QString::fromLatin1(PackProbabilityLabel(i, e)));
        const int entry = PackEntry(Rom(), i, e);
        en.picture->setPixmap(FormationPixmap(Rom(), entry < 0 ? -1 : entry & kPackFormationMask, -1, 2));
    }
    m_showing = false;
}

void CFormPackPage::Commit()
{
    if (m_showing)
        return;
    Store(Current());
    Show(Current());
}
