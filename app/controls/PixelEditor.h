#pragma once
// CPixelEditor: the magnified pixel grid every graphics editor paints in.
// It edits an indexed picture (core's PixelBuffer) shown with a table of
// display colours; the owner loads a glyph, tile or frame into it and writes
// the picture back into its table whenever pixelsChanged() is emitted.
#include <QWidget>
#include <functional>

#include "graphics/PixelBuffer.h"

class CPixelEditor : public QWidget {
    Q_OBJECT
public:
    enum class Tool { Edit, GetColour, Fill };

    explicit CPixelEditor(QWidget* parent = nullptr);

    void SetPixels(const quorvex::PixelBuffer& px);
    const quorvex::PixelBuffer& Pixels() const { return m_px; }
    void SetCellSize(int size);
    int CellSize() const { return m_cell; }
    // One display colour per index.
    void SetColours(const QVector<QRgb>& colours);
    // The index a pixel is shown with, for shading (the big font shows the
    // columns outside a glyph's width in the upper half of its table).
    void SetDisplayIndex(std::function<int(int x, int y, int index)> fn);

    void SetTool(Tool tool) { m_tool = tool; }
    Tool CurrentTool() const { return m_tool; }
    void SetLeftColour(int index) { m_left = index; }
    void SetRightColour(int index) { m_right = index; }
    int LeftColour() const { return m_left; }
    int RightColour() const { return m_right; }

    // The tool buttons' operations on the whole picture; each repaints and
    // notifies the owner.
    void ShiftLeft();
    void ShiftRight();
    void ShiftUp();
    void ShiftDown();
    void ClearAll(int index);
    void MirrorHorizontal();
    void FlipVertical();
    void RotateClockwise();
    void RotateCounterClockwise();
    void Paste(const quorvex::PixelBuffer& from);

    // A press (and drag) at pixel (x, y) with a button, as a mouse would.
    void ClickPixel(int x, int y, Qt::MouseButton button);

    QSize sizeHint() const override;

signals:
    void pixelsChanged();
    // The get-colour tool reports the clicked pixel's index.
    void colourPicked(int index, Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void Changed();
    bool PixelAt(const QPointF& pos, int& x, int& y) const;
    quorvex::PixelBuffer m_px;
    QVector<QRgb> m_colours;
    std::function<int(int, int, int)> m_display;
    Tool m_tool = Tool::Edit;
    int m_cell = 16;
    int m_left = 1;
    int m_right = 0;
    Qt::MouseButton m_dragButton = Qt::NoButton;
};
