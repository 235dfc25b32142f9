#include "RegItemsAdvPage.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "PageParts.h"
#include "controls/FF6Combo.h"
#include "controls/FieldControls.h"
#include "controls/RecordSelector.h"
#include "editors/ItemFields.h"
#include "editors/ItemTables.h"
#include "monsters/MonsterRecords.h"
#include "rom/RomData.h"
#include "rom/TableDesc.h"

using namespace quorvex;

namespace {

void SetRows(CCheckListControl* list, const QStringList& rows)
{
    for (int r = 0; r < list->rowCount() && r < rows.size(); ++r)
        list->item(r, 0)->setText(rows[r]);
    list->resizeColumnsToContents();
}

void SetTitle(CCheckListControl* list, const char* title)
{
    list->horizontalHeaderItem(0)->setText(QString::fromLatin1(title));
    list->resizeColumnsToContents();
}

} // namespace

CRegItemsAdvPage::CRegItemsAdvPage(CEditorSheet* sheet, CProgressWindow* progress)
    : CRecordPage(sheet, *FindTable("items"), "m_itemIdx")
{
    RomData& rd = Rom();
    CNameListModel* items = SheetNameList(sheet, PreprocList::Item, kItemCount, progress);
    CNameListModel* spells = SheetNameList(sheet, PreprocList::Spell, 256, progress);
    m_selector = new CRecordSelector(items, kItemCount, this);
    connect(m_selector, &CRecordSelector::Chosen, this, [this](int i) { Select(i); });

    auto* learnRate = new CNumberField({}, this);
    Bind(learnRate, "learn_rate");
    auto* learnt = new CFF6Combo(this);
    learnt->SetList(spells);
    Bind(learnt, "spell_learnt");
    // Byte 18's low six bits name one of the first 64 spells.
    auto* effects = new CNameListModel(this);
    for (int s = 0; s < 64; ++s)
        effects->AddText(QStringLiteral("%1: %2").arg(s).arg(ListNameText(rd, PreprocList::Spell, s)), s);
    m_magicEffect = new CFF6Combo(this);
    m_magicEffect->SetList(effects);
    Bind(m_magicEffect, "magic_effect");
    m_magicLabel = new QLabel(this);
    m_extra = new QComboBox(this);
    m_evadeAnim = new QComboBox(this);
    for (int v = 0; v < 16; ++v) {
        m_extra->addItem(QString::fromLatin1(ItemExtraEffectText(v)), v);
        m_evadeAnim->addItem(QString::fromLatin1(ItemEvadeAnimText(v)), v);
    }
    Bind(m_extra, "extra_effect");
    Bind(m_evadeAnim, "evade_anim");

    const QStringList elements = LabelList(kElementNames, 8);
    auto* grid = new QGridLayout;
    int n = 0;
    auto place = [&](CCheckListControl* list) {
        grid->addWidget(list, n / 5, n % 5);
        ++n;
    };
    place(AddList("item_effects", LabelList(kItemEffectLabels, 8), QStringLiteral("Item effects")));
    place(AddList("status1", LabelList(kStatusNames, 8), QStringLiteral("Status 1")));
    place(AddList("status2", LabelList(kStatusNames + 8, 8), QStringLiteral("Status 2")));
    place(AddList("bonus_checks", LabelList(kItemBonusLabels, 8), QStringLiteral("Bonus checks")));
    place(AddList("elements", elements, QStringLiteral("Atk / 50% abs")));
    place(AddList("absorb_hp", BitLabels(8), QStringLiteral("Absorb HP")));
    place(AddList("no_effects", BitLabels(8), QStringLiteral("No effects")));
    place(AddList("weak", BitLabels(8), QStringLiteral("Weak against")));
    place(AddList("byte19", BitLabels(8), QStringLiteral("Byte 19")));
    for (const char* key : {"byte10", "byte11", "byte12", "byte13"})
        place(AddList(key, BitLabels(8), QString()));
    CCheckListControl* equipFx = AddList("equip_effects", BitLabels(16), QStringLiteral("Effects when equipped"));
    equipFx->setFixedHeight(16 * 18 + 28);
    equipFx->setMinimumWidth(equipFx->horizontalHeader()->length() + 24);
    auto* all = new QPushButton(QStringLiteral("All"), this);
    auto* none = new QPushButton(QStringLiteral("None"), this);
    for (auto [button, on] : {std::pair{all, true}, std::pair{none, false}})
        connect(button, &QPushButton::clicked, this, [equipFx, on = on] {
            CheckColumn& c = equipFx->Column(0);
            for (int r = 0; r < c.Rows(); ++r)
                c.SetCell(r, on);
            equipFx->Redraw();
        });

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("% learn rate"), learnRate);
    form->addRow(QStringLiteral("Magic learnt"), learnt);
    form->addRow(m_magicLabel, m_magicEffect);
    form->addRow(QStringLiteral("Extra effects"), m_extra);
    form->addRow(QStringLiteral("Evade and/or Mblock animation"), m_evadeAnim);
    auto* side = new QVBoxLayout;
    side->addWidget(equipFx);
    auto* allNone = new QHBoxLayout;
    allNone->addWidget(all);
    allNone->addWidget(none);
    side->addLayout(allNone);
    side->addStretch();
    auto* body = new QHBoxLayout;
    body->addLayout(grid);
    body->addLayout(side);
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(m_selector);
    lay->addLayout(form);
    lay->addLayout(body);
    lay->addStretch();
    Show(Current());
}

CCheckListControl* CRegItemsAdvPage::AddList(const char* key, const QStringList& rows, const QString& title)
{
    CCheckListControl* list = FlagList(rows, title, this);
    list->setMinimumWidth(150);
    Bind(list, 0, key);
    m_lists.Add(key, list);
    return list;
}

void CRegItemsAdvPage::ShowCaptions(int kind)
{
    const int set = ItemCaptionSet(kind);
    const ItemCaptions& c = ItemCaptionsOf(set);
    SetTitle(List("weak"), c.byte24);
    SetTitle(List("elements"), c.byte15);
    SetTitle(List("no_effects"), c.byte23);
    SetTitle(List("absorb_hp"), c.byte22);
    SetTitle(List("byte19"), c.byte19);
    const char* const specials[] = {"byte10", "byte11", "byte12", "byte13"};
    for (int k = 0; k < 4; ++k)
        SetTitle(List(specials[k]), c.special[k]);
    m_magicLabel->setText(QString::fromLatin1(c.magicEffect));
    // Armour's absorb, null and weak lists are elements; a weapon's byte 19
    // holds its properties.
    const QStringList elements = LabelList(kElementNames, 8);
    for (const char* key : {"absorb_hp", "no_effects", "weak"})
        SetRows(List(key), set == 0 ? elements : BitLabels(8));
    SetRows(List("byte19"), set == 3 ? LabelList(kWeaponPropertyLabels, 8) : BitLabels(8));
}

void CRegItemsAdvPage::Show(int i)
{
    m_selector->SetCurrent(i);
    CRecordPage::Show(i);
    ShowCaptions(static_cast<int>(Value(Field("kind"), i)));
}
