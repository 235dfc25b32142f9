#include "SpellsPage.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>
#include <memory>

#include "DescriptionEditor.h"
#include "PageParts.h"
#include "RenameName.h"
#include "controls/FF6Combo.h"
#include "controls/FieldControls.h"
#include "controls/RecordSelector.h"
#include "editors/ItemFields.h"
#include "editors/MagicTables.h"
#include "editors/SpellEffects.h"
#include "monsters/MonsterRecords.h"
#include "rom/RomData.h"
#include "rom/TableDesc.h"

using namespace quorvex;

namespace {

constexpr IndexSetting kEffectIdx("SpellFxIdx");

constexpr int kFirstLore = kAttackFirst; // lore battle quotes are counted from here

} // namespace

CSpellsPage::CSpellsPage(CEditorSheet* sheet, CProgressWindow* progress)
    : CRecordPage(sheet, *FindTable("spells"), "m_spellIdx")
{
    CNameListModel* names = SheetNameList(sheet, PreprocList::Spell, kSpellCount, progress);
    m_selector = new CRecordSelector(names, kSpellCount, this);
    connect(m_selector, &CRecordSelector::Chosen, this, [this](int i) { Select(i); });
    connect(m_selector->AddRenameButton(QStringLiteral("&Rename")), &QPushButton::clicked, this, &CSpellsPage::OnRename);

    auto* grid = new QGridLayout;
    const std::pair<CCheckListControl*, int> placed[] = {
        {AddList("targeting", LabelList(kTargetingLabels, 8), QStringLiteral("Targeting")), 0},
        {AddList("elements", LabelList(kElementNames, 8), QStringLiteral("Elements")), 1},
        {AddList("special1", LabelList(kSpellSpecial1Labels, 8), QStringLiteral("Special 1")), 2},
        {AddList("damage_type", LabelList(kSpellDamageLabels, 8), QStringLiteral("Damage Type")), 3},
        {AddList("special2", LabelList(kSpellSpecial2Labels, 8), QStringLiteral("Special 2")), 4},
        {AddList("special3", LabelList(kSpellSpecial3Labels, 8), QStringLiteral("Special 3")), 5},
        {AddList("status1", LabelList(kStatusNames, 8), QStringLiteral("Status 1")), 6},
        {AddList("status2", LabelList(kStatusNames + 8, 8), QStringLiteral("Status 2")), 7},
        {AddList("status3", LabelList(kStatusNames + 16, 8), QStringLiteral("Status 3")), 8},
        {AddList("status4", LabelList(kStatus4Labels, 8), QStringLiteral("Status 4")), 9},
    };
    for (const auto& [list, n] : placed)
        grid->addWidget(list, n / 5, n % 5);

    auto* values = new QFormLayout;
    for (const auto& [key, label] : {std::pair{"mp_cost", "MP cost"}, std::pair{"power", "Power"},
                                     std::pair{"success_rate", "Success rate %"}}) {
        auto* field = new CNumberField({}, this);
        Bind(field, key);
        values->addRow(QString::fromLatin1(label), field);
    }

    // The special effect: one row per code, byte 9 selects it.
    m_effects = new QTableWidget(256, 2, this);
    m_effects->setHorizontalHeaderLabels({QStringLiteral("Description"), QStringLiteral("Examples")});
    m_effects->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_effects->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_effects->setSelectionMode(QAbstractItemView::SingleSelection);
    m_effects->verticalHeader()->setDefaultSectionSize(18);
    for (int code = 0; code < 256; ++code) {
        const SpecialEffectRow row = SpecialEffectRowOf(code);
        m_effects->setItem(code, 0, new QTableWidgetItem(QString::fromStdString(row.description)));
        m_effects->setItem(code, 1, new QTableWidgetItem(QString::fromStdString(row.examples)));
        m_effects->setVerticalHeaderItem(code, new QTableWidgetItem(QStringLiteral("%1").arg(code, 2, 16, QLatin1Char('0')).toUpper()));
    }
    m_effects->horizontalHeader()->setStretchLastSection(true);
    m_effects->setColumnWidth(0, 420);
    const FieldDesc& effect = Field("effect");
    auto shown = std::make_shared<int>(-1);
    Bind(
        [this, &effect, shown](int i) {
            *shown = static_cast<int>(Value(effect, i));
            const QSignalBlocker block(m_effects);
            m_effects->selectRow(*shown);
            m_effects->scrollToItem(m_effects->item(*shown, 0), QAbstractItemView::PositionAtCenter);
        },
        [this, &effect, shown](int i) {
            const int row = m_effects->currentRow();
            if (row >= 0 && row != *shown)
                StoreValue(effect, i, 0, row);
        });
    auto* fxBox = new QGroupBox(QStringLiteral("Extra effects"), this);
    auto* fxLay = new QVBoxLayout(fxBox);
    fxLay->addWidget(m_effects);

    auto* descBox = new QGroupBox(QStringLiteral("Menu Description"), this);
    m_description = new QLabel(descBox);
    m_description->setMinimumHeight(36);
    m_descButton = new QPushButton(QStringLiteral("Rena&me"), descBox);
    auto* descLay = new QHBoxLayout(descBox);
    descLay->addWidget(m_description, 1);
    descLay->addWidget(m_descButton, 0, Qt::AlignTop);
    connect(m_descButton, &QPushButton::clicked, this, [this] { OpenDescription(); });
    auto* quoteRow = new QHBoxLayout;
    quoteRow->addWidget(new QLabel(QStringLiteral("Battle Quote when cast by enemy"), this));
    m_quoteButton = new QPushButton(QStringLiteral("R&ename"), this);
    quoteRow->addWidget(m_quoteButton);
    quoteRow->addStretch();
    connect(m_quoteButton, &QPushButton::clicked, this, [this] { OpenLoreQuote(); });

    auto* right = new QVBoxLayout;
    right->addLayout(values);
    right->addStretch();
    auto* body = new QHBoxLayout;
    body->addLayout(grid);
    body->addLayout(right);
    body->addStretch();
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(m_selector);
    lay->addLayout(body);
    lay->addWidget(fxBox, 1);
    lay->addWidget(descBox);
    lay->addLayout(quoteRow);
    Show(Current());
}

CCheckListControl* CSpellsPage::AddList(const char* key, const QStringList& rows, const QString& title)
{
    CCheckListControl* list = FlagList(rows, title, this);
    list->setMinimumWidth(170);
    Bind(list, 0, key);
    m_lists.Add(key, list);
    return list;
}

void CSpellsPage::Show(int i)
{
    m_selector->SetCurrent(i);
    CRecordPage::Show(i);
    int block = 0, index = 0;
    const bool has = SpellDescriptionOf(i, block, index);
    m_descButton->setEnabled(has);
    // Where the spell's block cannot be edited, the page says why.
    const std::string refusal = has ? SpellDescriptionRefusal(Rom(), block) : std::string();
    m_description->setText(refusal.empty() ? FieldText(Rom(), Field("description"), i) : QString::fromStdString(refusal));
    m_quoteButton->setEnabled(i >= kFirstLore);
}

void CSpellsPage::RememberSelection()
{
    CRecordPage::RememberSelection();
    if (m_effects->currentRow() >= 0)
        kEffectIdx.Set(m_effects->currentRow());
}

bool CSpellsPage::OpenDescription()
{
    int block = 0, index = 0;
    if (!SpellDescriptionOf(Current(), block, index))
        return false;
    StoreShown();
    if (OpenDescriptionEditor(this, Sheet(), SpellDescriptionRefusal(Rom(), block),
                              SpellDescriptionPageConfig(Rom(), block, index)))
        Refresh();
    return true;
}

bool CSpellsPage::OpenLoreQuote()
{
    if (Current() < kFirstLore)
        return false;
    OpenDescriptionEditor(this, Sheet(), LoreQuoteRefusal(Rom()), {});
    return true;
}

void CSpellsPage::OnRename()
{
    uint32_t index = 0;
    const NameListId id = SpellNameList(Current(), index);
    if (!RenameListEntry(this, Rom(), id, static_cast<int>(index)))
        return;
    Sheet()->SetEdited();
    auto* names = static_cast<CNameListModel*>(m_selector->Combo()->model());
    names->SetName(Current(), GetNamePicture(Rom(), PreprocList::Spell, Current()),
                   ListNameText(Rom(), PreprocList::Spell, Current()));
}
