#pragma once
// CPaletteStrip: a row of colour swatches (16 by default) showing one
// palette. A left click chooses the left-button colour, a right click the
// right-button colour; a double click (or the owner's "Edit" button, through
// EditColours) opens "Edit Colour" on the palette and reports the result.
// CColorSelector is the strip with the two chosen colours marked "L" and
// "R", as the bitmap editor's pages show it.
#include <QWidget>
#include <vector>

#include "graphics/Color.h"

class CPaletteStrip : public QWidget {
    Q_OBJECT
public:
    explicit CPaletteStrip(QWidget* parent = nullptr);

    void SetColours(const std::vector<quorvex::SnesColor>& colours);
    const std::vector<quorvex::SnesColor>& Colours() const { return m_colours; }
    void SetSwatchSize(int size);
    void SetMarks(bool on) { m_marks = on, update(); }
    void SetLeft(int index) { m_left = index, update(); }
    void SetRight(int index) { m_right = index, update(); }
    int Left() const { return m_left; }
    int Right() const { return m_right; }
    // Whether a double click opens "Edit Colour".
    void SetEditable(bool on) { m_editable = on; }

    // Opens "Edit Colour" on the palette, selecting `entry`; on OK the
    // strip takes the edited colours and emits coloursEdited().
    bool EditColours(int entry = 0);

    QSize sizeHint() const override;
    // The swatch under a point of the widget, or -1.
    int SwatchAt(const QPoint& p) const;

signals:
    void leftChosen(int index);
    void rightChosen(int index);
    void coloursEdited(const std::vector<quorvex::SnesColor>& colours);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    std::vector<quorvex::SnesColor> m_colours = std::vector<quorvex::SnesColor>(16, 0);
    int m_size = 16;
    int m_left = 1;
    int m_right = 0;
    bool m_marks = false;
    bool m_editable = true;
};

class CColorSelector : public CPaletteStrip {
    Q_OBJECT
public:
    explicit CColorSelector(QWidget* parent = nullptr) : CPaletteStrip(parent) { SetMarks(true); }
};
