#pragma once
// The monster editor's "Specs" page: one monster at a time, its statistics,
// elements, statuses, special flags, items, commands, special attack and
// morph, its sprite and its two names. Every control is bound to a field of
// the "monsters" table, so it stores exactly the bits it owns.
#include <QImage>

#include "controls/RecordPage.h"

class CFF6Combo;
class CNameListModel;
class CSpinField;
class CCheckListControl;
class CNumberField;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QGridLayout;
class CProgressWindow;

class CMonsterSpecsPage : public CRecordPage {
    Q_OBJECT
public:
    CMonsterSpecsPage(CEditorSheet* sheet, CProgressWindow* progress = nullptr);

    // The controls, for the sheet's other pages and the tests.
    CFF6Combo* Selector() const { return m_selector; }
    CSpinField* IndexField() const { return m_index; }
    CNumberField* NumberField(const char* key) const;
    CCheckListControl* Elements() const { return m_elements; }
    CCheckListControl* Statuses() const { return m_statuses; }
    CCheckListControl* Flags() const { return m_flags; }
    CFF6Combo* ItemCombo(int slot) const { return m_items[slot]; }
    CFF6Combo* ControlCombo(int k) const { return m_control[k]; }
    CFF6Combo* SketchCombo(int k) const { return m_sketch[k]; }
    CFF6Combo* RageCombo(int k) const { return m_rage[k]; }
    QLabel* RageLabel() const { return m_rageLabel; }
    CFF6Combo* EffectCombo() const { return m_effect; }
    CFF6Combo* AnimCombo() const { return m_anim; }
    CFF6Combo* NormalLookCombo() const { return m_normalLook; }
    QCheckBox* NoHarmBox() const { return m_noHarm; }
    QCheckBox* UndodgeableBox() const { return m_undodgeable; }
    CSpinField* MorphPack() const { return m_morphPack; }
    CSpinField* MorphRate() const { return m_morphRate; }
    QLabel* MorphRateLabel() const { return m_rateLabel; }
    QLabel* Sprite() const { return m_sprite; }
    QLabel* AttackName() const { return m_attackName; }
    QPushButton* RenameButton() const { return m_rename; }
    QPushButton* RenameAttackButton() const { return m_renameAttack; }
    QPushButton* ReportButton() const { return m_report; }

    // The sprite as the page shows it (the picture "mst%03d.bmp" holds).
    const QImage& SpriteImage() const { return m_spriteImage; }
    // Writes the shown monster's sprite as a BMP file and says so; false
    // (with "Can't create file!!") when it cannot be written.
    bool ExportSprite(const QString& path);

signals:
    // The page shows another monster; the sheet's other pages that are
    // about one monster (the battle script) follow it.
    void MonsterChanged(int i);

protected:
    void Show(int i) override;

private:
    QGroupBox* BuildStats();
    QGroupBox* BuildMorph();
    QGroupBox* BuildItems(CNameListModel* items);
    QGroupBox* BuildCommands(CNameListModel* attacks);
    QGroupBox* BuildSpecialAttack();
    void BindChecks();
    void ShowPictures(int i);
    void ShowRateLabel();
    void OnSaveSprite();
    void OnRename();
    void OnRenameAttack();
    void OnReport();

    CNameListModel* m_monsterList = nullptr;
    CNameListModel* m_animList = nullptr;
    CFF6Combo* m_selector = nullptr;
    CSpinField* m_index = nullptr;
    std::vector<std::pair<const char*, CNumberField*>> m_numbers;
    CCheckListControl* m_elements = nullptr;
    CCheckListControl* m_statuses = nullptr;
    CCheckListControl* m_flags = nullptr;
    CFF6Combo* m_items[4] = {};
    CFF6Combo* m_control[4] = {};
    CFF6Combo* m_sketch[2] = {};
    CFF6Combo* m_rage[2] = {};
    QLabel* m_rageLabel = nullptr;
    CFF6Combo* m_effect = nullptr;
    CFF6Combo* m_anim = nullptr;
    CFF6Combo* m_normalLook = nullptr;
    QCheckBox* m_noHarm = nullptr;
    QCheckBox* m_undodgeable = nullptr;
    CSpinField* m_morphPack = nullptr;
    CSpinField* m_morphRate = nullptr;
    QLabel* m_rateLabel = nullptr;
    QLabel* m_packPreview = nullptr;
    QLabel* m_sprite = nullptr;
    QLabel* m_attackName = nullptr;
    QPushButton* m_rename = nullptr;
    QPushButton* m_renameAttack = nullptr;
    QPushButton* m_saveSprite = nullptr;
    QPushButton* m_report = nullptr;
    QImage m_spriteImage;
};
