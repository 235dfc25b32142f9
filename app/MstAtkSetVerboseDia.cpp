#include "MstAtkSetVerboseDia.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "monsters/BattleScriptTexts.h"
#include "monsters/ScriptNames.h"

using namespace quorvex;

namespace {

QString Entry(int value, const std::string& name)
{
    return QStringLiteral("%1 = %2").arg(value, 2, 16, QLatin1Char('0')).toUpper().arg(QString::fromStdString(name));
}

void SelectValue(QComboBox* list, int value)
{
    const int at = list->findData(value);
    if (at >= 0)
        list->setCurrentIndex(at);
}

} // namespace

CMstAtkSetVerboseDia::CMstAtkSetVerboseDia(Mode mode, const ScriptNames& names, QWidget* parent)
    : QDialog(parent), m_mode(mode), m_names(names)
{
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    for (size_t i = 0; i < m_lists.size(); ++i) {
        m_lists[i] = new QComboBox(this);
        m_lists[i]->setObjectName(QStringLiteral("list%1").arg(i + 1));
        m_lists[i]->setMinimumContentsLength(28);
        grid->addWidget(m_lists[i], static_cast<int>(i), 1);
    }
    if (mode == Mode::SpellOrItem) {
        setWindowTitle(QStringLiteral("Spell/item"));
        static const char* const kLabels[4] = {"1 spell", "1 random spell out of 3", "Use 1 random item out of 2",
                                               "Throw 1 random item out of 2"};
        auto* group = new QButtonGroup(this);
        for (int k = 0; k < 4; ++k) {
            m_kinds[static_cast<size_t>(k)] = new QRadioButton(QString::fromLatin1(kLabels[k]), this);
            group->addButton(m_kinds[static_cast<size_t>(k)], k);
            layout->addWidget(m_kinds[static_cast<size_t>(k)]);
        }
        m_kinds[kOneSpell]->setChecked(true);
        connect(group, &QButtonGroup::idClicked, this, [this](int k) { ShowKind(static_cast<Kind>(k)); });
        ShowKind(kOneSpell);
    } else if (mode == Mode::Target) {
        setWindowTitle(QStringLiteral("Target"));
        for (int t = 0; t < kScriptTargetCount; ++t)
            m_lists[0]->addItem(Entry(t, ScriptTargetText(t)), t);
        m_lists[1]->hide();
        m_lists[2]->hide();
    } else {
        setWindowTitle(QStringLiteral("Event"));
        for (int e = 0; e < kScriptEventCount; ++e)
            m_lists[0]->addItem(Entry(e, ScriptEventText(e)), e);
        m_lists[1]->hide();
        m_lists[2]->hide();
    }
    layout->addLayout(grid);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void CMstAtkSetVerboseDia::FillAttacks(QComboBox* list, bool allValues)
{
    list->clear();
    // One spell: the 240 plain attacks. A random choice: every value, 0xFE
    // being "Nothing".
    for (int v = 0; v < (allValues ? 256 : 0xF0); ++v)
        list->addItem(Entry(v, v < 0xF0 ? m_names.Attack(v) : v == 0xFE ? "Nothing" : "???"), v);
}

void CMstAtkSetVerboseDia::FillItems(QComboBox* list)
{
    list->clear();
    for (int v = 0; v < 256; ++v)
        list->addItem(Entry(v, m_names.Item(v)), v);
}

void CMstAtkSetVerboseDia::ShowKind(Kind k)
{
    const bool items = k == kUseItem || k == kThrowItem;
    const bool wereItems = m_filled == kUseItem || m_filled == kThrowItem;
    if (m_lists[0]->count() == 0 || items != wereItems || (k == kOneSpell) != (m_filled == kOneSpell)) {
        for (int i = 0; i < 3; ++i) {
            if (items)
                FillItems(m_lists[static_cast<size_t>(i)]);
            else
                FillAttacks(m_lists[static_cast<size_t>(i)], k != kOneSpell);
        }
    }
    m_filled = k;
    m_lists[1]->setVisible(k != kOneSpell);
    m_lists[2]->setVisible(k == kThreeSpells);
}

CMstAtkSetVerboseDia::Kind CMstAtkSetVerboseDia::CurrentKind() const
{
    for (int k = 0; k < 4; ++k)
        if (m_kinds[static_cast<size_t>(k)] && m_kinds[static_cast<size_t>(k)]->isChecked())
            return static_cast<Kind>(k);
    return kOneSpell;
}

void CMstAtkSetVerboseDia::SetCommand(const std::vector<uint8_t>& c, bool keepKind)
{
    if (c.empty())
        return;
    if (m_mode != Mode::SpellOrItem) {
        if (c.size() > 1)
            SelectValue(m_lists[0], c[1]);
        return;
    }
    Kind kind = kOneSpell;
    std::vector<int> values = {c[0]};
    if (c[0] == 0xF0 && c.size() >= 4) {
        kind = kThreeSpells;
        values = {c[1], c[2], c[3]};
    } else if (c[0] == 0xF6 && c.size() >= 4) {
        kind = c[1] == 0 ? kUseItem : kThrowItem;
        values = {c[2], c[3]};
    }
    m_kinds[kind]->setChecked(true);
    ShowKind(kind);
    for (size_t i = 0; i < values.size(); ++i)
        SelectValue(m_lists[i], values[i]);
    if (keepKind)
        for (int k = 0; k < 4; ++k)
            m_kinds[static_cast<size_t>(k)]->setEnabled(k == kind);
}

std::vector<uint8_t> CMstAtkSetVerboseDia::Command() const
{
    auto value = [this](int i) { return static_cast<uint8_t>(m_lists[static_cast<size_t>(i)]->currentData().toInt()); };
    switch (m_mode) {
    case Mode::Target: return {0xF1, value(0)};
    case Mode::Event: return {0xF7, value(0)};
    case Mode::SpellOrItem: break;
    }
    switch (CurrentKind()) {
    case kThreeSpells: return {0xF0, value(0), value(1), value(2)};
    case kUseItem: return {0xF6, 0x00, value(0), value(1)};
    case kThrowItem: return {0xF6, 0x01, value(0), value(1)};
    default: return {value(0)};
    }
}
