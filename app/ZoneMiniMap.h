#pragma once
// The zoning page's minimap: the world map cut into 8 x 8 areas, 8 pixels
// each, with the shown zone's area marked. Area z & 0x3F is the cell in
// column z & 7 and row (z >> 3) & 7; a click on a cell asks for that area.
#include <QWidget>

class CZoneMiniMap : public QWidget {
    Q_OBJECT
public:
    explicit CZoneMiniMap(QWidget* parent = nullptr);
    // The zone shown: its world decides the colours, its area the mark.
    void SetZone(int zone);
    // The cell (0-63) under a point of the widget, or -1.
    static int CellAt(QPoint p);

signals:
    void AreaClicked(int area);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int m_zone = 0;
};
