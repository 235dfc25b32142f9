#include "OptionsDia.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QSettings>
#include <QVBoxLayout>

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

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &COptionsDia::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &COptionsDia::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
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
    QDialog::accept();
}
