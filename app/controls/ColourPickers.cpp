#include "controls/ColourPickers.h"

#include <QMouseEvent>
#include <QPainter>

using namespace quorvex;

namespace {

QColor Shown(const ColorFields& f, ColorComponent model)
{
    const SnesColor w = IsHslComponent(model) ? SnesFromHslFields(f) : SnesFromRgbFields(f);
    const uint32_t bgr = SnesToRgb(w);
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

int Scale(int pos, int extent, int max) { return std::clamp(pos * max / std::max(1, extent - 1), 0, max); }

} // namespace

CHsvRgbMatrix::CHsvRgbMatrix(QWidget* parent) : QWidget(parent)
{
    setFixedSize(sizeHint());
    setCursor(Qt::CrossCursor);
}

void CHsvRgbMatrix::SetState(ColorComponent slider, const ColorFields& fields)
{
    m_slider = slider;
    m_fields = fields;
    update();
}

void CHsvRgbMatrix::paintEvent(QPaintEvent*)
{
    const MatrixAxes axes = MatrixAxesFor(m_slider);
    QImage img(width(), height(), QImage::Format_RGB32);
    for (int y = 0; y < height(); ++y)
        for (int x = 0; x < width(); ++x) {
            ColorFields f = m_fields;
            f[axes.x] = Scale(x, width(), ComponentMax(axes.x));
            f[axes.y] = ComponentMax(axes.y) - Scale(y, height(), ComponentMax(axes.y));
            img.setPixel(x, y, Shown(f, m_slider).rgb());
        }
    QPainter p(this);
    p.drawImage(0, 0, img);
    // A ring around the current colour.
    const int cx = m_fields[axes.x] * (width() - 1) / ComponentMax(axes.x);
    const int cy = (ComponentMax(axes.y) - m_fields[axes.y]) * (height() - 1) / ComponentMax(axes.y);
    p.setPen(Qt::white);
    p.drawEllipse(QPoint(cx, cy), 4, 4);
    p.setPen(Qt::black);
    p.drawEllipse(QPoint(cx, cy), 5, 5);
}

void CHsvRgbMatrix::Report(const QPoint& pt)
{
    const MatrixAxes axes = MatrixAxesFor(m_slider);
    emit picked(Scale(pt.x(), width(), ComponentMax(axes.x)),
                ComponentMax(axes.y) - Scale(pt.y(), height(), ComponentMax(axes.y)));
}

void CHsvRgbMatrix::Drag(const QPoint& press, const QPoint& to, Qt::KeyboardModifiers mods)
{
    m_anchor = press;
    Report(press);
    const MatrixPoint m = TrackMatrix({press.x(), press.y()}, {to.x(), to.y()}, mods & Qt::ShiftModifier,
                                      mods & Qt::ControlModifier);
    Report(QPoint(m.x, m.y));
}

void CHsvRgbMatrix::mousePressEvent(QMouseEvent* e)
{
    m_anchor = e->position().toPoint();
    Report(m_anchor);
}

void CHsvRgbMatrix::mouseMoveEvent(QMouseEvent* e)
{
    const QPoint pos = e->position().toPoint();
    const MatrixPoint m = TrackMatrix({m_anchor.x(), m_anchor.y()}, {pos.x(), pos.y()},
                                      e->modifiers() & Qt::ShiftModifier, e->modifiers() & Qt::ControlModifier);
    Report(QPoint(m.x, m.y));
}

CHslRgbSlider::CHslRgbSlider(QWidget* parent) : QWidget(parent)
{
    setFixedSize(sizeHint());
    setCursor(Qt::SizeVerCursor);
}

void CHslRgbSlider::SetState(ColorComponent slider, const ColorFields& fields)
{
    m_slider = slider;
    m_fields = fields;
    update();
}

void CHslRgbSlider::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const int max = ComponentMax(m_slider);
    for (int y = 0; y < height(); ++y) {
        ColorFields f = m_fields;
        f[m_slider] = max - Scale(y, height(), max);
        p.setPen(Shown(f, m_slider));
        p.drawLine(4, y, width() - 5, y);
    }
    const int cy = (max - m_fields[m_slider]) * (height() - 1) / max;
    p.setPen(palette().color(QPalette::WindowText));
    p.drawLine(0, cy, 3, cy);
    p.drawLine(width() - 4, cy, width() - 1, cy);
}

void CHslRgbSlider::Report(int y)
{
    const int max = ComponentMax(m_slider);
    emit picked(max - Scale(y, height(), max));
}

void CHslRgbSlider::mousePressEvent(QMouseEvent* e) { Report(e->position().toPoint().y()); }
void CHslRgbSlider::mouseMoveEvent(QMouseEvent* e) { Report(e->position().toPoint().y()); }
