#pragma once
// "Quorvex: Magic Spells Editor": the spell sheet. Its pages, in order:
// "Spells", "Esper Extras" and the spell animations ("Animations"). OK and
// Cancel are the shared sheet's.
#include "controls/EditorSheet.h"

class CSpellsPage;
class CEsperExtrasPage;

class CMagicEd : public CEditorSheet {
    Q_OBJECT
public:
    CMagicEd(quorvex::CQuorvexDoc& doc, QWidget* parent = nullptr);

    CSpellsPage* Spells() const { return m_spells; }
    CEsperExtrasPage* Espers() const { return m_espers; }

    static void Run(QWidget* parent, quorvex::CQuorvexDoc& doc);

private:
    CSpellsPage* m_spells = nullptr;
    CEsperExtrasPage* m_espers = nullptr;
};
