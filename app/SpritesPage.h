#pragma once
// "Sprites": the field sprites, one 4bpp tile at a time, shown with a town
// or a battle palette, assembled into their sheet and animated pose by pose,
// with PNG export (one or all) and import.
#include <QTimer>

#include "BitmapPage.h"
#include "graphics/BitmapEditorLogic.h"

class QCheckBox;
class CPixelArtView;

class CSpritesPage : public CBitmapPage {
    Q_OBJECT
public:
    CSpritesPage(quorvex::CQuorvexDoc& doc, const quorvex::BitmapTables& opened, QWidget* parent = nullptr);

    void SetSprite(int s);
    void SetTownPalette(int p);
    void SetBattlePalette(int p);
    void ShowBattlePalette(bool on);
    quorvex::SpriteView View() const { return m_view; }
    quorvex::SpriteOptions Options() const;
    void SetOption(int bit, bool on);
    bool Export();
    bool ExportAll();
    bool ImportFile(const QString& path);
    void ClickPreviewCell(int cell);
    void EditSelectedTile();
    bool EditPalette(int entry = 0);
    int Frame() const { return m_frame; }
    CPixelArtView* Preview() const { return m_sheet; }
    CPixelArtView* PosePreview() const { return m_pose; }
    bool HandleShortcut(int key) override;
    void RememberSelection() override;

protected:
    int ItemCount() const override;
    quorvex::PixelBuffer CurrentPixels(int item) const override;
    quorvex::PixelBuffer OldPixels(int item) const override;
    void StorePixels(int item, const quorvex::PixelBuffer& px) override;
    QVector<QRgb> DisplayColours() const override;
    void Changed() override;
    void IncrementFrame() override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QString Folder() const;
    quorvex::SpriteView m_view;
    int m_frame = 0;
    int m_clickedTile = -1;
    QSpinBox* m_spriteField = nullptr;
    QSpinBox* m_townField = nullptr;
    QSpinBox* m_battleField = nullptr;
    QCheckBox* m_battle = nullptr;
    std::array<QCheckBox*, 8> m_options{};
    CPixelArtView* m_sheet = nullptr;
    CPixelArtView* m_pose = nullptr;
    QTimer m_timer;
};
