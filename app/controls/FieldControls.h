#pragma once
// The shared field controls: a number field that reads, clamps and rewrites
// itself by the editors' rule, a hexadecimal field, a check list and the
// progress window shown while long lists fill.
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTableWidget>

#include "controls/Fields.h"
#include "graphics/Backgrounds.h"

class QLabel;
class QProgressBar;

class CNumberField : public QLineEdit {
    Q_OBJECT
public:
    explicit CNumberField(quorvex::FieldRange range = {}, QWidget* parent = nullptr);
    void SetRange(quorvex::FieldRange range) { m_range = range; }
    quorvex::FieldRange Range() const { return m_range; }
    void SetValue(int64_t value);
    // Reads the text by the field rule, rewrites it with the stored value,
    // puts the caret at the end and returns the value.
    int32_t Read();

private:
    quorvex::FieldRange m_range;
};

class CHexField : public QLineEdit {
    Q_OBJECT
public:
    explicit CHexField(int digits = 2, QWidget* parent = nullptr);
    void SetValue(uint32_t value);
    // The parsed value, or -1 (the caller keeps its old value).
    int32_t Read() const;

private:
    int m_digits;
};

// A label column and state columns whose cells show "1" or "0".
class CCheckListControl : public QTableWidget {
    Q_OBJECT
public:
    CCheckListControl(const QStringList& labels, const QStringList& columns, QWidget* parent = nullptr);
    quorvex::CheckColumn& Column(int c) { return m_columns[static_cast<size_t>(c)]; }
    void LoadColumn(int c, const uint8_t* field, size_t size, const std::vector<quorvex::CheckBit>& map);
    void CommitColumn(int c, uint8_t* field, size_t size, const std::vector<quorvex::CheckBit>& map) const;
    void Redraw();

private:
    void OnCell(int row, int column);
    std::vector<quorvex::CheckColumn> m_columns;
};

// A small window with a caption and a progress bar.
class CProgressWindow : public QDialog {
    Q_OBJECT
public:
    explicit CProgressWindow(QWidget* parent = nullptr);
    void Show(const QString& caption);
    void Step(int done, int total);
    QString Caption() const;
    // A progress callback for core routines.
    quorvex::ProgressFn Callback();

private:
    QLabel* m_caption;
    QProgressBar* m_bar;
    QElapsedTimer m_lastStep; // the bar is redrawn a few times a second, not per entry
};
