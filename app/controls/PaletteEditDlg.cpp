#include "controls/PaletteEditDlg.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTreeWidget>

#include "controls/ColourPickers.h"
#include "controls/DiscardQuestion.h"

using namespace quorvex;

namespace {

QColor ToQColor(SnesColor c)
{
    const uint32_t bgr = SnesToRgb(c);
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

QString Swatch(SnesColor c) { return QString("background: %1; border: 1px solid black").arg(ToQColor(c).name()); }

const char* const kComponentNames[kColorComponentCount] = {"Hue", "Sat.", "Lum.", "Red", "Green", "Blue"};

} // namespace

CPaletteEditDlg::CPaletteEditDlg(const std::vector<SnesColor>& palette, int entry, QWidget* parent)
    : QDialog(parent), m_logic(palette)
{
    setWindowTitle("Edit Colour");
    m_refreshing = true; // no control reacts before all of them exist
    m_list = new QTreeWidget(this);
    m_list->setHeaderLabels({"Index", "Old", "Current", "Edit"});
    m_list->setRootIsDecorated(false);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setMinimumWidth(220);
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    for (int i = 0; i < m_logic.Size(); ++i)
        m_list->addTopLevelItem(new QTreeWidgetItem(QStringList{QString::number(i)}));

    m_selectedMode = new QRadioButton("Edit Selected Colour", this);
    m_allMode = new QRadioButton("Edit All Colours", this);
    m_selectedMode->setChecked(true);
    // Two independent sets of radio buttons: the mode, and the slider's
    // component.
    auto* modeGroup = new QButtonGroup(this);
    modeGroup->addButton(m_selectedMode);
    modeGroup->addButton(m_allMode);
    auto* componentGroup = new QButtonGroup(this);

    auto* fieldsBox = new QGridLayout;
    for (int c = 0; c < kColorComponentCount; ++c) {
        const auto comp = static_cast<ColorComponent>(c);
        m_radios[static_cast<size_t>(c)] = new QRadioButton(this);
        componentGroup->addButton(m_radios[static_cast<size_t>(c)]);
        m_fields[static_cast<size_t>(c)] = new QSpinBox(this);
        m_fields[static_cast<size_t>(c)]->setRange(0, ComponentMax(comp));
        fieldsBox->addWidget(new QLabel(kComponentNames[c], this), c, 0);
        fieldsBox->addWidget(m_fields[static_cast<size_t>(c)], c, 1);
        fieldsBox->addWidget(m_radios[static_cast<size_t>(c)], c, 2);
        connect(m_fields[static_cast<size_t>(c)], &QSpinBox::valueChanged, this, [this, comp](int v) {
            if (!m_refreshing)
                SetComponent(comp, v);
        });
        connect(m_radios[static_cast<size_t>(c)], &QRadioButton::toggled, this, [this, comp](bool on) {
            if (on && !m_refreshing)
                SetSliderComponent(comp);
        });
    }
    m_radios[0]->setChecked(true);

    m_matrix = new CHsvRgbMatrix(this);
    m_sliderBar = new CHslRgbSlider(this);
    auto* hint = new QLabel("Hold <shift> for hor. track, hold <ctrl> for ver. track", this);
    m_html = new QLineEdit(this);
    m_hex16 = new QLineEdit(this);
    for (QLineEdit* e : {m_html, m_hex16}) {
        e->setReadOnly(true);
        e->setMaximumWidth(80);
    }
    m_current = new QLabel(this);
    m_old = new QLabel(this);
    for (QLabel* l : {m_current, m_old})
        l->setFixedSize(40, 24);
    auto* swapRG = new QPushButton("Swap R && G", this);
    auto* swapGB = new QPushButton("Swap G && B", this);
    auto* swapBR = new QPushButton("Swap B && R", this);
    auto* reset = new QPushButton("&Reset", this);

    auto* pickers = new QHBoxLayout;
    pickers->addWidget(m_matrix);
    pickers->addWidget(m_sliderBar);
    pickers->addLayout(fieldsBox);
    auto* texts = new QGridLayout;
    texts->addWidget(new QLabel("HTML", this), 0, 0);
    texts->addWidget(m_html, 0, 1);
    texts->addWidget(new QLabel("Hex16", this), 1, 0);
    texts->addWidget(m_hex16, 1, 1);
    texts->addWidget(new QLabel("Current:", this), 0, 2);
    texts->addWidget(m_current, 0, 3);
    texts->addWidget(new QLabel("Old:", this), 1, 2);
    texts->addWidget(m_old, 1, 3);
    texts->addWidget(reset, 1, 4);
    auto* swaps = new QHBoxLayout;
    swaps->addWidget(swapRG);
    swaps->addWidget(swapGB);
    swaps->addWidget(swapBR);

    auto* right = new QVBoxLayout;
    auto* modes = new QHBoxLayout;
    modes->addWidget(m_selectedMode);
    modes->addWidget(m_allMode);
    right->addLayout(modes);
    right->addLayout(pickers);
    right->addWidget(hint);
    right->addLayout(texts);
    right->addLayout(swaps);
    right->addStretch();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* top = new QHBoxLayout;
    top->addWidget(m_list);
    top->addLayout(right);
    auto* lay = new QVBoxLayout(this);
    lay->addLayout(top);
    lay->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_allMode, &QRadioButton::toggled, this, [this](bool on) {
        if (!m_refreshing)
            SetEditAll(on);
    });
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (!m_refreshing)
            OnSelection();
    });
    connect(m_matrix, &CHsvRgbMatrix::picked, this, [this](int x, int y) {
        m_logic.SetMatrix(m_slider, x, y);
        Refresh();
    });
    connect(m_sliderBar, &CHslRgbSlider::picked, this, [this](int v) { SetComponent(m_slider, v); });
    connect(swapRG, &QPushButton::clicked, this, [this] { m_logic.Swap(0, 1), Refresh(); });
    connect(swapGB, &QPushButton::clicked, this, [this] { m_logic.Swap(1, 2), Refresh(); });
    connect(swapBR, &QPushButton::clicked, this, [this] { m_logic.Swap(2, 0), Refresh(); });
    connect(reset, &QPushButton::clicked, this, [this] { m_logic.Reset(), Refresh(); });
    m_refreshing = false;
    SelectRows({std::clamp(entry, 0, m_logic.Size() - 1)});
}

void CPaletteEditDlg::SetEditAll(bool on)
{
    m_logic.SetEditAll(on);
    OnSelection();
}

void CPaletteEditDlg::SelectRows(const std::vector<int>& rows)
{
    m_refreshing = true;
    m_list->clearSelection();
    for (int r : rows)
        if (QTreeWidgetItem* it = m_list->topLevelItem(r)) {
            it->setSelected(true);
            m_list->setCurrentItem(it, 0, QItemSelectionModel::Select);
        }
    m_refreshing = false;
    OnSelection();
}

void CPaletteEditDlg::OnSelection()
{
    std::set<int> rows;
    for (QTreeWidgetItem* it : m_list->selectedItems())
        rows.insert(m_list->indexOfTopLevelItem(it));
    m_logic.SetSelection(rows);
    if (!m_logic.EditAll() && !rows.empty())
        m_logic.SelectEntry(m_list->currentItem() && m_list->currentItem()->isSelected()
                                ? m_list->indexOfTopLevelItem(m_list->currentItem())
                                : *rows.begin());
    Refresh();
}

void CPaletteEditDlg::SetComponent(ColorComponent c, int value)
{
    m_logic.SetComponent(c, value);
    Refresh();
}

void CPaletteEditDlg::SetSliderComponent(ColorComponent c)
{
    m_slider = c;
    Refresh();
}

void CPaletteEditDlg::reject()
{
    if (!MayDiscardEdits(m_logic.Palette() != m_logic.OldPalette(), this))
        return;
    QDialog::reject();
}

QString CPaletteEditDlg::HtmlText() const { return m_html->text(); }
QString CPaletteEditDlg::Hex16Text() const { return m_hex16->text(); }

void CPaletteEditDlg::Refresh()
{
    m_refreshing = true;
    const ColorFields& f = m_logic.Fields();
    for (int c = 0; c < kColorComponentCount; ++c) {
        m_fields[static_cast<size_t>(c)]->setValue(f.v[static_cast<size_t>(c)]);
        m_radios[static_cast<size_t>(c)]->setChecked(static_cast<ColorComponent>(c) == m_slider);
    }
    m_allMode->setChecked(m_logic.EditAll());
    m_selectedMode->setChecked(!m_logic.EditAll());
    m_matrix->SetState(m_slider, f);
    m_sliderBar->SetState(m_slider, f);
    m_html->setText(QString::fromStdString(quorvex::HtmlText(m_logic.Current())));
    m_hex16->setText(QString::fromStdString(quorvex::Hex16Text(m_logic.Current())));
    m_current->setStyleSheet(Swatch(m_logic.Current()));
    m_old->setStyleSheet(Swatch(m_logic.Old()));
    for (int i = 0; i < m_logic.Size(); ++i) {
        QTreeWidgetItem* it = m_list->topLevelItem(i);
        it->setBackground(1, ToQColor(m_logic.OldPalette()[static_cast<size_t>(i)]));
        it->setBackground(2, ToQColor(m_logic.Palette()[static_cast<size_t>(i)]));
        const bool edited = m_logic.EditAll() ? m_logic.Selection().count(i) > 0 : i == m_logic.Selected();
        it->setText(3, edited ? "x" : "");
    }
    m_refreshing = false;
}
