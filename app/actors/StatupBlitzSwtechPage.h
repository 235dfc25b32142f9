#pragma once
// "Blitz, Sw. tech && Lores": the levels at which the eight blitzes and the
// eight sword techniques are learnt, each beside the name of the attack it
// unlocks, and the lores known from the start. Three choices set the spell
// index of the first attack name shown in each group.
#include "controls/RecordPage.h"

class CCheckListControl;
class CNumberField;
class QComboBox;
class QLabel;

class CStatupBlitzSwtechPage : public CRecordPage {
    Q_OBJECT
public:
    enum Group { kBlitz, kSword, kLore };

    explicit CStatupBlitzSwtechPage(CEditorSheet* sheet);
    CNumberField* BlitzLevel(int k) const { return m_blitz[k]; }
    CNumberField* SwordLevel(int k) const { return m_sword[k]; }
    QLabel* BlitzName(int k) const { return m_blitzNames[k]; }
    QLabel* SwordName(int k) const { return m_swordNames[k]; }
    QComboBox* Start(Group g) const { return m_starts[g]; }
    CCheckListControl* Lores() const { return m_lores; }
    // Moves a group's first shown attack as the choice does (clamped).
    void ChooseStart(Group g, int start);

private:
    QWidget* LevelsBox(const QString& title, const char* key, Group g, CNumberField** fields, QLabel** names);
    void ShowNames();

    CNumberField* m_blitz[8] = {};
    CNumberField* m_sword[8] = {};
    QLabel* m_blitzNames[8] = {};
    QLabel* m_swordNames[8] = {};
    QComboBox* m_starts[3] = {};
    int m_start[3] = {};
    CCheckListControl* m_lores = nullptr;
};
