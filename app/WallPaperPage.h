#pragma once
// "Wall Paper": the eight window wallpapers, one 4bpp tile at a time, with
// the wallpaper assembled as the preview, its palette, and PNG export and
// import.
#include "BitmapPage.h"
#include "graphics/BitmapEditorLogic.h"

class QCheckBox;
class CPixelArtView;

class CWallPaperPage : public CBitmapPage {
    Q_OBJECT
public:
    CWallPaperPage(quorvex::CQuorvexDoc& doc, const quorvex::BitmapTables& opened, QWidget* parent = nullptr);

    void SetWallpaper(int w);
    int Wallpaper() const { return m_wallpaper; }
    quorvex::WallpaperOptions Options() const;
    // "&Export" into the image's folder; "&Import" of a chosen file.
    bool Export();
    bool ImportFile(const QString& path);
    // "Edit Selected Tile": the tile of the preview cell last clicked.
    void ClickPreviewCell(int cell);
    void EditSelectedTile();
    bool EditPalette(int entry = 0);
    CPixelArtView* Preview() const { return m_preview; }
    void RememberSelection() override;

protected:
    int ItemCount() const override { return quorvex::kWallpaperTiles; }
    quorvex::PixelBuffer CurrentPixels(int item) const override;
    quorvex::PixelBuffer OldPixels(int item) const override;
    void StorePixels(int item, const quorvex::PixelBuffer& px) override;
    QVector<QRgb> DisplayColours() const override;
    void Changed() override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    int m_wallpaper = 0;
    int m_clickedTile = -1;
    QSpinBox* m_wallField = nullptr;
    CPixelArtView* m_preview = nullptr;
    QCheckBox* m_grid = nullptr;
    QCheckBox* m_tileIndex = nullptr;
    QCheckBox* m_importPalette = nullptr;
    QCheckBox* m_text = nullptr;
};
