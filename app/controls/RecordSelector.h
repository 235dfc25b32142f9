#pragma once
// The selector of a record page: a choice listing the records by name beside
// an index field with a spin control. Changing either moves the other and
// tells the page, which stores the shown record before showing the new one.
#include <QWidget>

class QComboBox;
class QSpinBox;

class CRecordSelector : public QWidget {
    Q_OBJECT
public:
    explicit CRecordSelector(QWidget* parent = nullptr);

    // The records' names; their number is the spin's range.
    void SetNames(const QStringList& names);
    // Shows record i without telling the page.
    void SetCurrent(int i);
    int Current() const;

    QComboBox* Combo() const { return m_combo; }
    QSpinBox* Spin() const { return m_spin; }

signals:
    void Chosen(int index);

private:
    void Choose(int index);

    QComboBox* m_combo;
    QSpinBox* m_spin;
};
