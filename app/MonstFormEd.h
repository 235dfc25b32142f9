#pragma once
// "Quorvex: Monsters Formations Editor": the formations, the packs the game
// draws a battle from, and the encounter zones, on three pages.
#include "controls/EditorSheet.h"

class CMonstFormPage;
class CFormPackPage;
class CFormZoningPage;

class CMonstFormEd : public CEditorSheet {
    Q_OBJECT
public:
    explicit CMonstFormEd(quorvex::CQuorvexDoc& doc, QWidget* parent = nullptr);

    CMonstFormPage* FormationsPage() const { return m_formations; }
    CFormPackPage* PacksPage() const { return m_packs; }
    CFormZoningPage* ZoningPage() const { return m_zoning; }

private:
    CMonstFormPage* m_formations;
    CFormPackPage* m_packs;
    CFormZoningPage* m_zoning;
};
