#pragma once
// The battle-script page's chooser: builds a spell or item command ("1
// spell", "1 random spell out of 3", "Use 1 random item out of 2", "Throw 1
// random item out of 2"), a targeting command (F1) or an event command (F7)
// from lists of names, so that nobody has to know the numbers.
#include <QDialog>
#include <array>
#include <cstdint>
#include <vector>

namespace quorvex {
class ScriptNames;
}
class QComboBox;
class QRadioButton;

class CMstAtkSetVerboseDia : public QDialog {
    Q_OBJECT
public:
    enum class Mode { SpellOrItem, Target, Event };
    // The spell/item kinds, in the order of their buttons.
    enum Kind { kOneSpell, kThreeSpells, kUseItem, kThrowItem };

    CMstAtkSetVerboseDia(Mode mode, const quorvex::ScriptNames& names, QWidget* parent = nullptr);

    // Starts on this command; with `keepKind` the kind cannot be changed
    // (editing a command by double-click keeps what it is).
    void SetCommand(const std::vector<uint8_t>& command, bool keepKind);
    std::vector<uint8_t> Command() const;

    QRadioButton* KindButton(Kind k) const { return m_kinds[k]; }
    QComboBox* List(int i) const { return m_lists[static_cast<size_t>(i)]; }

private:
    void ShowKind(Kind k);
    Kind CurrentKind() const;
    void FillAttacks(QComboBox* list, bool allValues);
    void FillItems(QComboBox* list);

    Mode m_mode;
    const quorvex::ScriptNames& m_names;
    std::array<QRadioButton*, 4> m_kinds{};
    std::array<QComboBox*, 3> m_lists{};
    Kind m_filled = kOneSpell;
};
