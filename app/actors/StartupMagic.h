#pragma once
// "Natural Magic": the sixteen spells two actors learn by level, each a
// spell choice and a level 1-99. Two option buttons, labelled with the
// names of actors 0 and 6, choose whose list is shown.
#include "controls/RecordPage.h"

class CNumberField;
class CProgressWindow;
class CSpinField;
class QComboBox;
class QRadioButton;

class CStartupMagic : public CRecordPage {
    Q_OBJECT
public:
    CStartupMagic(CEditorSheet* sheet, CProgressWindow* progress = nullptr);
    QRadioButton* Actor(int k) const { return m_actors[k]; }
    QComboBox* Spell(int k) const { return m_spells[k]; }
    CNumberField* Level(int k) const;

private:
    QRadioButton* m_actors[2] = {};
    QComboBox* m_spells[16] = {};
    CSpinField* m_levels[16] = {};
};
