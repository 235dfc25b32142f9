#pragma once
// "Reg. Items": the 256 regular items as the menus and battles use them:
// kind and its four flags, who can equip, targeting, the stat and evade
// bonuses on their sliders, the power and hit bytes (captioned by kind),
// the price and the menu description with its rename button.
#include "controls/RecordPage.h"

class CCheckListControl;
class CNumberField;
class CProgressWindow;
class CRecordSelector;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSlider;

class CRegItemsPage : public CRecordPage {
    Q_OBJECT
public:
    CRegItemsPage(CEditorSheet* sheet, CProgressWindow* progress = nullptr);

    // Shows item i without storing the shown one (the sheet stored it when
    // the user left this page).
    void Follow(int i) { ShowFirst(i); }
    CRecordSelector* Selector() const { return m_selector; }
    QComboBox* Kind() const { return m_kind; }
    QSlider* Slider(const char* key) const;          // "speed", "vigor", "magic_power", "stamina", "evade", "magic_block"
    QLabel* SliderText(const char* key) const;
    QLabel* PowerLabel() const { return m_powerLabel; }
    QLabel* HitLabel() const { return m_hitLabel; }
    CNumberField* Hit() const { return m_hit; }
    CCheckListControl* ItemStatus() const { return m_itemStatus; }
    CCheckListControl* Equip() const { return m_equip; }
    QLabel* Description() const { return m_description; }
    QPushButton* DescriptionButton() const { return m_descButton; }
    // Refreshes the kind list after an item type was renamed.
    void ReloadKinds();

protected:
    void Show(int i) override;

private:
    struct SliderRow {
        const char* key;
        QSlider* slider;
        QLabel* text;
        bool evade;
    };
    void AddSlider(const char* key, bool evade);
    void ShowKindCaptions(int kind);
    void OnRename();

    CRecordSelector* m_selector = nullptr;
    QComboBox* m_kind = nullptr;
    CCheckListControl* m_kindFlags = nullptr;
    CCheckListControl* m_equip = nullptr;
    CCheckListControl* m_targeting = nullptr;
    CCheckListControl* m_itemStatus = nullptr;
    std::vector<SliderRow> m_sliders;
    QLabel* m_powerLabel = nullptr;
    QLabel* m_hitLabel = nullptr;
    CNumberField* m_hit = nullptr;
    QLabel* m_description = nullptr;
    QPushButton* m_descButton = nullptr;
};
