#pragma once
// "Big Font": the dialogue's variable-width font, one 16 x 11 glyph at a
// time with its width, the TrueType import and the old and new previews.
#include <QFont>

#include "BitmapPage.h"

class CPixelArtView;

class CBigFontPage : public CBitmapPage {
    Q_OBJECT
public:
    CBigFontPage(quorvex::CQuorvexDoc& doc, const quorvex::BitmapTables& opened, QWidget* parent = nullptr);

    void SetWidth(int width);
    QSpinBox* WidthField() const { return m_width; }
    // Imports the 79 characters from a font; `shift` moves the rendering up
    // (positive) or down by that many pixels.
    void ImportTrueType(const QFont& font, int shift);
    int TrueTypeShift() const { return m_shift; }
    void RememberSelection() override;
    CPixelArtView* NewFontView() const { return m_new; }

protected:
    int ItemCount() const override;
    quorvex::PixelBuffer CurrentPixels(int item) const override;
    quorvex::PixelBuffer OldPixels(int item) const override;
    void StorePixels(int item, const quorvex::PixelBuffer& px) override;
    QVector<QRgb> DisplayColours() const override;
    int ClearColour() const override;
    QString ExtraColumn(int item, int column) const override;
    void Changed() override;

private:
    void RenderPreviews();
    QSpinBox* m_width;
    CPixelArtView* m_old = nullptr;
    CPixelArtView* m_new = nullptr;
    QFont m_font;
    int m_shift = 0;
    bool m_haveFont = false;
};
