#include "controls/RecordSelector.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include "controls/FF6Combo.h"
#include "controls/FieldControls.h"
#include "controls/SpinField.h"

CRecordSelector::CRecordSelector(QWidget* parent) : QWidget(parent)
{
    m_combo = new QComboBox(this);
    m_combo->setMinimumContentsLength(14);
    m_spin = new QSpinBox(this);
    m_layout = new QHBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->addWidget(m_combo, 1);
    m_layout->addWidget(m_spin);
    connect(m_combo, qOverload<int>(&QComboBox::activated), this, &CRecordSelector::Choose);
    connect(m_spin, qOverload<int>(&QSpinBox::valueChanged), this, &CRecordSelector::Choose);
}

CRecordSelector::CRecordSelector(QStandardItemModel* names, int count, QWidget* parent) : QWidget(parent)
{
    auto* combo = new CFF6Combo(this);
    combo->SetList(names);
    m_combo = combo;
    m_index = new CSpinField({0, count}, this);
    m_combo->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_index->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_layout = new QHBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->addWidget(m_combo);
    m_layout->addWidget(m_index);
    // The pictures keep their own width: the row ends in a stretch.
    m_layout->addStretch();
    connect(m_combo, qOverload<int>(&QComboBox::activated), this, &CRecordSelector::Choose);
    connect(m_index, &CSpinField::stepped, this, &CRecordSelector::Choose);
    connect(m_index->Edit(), &QLineEdit::editingFinished, this, [this] { Choose(m_index->Edit()->Read()); });
}

QPushButton* CRecordSelector::AddRenameButton(const QString& text)
{
    if (!m_rename) {
        m_rename = new QPushButton(text, this);
        // Before the closing stretch, if the row has one.
        m_layout->insertWidget(m_index ? 2 : m_layout->count(), m_rename);
    }
    return m_rename;
}

void CRecordSelector::SetNames(const QStringList& names)
{
    if (!m_spin)
        return;
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
    m_combo->setCurrentIndex(i);
    if (m_spin) {
        const QSignalBlocker blockSpin(m_spin);
        m_spin->setValue(i);
    } else {
        const QSignalBlocker blockIndex(m_index->Edit());
        m_index->Edit()->SetValue(i);
    }
}

int CRecordSelector::Current() const { return m_spin ? m_spin->value() : m_combo->currentIndex(); }

void CRecordSelector::Choose(int index)
{
    SetCurrent(index);
    emit Chosen(index);
}
