#pragma once
// "MagiTek": the eight MagiTek slots at once, each with the attack the first
// actor of the name table uses, the attack the other actors use, and a
// button showing the slot's targeting summary that opens the targeting
// editor.
#include "controls/RecordPage.h"

class CFF6Combo;
class CProgressWindow;
class QPushButton;

class CBattleMtekPage : public CRecordPage {
    Q_OBJECT
public:
    // The attack names are drawn behind `progress` when it is given.
    explicit CBattleMtekPage(CEditorSheet* sheet, CProgressWindow* progress = nullptr);

    CFF6Combo* FirstAttack(int slot) const { return m_first[slot]; }
    CFF6Combo* OtherAttack(int slot) const { return m_others[slot]; }
    QPushButton* TargetingButton(int slot) const { return m_targeting[slot]; }
    // What the targeting button does: edits the slot's targeting byte.
    void EditTargeting(int slot);

private:
    void BindSlot(CFF6Combo* combo, const char* key, int slot);
    void ShowTargeting(int slot);

    CFF6Combo* m_first[8] = {};
    CFF6Combo* m_others[8] = {};
    QPushButton* m_targeting[8] = {};
};
