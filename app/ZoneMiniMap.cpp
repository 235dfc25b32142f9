#include "ZoneMiniMap.h"

#include <QMouseEvent>
#include <QPainter>

#include "monsters/FormationTables.h"

namespace {
constexpr int kCell = 8;
constexpr int kCells = 8;
} // namespace

CZoneMiniMap::CZoneMiniMap(QWidget* parent) : QWidget(parent)
{
    setFixedSize(kCell * kCells, kCell * kCells);
    setCursor(Qt::PointingHandCursor);
    setToolTip(QStringLiteral("Click an area to see its zone"));
}

void CZoneMiniMap::SetZone(int zone)
{
    m_zone = zone;
    update();
}

int CZoneMiniMap::CellAt(QPoint p)
{
    if (p.x() < 0 || p.y() < 0 || p.x() >= kCell * kCells || p.y() >= kCell * kCells)
        return -1;
    return (p.y() / kCell) * kCells + p.x() / kCell;
}

void CZoneMiniMap::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    // Green lands for the world of balance, brown ones for the world of
    // ruin; grey when the zone belongs to no world map.
    const bool world = m_zone < quorvex::kFirstOtherZone;
    const QColor land = !world ? QColor(96, 96, 96) : m_zone < 0x40 ? QColor(40, 120, 56) : QColor(136, 96, 48);
    p.fillRect(rect(), land);
    p.setPen(QColor(0, 0, 0, 90));
    for (int i = 1; i < kCells; ++i) {
        p.drawLine(i * kCell, 0, i * kCell, height());
        p.drawLine(0, i * kCell, width(), i * kCell);
    }
    if (world) {
        const int area = m_zone & 0x3F;
        p.fillRect((area & 7) * kCell, ((area >> 3) & 7) * kCell, kCell, kCell, QColor(230, 40, 40));
    }
}

void CZoneMiniMap::mousePressEvent(QMouseEvent* event)
{
    const int cell = CellAt(event->position().toPoint());
    if (cell >= 0)
        emit AreaClicked(cell);
}
