#include "OptionsDia.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSettings>
#include <QSpinBox>
#include <QVBoxLayout>

#include "controls/Settings.h"
#include "rom/RestorePoints.h"

namespace quorvex_options {

int ReadOptions()
{
    QSettings settings(QStringLiteral("Orvan Soft"), QStringLiteral("Quorvex"));
    settings.beginGroup(QStringLiteral("Settings"));
    return settings.value(QStringLiteral("Options"), 0).toInt();
}

void WriteOptions(int value)
{
    QSettings settings(QStringLiteral("Orvan Soft"), QStringLiteral("Quorvex"));
    settings.beginGroup(QStringLiteral("Settings"));
    settings.setValue(QStringLiteral("Options"), value);
}

int ReadRestorePoints()
{
    const int n = QuorvexSettings().value(QStringLiteral("Options/RestorePoints"), quorvex::kDefaultRestorePoints).toInt();
    return n < 0 ? 0 : n > kMaxRestorePoints ? kMaxRestorePoints : n;
}

void WriteRestorePoints(int count) { QuorvexSettings().setValue(QStringLiteral("Options/RestorePoints"), count); }

} // namespace quorvex_options

using namespace quorvex_options;

COptionsDia::COptionsDia(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Quorvex options"));
    m_original = ReadOptions();

    auto* group = new QGroupBox(QStringLiteral("Global settings"), this);
    m_noLogo = new QCheckBox(QStringLiteral("No background logo"), group);
    m_red = new QCheckBox(QStringLiteral("Use red"), group);
    m_green = new QCheckBox(QStringLiteral("Use green"), group);
    m_blue = new QCheckBox(QStringLiteral("Use blue"), group);
    m_noLogo->setChecked(m_original & kNoBackgroundLogo);
    m_red->setChecked(m_original & kUseRed);
    m_green->setChecked(m_original & kUseGreen);
    m_blue->setChecked(m_original & kUseBlue);

    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_noLogo);
    // The colours only mean something once the logo is gone: indent them
    // under the box they depend on.
    for (QCheckBox* colour : {m_red, m_green, m_blue}) {
        auto* row = new QHBoxLayout;
        row->addSpacing(20);
        row->addWidget(colour);
        groupLayout->addLayout(row);
    }
    connect(m_noLogo, &QCheckBox::toggled, this, &COptionsDia::UpdateEnabling);

    // Each save first keeps the image as it was on disk in "NAME.restore"
    // beside it; File > Restore Points... puts one back.
    auto* saving = new QGroupBox(QStringLiteral("Saving"), this);
    m_restorePoints = new QSpinBox(saving);
    m_restorePoints->setRange(0, kMaxRestorePoints);
    m_restorePoints->setValue(ReadRestorePoints());
    m_restorePoints->setSpecialValueText(QStringLiteral("None"));
    auto* savingLayout = new QFormLayout(saving);
    savingLayout->addRow(QStringLiteral("Restore points kept:"), m_restorePoints);
    auto* hint = new QLabel(QStringLiteral("Each save keeps the image as it was before in a folder beside it."), saving);
    hint->setWordWrap(true);
    savingLayout->addRow(hint);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &COptionsDia::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &COptionsDia::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(saving);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    UpdateEnabling();
}

void COptionsDia::UpdateEnabling()
{
    const bool on = m_noLogo->isChecked();
    m_red->setEnabled(on);
    m_green->setEnabled(on);
    m_blue->setEnabled(on);
}

int COptionsDia::Value() const
{
    int v = m_original & kKeptBits;
    if (m_noLogo->isChecked())
        v |= kNoBackgroundLogo;
    if (m_blue->isChecked())
        v |= kUseBlue;
    if (m_green->isChecked())
        v |= kUseGreen;
    if (m_red->isChecked())
        v |= kUseRed;
    return v;
}

void COptionsDia::accept()
{
    WriteOptions(Value());
    WriteRestorePoints(m_restorePoints->value());
    QDialog::accept();
}
