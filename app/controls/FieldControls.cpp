#include "controls/FieldControls.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

CNumberField::CNumberField(quorvex::FieldRange range, QWidget* parent) : QLineEdit(parent), m_range(range) {}

void CNumberField::SetValue(int64_t value) { setText(QString::fromStdString(quorvex::NumberFieldText(value))); }

int32_t CNumberField::Read()
{
    const int32_t v = quorvex::ReadNumberField(text().toStdString(), m_range);
    SetValue(v);
    setCursorPosition(static_cast<int>(text().size()));
    return v;
}

CHexField::CHexField(int digits, QWidget* parent) : QLineEdit(parent), m_digits(digits) {}

void CHexField::SetValue(uint32_t value) { setText(QString::fromStdString(quorvex::HexFieldText(value, m_digits))); }

int32_t CHexField::Read() const { return quorvex::ReadHexField(text().toStdString(), m_digits); }

CCheckListControl::CCheckListControl(const QStringList& labels, const QStringList& columns, QWidget* parent)
    : QTableWidget(static_cast<int>(labels.size()), static_cast<int>(columns.size()) + 1, parent)
{
    QStringList headers{QString()};
    headers += columns;
    setHorizontalHeaderLabels(headers);
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    for (int r = 0; r < labels.size(); ++r)
        setItem(r, 0, new QTableWidgetItem(labels[r]));
    m_columns.assign(static_cast<size_t>(columns.size()), quorvex::CheckColumn(static_cast<int>(labels.size())));
    connect(this, &QTableWidget::cellClicked, this, &CCheckListControl::OnCell);
    connect(this, &QTableWidget::cellDoubleClicked, this, &CCheckListControl::OnCell);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int section) {
        if (section < 1)
            return;
        m_columns[static_cast<size_t>(section - 1)].HeaderClick();
        Redraw();
    });
    Redraw();
    resizeColumnsToContents();
}

void CCheckListControl::OnCell(int row, int column)
{
    if (column < 1)
        return;
    m_columns[static_cast<size_t>(column - 1)].Toggle(row);
    Redraw();
}

void CCheckListControl::LoadColumn(int c, const uint8_t* field, size_t size, const std::vector<quorvex::CheckBit>& map)
{
    m_columns[static_cast<size_t>(c)].Load(field, size, map);
    Redraw();
}

void CCheckListControl::CommitColumn(int c, uint8_t* field, size_t size,
                                     const std::vector<quorvex::CheckBit>& map) const
{
    m_columns[static_cast<size_t>(c)].Commit(field, size, map);
}

void CCheckListControl::Redraw()
{
    for (size_t c = 0; c < m_columns.size(); ++c)
        for (int r = 0; r < rowCount(); ++r) {
            const char* t = quorvex::CheckColumn::CellText(m_columns[c].Cell(r));
            QTableWidgetItem* it = item(r, static_cast<int>(c) + 1);
            if (!it) {
                it = new QTableWidgetItem;
                it->setTextAlignment(Qt::AlignCenter);
                setItem(r, static_cast<int>(c) + 1, it);
            }
            it->setText(QString::fromLatin1(t));
        }
}

CProgressWindow::CProgressWindow(QWidget* parent) : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    auto* lay = new QVBoxLayout(this);
    m_caption = new QLabel(this);
    m_bar = new QProgressBar(this);
    lay->addWidget(m_caption);
    lay->addWidget(m_bar);
    resize(300, 70);
}

void CProgressWindow::Show(const QString& caption)
{
    m_caption->setText(caption);
    setWindowTitle(caption);
    show();
    QApplication::processEvents();
}

void CProgressWindow::Step(int done, int total)
{
    m_bar->setRange(0, total);
    m_bar->setValue(done);
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

QString CProgressWindow::Caption() const { return m_caption->text(); }

quorvex::ProgressFn CProgressWindow::Callback()
{
    return [this](const char* caption, int done, int total) {
        if (m_caption->text() != QLatin1String(caption) || !isVisible()) {
            Show(QString::fromLatin1(caption));
            m_lastStep.start();
        } else if (done < total && m_lastStep.isValid() && m_lastStep.elapsed() < 40) {
            return; // drawing one entry is quicker than showing it
        }
        m_lastStep.start();
        Step(done, total);
    };
}
