#pragma once
// The 14-byte battle animation page: spells, tools, items and the battle
// editor's two blocks, one mode each. Graphics indices and "Byte 10" are
// hexadecimal, the sound and the speed decimal, the three palettes spins
// with their colour strips.
#include "AnimPage.h"

class CHexField;
class CNumberField;

class C14ByteAnimPage : public CAnimPage {
    Q_OBJECT
public:
    // `mode` is one of the 14-byte tables.
    C14ByteAnimPage(CEditorSheet* sheet, quorvex::AnimMode mode);

    CHexField* IndexHex(int k) const { return m_idx[k]; } // "Idx 0" .. "Idx 3"
    CNumberField* SoundField() const { return m_sound; }
    CHexField* Byte10Field() const { return m_byte10; }
    CNumberField* SpeedField() const { return m_speed; }

private:
    CHexField* m_idx[4] = {};
    CNumberField* m_sound = nullptr;
    CHexField* m_byte10 = nullptr;
    CNumberField* m_speed = nullptr;
};
