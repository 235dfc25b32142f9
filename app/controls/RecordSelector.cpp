#include "controls/RecordSelector.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QSpinBox>

CRecordSelector::CRecordSelector(QWidget* parent) : QWidget(parent)
{
    m_combo = new QComboBox(this);
    m_combo->setMinimumContentsLength(14);
    m_spin = new QSpinBox(this);
    auto* lay = new QHBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->addWidget(m_combo, 1);
    lay->addWidget(m_spin);
    connect(m_combo, qOverload<int>(&QComboBox::activated), this, &CRecordSelector::Choose);
    connect(m_spin, qOverload<int>(&QSpinBox::valueChanged), this, &CRecordSelector::Choose);
}

void CRecordSelector::SetNames(const QStringList& names)
{
    const int current = Current();
    const QSignalBlocker blockCombo(m_combo);
    const QSignalBlocker blockSpin(m_spin);
    m_combo->clear();
    m_combo->addItems(names);
    m_spin->setRange(0, std::max(0, static_cast<int>(names.size()) - 1));
    m_combo->setCurrentIndex(std::min(current, static_cast<int>(names.size()) - 1));
}

void CRecordSelector::SetCurrent(int i)
{
    const QSignalBlocker blockCombo(m_combo);
    const QSignalBlocker blockSpin(m_spin);
    m_combo->setCurrentIndex(i);
    m_spin->setValue(i);
}

int CRecordSelector::Current() const { return m_spin->value(); }

void CRecordSelector::Choose(int index)
{
    SetCurrent(index);
    emit Chosen(index);
}
