#include "actors/StartupMagic.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "controls/Choices.h"
#include "controls/FF6Combo.h"
#include "controls/FieldControls.h"
#include "controls/SpinField.h"
#include "editors/ActorTables.h"
#include "rom/TableDesc.h"

using namespace quorvex;

CStartupMagic::CStartupMagic(CEditorSheet* sheet, CProgressWindow* progress) : CRecordPage(sheet, *FindTable("natural_magic"), nullptr)
{
    // The two records belong to the actors of the name table's entries 0 and 6.
    auto* actors = new QHBoxLayout;
    for (int k = 0; k < kNaturalMagicActors; ++k) {
        m_actors[k] = new QRadioButton(NameLabel(Rom(), NameListId::Actor, 6 * k), this);
        actors->addWidget(m_actors[k]);
        connect(m_actors[k], &QRadioButton::clicked, this, [this, k] { Select(k); });
    }
    actors->addStretch();
    Bind([this](int i) { m_actors[i]->setChecked(true); }, nullptr);

    CNameListModel* spells = MakeNameListModel(Rom(), PreprocList::Spell, 0, 256, this,
                                               progress ? progress->Callback() : CPreprocRomData::Progress{});
    auto* grid = new QGridLayout;
    for (int k = 0; k < kNaturalMagicSpells; ++k) {
        const int row = k % 8, col = 3 * (k / 8);
        auto* spell = new CFF6Combo(this);
        spell->SetList(spells);
        m_spells[k] = spell;
        m_levels[k] = new CSpinField({}, this);
        m_levels[k]->setMaximumWidth(70);
        grid->addWidget(m_spells[k], row, col);
        grid->addWidget(new QLabel(QStringLiteral("Level"), this), row, col + 1);
        grid->addWidget(m_levels[k], row, col + 2);
        Bind(m_spells[k], "spells", k);
        Bind(m_levels[k]->Edit(), "levels", k);
    }
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(3, 1);
    grid->setColumnMinimumWidth(2, 60);
    auto* lay = new QVBoxLayout(this);
    lay->addLayout(actors);
    lay->addLayout(grid);
    lay->addStretch();
    Show(Current());
}

CNumberField* CStartupMagic::Level(int k) const { return m_levels[k]->Edit(); }
