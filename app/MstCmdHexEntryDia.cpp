#include "MstCmdHexEntryDia.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "monsters/BattleScript.h"

CMstCmdHexEntryDia::CMstCmdHexEntryDia(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Command hex entry"));
    auto* row = new QHBoxLayout;
    const QRegularExpression hex(QStringLiteral("[0-9A-Fa-f]{0,2}"));
    for (size_t i = 0; i < m_fields.size(); ++i) {
        QLineEdit* f = new QLineEdit(this);
        f->setMaxLength(2);
        f->setValidator(new QRegularExpressionValidator(hex, f));
        f->setFixedWidth(f->fontMetrics().horizontalAdvance(QStringLiteral("WWW")) + 8);
        f->setObjectName(i == 0 ? QStringLiteral("opcode") : QStringLiteral("operand%1").arg(i));
        m_labels[i] = new QLabel(i == 0 ? QStringLiteral("Op.") : QStringLiteral("Data %1").arg(i), this);
        row->addWidget(m_labels[i]);
        row->addWidget(f);
        m_fields[i] = f;
    }
    connect(m_fields[0], &QLineEdit::textEdited, this, [this] { OnOpcodeEdited(); });
    for (int i = 1; i < 4; ++i)
        connect(m_fields[static_cast<size_t>(i)], &QLineEdit::textEdited, this, [this, i] { OnOperandEdited(i); });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    OnOpcodeEdited();
}

void CMstCmdHexEntryDia::SetBytes(const std::vector<uint8_t>& bytes)
{
    for (size_t i = 0; i < m_fields.size(); ++i)
        m_fields[i]->setText(i < bytes.size() ? QStringLiteral("%1").arg(bytes[i], 2, 16, QLatin1Char('0')).toUpper()
                                              : QString());
    OnOpcodeEdited();
}

int CMstCmdHexEntryDia::ShownOperands() const
{
    if (m_fields[0]->text().size() != 2)
        return -1;
    return quorvex::ScriptOperandCount(static_cast<uint8_t>(m_fields[0]->text().toUInt(nullptr, 16)));
}

void CMstCmdHexEntryDia::OnOpcodeEdited()
{
    const int n = ShownOperands();
    for (size_t i = 1; i < m_fields.size(); ++i) {
        m_fields[i]->setVisible(static_cast<int>(i) <= n);
        m_labels[i]->setVisible(static_cast<int>(i) <= n);
    }
    if (n > 0 && m_fields[0]->hasFocus())
        m_fields[1]->setFocus();
}

void CMstCmdHexEntryDia::OnOperandEdited(int i)
{
    if (m_fields[static_cast<size_t>(i)]->text().size() == 2 && i < ShownOperands())
        m_fields[static_cast<size_t>(i) + 1]->setFocus();
}

std::vector<uint8_t> CMstCmdHexEntryDia::Command() const
{
    const int n = ShownOperands();
    if (n < 0)
        return {};
    std::vector<uint8_t> bytes;
    for (int i = 0; i <= n; ++i)
        bytes.push_back(static_cast<uint8_t>(m_fields[static_cast<size_t>(i)]->text().toUInt(nullptr, 16)));
    return bytes;
}
