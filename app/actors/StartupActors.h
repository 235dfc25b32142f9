#pragma once
// "Actors Startup": what each of the 64 actors has when first joining:
// extra HP and MP, statistics, run success, level factor, flags, four battle
// commands and six pieces of equipment; with its name drawn in the game's
// font, Rename, and Copy and Paste of a whole actor (name and record).
#include <array>
#include <cstdint>
#include <vector>

#include "controls/RecordPage.h"

class CNumberField;
class CProgressWindow;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

class CStartupActors : public CRecordPage {
    Q_OBJECT
public:
    CStartupActors(CEditorSheet* sheet, CProgressWindow* progress = nullptr);

    QSpinBox* Selector() const { return m_selector; }
    CNumberField* Stat(int k) const { return m_stats[k]; }
    CNumberField* RunSuccess() const { return m_run; }
    QComboBox* LevelFactor() const { return m_levelFactor; }
    QCheckBox* Flag(int k) const { return m_flags[k]; }
    QComboBox* Command(int k) const { return m_commands[k]; }
    QComboBox* Equipment(int k) const { return m_equipment[k]; }
    QPushButton* PasteButton() const { return m_paste; }
    QLabel* NamePicture() const { return m_name; }

    void Copy();
    void Paste();
    void Rename();

private:
    void Choose(int i);
    QWidget* StatsBox();
    QWidget* CommandsBox();
    QWidget* EquipmentBox(CProgressWindow* progress);

    QSpinBox* m_selector;
    QLabel* m_name;
    std::array<CNumberField*, 11> m_stats{};
    CNumberField* m_run = nullptr;
    QComboBox* m_levelFactor = nullptr;
    std::array<QCheckBox*, 4> m_flags{};
    std::array<QComboBox*, 4> m_commands{};
    std::array<QComboBox*, 6> m_equipment{};
    QPushButton* m_paste = nullptr;
    // The copy buffer lives as long as the sheet: the name, then the record.
    bool m_copied = false;
    std::vector<uint8_t> m_copyName;
    std::vector<uint8_t> m_copyRecord;
};
