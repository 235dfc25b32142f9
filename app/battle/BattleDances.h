#pragma once
// "Dances": the four moves of each dance, and the battle background it is
// danced on, with a preview and the thumbnails picker.
#include "controls/NamedRecordPage.h"

class CProgressWindow;
class QComboBox;
class QLabel;
class QPushButton;

class CBattleDances : public CNamedRecordPage {
    Q_OBJECT
public:
    CBattleDances(CEditorSheet* sheet, CProgressWindow* progress = nullptr);
    QComboBox* Move(int k) const { return m_moves[k]; }
    QComboBox* Display() const { return m_display; }
    QLabel* Preview() const { return m_preview; }
    QPushButton* ThumbnailsButton() const { return m_thumbnails; }

    // Chooses a background list entry as the user does.
    void ChooseDisplay(int entry);
    // What "Thumbnails" does.
    void PickThumbnail();

private:
    void ShowPreview(int id);

    QComboBox* m_moves[4] = {};
    QComboBox* m_display;
    QLabel* m_preview;
    QPushButton* m_thumbnails;
};
