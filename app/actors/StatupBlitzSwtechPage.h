#pragma once
// "Blitz, Sw. tech && Lores": the levels at which the eight blitzes and the
// eight sword techniques are learnt, each beside the name of the attack it
// unlocks, and the lores known from the start. Three choices set the spell
// index of the first attack name shown in each group.
#include "controls/RecordPage.h"

class CCheckListControl;
class CNumberField;
class CProgressWindow;
class CSpinField;
class QComboBox;
class QLabel;

class CStatupBlitzSwtechPage : public CRecordPage {
    Q_OBJECT
public:
    enum Group { kBlitz, kSword, kLore };

    CStatupBlitzSwtechPage(CEditorSheet* sheet, CProgressWindow* progress = nullptr);
    CNumberField* BlitzLevel(int k) const;
    CNumberField* SwordLevel(int k) const;
    QLabel* BlitzName(int k) const { return m_blitzNames[k]; }
    QLabel* SwordName(int k) const { return m_swordNames[k]; }
    QComboBox* Start(Group g) const { return m_starts[g]; }
    CCheckListControl* Lores() const { return m_lores; }
    // Moves a group's first shown attack as the choice does (clamped).
    void ChooseStart(Group g, int start);

private:
    QWidget* LevelsBox(const QString& title, const char* key, Group g, CSpinField** fields, QLabel** names);
    void ShowNames();

    CSpinField* m_blitz[8] = {};
    CSpinField* m_sword[8] = {};
    QLabel* m_blitzNames[8] = {};
    QLabel* m_swordNames[8] = {};
    QComboBox* m_starts[3] = {};
    int m_start[3] = {};
    CCheckListControl* m_lores = nullptr;
};
