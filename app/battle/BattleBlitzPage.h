#pragma once
// "Blitz": the button presses of the eight blitzes. Choosing a press stores
// it at once and redraws the sequence.
#include "controls/NamedRecordPage.h"

class CBlitzSequenceView;
class QComboBox;

class CBattleBlitzPage : public CNamedRecordPage {
    Q_OBJECT
public:
    explicit CBattleBlitzPage(CEditorSheet* sheet);
    QComboBox* Press(int k) const { return m_presses[k]; }
    CBlitzSequenceView* Sequence() const { return m_view; }
    // Chooses a press as the user does.
    void ChoosePress(int k, int comboIndex);

private:
    void Draw(int i);

    QComboBox* m_presses[11] = {};
    CBlitzSequenceView* m_view;
};
