#pragma once
// The bar over a long list that Ctrl+F (find a text) and Ctrl+G (go to an
// index) open: one field, Enter does the step, Esc or the close button
// hides the bar again. The list's owner decides what a step does.
#include <QWidget>

class QLabel;
class QLineEdit;
class QToolButton;

class CListFindBar : public QWidget {
    Q_OBJECT
public:
    enum class Mode { Find, GoTo };
    explicit CListFindBar(QWidget* parent = nullptr);

    // Shows the bar in a mode with the field focused and selected.
    void Open(Mode mode);
    Mode CurrentMode() const { return m_mode; }
    QLineEdit* Field() const { return m_field; }
    // Says that nothing was found (or the index is out of range).
    void SetNotFound(bool notFound);

    // An index as typed: decimal, or hexadecimal with "0x" or "$" in front
    // or with a digit A-F in it; -1 when it is not a number.
    static long ParseIndex(const QString& text);

signals:
    void findRequested(const QString& text);
    void goToRequested(long index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Step();
    Mode m_mode = Mode::Find;
    QLabel* m_label;
    QLineEdit* m_field;
    QToolButton* m_close;
};
