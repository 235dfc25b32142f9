#pragma once
// "Quorvex: Names Editor": renames one fixed-length name for any editor.
// The window shows the character grid and both name pictures drawn in the
// game's small font; the editing rules live in quorvex::NameEditor.
#include <QDialog>
#include <QImage>
#include <cstdint>
#include <vector>

#include "rom/PreprocRomData.h"
#include "text/NameEditor.h"

class QLabel;
class QPushButton;

// Converts a name picture (0x00BBGGRR pixels) to a Qt image, enlarged.
QImage NamePictureToImage(const quorvex::NamePicture& picture, int scale = 2);

class CRenSmallDia : public QDialog {
public:
    // oldName: the name's bytes (their count is the field length).
    CRenSmallDia(const std::vector<uint8_t>& oldName, quorvex::NameFontKind kind, const std::vector<uint8_t>& font,
                 const quorvex::NameColors& colors = quorvex::kDefaultNameColors, QWidget* parent = nullptr);

    // The name to store when the dialog was accepted.
    std::vector<uint8_t> NewName() const { return m_editor.NewName(); }
    const quorvex::NameEditor& Editor() const { return m_editor; }

    // Clicks the grid cell of a code (as the user would), for callers that
    // drive the dialog without a mouse.
    void ClickCode(uint8_t code);
    QWidget* Grid() const { return m_grid; }
    QLabel* RemainingLabel() const { return m_remaining; }
    QPushButton* ResetButton() const { return m_reset; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }
    // Where a code sits in the grid (cell centre), in grid coordinates.
    QPoint CellCentre(uint8_t code) const;

    static constexpr int kCellSize = 16;

    // Cancel and the close button: asks before a changed name is dropped;
    // when the user keeps it, the dialog stays open.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Refresh();

    quorvex::NameEditor m_editor;
    std::vector<uint8_t> m_font;
    quorvex::NameColors m_colors;
    QWidget* m_grid = nullptr;
    QLabel* m_oldPicture = nullptr;
    QLabel* m_newPicture = nullptr;
    QLabel* m_remaining = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_reset = nullptr;
};
