#pragma once
// Pixel art on screen: every picture of the game is shown enlarged by a
// whole number of device pixels per game pixel, never smoothed, whatever the
// screen's device pixel ratio. Every window that shows tiles, sprites or
// fonts draws through these.
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <functional>

#include "graphics/Bitmap.h"

// The picture enlarged so that one game pixel covers `zoom` logical pixels,
// rounded to whole device pixels (at least one), for a screen of ratio
// `dpr`. The pixmap carries that ratio, so it is drawn at its logical size.
QPixmap PixelArtPixmap(const QImage& image, int zoom, qreal dpr);
// The picture enlarged by exactly `devicePixels` device pixels per game
// pixel (at least one), carrying the ratio `dpr`.
QPixmap PixelArtDevicePixmap(const QImage& image, int devicePixels, qreal dpr);
// An icon of the picture at its own size (zoom 1) for a screen of ratio
// `dpr`: an icon view asked for the icon size then finds a pixmap of the
// right size and does not smooth it.
QIcon PixelArtIcon(const QImage& image, qreal dpr);
// The same for an off-screen bitmap of the game's colours.
QImage BitmapImage(const quorvex::CFF6Bitmap& bmp);

// A label that shows one picture as pixel art at a fixed zoom.
class CPixelArtView : public QLabel {
    Q_OBJECT
public:
    explicit CPixelArtView(int zoom = 2, QWidget* parent = nullptr);
    void SetImage(const QImage& image);
    void SetBitmap(const quorvex::CFF6Bitmap& bmp) { SetImage(BitmapImage(bmp)); }
    void SetZoom(int zoom);
    // Fit mode: the picture takes the largest whole number of device pixels
    // per game pixel that fits the label, which may grow with the window
    // (its size hint stays the picture at `zoom`).
    void SetFit(bool fit);
    // Drawn over the enlarged picture each time it is made (grids, marks),
    // in logical pixels.
    void SetDecoration(std::function<void(QPainter& p, const QSize& logical)> fn);
    int Zoom() const { return m_zoom; }
    const QImage& Image() const { return m_image; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void Refresh();
    QImage m_image;
    int m_zoom;
    bool m_fit = false;
    std::function<void(QPainter&, const QSize&)> m_decoration;
};
