#pragma once
// The selector of a record page: a choice listing the records by name beside
// an index field. Changing either moves the other and tells the page, which
// stores the shown record before showing the new one.
//
// Names given as texts fill a plain combo beside an index spin. Names of a
// picture list (items, spells, rare items) are a shared model drawn in the
// game's font: a CFF6Combo over it beside the editors' index field, the
// record being taken when the arrows step or the typed number is entered.
#include <QWidget>

class QComboBox;
class QHBoxLayout;
class QPushButton;
class QSpinBox;
class QStandardItemModel;
class CSpinField;

class CRecordSelector : public QWidget {
    Q_OBJECT
public:
    explicit CRecordSelector(QWidget* parent = nullptr);
    // Records 0 .. count - 1 named by the rows of a picture list.
    CRecordSelector(QStandardItemModel* names, int count, QWidget* parent = nullptr);

    // The records' names; their number is the spin's range (text names only).
    void SetNames(const QStringList& names);
    // Shows record i without telling the page.
    void SetCurrent(int i);
    int Current() const;
    // A button after the index field (a rename); the page connects it.
    QPushButton* AddRenameButton(const QString& text);

    QComboBox* Combo() const { return m_combo; }
    // The index control: a spin beside text names, a field beside pictures.
    QSpinBox* Spin() const { return m_spin; }
    CSpinField* IndexField() const { return m_index; }
    QPushButton* RenameButton() const { return m_rename; }

signals:
    void Chosen(int index);

private:
    void Choose(int index);

    QComboBox* m_combo = nullptr;
    QSpinBox* m_spin = nullptr;
    CSpinField* m_index = nullptr;
    QPushButton* m_rename = nullptr;
    QHBoxLayout* m_layout = nullptr;
};
