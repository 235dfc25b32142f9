#pragma once
// The 8-byte battle animation page: weapons (the item editor) and enemy
// specials (the monster editor). Hand and attack animations and "Byte 7"
// are hexadecimal, the flags a check list, the two palettes spins with
// their colour strips.
#include "AnimPage.h"

class CCheckListControl;
class CHexField;
class CNumberField;

class C8ByteAnimPage : public CAnimPage {
    Q_OBJECT
public:
    // `mode` is one of the 8-byte tables.
    C8ByteAnimPage(CEditorSheet* sheet, quorvex::AnimMode mode);

    CHexField* RightHand() const { return m_right; }
    CHexField* LeftHand() const { return m_left; }
    CHexField* Attack() const { return m_attack; }
    CCheckListControl* Flags() const { return m_flags; }
    CNumberField* SoundField() const { return m_sound; }
    CHexField* Byte7Field() const { return m_byte7; }

private:
    CHexField* m_right = nullptr;
    CHexField* m_left = nullptr;
    CHexField* m_attack = nullptr;
    CCheckListControl* m_flags = nullptr;
    CNumberField* m_sound = nullptr;
    CHexField* m_byte7 = nullptr;
};
