#pragma once
// "Spells": the 256 records of the spell table (magic, esper attacks,
// techniques, lores and the monsters' attacks): flag lists, the three
// values, the special effect of byte 9 in its list of 256 rows, the name
// and the menu description and lore battle quote buttons.
#include "PageParts.h"
#include "controls/RecordPage.h"

class CProgressWindow;
class CRecordSelector;
class CCheckListControl;
class QLabel;
class QPushButton;
class QTableWidget;

class CSpellsPage : public CRecordPage {
    Q_OBJECT
public:
    CSpellsPage(CEditorSheet* sheet, CProgressWindow* progress = nullptr);

    CRecordSelector* Selector() const { return m_selector; }
    CCheckListControl* List(const char* key) const { return m_lists.Find(key); }
    QTableWidget* Effects() const { return m_effects; }
    QLabel* Description() const { return m_description; }
    QPushButton* DescriptionButton() const { return m_descButton; }
    QPushButton* QuoteButton() const { return m_quoteButton; }
    void RememberSelection() override;

    // What the description buttons do for the shown spell: true when a text
    // editor or a refusal was shown, false when the spell has none.
    bool OpenDescription();
    bool OpenLoreQuote();

protected:
    void Show(int i) override;

private:
    CCheckListControl* AddList(const char* key, const QStringList& rows, const QString& title);
    void OnRename();

    CRecordSelector* m_selector = nullptr;
    CKeyedLists m_lists;
    QTableWidget* m_effects = nullptr;
    QLabel* m_description = nullptr;
    QPushButton* m_descButton = nullptr;
    QPushButton* m_quoteButton = nullptr;
};
