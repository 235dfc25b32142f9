#pragma once
// "Command hex entry": one battle-script command typed as hexadecimal bytes,
// the opcode first. As soon as the opcode holds two digits exactly as many
// operand fields appear as the opcode takes, and the focus moves on by
// itself; while it does not, the operand fields are hidden.
#include <QDialog>
#include <array>
#include <cstdint>
#include <vector>

class QLabel;
class QLineEdit;

class CMstCmdHexEntryDia : public QDialog {
    Q_OBJECT
public:
    explicit CMstCmdHexEntryDia(QWidget* parent = nullptr);

    // Starts with these bytes in the four fields (Hex Edit: the four bytes
    // from the edited command on).
    void SetBytes(const std::vector<uint8_t>& bytes);
    // The command: the opcode and as many operands as it takes. Empty while
    // the opcode field does not hold two digits.
    std::vector<uint8_t> Command() const;

    QLineEdit* Field(int i) const { return m_fields[static_cast<size_t>(i)]; }

private:
    void OnOpcodeEdited();
    void OnOperandEdited(int i);
    int ShownOperands() const;

    std::array<QLineEdit*, 4> m_fields{};
    std::array<QLabel*, 4> m_labels{};
};
