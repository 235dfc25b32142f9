#pragma once
// A spin box that shows and reads its value as two upper-case hexadecimal
// digits ("%02X"), for the bytes whose meaning is open.
#include <QSpinBox>

class CHexSpinBox : public QSpinBox {
    Q_OBJECT
public:
    explicit CHexSpinBox(QWidget* parent = nullptr) : QSpinBox(parent)
    {
        setDisplayIntegerBase(16);
        setRange(0, 255);
    }

protected:
    QString textFromValue(int value) const override
    {
        return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
    }
};
