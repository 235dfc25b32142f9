#pragma once
// The two colour controls of "Edit Colour": CHsvRgbMatrix, a square showing
// two components of the current model (the slider's model) across and down,
// and CHslRgbSlider, a vertical bar for the remaining component. Both draw
// their gradients from the colour words the console can show, and report
// the values the mouse points at.
#include <QWidget>

#include "graphics/PaletteEditLogic.h"

class CHsvRgbMatrix : public QWidget {
    Q_OBJECT
public:
    explicit CHsvRgbMatrix(QWidget* parent = nullptr);
    // The slider's component and the current fields decide the gradient.
    void SetState(quorvex::ColorComponent slider, const quorvex::ColorFields& fields);
    QSize sizeHint() const override { return {130, 130}; }
    // A drag from `press` to `to` with the modifiers held (Shift: only
    // across, Ctrl: only down), as the mouse would do it.
    void Drag(const QPoint& press, const QPoint& to, Qt::KeyboardModifiers mods);

signals:
    void picked(int xValue, int yValue);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    void Report(const QPoint& p);
    quorvex::ColorComponent m_slider = quorvex::ColorComponent::Hue;
    quorvex::ColorFields m_fields;
    QPoint m_anchor;
};

class CHslRgbSlider : public QWidget {
    Q_OBJECT
public:
    explicit CHslRgbSlider(QWidget* parent = nullptr);
    void SetState(quorvex::ColorComponent slider, const quorvex::ColorFields& fields);
    QSize sizeHint() const override { return {24, 130}; }

signals:
    void picked(int value);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    void Report(int y);
    quorvex::ColorComponent m_slider = quorvex::ColorComponent::Hue;
    quorvex::ColorFields m_fields;
};
