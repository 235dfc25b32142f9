#pragma once
// "Rare Items": the 20 rare items' names and menu descriptions.
#include "controls/RecordPage.h"

class CProgressWindow;
class CRecordSelector;
class QLabel;
class QPushButton;

class CRareItemsPage : public CRecordPage {
    Q_OBJECT
public:
    CRareItemsPage(CEditorSheet* sheet, CProgressWindow* progress = nullptr);

    CRecordSelector* Selector() const { return m_selector; }
    QLabel* Description() const { return m_description; }
    QPushButton* DescriptionButton() const { return m_descButton; }

protected:
    void Show(int i) override;

private:
    CRecordSelector* m_selector = nullptr;
    QLabel* m_description = nullptr;
    QPushButton* m_descButton = nullptr;
};
