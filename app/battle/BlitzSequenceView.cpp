#include "battle/BlitzSequenceView.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

constexpr int kCell = 40;

// The direction of a control-pad code (7 down-left ... 14 left) in degrees,
// counter-clockwise from pointing right.
int PadAngle(int code)
{
    static const int kAngles[] = {225, 270, 315, 0, 45, 90, 135, 180};
    return kAngles[code - 7];
}

void DrawArrow(QPainter& p, QPointF c, int degrees)
{
    const double a = degrees * M_PI / 180.0;
    const QPointF dir(std::cos(a), -std::sin(a));
    const QPointF side(-dir.y(), dir.x());
    const QPointF tip = c + dir * 13, tail = c - dir * 11;
    p.setPen(QPen(QColor(30, 30, 30), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(tail, tip - dir * 4);
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(tip - dir * 9 + side * 7);
    head.lineTo(tip - dir * 9 - side * 7);
    head.closeSubpath();
    p.fillPath(head, QColor(30, 30, 30));
}

} // namespace

CBlitzSequenceView::CBlitzSequenceView(QWidget* parent) : QWidget(parent)
{
    setMinimumHeight(kCell + 8);
}

void CBlitzSequenceView::SetPresses(const std::vector<int>& presses)
{
    m_presses = presses;
    update();
}

QSize CBlitzSequenceView::sizeHint() const { return QSize(11 * kCell + 8, kCell + 8); }

void CBlitzSequenceView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(236, 236, 244));
    static const char* const kFace[] = {"", "A", "B", "X", "Y", "L", "R"};
    static const QColor kFaceColour[] = {Qt::gray,           QColor(200, 40, 40), QColor(220, 190, 30),
                                         QColor(40, 80, 200), QColor(40, 150, 60), QColor(120, 120, 130),
                                         QColor(120, 120, 130)};
    QFont f = font();
    f.setBold(true);
    f.setPointSize(12);
    p.setFont(f);
    for (size_t i = 0; i < m_presses.size(); ++i) {
        const int code = m_presses[i];
        const QRectF cell(4 + static_cast<double>(i) * kCell, 4, kCell - 4, kCell - 4);
        if (code >= 7) {
            p.setPen(QPen(QColor(90, 90, 110), 1));
            p.setBrush(Qt::white);
            p.drawRoundedRect(cell, 6, 6);
            DrawArrow(p, cell.center(), PadAngle(code));
        } else if (code >= 5) {
            p.setPen(Qt::NoPen);
            p.setBrush(kFaceColour[code]);
            p.drawRoundedRect(cell.adjusted(0, 8, 0, -8), 8, 8);
            p.setPen(Qt::white);
            p.drawText(cell, Qt::AlignCenter, QString::fromLatin1(kFace[code]));
        } else if (code >= 1) {
            p.setPen(Qt::NoPen);
            p.setBrush(kFaceColour[code]);
            p.drawEllipse(cell.adjusted(2, 2, -2, -2));
            p.setPen(Qt::white);
            p.drawText(cell, Qt::AlignCenter, QString::fromLatin1(kFace[code]));
        } else {
            p.setPen(QPen(QColor(150, 150, 160), 1, Qt::DashLine));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(cell.adjusted(6, 6, -6, -6));
        }
    }
}
