#include "controls/PaletteStrip.h"

#include <QMouseEvent>
#include <QPainter>

#include "controls/PaletteEditDlg.h"

using namespace quorvex;

CPaletteStrip::CPaletteStrip(QWidget* parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setToolTip("Left click: left-button colour, right click: right-button colour, double click: Edit Colour");
}

void CPaletteStrip::SetColours(const std::vector<SnesColor>& colours)
{
    const bool resized = colours.size() != m_colours.size();
    m_colours = colours;
    if (resized)
        updateGeometry(), setFixedSize(sizeHint());
    update();
}

void CPaletteStrip::SetSwatchSize(int size)
{
    m_size = std::max(6, size);
    setFixedSize(sizeHint());
    update();
}

QSize CPaletteStrip::sizeHint() const
{
    return {static_cast<int>(m_colours.size()) * m_size + 1, m_size + 1 + (m_marks ? 10 : 0)};
}

int CPaletteStrip::SwatchAt(const QPoint& p) const
{
    const int i = p.x() / m_size;
    if (p.x() < 0 || p.y() < 0 || p.y() > m_size || i >= static_cast<int>(m_colours.size()))
        return -1;
    return i;
}

bool CPaletteStrip::EditColours(int entry)
{
    CPaletteEditDlg dlg(m_colours, entry, this);
    if (dlg.exec() != QDialog::Accepted)
        return false;
    m_colours = dlg.Palette();
    update();
    emit coloursEdited(m_colours);
    return true;
}

void CPaletteStrip::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    for (size_t i = 0; i < m_colours.size(); ++i) {
        const uint32_t bgr = SnesToRgb(m_colours[i]);
        const QRect r(static_cast<int>(i) * m_size, 0, m_size, m_size);
        p.fillRect(r, QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF));
        p.setPen(Qt::black);
        p.drawRect(r);
    }
    if (!m_marks)
        return;
    QFont f = font();
    f.setPixelSize(9);
    p.setFont(f);
    p.setPen(palette().color(QPalette::WindowText));
    auto mark = [&](int i, const char* text, int align) {
        if (i >= 0 && i < static_cast<int>(m_colours.size()))
            p.drawText(QRect(i * m_size, m_size + 1, m_size, 10), align, text);
    };
    if (m_left == m_right) {
        mark(m_left, "LR", Qt::AlignCenter);
    } else {
        mark(m_left, "L", Qt::AlignCenter);
        mark(m_right, "R", Qt::AlignCenter);
    }
}

void CPaletteStrip::mousePressEvent(QMouseEvent* e)
{
    const int i = SwatchAt(e->position().toPoint());
    if (i < 0)
        return;
    if (e->button() == Qt::RightButton) {
        m_right = i;
        emit rightChosen(i);
    } else {
        m_left = i;
        emit leftChosen(i);
    }
    update();
}

void CPaletteStrip::mouseDoubleClickEvent(QMouseEvent* e)
{
    const int i = SwatchAt(e->position().toPoint());
    if (m_editable && i >= 0)
        EditColours(i);
}
