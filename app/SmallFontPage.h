#pragma once
// "Small Font": the menus' fixed 8 x 8 font, 256 tiles of four colours,
// with the whole font and a line of menu text as preview.
#include "BitmapPage.h"

class CPixelArtView;

class CSmallFontPage : public CBitmapPage {
    Q_OBJECT
public:
    CSmallFontPage(quorvex::CQuorvexDoc& doc, const quorvex::BitmapTables& opened, QWidget* parent = nullptr);
    void RememberSelection() override;

protected:
    int ItemCount() const override { return quorvex::kSmallFontTiles; }
    quorvex::PixelBuffer CurrentPixels(int item) const override;
    quorvex::PixelBuffer OldPixels(int item) const override;
    void StorePixels(int item, const quorvex::PixelBuffer& px) override;
    QVector<QRgb> DisplayColours() const override;
    void Changed() override;

private:
    CPixelArtView* m_sheet = nullptr;
};
