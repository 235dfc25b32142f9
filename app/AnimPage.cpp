#include "AnimPage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

#include "controls/FF6Combo.h"
#include "controls/FieldControls.h"
#include "controls/PaletteStrip.h"
#include "controls/Settings.h"
#include "controls/SpinField.h"
#include "rom/RomData.h"
#include "rom/TableDesc.h"

using namespace quorvex;

CAnimPage::CAnimPage(CEditorSheet* sheet, AnimMode mode)
    : CRecordPage(sheet, *FindTable(AnimInfo(mode).table), AnimInfo(mode).setting), m_mode(mode)
{
}

CNameListModel* CAnimPage::MakeSelectorList()
{
    RomData& rd = Rom();
    const PreprocList pictures = AnimNamedBySpells(m_mode) ? PreprocList::Spell : PreprocList::Item;
    auto* list = new CNameListModel(this);
    for (int r = 0; r < Count(); ++r) {
        const int name = AnimNameIndex(m_mode, r);
        if (name >= 0)
            list->AddName(GetNamePicture(rd, pictures, name), ListNameText(rd, pictures, name), r);
        else
            list->AddText(QString::fromStdString(AnimListText(m_mode, r)), r);
    }
    return list;
}

QWidget* CAnimPage::SelectorBar()
{
    auto* bar = new QWidget(this);
    m_selector = new CFF6Combo(bar);
    m_selector->SetList(MakeSelectorList());
    m_index = new CSpinField({0, Count()}, bar);
    m_copy = new QPushButton(QStringLiteral("Copy"), bar);
    m_paste = new QPushButton(QStringLiteral("Paste"), bar);
    // A record copied in another editor of the run can be pasted here.
    m_paste->setEnabled(AnimClipboard(AnimInfo(m_mode).recordSize).full);
    connect(m_selector, &QComboBox::activated, this, [this](int row) { Select(row); });
    connect(m_index, &CSpinField::stepped, this, [this](int v) { Select(v); });
    connect(m_index->Edit(), &QLineEdit::editingFinished, this, [this] { Select(m_index->Edit()->Read()); });
    connect(m_copy, &QPushButton::clicked, this, &CAnimPage::Copy);
    connect(m_paste, &QPushButton::clicked, this, &CAnimPage::Paste);
    auto* lay = new QHBoxLayout(bar);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->addWidget(m_selector);
    lay->addWidget(m_index);
    lay->addSpacing(16);
    lay->addWidget(m_copy);
    lay->addWidget(m_paste);
    lay->addStretch();
    return bar;
}

void CAnimPage::AddPalette(QGridLayout* grid, int row, const char* key, const QString& label)
{
    auto* field = new CSpinField({0, kAnimPaletteCount}, this);
    auto* strip = new CPaletteStrip(this);
    auto* edit = new QPushButton(QStringLiteral("Edit"), this);
    const int k = static_cast<int>(m_palettes.size());
    m_palettes.push_back({field, strip, edit});
    Bind(field->Edit(), key);
    // The strip follows the palette number as the user changes it.
    connect(field->Edit(), &QLineEdit::textChanged, this, [this] { ShowStrips(); });
    connect(strip, &CPaletteStrip::coloursEdited, this,
            [this, k](const std::vector<SnesColor>& colours) { OnColoursEdited(k, colours); });
    connect(edit, &QPushButton::clicked, this, [this, k] { EditPalette(k); });
    grid->addWidget(new QLabel(label, this), row, 0);
    grid->addWidget(field, row, 1);
    grid->addWidget(strip, row, 2);
    grid->addWidget(edit, row, 3);
}

void CAnimPage::ShowRemembered()
{
    const int stored = QuorvexSettings().value(QStringLiteral("Settings/") + QLatin1String(AnimInfo(m_mode).setting), 0).toInt();
    ShowFirst(AnimRememberedIndex(m_mode, stored));
}

void CAnimPage::Show(int i)
{
    {
        const QSignalBlocker a(m_selector), b(m_index->Edit());
        m_selector->setCurrentIndex(i);
        m_index->Edit()->SetValue(i);
        CRecordPage::Show(i);
    }
    ShowStrips();
}

int CAnimPage::ShownPalette(int k) const
{
    return ReadNumberField(PaletteField(k)->Edit()->text().toStdString(), {0, kAnimPaletteCount});
}

void CAnimPage::ShowStrips()
{
    for (int k = 0; k < PaletteCount(); ++k)
        Strip(k)->SetColours(AnimPalette(Rom(), ShownPalette(k)));
}

void CAnimPage::OnColoursEdited(int k, const std::vector<SnesColor>& colours)
{
    // Palettes are shared: every row naming this palette shows the change.
    if (SetAnimPalette(Rom(), ShownPalette(k), colours))
        Sheet()->SetEdited();
    ShowStrips();
}

void CAnimPage::EditPalette(int k) { Strip(k)->EditColours(0); }

void CAnimPage::Copy()
{
    Store(Current());
    CopyAnimRecord(Rom(), m_mode, Current());
    m_paste->setEnabled(true);
}

void CAnimPage::Paste()
{
    const std::vector<uint8_t> before = [&] {
        const uint8_t* rec = AnimRecord(Rom(), m_mode, Current());
        return rec ? std::vector<uint8_t>(rec, rec + AnimInfo(m_mode).recordSize) : std::vector<uint8_t>();
    }();
    if (!PasteAnimRecord(Rom(), m_mode, Current()))
        return;
    const uint8_t* rec = AnimRecord(Rom(), m_mode, Current());
    if (!std::equal(before.begin(), before.end(), rec))
        Sheet()->SetEdited();
    Refresh();
}
