#pragma once
// "Quorvex: Battle Editor": battle commands, MagiTek attacks, blitz inputs,
// dances, status names and the two blocks of other battle animations, page
// by page.
#include "controls/EditorSheet.h"

class CBattleEdSheet : public CEditorSheet {
    Q_OBJECT
public:
    CBattleEdSheet(quorvex::CQuorvexDoc& doc, QWidget* parent = nullptr);
};
