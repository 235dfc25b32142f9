#include "RegItemsPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>
#include <memory>

#include "DescriptionEditor.h"
#include "PageParts.h"
#include "RenameName.h"
#include "controls/FF6Combo.h"
#include "controls/FieldControls.h"
#include "controls/RecordSelector.h"
#include "editors/ItemFields.h"
#include "editors/ItemTables.h"
#include "rom/RomData.h"
#include "rom/TableDesc.h"

using namespace quorvex;

namespace {

// Who can equip: the first fourteen actors by name, then the two bits no
// actor uses.
QStringList EquipLabels(const RomData& rd)
{
    QStringList l;
    for (int a = 0; a < 16; ++a) {
        const NameList& n = rd.names.actorNames;
        if (a < 14 && n.loaded && n.Valid(static_cast<uint32_t>(a)))
            l << QString::fromStdWString(n.Decode(static_cast<uint32_t>(a), rd.romType)).trimmed();
        else
            l << QStringLiteral("Bit %1").arg(a);
    }
    return l;
}

} // namespace

CRegItemsPage::CRegItemsPage(CEditorSheet* sheet, CProgressWindow* progress)
    : CRecordPage(sheet, *FindTable("items"), "m_itemIdx")
{
    RomData& rd = Rom();
    CNameListModel* names = SheetNameList(sheet, PreprocList::Item, kItemCount, progress);
    m_selector = new CRecordSelector(names, kItemCount, this);
    connect(m_selector, &CRecordSelector::Chosen, this, [this](int i) { Select(i); });
    connect(m_selector->AddRenameButton(QStringLiteral("&Rename")), &QPushButton::clicked, this, &CRegItemsPage::OnRename);

    // Kind and its flags.
    m_kind = new QComboBox(this);
    ReloadKinds();
    m_kindFlags = FlagList(LabelList(kItemKindFlagLabels, 4), QStringLiteral("Kind flags"), this);
    Bind(m_kindFlags, 0, "kind_flags");
    connect(m_kind, &QComboBox::currentIndexChanged, this, [this](int k) { ShowKindCaptions(k); });
    Bind(m_kind, "kind");

    m_equip = FlagList(EquipLabels(rd), QStringLiteral("Who can equip?"), this);
    Bind(m_equip, 0, "equip");
    auto* all = new QPushButton(QStringLiteral("All"), this);
    auto* none = new QPushButton(QStringLiteral("None"), this);
    for (auto [button, on] : {std::pair{all, true}, std::pair{none, false}})
        connect(button, &QPushButton::clicked, this, [this, on = on] {
            CheckColumn& c = m_equip->Column(0);
            for (int r = 0; r < c.Rows(); ++r)
                c.SetCell(r, on);
            m_equip->Redraw();
        });
    m_targeting = FlagList(LabelList(kTargetingLabels, 8), QStringLiteral("Targeting"), this);
    Bind(m_targeting, 0, "targeting");

    // Bonuses.
    auto* bonusBox = new QGroupBox(QStringLiteral("Bonuses"), this);
    auto* bonus = new QGridLayout(bonusBox);
    const std::pair<const char*, const char*> sliders[] = {{"speed", "Speed"},       {"vigor", "Vigor"},
                                                           {"magic_power", "Mag. pow."}, {"stamina", "Stamina"},
                                                           {"evade", "Evade %"},     {"magic_block", "Mag. blk. %"}};
    for (const auto& [key, label] : sliders) {
        const bool evade = std::string_view(key) == "evade" || std::string_view(key) == "magic_block";
        AddSlider(key, evade);
        const int row = static_cast<int>(m_sliders.size()) - 1;
        bonus->addWidget(new QLabel(QString::fromLatin1(label), bonusBox), row, 0);
        bonus->addWidget(m_sliders.back().slider, row, 1);
        bonus->addWidget(m_sliders.back().text, row, 2);
    }

    // Power, hit and price.
    auto* values = new QGridLayout;
    auto* power = new CNumberField({}, this);
    Bind(power, "power");
    m_powerLabel = new QLabel(this);
    m_hit = new CNumberField({}, this);
    m_hitLabel = new QLabel(this);
    auto* price = new CNumberField({}, this);
    Bind(price, "price");
    values->addWidget(m_powerLabel, 0, 0);
    values->addWidget(power, 0, 1);
    values->addWidget(m_hitLabel, 1, 0);
    values->addWidget(m_hit, 1, 1);
    values->addWidget(new QLabel(QStringLiteral("Base price"), this), 2, 0);
    values->addWidget(price, 2, 1);
    auto* random = new QCheckBox(QStringLiteral("Randomly cast"), this);
    auto* destroy = new QCheckBox(QStringLiteral("Destroy if used"), this);
    Bind(random, "random_cast");
    Bind(destroy, "destroy_if_used");
    values->addWidget(random, 3, 0, 1, 2);
    values->addWidget(destroy, 4, 0, 1, 2);
    // Byte 21 is both a value and eight flags: the list is bound first, so
    // a typed value (stored after it) wins, and each shows the other's edits.
    m_itemStatus = FlagList(LabelList(kItemStatusLabels, 8), QStringLiteral("Item status"), this);
    Bind(m_itemStatus, 0, "hit_rate");
    Bind(m_hit, "hit_rate");
    connect(m_itemStatus, &QTableWidget::cellClicked, this, [this] {
        int v = 0;
        for (int r = 0; r < 8; ++r)
            v |= m_itemStatus->Column(0).Cell(r) ? 1 << r : 0;
        m_hit->setText(QString::number(v));
    });
    connect(m_hit, &QLineEdit::editingFinished, this, [this] {
        const int v = m_hit->Read();
        for (int r = 0; r < 8; ++r)
            m_itemStatus->Column(0).SetCell(r, (v >> r) & 1);
        m_itemStatus->Redraw();
    });

    // Menu description.
    auto* descBox = new QGroupBox(QStringLiteral("Menu Description"), this);
    m_description = new QLabel(descBox);
    m_description->setMinimumHeight(40);
    m_description->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_descButton = new QPushButton(QStringLiteral("Re&name"), descBox);
    auto* descLay = new QHBoxLayout(descBox);
    descLay->addWidget(m_description, 1);
    descLay->addWidget(m_descButton, 0, Qt::AlignTop);
    connect(m_descButton, &QPushButton::clicked, this, [this] {
        StoreShown();
        if (OpenItemDescriptionEditor(this, Sheet(), Current()))
            Refresh();
    });

    auto* kindRow = new QFormLayout;
    kindRow->addRow(QStringLiteral("Kind"), m_kind);
    auto* left = new QVBoxLayout;
    left->addWidget(m_selector);
    left->addLayout(kindRow);
    left->addWidget(m_kindFlags);
    left->addWidget(m_targeting);
    left->addStretch();
    auto* equipCol = new QVBoxLayout;
    equipCol->addWidget(m_equip);
    m_equip->setFixedHeight(16 * 18 + 28);
    auto* allNone = new QHBoxLayout;
    allNone->addWidget(all);
    allNone->addWidget(none);
    equipCol->addLayout(allNone);
    equipCol->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(bonusBox);
    right->addLayout(values);
    right->addWidget(m_itemStatus);
    right->addStretch();
    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addLayout(equipCol);
    top->addLayout(right);
    auto* lay = new QVBoxLayout(this);
    lay->addLayout(top, 1);
    lay->addWidget(descBox);
    Show(Current());
}

QSlider* CRegItemsPage::Slider(const char* key) const
{
    for (const SliderRow& s : m_sliders)
        if (std::string_view(s.key) == key)
            return s.slider;
    return nullptr;
}

QLabel* CRegItemsPage::SliderText(const char* key) const
{
    for (const SliderRow& s : m_sliders)
        if (std::string_view(s.key) == key)
            return s.text;
    return nullptr;
}

void CRegItemsPage::AddSlider(const char* key, bool evade)
{
    auto* slider = new QSlider(Qt::Horizontal, this);
    slider->setRange(0, 15);
    slider->setMinimumWidth(120);
    auto* text = new QLabel(this);
    text->setMinimumWidth(32);
    m_sliders.push_back({key, slider, text, evade});
    const FieldDesc& f = Field(key);
    auto toText = [evade](int nibble) {
        return QString::fromStdString(evade ? EvadeNibbleText(nibble) : StatNibbleText(nibble));
    };
    connect(slider, &QSlider::valueChanged, this, [slider, text, evade, toText] {
        text->setText(toText(evade ? EvadeSliderToNibble(slider->value()) : StatSliderToNibble(slider->value())));
    });
    auto shown = std::make_shared<int>(-1);
    Bind(
        [this, &f, slider, text, evade, toText, shown](int i) {
            const int nibble = static_cast<int>(Value(f, i));
            *shown = evade ? EvadeNibbleToSlider(nibble) : StatNibbleToSlider(nibble);
            const QSignalBlocker block(slider);
            slider->setValue(*shown);
            text->setText(toText(nibble));
        },
        [this, &f, slider, evade, shown](int i) {
            if (slider->value() != *shown)
                StoreValue(f, i, 0, evade ? EvadeSliderToNibble(slider->value()) : StatSliderToNibble(slider->value()));
        });
}

void CRegItemsPage::ReloadKinds()
{
    const QSignalBlocker block(m_kind);
    const int current = m_kind->currentIndex();
    m_kind->clear();
    const NameList& types = Rom().editors.items.typeNames;
    for (int k = 0; k < kItemTypeCount; ++k) {
        // Where the release's type names are not known, the kinds go by number.
        const QString name = types.loaded
                                 ? QString::fromStdWString(types.Decode(static_cast<uint32_t>(k), Rom().romType)).trimmed()
                                 : QStringLiteral("Kind %1").arg(k);
        m_kind->addItem(QStringLiteral("%1: %2").arg(k).arg(name), k);
    }
    m_kind->setCurrentIndex(current);
}

void CRegItemsPage::ShowKindCaptions(int kind)
{
    m_powerLabel->setText(QString::fromLatin1(ItemPowerLabel(kind)));
    m_hitLabel->setText(QString::fromLatin1(ItemHitLabel(kind)));
}

void CRegItemsPage::Show(int i)
{
    m_selector->SetCurrent(i);
    CRecordPage::Show(i);
    ShowKindCaptions(static_cast<int>(Value(Field("kind"), i)));
    m_description->setText(FieldText(Rom(), Field("description"), i));
}

void CRegItemsPage::OnRename()
{
    if (!RenameListEntry(this, Rom(), NameListId::Item, Current()))
        return;
    Sheet()->SetEdited();
    auto* names = static_cast<CNameListModel*>(m_selector->Combo()->model());
    names->SetName(Current(), GetNamePicture(Rom(), PreprocList::Item, Current()), ListNameText(Rom(), PreprocList::Item, Current()));
}
