#pragma once
// "ROM patch & data location manager": where the battle scripts, the town
// dialogue and the special attack names lie, how full the world-map areas
// are, and the buttons that move the three into the expanded section or
// back. Moving only changes the document; the save moves the data.
#include <QDialog>
#include <cstdint>

namespace quorvex {
class CQuorvexDoc;
struct RomData;
struct RelocationResult;
struct RelocationSection;
} // namespace quorvex
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

class CRomDataLocDia : public QDialog {
    Q_OBJECT
public:
    explicit CRomDataLocDia(quorvex::CQuorvexDoc& doc, QWidget* parent = nullptr);

    // The controls of one section (null where the section has none).
    struct Section {
        QGroupBox* box = nullptr;
        QPushButton* apply = nullptr;
        QPushButton* remove = nullptr;
        QComboBox* bank = nullptr;
        QLabel* regular = nullptr;
        QLabel* expanded = nullptr;
    };
    const Section& Scripts() const { return m_scripts; }
    const Section& Dialogue() const { return m_dialogue; }
    const Section& Maps() const { return m_maps; }
    const Section& Names() const { return m_names; }
    uint32_t ScriptBank() const { return m_scriptBank; }
    uint32_t NameBank() const { return m_nameBank; }

private:
    Section MakeSection(const char* caption, bool buttons, bool bank, const char* note);
    void Refresh();
    void ShowSection(Section& s, const quorvex::RelocationSection& v);
    // Shows a refusal (unless it is one the window passes over); marks the
    // document modified when the operation changed where data lies.
    void Done(const quorvex::RelocationResult& r);
    bool Ask(const QString& question);

    void OnScriptsApply();
    void OnScriptsRemove();
    void OnScriptBank(int index);
    void OnDialogueApply();
    void OnDialogueRemove();
    void OnNamesApply();
    void OnNamesRemove();
    void OnNameBank(int index);

    quorvex::CQuorvexDoc& m_doc;
    quorvex::RomData& m_rd;
    uint32_t m_scriptBank = 0;
    uint32_t m_nameBank = 0;
    Section m_scripts, m_dialogue, m_maps, m_names;
};

namespace loctext {
constexpr const char* kScriptsApplyQuestion =
    "Before proceeding, be aware that once the ROM is saved:\n - The ROM will not be compatible with Quorvex 6.31 or "
    "older\n - Other editors might not be compatible with this modification\n - Backing up your ROM is always a good "
    "thing to do\n\nDo you want to move the Battle Script Data?";
constexpr const char* kScriptsRemoveQuestion = "Do you want to remove the Quorvex Monster Battle Script patch?";
constexpr const char* kDialogueApplyQuestion =
    "Before proceeding, be aware that once the ROM is saved:\n - Other editors might not be compatible with this "
    "modification\n - Backing up your ROM is always a good thing to do\n\nDo you want to move extend the Town Dialog "
    "script?";
constexpr const char* kDialogueRemoveQuestion = "Do you want to remove the FF3Edit Dialog patch?";
constexpr const char* kNamesApplyQuestion =
    "Before proceeding, be aware that once the ROM is saved:\n - The ROM will not be compatible with Quorvex 6.60 or "
    "older\n - Other editors might not be compatible with this modification\n - Backing up your ROM is always a good "
    "thing to do\n\nDo you want to move the Monster Special Attack names?";
constexpr const char* kNamesRemoveQuestion =
    "Removing patch will truncate strings larger than %1 characters.\nDo you want to remove the Quorvex Monster "
    "Special Attack names patch?";
} // namespace loctext
