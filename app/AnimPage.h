#pragma once
// What the two battle animation pages share ("Animations"): the selector
// over the mode's table, Copy and Paste through the page family's buffer,
// and the palette rows (a spin over the 240 palettes, the palette's colour
// strip and "Edit"). The spells, item, battle and monster editors add the
// page in the mode that concerns them.
#include <vector>

#include "controls/RecordPage.h"
#include "editors/BattleAnimTables.h"

class CFF6Combo;
class CNameListModel;
class CPaletteStrip;
class CSpinField;
class QGridLayout;
class QPushButton;

constexpr const char* kAnimPageCaption = "Animations";

class CAnimPage : public CRecordPage {
    Q_OBJECT
public:
    quorvex::AnimMode Mode() const { return m_mode; }
    CFF6Combo* Selector() const { return m_selector; }
    CSpinField* IndexField() const { return m_index; }
    QPushButton* CopyButton() const { return m_copy; }
    QPushButton* PasteButton() const { return m_paste; }
    // The palette rows, in record order.
    int PaletteCount() const { return static_cast<int>(m_palettes.size()); }
    CSpinField* PaletteField(int k) const { return m_palettes[static_cast<size_t>(k)].field; }
    CPaletteStrip* Strip(int k) const { return m_palettes[static_cast<size_t>(k)].strip; }
    QPushButton* EditButton(int k) const { return m_palettes[static_cast<size_t>(k)].edit; }

    void Copy();
    void Paste();
    // Opens "Edit Colour" on palette row k's colours.
    void EditPalette(int k);

protected:
    CAnimPage(CEditorSheet* sheet, quorvex::AnimMode mode);
    // Adds a palette row to `grid` at `row`: label, spin field bound to
    // `key`, strip and "Edit".
    void AddPalette(QGridLayout* grid, int row, const char* key, const QString& label);
    // The selector, Copy and Paste, above the page's own fields.
    QWidget* SelectorBar();
    // Shows the remembered record (the low byte of the setting, clamped).
    void ShowRemembered();
    void Show(int i) override;

private:
    struct PaletteRow {
        CSpinField* field;
        CPaletteStrip* strip;
        QPushButton* edit;
    };
    int ShownPalette(int k) const;
    void ShowStrips();
    void OnColoursEdited(int k, const std::vector<uint16_t>& colours);
    CNameListModel* MakeSelectorList();

    quorvex::AnimMode m_mode;
    CFF6Combo* m_selector = nullptr;
    CSpinField* m_index = nullptr;
    QPushButton* m_copy = nullptr;
    QPushButton* m_paste = nullptr;
    std::vector<PaletteRow> m_palettes;
};
