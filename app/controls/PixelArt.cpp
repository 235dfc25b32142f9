#include "controls/PixelArt.h"

#include <QEvent>
#include <QPainter>
#include <cmath>

#include "controls/QtBitmap.h"

QPixmap PixelArtPixmap(const QImage& image, int zoom, qreal dpr)
{
    return PixelArtDevicePixmap(image, static_cast<int>(std::lround(zoom * dpr)), dpr);
}

QPixmap PixelArtDevicePixmap(const QImage& image, int devicePixels, qreal dpr)
{
    if (image.isNull())
        return {};
    const int device = std::max(1, devicePixels);
    QImage big = image.scaled(image.width() * device, image.height() * device, Qt::IgnoreAspectRatio,
                              Qt::FastTransformation);
    big.setDevicePixelRatio(dpr);
    return QPixmap::fromImage(big);
}

QIcon PixelArtIcon(const QImage& image, qreal dpr)
{
    QIcon icon;
    icon.addPixmap(PixelArtPixmap(image, 1, 1.0));
    if (dpr != 1.0)
        icon.addPixmap(PixelArtPixmap(image, 1, dpr));
    return icon;
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

void CPixelArtView::SetFit(bool fit)
{
    m_fit = fit;
    if (fit)
        setAlignment(Qt::AlignCenter);
    Refresh();
}

QSize CPixelArtView::sizeHint() const
{
    if (!m_fit || m_image.isNull())
        return QLabel::sizeHint();
    return m_image.size() * m_zoom;
}

QSize CPixelArtView::minimumSizeHint() const
{
    if (!m_fit || m_image.isNull())
        return QLabel::minimumSizeHint();
    return m_image.size();
}

void CPixelArtView::resizeEvent(QResizeEvent* e)
{
    QLabel::resizeEvent(e);
    if (m_fit)
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
    int device = static_cast<int>(std::lround(m_zoom * dpr));
    if (m_fit && !m_image.isNull()) {
        // Whole device pixels per game pixel, as many as fit.
        const int w = static_cast<int>(std::floor(contentsRect().width() * dpr / m_image.width()));
        const int h = static_cast<int>(std::floor(contentsRect().height() * dpr / m_image.height()));
        device = std::max(1, std::min(w, h));
    }
    QPixmap pm = PixelArtDevicePixmap(m_image, device, dpr);
    if (m_decoration && !pm.isNull()) {
        QPainter p(&pm);
        m_decoration(p, (QSizeF(pm.size()) / dpr).toSize());
    }
    setPixmap(pm);
}
