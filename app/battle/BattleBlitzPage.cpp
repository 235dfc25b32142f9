#include "battle/BattleBlitzPage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "battle/BlitzSequenceView.h"
#include "controls/Choices.h"
#include "editors/ActorRules.h"
#include "editors/BattleRules.h"
#include "editors/BattleTables.h"
#include "rom/RomData.h"
#include "rom/TableDesc.h"

using namespace quorvex;

CBattleBlitzPage::CBattleBlitzPage(CEditorSheet* sheet)
    : CNamedRecordPage(sheet, *FindTable("blitz_inputs"), "m_btlBlitzIdx",
                       [](const RomData& rd, int i) { return SpellLabel(rd, kBlitzStartDefault + i); }, std::nullopt)
{
    QStringList labels;
    for (const char* l : kBlitzButtonLabels)
        labels << QString::fromLatin1(l);
    QStandardItemModel* buttons = MakeChoices(this, labels);
    auto* grid = new QGridLayout;
    const FieldDesc& presses = Field("presses");
    for (int k = 0; k < kBlitzPresses; ++k) {
        m_presses[k] = new QComboBox(this);
        UseChoices(m_presses[k], buttons);
        grid->addWidget(new QLabel(QStringLiteral("Press %1").arg(k + 1), this), k % 6, 2 * (k / 6));
        grid->addWidget(m_presses[k], k % 6, 2 * (k / 6) + 1);
        connect(m_presses[k], qOverload<int>(&QComboBox::activated), this, [this, k](int index) {
            ChoosePress(k, index);
        });
        // A code past the last button shows no choice.
        Bind(
            [this, k, &presses](int i) {
                const int v = static_cast<int>(Value(presses, i, k));
                m_presses[k]->setCurrentIndex(v < kBlitzButtons ? v : -1);
            },
            nullptr);
    }
    m_view = new CBlitzSequenceView(this);
    Bind([this](int i) { Draw(i); }, nullptr);

    auto* lay = new QVBoxLayout(this);
    lay->addLayout(SelectorRow());
    lay->addLayout(grid);
    lay->addWidget(m_view);
    lay->addStretch();
    Show(Current());
}

void CBattleBlitzPage::ChoosePress(int k, int comboIndex)
{
    m_presses[k]->setCurrentIndex(comboIndex);
    StoreValue(Field("presses"), Current(), k, comboIndex);
    Draw(Current());
}

void CBattleBlitzPage::Draw(int i)
{
    uint8_t presses[kBlitzPresses];
    for (int k = 0; k < kBlitzPresses; ++k)
        presses[k] = static_cast<uint8_t>(Value(Field("presses"), i, k));
    m_view->SetPresses(BlitzDrawnPresses(presses));
}
