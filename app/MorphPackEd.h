#pragma once
// The "Morph packs" page: the 32 packs of four items a morphed monster may
// turn into. The monster's morph pack number picks the pack. The item
// editor shows this page; any sheet may add it.
#include "controls/RecordPage.h"

class CFF6Combo;
class CSpinField;
class CProgressWindow;

class CMorphPackEd : public CRecordPage {
    Q_OBJECT
public:
    explicit CMorphPackEd(CEditorSheet* sheet, CProgressWindow* progress = nullptr);

    CSpinField* IndexField() const { return m_index; }
    CFF6Combo* ItemCombo(int k) const { return m_items[k]; }

protected:
    void Show(int i) override;

private:
    CSpinField* m_index = nullptr;
    CFF6Combo* m_items[4] = {};
};
