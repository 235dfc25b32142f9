#pragma once
// "Quorvex: Battle Editor": battle commands, MagiTek attacks, blitz inputs,
// dances and status names, page by page.
#include "controls/EditorSheet.h"

class CBattleEdSheet : public CEditorSheet {
    Q_OBJECT
public:
    CBattleEdSheet(quorvex::CQuorvexDoc& doc, QWidget* parent = nullptr);
};
