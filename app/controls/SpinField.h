#pragma once
// A number field with a spin control beside it, as the editors show an
// index or a small value: the arrows (and the Up and Down keys) step the
// shown value by one within the field's range and count as typing, so the
// page stores the value like any other edit.
#include <QWidget>

#include "controls/Fields.h"

class CNumberField;
class QToolButton;

class CSpinField : public QWidget {
    Q_OBJECT
public:
    explicit CSpinField(quorvex::FieldRange range = {}, QWidget* parent = nullptr);
    CNumberField* Edit() const { return m_edit; }
    void SetRange(quorvex::FieldRange range);
    // Steps the shown value by `delta`, clamped to the range.
    void Step(int delta);
    QToolButton* UpButton() const { return m_up; }
    QToolButton* DownButton() const { return m_down; }

signals:
    // The value the arrows (or keys) stepped to.
    void stepped(int value);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CNumberField* m_edit;
    QToolButton* m_up;
    QToolButton* m_down;
};
