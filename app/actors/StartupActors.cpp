#include "actors/StartupActors.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "controls/Choices.h"
#include "controls/FF6Combo.h"
#include "controls/FieldControls.h"
#include "controls/NamedRecordPage.h"
#include "editors/ActorRules.h"
#include "editors/ActorTables.h"
#include "rom/RomData.h"
#include "rom/TableDesc.h"

using namespace quorvex;

namespace {
const char* const kEquipmentLabels[6] = {"Weapon", "Shield", "Helmet", "Armor", "Relic 1", "Relic 2"};
}

CStartupActors::CStartupActors(CEditorSheet* sheet, CProgressWindow* progress) : CRecordPage(sheet, *FindTable("actors"), "ActStUpIdx")
{
    m_selector = new QSpinBox(this);
    m_selector->setRange(0, kActors - 1);
    m_name = new QLabel(this);
    m_name->setMinimumSize(6 * 8 * 3, 8 * 3);
    auto* rename = new QPushButton(QStringLiteral("Rename"), this);
    auto* copy = new QPushButton(QStringLiteral("Copy"), this);
    m_paste = new QPushButton(QStringLiteral("Paste"), this);
    m_paste->setEnabled(false);
    connect(rename, &QPushButton::clicked, this, &CStartupActors::Rename);
    connect(copy, &QPushButton::clicked, this, &CStartupActors::Copy);
    connect(m_paste, &QPushButton::clicked, this, &CStartupActors::Paste);
    connect(m_selector, qOverload<int>(&QSpinBox::valueChanged), this, &CStartupActors::Choose);
    Bind(
        [this](int i) {
            const QSignalBlocker block(m_selector);
            m_selector->setValue(i);
            m_name->setPixmap(NamePixmap(Rom(), NameListId::Actor, i, 3));
        },
        nullptr);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Actor"), this));
    top->addWidget(m_selector);
    top->addWidget(m_name, 1);
    top->addWidget(rename);
    top->addWidget(copy);
    top->addWidget(m_paste);
    auto* columns = new QHBoxLayout;
    columns->addWidget(StatsBox());
    auto* right = new QVBoxLayout;
    right->addWidget(CommandsBox());
    right->addWidget(EquipmentBox(progress));
    columns->addLayout(right, 1);
    auto* lay = new QVBoxLayout(this);
    lay->addLayout(top);
    lay->addLayout(columns);
    lay->addStretch();

    // A remembered actor past the last one starts the page at actor 0.
    const bool past = QuorvexSettings().value(QStringLiteral("Settings/ActStUpIdx"), 0).toInt() >= kActors;
    ShowFirst(past ? 0 : Current());
}

QWidget* CStartupActors::StatsBox()
{
    auto* box = new QGroupBox(this);
    auto* form = new QFormLayout(box);
    for (int k = 0; k < 11; ++k) {
        m_stats[static_cast<size_t>(k)] = new CNumberField({}, box);
        form->addRow(QString::fromLatin1(kActorStatLabels[k]), m_stats[static_cast<size_t>(k)]);
        Bind(m_stats[static_cast<size_t>(k)], kActorStatKeys[k]);
    }
    // Run success: any byte value may be typed; its code is what is kept.
    m_run = new CNumberField({0, 256}, box);
    form->addRow(QStringLiteral("Run success"), m_run);
    const FieldDesc& run = Field("run_success");
    Bind([this, &run](int i) { m_run->SetValue(Value(run, i)); },
         [this, &run](int i) {
             if (m_run->isModified())
                 StoreValue(run, i, 0, RunSuccessShown(RunSuccessCode(m_run->Read())));
         });
    m_levelFactor = new QComboBox(box);
    for (int f = 0; f < 4; ++f)
        m_levelFactor->addItem(QString::fromLatin1(kLevelFactorLabels[f]), f);
    form->addRow(QStringLiteral("Level factor"), m_levelFactor);
    Bind(m_levelFactor, "level_factor");
    static const char* const kFlagKeys[4] = {"cant_reequip", "byte21_bit5", "byte21_bit6", "byte21_bit7"};
    for (int k = 0; k < 4; ++k) {
        m_flags[static_cast<size_t>(k)] = new QCheckBox(QString::fromLatin1(kActorFlagLabels[k]), box);
        form->addRow(m_flags[static_cast<size_t>(k)]);
        Bind(m_flags[static_cast<size_t>(k)], kFlagKeys[k]);
    }
    return box;
}

QWidget* CStartupActors::CommandsBox()
{
    auto* box = new QGroupBox(QStringLiteral("Commands"), this);
    auto* lay = new QVBoxLayout(box);
    QStandardItemModel* commands = MakeChoices(this, NameLabels(Rom(), NameListId::Command, 32));
    for (int k = 0; k < 4; ++k) {
        m_commands[static_cast<size_t>(k)] = new QComboBox(box);
        UseChoices(m_commands[static_cast<size_t>(k)], commands);
        lay->addWidget(m_commands[static_cast<size_t>(k)]);
        Bind(m_commands[static_cast<size_t>(k)], "commands", k);
    }
    lay->addStretch();
    return box;
}

QWidget* CStartupActors::EquipmentBox(CProgressWindow* progress)
{
    auto* box = new QGroupBox(QStringLiteral("Equipments"), this);
    auto* form = new QFormLayout(box);
    CNameListModel* items = MakeNameListModel(Rom(), PreprocList::Item, 0, 256, this,
                                              progress ? progress->Callback() : CPreprocRomData::Progress{});
    for (int k = 0; k < 6; ++k) {
        auto* combo = new CFF6Combo(box);
        combo->SetList(items);
        m_equipment[static_cast<size_t>(k)] = combo;
        form->addRow(QString::fromLatin1(kEquipmentLabels[k]), m_equipment[static_cast<size_t>(k)]);
        Bind(m_equipment[static_cast<size_t>(k)], "equipment", k);
    }
    return box;
}

void CStartupActors::Choose(int i)
{
    Select(i);
    m_selector->setFocus();
    m_selector->selectAll();
}

void CStartupActors::Copy()
{
    StoreShown();
    RomData& rd = Rom();
    m_copyName = rd.names.actorNames.Get(static_cast<uint32_t>(Current()));
    const auto at = rd.actors.startup.bytes.begin() + Current() * kActorRecordSize;
    m_copyRecord.assign(at, at + kActorRecordSize);
    m_copied = true;
    m_paste->setEnabled(true);
}

void CStartupActors::Paste()
{
    if (!m_copied)
        return;
    RomData& rd = Rom();
    const auto at = rd.actors.startup.bytes.begin() + Current() * kActorRecordSize;
    if (rd.names.actorNames.Get(static_cast<uint32_t>(Current())) != m_copyName ||
        !std::equal(m_copyRecord.begin(), m_copyRecord.end(), at)) {
        rd.names.actorNames.Set(static_cast<uint32_t>(Current()), m_copyName);
        std::copy(m_copyRecord.begin(), m_copyRecord.end(), at);
        rd.names.preproc.Reset();
        Sheet()->SetEdited();
    }
    Refresh();
}

void CStartupActors::Rename()
{
    if (RenameChangesName(this, Rom(), NameListId::Actor, Current())) {
        Sheet()->SetEdited();
        Refresh();
    }
}
