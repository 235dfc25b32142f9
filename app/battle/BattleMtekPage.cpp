#include "battle/BattleMtekPage.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

#include "controls/Choices.h"
#include "controls/FF6Combo.h"
#include "controls/FieldControls.h"
#include "controls/TargetingPopup.h"
#include "controls/Targeting.h"
#include "editors/BattleRules.h"
#include "editors/BattleTables.h"
#include "rom/TableDesc.h"

using namespace quorvex;

CBattleMtekPage::CBattleMtekPage(CEditorSheet* sheet, CProgressWindow* progress)
    : CRecordPage(sheet, *FindTable("magitek"), nullptr)
{
    // The sixteen MagiTek attacks are spells 131-146, drawn in the game's
    // font, then the empty slot.
    auto* attacks = new CNameListModel(this);
    const CPreprocRomData::Progress shown = progress ? progress->Callback() : CPreprocRomData::Progress{};
    for (int k = 0; k < kMagitekChoices; ++k)
        attacks->AddName(GetNamePicture(Rom(), PreprocList::Spell, kMagitekFirstSpell + k, shown),
                         QString::fromStdString(MagitekAttackLabel(Rom(), k)), k);
    attacks->AddText(QString::fromStdString(MagitekAttackLabel(Rom(), kMagitekNone)), kMagitekNone);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Slot"), this), 0, 0);
    grid->addWidget(new QLabel(NameLabel(Rom(), NameListId::Actor, 0), this), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Other actors"), this), 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Targeting"), this), 0, 3);
    for (int s = 0; s < kMagitekSlots; ++s) {
        m_first[s] = new CFF6Combo(this);
        m_others[s] = new CFF6Combo(this);
        m_first[s]->SetList(attacks);
        m_others[s]->SetList(attacks);
        m_targeting[s] = new QPushButton(this);
        m_targeting[s]->setMinimumWidth(90);
        connect(m_targeting[s], &QPushButton::clicked, this, [this, s] { EditTargeting(s); });
        grid->addWidget(new QLabel(QString::number(s), this), s + 1, 0);
        grid->addWidget(m_first[s], s + 1, 1);
        grid->addWidget(m_others[s], s + 1, 2);
        grid->addWidget(m_targeting[s], s + 1, 3);
        BindSlot(m_first[s], "attack_first", s);
        BindSlot(m_others[s], "attack_others", s);
        Bind([this, s](int) { ShowTargeting(s); }, nullptr);
    }
    auto* lay = new QVBoxLayout(this);
    lay->addLayout(grid);
    lay->addStretch();
    Show(Current());
}

// Every slot is shown at once: the bindings name their slot instead of
// following the page's record.
void CBattleMtekPage::BindSlot(CFF6Combo* combo, const char* key, int slot)
{
    const FieldDesc& f = Field(key);
    auto shown = std::make_shared<int>(-1);
    Bind(
        [this, combo, &f, slot, shown](int) {
            const int64_t v = Value(f, slot);
            *shown = combo->findData(static_cast<int>(v));
            combo->setCurrentIndex(*shown);
        },
        [this, combo, &f, slot, shown](int) {
            if (combo->currentIndex() >= 0 && combo->currentIndex() != *shown)
                StoreValue(f, slot, 0, combo->currentData().toInt());
        });
}

void CBattleMtekPage::ShowTargeting(int slot)
{
    const auto v = static_cast<uint8_t>(Value(Field("targeting"), slot));
    m_targeting[slot]->setText(QString::fromLatin1(TargetingSummary(v)));
}

void CBattleMtekPage::EditTargeting(int slot)
{
    const auto old = static_cast<uint8_t>(Value(Field("targeting"), slot));
    if (const std::optional<uint8_t> v = CTargetingPopup::Edit(old, m_targeting[slot])) {
        StoreValue(Field("targeting"), slot, 0, *v);
        for (int s = 0; s < kMagitekSlots; ++s)
            ShowTargeting(s);
    }
}
