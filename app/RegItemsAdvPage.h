#pragma once
// "Reg. Items (adv.)": the item bytes the menus do not explain: what an
// item teaches, its effects when used or equipped, statuses, elements, the
// spell it casts, its special bytes and the extra effect and evade
// animation of byte 27. Several lists change caption (and rows) with the
// item's kind, in four sets.
#include "PageParts.h"
#include "controls/RecordPage.h"

class CCheckListControl;
class CFF6Combo;
class CProgressWindow;
class CRecordSelector;
class QComboBox;
class QLabel;

class CRegItemsAdvPage : public CRecordPage {
    Q_OBJECT
public:
    CRegItemsAdvPage(CEditorSheet* sheet, CProgressWindow* progress = nullptr);

    // Shows item i without storing the shown one (the sheet stored it when
    // the user left this page).
    void Follow(int i) { ShowFirst(i); }
    CRecordSelector* Selector() const { return m_selector; }
    // The list of a key ("weak", "elements", ...), to read its caption.
    CCheckListControl* List(const char* key) const { return m_lists.Find(key); }
    QLabel* MagicEffectLabel() const { return m_magicLabel; }
    QComboBox* ExtraEffect() const { return m_extra; }
    QComboBox* EvadeAnim() const { return m_evadeAnim; }

protected:
    void Show(int i) override;

private:
    CCheckListControl* AddList(const char* key, const QStringList& rows, const QString& title);
    void ShowCaptions(int kind);

    CRecordSelector* m_selector = nullptr;
    CKeyedLists m_lists;
    QLabel* m_magicLabel = nullptr;
    CFF6Combo* m_magicEffect = nullptr;
    QComboBox* m_extra = nullptr;
    QComboBox* m_evadeAnim = nullptr;
};
