#include "actors/StatupBlitzSwtechPage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

#include "controls/Choices.h"
#include "controls/FF6Combo.h"
#include "controls/FieldControls.h"
#include "controls/SpinField.h"
#include "editors/ActorRules.h"
#include "editors/ActorTables.h"
#include "rom/TableDesc.h"

using namespace quorvex;

CStatupBlitzSwtechPage::CStatupBlitzSwtechPage(CEditorSheet* sheet, CProgressWindow* progress)
    : CRecordPage(sheet, *FindTable("technique_levels"), nullptr)
{
    m_start[kBlitz] = kBlitzStartDefault;
    m_start[kSword] = kSwordStartDefault;
    m_start[kLore] = kLoreStartDefault;
    CNameListModel* attacks = MakeNameListModel(Rom(), PreprocList::Spell, 0, 256, this,
                                                progress ? progress->Callback() : CPreprocRomData::Progress{});
    for (int g = 0; g < 3; ++g) {
        auto* start = new CFF6Combo(this);
        start->SetList(attacks);
        m_starts[g] = start;
        m_starts[g]->setCurrentIndex(m_start[g]);
        connect(m_starts[g], qOverload<int>(&QComboBox::activated), this,
                [this, g](int index) { ChooseStart(static_cast<Group>(g), index); });
    }

    QStringList loreRows;
    for (int k = 0; k < kLores; ++k)
        loreRows << QString();
    m_lores = new CCheckListControl(loreRows, {QStringLiteral("Known")}, this);
    m_lores->verticalHeader()->setDefaultSectionSize(22);
    Bind(m_lores, 0, "lores");
    auto* loreBox = new QGroupBox(QStringLiteral("Lores"), this);
    auto* loreLay = new QVBoxLayout(loreBox);
    loreLay->addWidget(m_starts[kLore]);
    loreLay->addWidget(m_lores, 1);
    loreLay->addWidget(new QLabel(QStringLiteral("Note: leave at least one Lore active to not make the game bug"),
                                  loreBox));

    auto* left = new QVBoxLayout;
    left->addWidget(LevelsBox(QStringLiteral("Blitz"), "blitz", kBlitz, m_blitz, m_blitzNames));
    left->addWidget(LevelsBox(QStringLiteral("Sword tech."), "sword", kSword, m_sword, m_swordNames));
    auto* lay = new QHBoxLayout(this);
    lay->addLayout(left, 3);
    lay->addWidget(loreBox, 2);
    ShowNames();
    Show(Current());
}

QWidget* CStatupBlitzSwtechPage::LevelsBox(const QString& title, const char* key, Group g, CSpinField** fields,
                                           QLabel** names)
{
    auto* box = new QGroupBox(title, this);
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(QStringLiteral("First attack shown"), box), 0, 0, 1, 2);
    grid->addWidget(m_starts[g], 0, 2, 1, 2);
    for (int k = 0; k < kTechniques; ++k) {
        fields[k] = new CSpinField({}, box);
        fields[k]->setMaximumWidth(70);
        names[k] = new QLabel(box);
        names[k]->setMinimumWidth(110);
        const int row = 1 + k % 4, col = 2 * (k / 4);
        grid->addWidget(fields[k], row, col);
        grid->addWidget(names[k], row, col + 1);
        Bind(fields[k]->Edit(), key, k);
    }
    return box;
}

void CStatupBlitzSwtechPage::ChooseStart(Group g, int start)
{
    m_start[g] = g == kLore ? ClampLoreStart(start) : ClampTechniqueStart(start);
    m_starts[g]->setCurrentIndex(m_start[g]);
    ShowNames();
}

// Each level shows the attack it unlocks: spell index start + k. The sword
// techniques show their own names beside it.
void CStatupBlitzSwtechPage::ShowNames()
{
    const RomData& rd = Rom();
    for (int k = 0; k < kTechniques; ++k) {
        m_blitzNames[k]->setText(SpellLabel(rd, m_start[kBlitz] + k));
        const QString own = NameLabel(rd, NameListId::SwordTech, k);
        const QString attack = SpellLabel(rd, m_start[kSword] + k);
        m_swordNames[k]->setText(own.trimmed().isEmpty() || own == attack ? attack : attack + " (" + own + ")");
    }
    for (int k = 0; k < kLores; ++k)
        m_lores->item(k, 0)->setText(SpellLabel(rd, m_start[kLore] + k));
    m_lores->resizeColumnToContents(0);
}

CNumberField* CStatupBlitzSwtechPage::BlitzLevel(int k) const { return m_blitz[k]->Edit(); }
CNumberField* CStatupBlitzSwtechPage::SwordLevel(int k) const { return m_sword[k]->Edit(); }
