#include "SmallFontPage.h"

#include <QGroupBox>
#include <QVBoxLayout>

#include "controls/PaletteStrip.h"
#include "controls/PixelArt.h"
#include "graphics/Tiles.h"
#include "rom/Document.h"

using namespace quorvex;

CSmallFontPage::CSmallFontPage(CQuorvexDoc& doc, const BitmapTables& opened, QWidget* parent)
    : CBitmapPage(doc, opened, kShiftClear | kFlipRotate, parent)
{
    Build("Tile Index");
    Grid()->SetCellSize(24);
    // The menu font's colours: background, ink, shadow and a mid tone.
    Colours()->SetColours({0x2C40, 0x7FFF, 0x0842, 0x5294});
    Colours()->SetEditable(false);
    Colours()->SetSwatchSize(20);
    auto* box = new QGroupBox("Font", this);
    m_sheet = new CPixelArtView(2, box);
    auto* l = new QVBoxLayout(box);
    l->addWidget(m_sheet);
    PreviewLayout()->addWidget(box);
    PreviewLayout()->addStretch();
    SelectItem(std::clamp(BitmapSetting("m_bmpSmallFontIdx", 0), 0, ItemCount() - 1));
}

PixelBuffer CSmallFontPage::CurrentPixels(int item) const
{
    return Tile2bppToPixels(m_doc.Rom().gfx.bitmaps.smallFont.data() + static_cast<size_t>(item) * kTile2bppBytes);
}

PixelBuffer CSmallFontPage::OldPixels(int item) const
{
    return Tile2bppToPixels(m_opened.smallFont.data() + static_cast<size_t>(item) * kTile2bppBytes);
}

void CSmallFontPage::StorePixels(int item, const PixelBuffer& px)
{
    PixelsToTile2bpp(px, Rom().gfx.bitmaps.smallFont.data() + static_cast<size_t>(item) * kTile2bppBytes);
}

QVector<QRgb> CSmallFontPage::DisplayColours() const
{
    return {qRgb(0x00, 0x10, 0x58), qRgb(0xF8, 0xF8, 0xF8), qRgb(0x10, 0x10, 0x10), qRgb(0xA0, 0xA0, 0xA0)};
}

void CSmallFontPage::Changed()
{
    if (!m_sheet)
        return;
    // The whole font, 16 tiles to a row, the selected one framed.
    const QVector<QRgb> colours = DisplayColours();
    QImage img(16 * 9 + 1, 16 * 9 + 1, QImage::Format_RGB32);
    img.fill(qRgb(0x40, 0x40, 0x40));
    for (int t = 0; t < kSmallFontTiles; ++t) {
        const PixelBuffer px = CurrentPixels(t);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                img.setPixel((t % 16) * 9 + 1 + x, (t / 16) * 9 + 1 + y, colours[px.Get(x, y)]);
    }
    const int sx = (Item() % 16) * 9, sy = (Item() / 16) * 9;
    for (int i = 0; i <= 9; ++i) {
        img.setPixel(sx + i, sy, qRgb(255, 255, 0));
        img.setPixel(sx + i, sy + 9, qRgb(255, 255, 0));
        img.setPixel(sx, sy + i, qRgb(255, 255, 0));
        img.setPixel(sx + 9, sy + i, qRgb(255, 255, 0));
    }
    m_sheet->SetImage(img);
}

void CSmallFontPage::RememberSelection() { SetBitmapSetting("m_bmpSmallFontIdx", Item()); }
