#pragma once
// "Quorvex: Colosseum Betting System Editor": what each item wagered at the
// colosseum sets against the party and what it wins.
#include "controls/EditorSheet.h"

class CColosseumPage;

class CColosseumSetupDia : public CEditorSheet {
    Q_OBJECT
public:
    explicit CColosseumSetupDia(quorvex::CQuorvexDoc& doc, QWidget* parent = nullptr);
    CColosseumPage* Page() const { return m_page; }

private:
    CColosseumPage* m_page;
};
