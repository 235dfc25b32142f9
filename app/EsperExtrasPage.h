#pragma once
// "Esper Extras": the 27 espers: the five spells each teaches with their
// learning rates, the bonus it grants at level up (a list of the short
// and long bonus descriptions, the last row meaning no bonus), the bonus
// descriptions' rename buttons and the esper's battle quote.
#include "controls/RecordPage.h"

class CFF6Combo;
class CNumberField;
class CProgressWindow;
class CSpinField;
class QLabel;
class QPushButton;
class QTableWidget;

class CEsperExtrasPage : public CRecordPage {
    Q_OBJECT
public:
    CEsperExtrasPage(CEditorSheet* sheet, CProgressWindow* progress = nullptr);

    CSpinField* Index() const { return m_index; }
    CFF6Combo* Spell(int k) const { return m_spells[k]; }
    CNumberField* Rate(int k) const { return m_rates[k]; }
    QTableWidget* Bonuses() const { return m_bonuses; }
    QLabel* Quote() const { return m_quote; }
    QPushButton* ShortButton() const { return m_short; }
    QPushButton* LongButton() const { return m_long; }
    QPushButton* QuoteButton() const { return m_quoteButton; }

protected:
    void Show(int i) override;

private:
    void FillBonuses();

    CSpinField* m_index = nullptr;
    QLabel* m_name = nullptr;
    CFF6Combo* m_spells[5] = {};
    CNumberField* m_rates[5] = {};
    QTableWidget* m_bonuses = nullptr;
    QLabel* m_quote = nullptr;
    QPushButton* m_short = nullptr;
    QPushButton* m_long = nullptr;
    QPushButton* m_quoteButton = nullptr;
};
