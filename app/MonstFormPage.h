#pragma once
// "Formations": one formation at a time, its six slots (monster, presence,
// position), its mould, spare bits and battle options, with a preview of
// the line-up on the chosen background that follows every change.
#include <array>
#include <map>
#include <string>

#include "controls/RecordPage.h"

class QLabel;
class QPushButton;
class QSpinBox;

class CMonstFormPage : public CRecordPage {
    Q_OBJECT
public:
    explicit CMonstFormPage(CEditorSheet* sheet);

    QSpinBox* IndexSpin() const { return m_index; }
    QSpinBox* MouldSpin() const { return m_mould; }
    QComboBox* SlotMonster(int s) const { return m_slots[static_cast<size_t>(s)].monster; }
    QCheckBox* SlotPresent(int s) const { return m_slots[static_cast<size_t>(s)].present; }
    QSpinBox* SlotX(int s) const { return m_slots[static_cast<size_t>(s)].x; }
    QSpinBox* SlotY(int s) const { return m_slots[static_cast<size_t>(s)].y; }
    QCheckBox* OptionBox(const std::string& key) const { return m_optionBoxes.at(key); }
    QCheckBox* PlayMusic() const { return m_playMusic; }
    QComboBox* MusicList() const { return m_music; }
    QComboBox* EventList() const { return m_event; }
    CNumberField* MagicPoints() const { return m_magicPoints; }
    QComboBox* BackgroundList() const { return m_background; }
    QLabel* Preview() const { return m_preview; }
    QPushButton* PasteButton() const { return m_paste; }

    // "&Copy": stores the shown formation and keeps its 15 record bytes
    // and 4 option bytes (not its magic points).
    void Copy();
    // "&Paste": the kept bytes over the shown formation's.
    void Paste();
    // "&Make report": the formation report, after storing what is shown.
    void Report();
    // Writes the preview as "mform%03d.bmp" in the current folder.
    void SaveBmp();
    // "Thumbnails" and "Show".
    void OpenThumbnails();
    void ShowLarge();

protected:
    void Show(int i) override;

private:
    struct SlotControls {
        QComboBox* monster = nullptr;
        QCheckBox* present = nullptr;
        QSpinBox* x = nullptr;
        QSpinBox* y = nullptr;
    };
    QWidget* MakeSlots();
    QWidget* MakeOptions();
    QWidget* MakeSpareBits();
    QWidget* MakePreview();
    // Stores what the controls show and shows it again, so the preview and
    // the enabled lists follow every change at once.
    void Commit();
    void UpdateEnabled();
    void Redraw();
    QPixmap Picture(int scale);

    QSpinBox* m_index = nullptr;
    QSpinBox* m_mould = nullptr;
    std::array<SlotControls, 6> m_slots;
    std::map<std::string, QCheckBox*> m_optionBoxes;
    QComboBox* m_intro = nullptr;
    QCheckBox* m_playMusic = nullptr;
    QComboBox* m_music = nullptr;
    QCheckBox* m_special = nullptr;
    QComboBox* m_event = nullptr;
    CNumberField* m_magicPoints = nullptr;
    QLabel* m_preview = nullptr;
    QComboBox* m_background = nullptr;
    QPushButton* m_paste = nullptr;
    bool m_showing = false;
    bool m_hasCopy = false;
    std::array<uint8_t, 19> m_copy{};
};
