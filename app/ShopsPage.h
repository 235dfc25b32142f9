#pragma once
// "Shops": the 128 shops, each a kind, a pricing rule, two unused bits of
// byte 0 and the eight items it sells.
#include "controls/RecordPage.h"

class CFF6Combo;
class CProgressWindow;
class CSpinField;
class QCheckBox;
class QComboBox;

class CShopsPage : public CRecordPage {
    Q_OBJECT
public:
    CShopsPage(CEditorSheet* sheet, CProgressWindow* progress = nullptr);

    CSpinField* Index() const { return m_index; }
    QComboBox* Kind() const { return m_kind; }
    QComboBox* Pricing() const { return m_pricing; }
    QCheckBox* Unused(int bit) const { return bit == 6 ? m_unused6 : m_unused7; }
    CFF6Combo* Item(int k) const { return m_items[k]; }

protected:
    void Show(int i) override;

private:
    CSpinField* m_index = nullptr;
    QComboBox* m_kind = nullptr;
    QComboBox* m_pricing = nullptr;
    QCheckBox* m_unused6 = nullptr;
    QCheckBox* m_unused7 = nullptr;
    CFF6Combo* m_items[8] = {};
};
