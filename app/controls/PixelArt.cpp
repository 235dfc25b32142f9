#include "controls/PixelArt.h"

#include <QEvent>
#include <QPainter>
#include <cmath>

#include "controls/QtBitmap.h"

QPixmap PixelArtPixmap(const QImage& image, int zoom, qreal dpr)
{
    if (image.isNull())
        return {};
    const int device = std::max(1, static_cast<int>(std::lround(zoom * dpr)));
    QImage big = image.scaled(image.width() * device, image.height() * device, Qt::IgnoreAspectRatio,
                              Qt::FastTransformation);
    big.setDevicePixelRatio(dpr);
    return QPixmap::fromImage(big);
}

QImage BitmapImage(const quorvex::CFF6Bitmap& bmp) { return ToQImage(bmp); }

CPixelArtView::CPixelArtView(int zoom, QWidget* parent) : QLabel(parent), m_zoom(zoom)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void CPixelArtView::SetImage(const QImage& image)
{
    m_image = image;
    Refresh();
}

void CPixelArtView::SetZoom(int zoom)
{
    m_zoom = std::max(1, zoom);
    Refresh();
}

void CPixelArtView::showEvent(QShowEvent* e)
{
    // Shown on a screen of another pixel ratio than when the picture was
    // set: redraw at the screen's own ratio.
    Refresh();
    QLabel::showEvent(e);
}

void CPixelArtView::SetDecoration(std::function<void(QPainter&, const QSize&)> fn)
{
    m_decoration = std::move(fn);
    Refresh();
}

void CPixelArtView::Refresh()
{
    const qreal dpr = devicePixelRatioF();
    QPixmap pm = PixelArtPixmap(m_image, m_zoom, dpr);
    if (m_decoration && !pm.isNull()) {
        QPainter p(&pm);
        m_decoration(p, (QSizeF(pm.size()) / dpr).toSize());
    }
    setPixmap(pm);
}
