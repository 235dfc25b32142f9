#include "controls/PixelEditor.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

using quorvex::PixelBuffer;

CPixelEditor::CPixelEditor(QWidget* parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setCursor(Qt::CrossCursor);
}

void CPixelEditor::SetPixels(const PixelBuffer& px)
{
    const bool resized = px.Width() != m_px.Width() || px.Height() != m_px.Height();
    m_px = px;
    if (resized)
        updateGeometry(), setFixedSize(sizeHint());
    update();
}

void CPixelEditor::SetCellSize(int size)
{
    m_cell = std::max(2, size);
    setFixedSize(sizeHint());
    update();
}

void CPixelEditor::SetColours(const QVector<QRgb>& colours)
{
    m_colours = colours;
    update();
}

void CPixelEditor::SetDisplayIndex(std::function<int(int, int, int)> fn)
{
    m_display = std::move(fn);
    update();
}

QSize CPixelEditor::sizeHint() const { return {m_px.Width() * m_cell + 1, m_px.Height() * m_cell + 1}; }

void CPixelEditor::Changed()
{
    update();
    emit pixelsChanged();
}

void CPixelEditor::ShiftLeft() { m_px.ShiftLeft(), Changed(); }
void CPixelEditor::ShiftRight() { m_px.ShiftRight(), Changed(); }
void CPixelEditor::ShiftUp() { m_px.ShiftUp(), Changed(); }
void CPixelEditor::ShiftDown() { m_px.ShiftDown(), Changed(); }
void CPixelEditor::ClearAll(int index) { m_px.Clear(static_cast<uint8_t>(index)), Changed(); }
void CPixelEditor::MirrorHorizontal() { m_px.MirrorHorizontal(), Changed(); }
void CPixelEditor::FlipVertical() { m_px.FlipVertical(), Changed(); }
void CPixelEditor::RotateClockwise() { m_px.RotateClockwise(), Changed(); }
void CPixelEditor::RotateCounterClockwise() { m_px.RotateCounterClockwise(), Changed(); }

void CPixelEditor::Paste(const PixelBuffer& from)
{
    m_px.Paste(from, 0, 0, from.Width(), from.Height(), 0, 0);
    Changed();
}

void CPixelEditor::ClickPixel(int x, int y, Qt::MouseButton button)
{
    if (!m_px.Inside(x, y))
        return;
    const int colour = button == Qt::RightButton ? m_right : m_left;
    switch (m_tool) {
    case Tool::GetColour:
        emit colourPicked(m_px.Get(x, y), button);
        return;
    case Tool::Fill:
        if (m_px.Fill(x, y, static_cast<uint8_t>(colour)) > 0)
            Changed();
        return;
    case Tool::Edit:
        if (m_px.Get(x, y) != colour) {
            m_px.Set(x, y, static_cast<uint8_t>(colour));
            Changed();
        }
        return;
    }
}

bool CPixelEditor::PixelAt(const QPointF& pos, int& x, int& y) const
{
    x = static_cast<int>(std::floor(pos.x() / m_cell));
    y = static_cast<int>(std::floor(pos.y() / m_cell));
    return m_px.Inside(x, y);
}

void CPixelEditor::mousePressEvent(QMouseEvent* e)
{
    int x = 0, y = 0;
    m_dragButton = e->button();
    if (PixelAt(e->position(), x, y))
        ClickPixel(x, y, e->button());
}

void CPixelEditor::mouseMoveEvent(QMouseEvent* e)
{
    // Only painting follows the mouse; a fill or a pick happens once.
    int x = 0, y = 0;
    if (m_tool == Tool::Edit && m_dragButton != Qt::NoButton && PixelAt(e->position(), x, y))
        ClickPixel(x, y, m_dragButton);
}

void CPixelEditor::mouseReleaseEvent(QMouseEvent*) { m_dragButton = Qt::NoButton; }

void CPixelEditor::paintEvent(QPaintEvent*)
{
    // Drawn at device resolution so that every cell covers the same whole
    // number of device pixels and nothing is smoothed.
    const qreal dpr = devicePixelRatioF();
    const int cell = std::max(2, static_cast<int>(std::lround(m_cell * dpr)));
    QImage img(m_px.Width() * cell + 1, m_px.Height() * cell + 1, QImage::Format_RGB32);
    img.fill(QColor(0xC0, 0xC0, 0xC0));
    QPainter ip(&img);
    for (int y = 0; y < m_px.Height(); ++y)
        for (int x = 0; x < m_px.Width(); ++x) {
            int idx = m_px.Get(x, y);
            if (m_display)
                idx = m_display(x, y, idx);
            const QRgb c = idx >= 0 && idx < m_colours.size() ? m_colours[idx] : qRgb(255, 0, 255);
            // Grid lines in light grey separate the cells.
            ip.fillRect(x * cell + 1, y * cell + 1, cell - 1, cell - 1, QColor(c));
        }
    ip.end();
    img.setDevicePixelRatio(dpr);
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(QPointF(0, 0), img);
}
