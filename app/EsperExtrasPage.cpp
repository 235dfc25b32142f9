#include "EsperExtrasPage.h"

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
#include <tuple>

#include "DescriptionEditor.h"
#include "PageParts.h"
#include "controls/FF6Combo.h"
#include "controls/FieldControls.h"
#include "controls/SpinField.h"
#include "editors/MagicTables.h"
#include "rom/RomData.h"
#include "rom/TableDesc.h"

using namespace quorvex;

namespace {

// Bonus codes 0-16 are rows 0-16; the last row is 0xFF, no bonus.
constexpr int kBonusRows = kEsperBonusCount + 1;
constexpr int kNoBonus = 0xFF;
int BonusOfRow(int row) { return row < kEsperBonusCount ? row : kNoBonus; }
int RowOfBonus(int bonus) { return bonus < kEsperBonusCount ? bonus : bonus == kNoBonus ? kBonusRows - 1 : -1; }

// The decoded strings of a text page's block or records ("" without one).
QString PageString(RomData& rd, const std::string& refusal, const TextPageConfig& c, int i)
{
    if (!refusal.empty())
        return {};
    CTextPageLogic page(rd, c);
    return i < page.StringCount() ? QString::fromStdWString(page.Decoded(i)).trimmed() : QString();
}

} // namespace

CEsperExtrasPage::CEsperExtrasPage(CEditorSheet* sheet, CProgressWindow* progress)
    : CRecordPage(sheet, *FindTable("espers"), "EsperExtrasIdx")
{
    CNameListModel* spells = SheetNameList(sheet, PreprocList::Spell, kSpellCount, progress);
    m_index = new CSpinField({0, kEsperCount}, this);
    connect(m_index, &CSpinField::stepped, this, [this](int v) { Select(v); });
    connect(m_index->Edit(), &QLineEdit::editingFinished, this, [this] { Select(m_index->Edit()->Read()); });
    m_name = new QLabel(this);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Index"), this));
    top->addWidget(m_index);
    top->addWidget(m_name);
    top->addStretch();

    auto* taught = new QGroupBox(QStringLiteral("Spells taught"), this);
    auto* grid = new QGridLayout(taught);
    for (int k = 0; k < 5; ++k) {
        m_spells[k] = new CFF6Combo(taught);
        m_spells[k]->SetList(spells);
        Bind(m_spells[k], "spells", k);
        m_rates[k] = new CNumberField({}, taught);
        Bind(m_rates[k], "learn_rates", k);
        grid->addWidget(new QLabel(QStringLiteral("Spell"), taught), k, 0);
        grid->addWidget(m_spells[k], k, 1);
        grid->addWidget(new QLabel(QStringLiteral("Learning Rate"), taught), k, 2);
        grid->addWidget(m_rates[k], k, 3);
    }

    auto* bonusBox = new QGroupBox(QStringLiteral("Extra bonus at level up"), this);
    m_bonuses = new QTableWidget(kBonusRows, 2, bonusBox);
    m_bonuses->setHorizontalHeaderLabels({QStringLiteral("Short descr."), QStringLiteral("Long descr.")});
    m_bonuses->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_bonuses->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_bonuses->setSelectionMode(QAbstractItemView::SingleSelection);
    m_bonuses->verticalHeader()->setDefaultSectionSize(18);
    m_bonuses->horizontalHeader()->setStretchLastSection(true);
    m_bonuses->setColumnWidth(0, 160);
    FillBonuses();
    const FieldDesc& bonus = Field("bonus");
    auto shown = std::make_shared<int>(-1);
    Bind(
        [this, &bonus, shown](int i) {
            *shown = RowOfBonus(static_cast<int>(Value(bonus, i)));
            const QSignalBlocker block(m_bonuses);
            if (*shown >= 0)
                m_bonuses->selectRow(*shown);
            else
                m_bonuses->clearSelection();
        },
        [this, &bonus, shown](int i) {
            const int row = m_bonuses->currentRow();
            if (row >= 0 && row != *shown && m_bonuses->item(row, 0)->isSelected())
                StoreValue(bonus, i, 0, BonusOfRow(row));
        });
    m_short = new QPushButton(QStringLiteral("Rename &small descr."), bonusBox);
    m_long = new QPushButton(QStringLiteral("Rename &long descr."), bonusBox);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_short);
    buttons->addWidget(m_long);
    buttons->addStretch();
    auto* bonusLay = new QVBoxLayout(bonusBox);
    bonusLay->addWidget(m_bonuses);
    bonusLay->addLayout(buttons);
    // Both rename buttons open their texts at the selected bonus.
    using Refusal = std::string (*)(const RomData&);
    using Config = TextPageConfig (*)(RomData&, int);
    const std::tuple<QPushButton*, Refusal, Config> renames[] = {
        {m_short, EsperBonusNameRefusal, EsperBonusNamePageConfig},
        {m_long, EsperBonusDescriptionRefusal, EsperBonusDescriptionPageConfig}};
    for (const auto& [button, refusal, config] : renames)
        connect(button, &QPushButton::clicked, this, [this, refusal = refusal, config = config] {
            StoreShown();
            const int row = std::clamp(m_bonuses->currentRow(), 0, kEsperBonusCount - 1);
            if (OpenDescriptionEditor(this, Sheet(), refusal(Rom()), config(Rom(), row)))
                FillBonuses();
            Refresh();
        });

    auto* quoteBox = new QGroupBox(QStringLiteral("Battle Quote"), this);
    m_quote = new QLabel(quoteBox);
    m_quoteButton = new QPushButton(QStringLiteral("&Rename"), quoteBox);
    auto* quoteLay = new QHBoxLayout(quoteBox);
    quoteLay->addWidget(m_quote, 1);
    quoteLay->addWidget(m_quoteButton);
    connect(m_quoteButton, &QPushButton::clicked, this, [this] {
        StoreShown();
        if (OpenDescriptionEditor(this, Sheet(), EsperQuoteRefusal(Rom()),
                                  EsperQuotePageConfig(Rom(), Current(), L"EsperQuoteIdx")))
            Refresh();
    });

    auto* lay = new QVBoxLayout(this);
    lay->addLayout(top);
    lay->addWidget(taught);
    lay->addWidget(bonusBox, 1);
    lay->addWidget(quoteBox);
    Show(Current());
}

void CEsperExtrasPage::FillBonuses()
{
    RomData& rd = Rom();
    const std::string shortRefusal = EsperBonusNameRefusal(rd);
    const std::string longRefusal = EsperBonusDescriptionRefusal(rd);
    for (int row = 0; row < kBonusRows; ++row) {
        QString s, l;
        if (row < kEsperBonusCount) {
            s = PageString(rd, shortRefusal, EsperBonusNamePageConfig(rd, row), row);
            l = PageString(rd, longRefusal, EsperBonusDescriptionPageConfig(rd, row), row).replace('\n', ' ');
        } else {
            s = QStringLiteral("(none)");
        }
        m_bonuses->setItem(row, 0, new QTableWidgetItem(s));
        m_bonuses->setItem(row, 1, new QTableWidgetItem(l));
        m_bonuses->setVerticalHeaderItem(row, new QTableWidgetItem(QStringLiteral("%1").arg(BonusOfRow(row), 2, 16, QLatin1Char('0')).toUpper()));
    }
}

void CEsperExtrasPage::Show(int i)
{
    {
        const QSignalBlocker block(m_index->Edit());
        m_index->Edit()->SetValue(i);
    }
    CRecordPage::Show(i);
    m_name->setText(FieldText(Rom(), Field("name"), i));
    m_quote->setText(FieldText(Rom(), Field("quote"), i));
}
