#pragma once
// Tiles Studio: one monster's graphics record as text with its sprite, and
// a battle background with its diagnostic text; both can be saved as BMP.
// Opened from the bitmap editor.
#include <QDialog>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class CNumberField;
class CPaletteStrip;
class CPixelArtView;
namespace quorvex {
class CQuorvexDoc;
}

class CTilesStudioDia : public QDialog {
    Q_OBJECT
public:
    explicit CTilesStudioDia(quorvex::CQuorvexDoc& doc, QWidget* parent = nullptr);

    void SetMonster(int monster);
    void SetBackground(int id);
    int Monster() const { return m_monster; }
    int Background() const { return m_background; }
    QString RecordText() const;
    QString BackgroundText() const;
    // Saves the background picture ("bckj%03d.bmp") or its three banks in
    // order ("tileset%03d.bmp") into `folder`; reports the result.
    bool SaveBackground(const QString& folder);
    bool SaveTileset(const QString& folder);

private:
    void Refresh();
    QString Folder() const;
    quorvex::CQuorvexDoc& m_doc;
    int m_monster = 0;
    int m_background = 0;
    CNumberField* m_monsterField;
    QComboBox* m_bgCombo;
    QLabel* m_recordText;
    CPixelArtView* m_sprite;
    CPaletteStrip* m_palette;
    CPixelArtView* m_bgPicture;
    QPlainTextEdit* m_bgText;
};
