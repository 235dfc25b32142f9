#include "actors/StartupHpMpExpPage.h"

#include <QButtonGroup>
#include <QChartView>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QValueAxis>
#include <QVBoxLayout>

#include "MessageService.h"
#include "rom/RomData.h"

using namespace quorvex;

namespace {

// The text of a cell read as a decimal integer: an optional sign and the
// digits that follow; anything else reads as 0.
int64_t ReadDecimal(const QString& text)
{
    const QString t = text.trimmed();
    int at = 0;
    const bool negative = t.startsWith('-');
    if (negative || t.startsWith('+'))
        at = 1;
    int64_t v = 0;
    for (; at < t.size() && t[at].isDigit(); ++at)
        v = std::min<int64_t>(v * 10 + t[at].digitValue(), INT32_MAX);
    return negative ? -v : v;
}

} // namespace

CStartupHpMpExpPage::CStartupHpMpExpPage(CEditorSheet* sheet) : QWidget(sheet), m_sheet(sheet)
{
    auto* chart = new QChart;
    m_series = new QLineSeries(chart);
    chart->addSeries(m_series);
    chart->legend()->hide();
    m_axisX = new QValueAxis(chart);
    m_axisX->setTitleText(QStringLiteral("Level"));
    m_axisX->setRange(2, 99);
    m_axisX->setLabelFormat(QStringLiteral("%d"));
    m_axisY = new QValueAxis(chart);
    m_axisY->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(m_axisX, Qt::AlignBottom);
    chart->addAxis(m_axisY, Qt::AlignLeft);
    m_series->attachAxis(m_axisX);
    m_series->attachAxis(m_axisY);
    m_chartView = new QChartView(chart, this);
    m_chartView->setRenderHint(QPainter::Antialiasing);
    m_chartView->setMinimumHeight(220);

    m_list = new QTableWidget(kGrowthLevels, 2, this);
    m_list->verticalHeader()->hide();
    m_list->verticalHeader()->setDefaultSectionSize(22);
    for (int r = 0; r < kGrowthLevels; ++r) {
        auto* level = new QTableWidgetItem(QString::number(r + 2));
        level->setFlags(level->flags() & ~Qt::ItemIsEditable);
        m_list->setItem(r, 0, new QTableWidgetItem);
        m_list->setItem(r, 1, level);
    }
    connect(m_list, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (!m_refreshing && item->column() == 0)
            EditRow(item->row(), item->text());
    });
    m_info = new QLabel(this);

    auto* lay = new QGridLayout(this);
    lay->addWidget(m_chartView, 0, 0, 1, 2);
    lay->addWidget(m_list, 1, 0, 2, 1);
    lay->addWidget(ButtonsBox(), 1, 1);
    lay->addWidget(m_info, 2, 1, Qt::AlignTop);
    lay->setRowStretch(1, 1);
    lay->setColumnStretch(0, 1);
    Refresh();
}

CStartupHpMpExpPage::~CStartupHpMpExpPage() { CloseWizard(); }

void CStartupHpMpExpPage::CloseWizard()
{
    if (m_wizard)
        m_wizard->close();
}

QWidget* CStartupHpMpExpPage::ButtonsBox()
{
    auto* box = new QWidget(this);
    auto* lay = new QVBoxLayout(box);
    auto* tables = new QButtonGroup(box);
    const char* const kTables[3] = {"Actors HP evolution", "Actors MP evolution", "Actors experience evolution"};
    for (int k = 0; k < 3; ++k) {
        m_tables[k] = new QRadioButton(QString::fromLatin1(kTables[k]), box);
        tables->addButton(m_tables[k], k);
        lay->addWidget(m_tables[k]);
    }
    m_tables[0]->setChecked(true);
    connect(tables, &QButtonGroup::idClicked, this, [this](int k) { SetTable(static_cast<GrowthTable>(k)); });
    auto* viewBox = new QGroupBox(box);
    auto* viewLay = new QVBoxLayout(viewBox);
    auto* views = new QButtonGroup(box);
    const char* const kViews[2] = {"Absolute values", "Increment values"};
    for (int k = 0; k < 2; ++k) {
        m_views[k] = new QRadioButton(QString::fromLatin1(kViews[k]), viewBox);
        views->addButton(m_views[k], k);
        viewLay->addWidget(m_views[k]);
    }
    m_views[0]->setChecked(true);
    connect(views, &QButtonGroup::idClicked, this, [this](int k) { SetView(static_cast<GrowthView>(k)); });
    lay->addWidget(viewBox);

    auto* files = new QGridLayout;
    auto* exportButton = new QPushButton(QStringLiteral(".txt file"), box);
    auto* importButton = new QPushButton(QStringLiteral(".txt file"), box);
    auto* macros = new QPushButton(QStringLiteral("Macros"), box);
    files->addWidget(new QLabel(QStringLiteral("Export"), box), 0, 0);
    files->addWidget(exportButton, 0, 1);
    files->addWidget(new QLabel(QStringLiteral("Import"), box), 1, 0);
    files->addWidget(importButton, 1, 1);
    lay->addLayout(files);
    lay->addWidget(macros);
    lay->addStretch();
    connect(exportButton, &QPushButton::clicked, this, &CStartupHpMpExpPage::Export);
    connect(importButton, &QPushButton::clicked, this, [this] {
        QFileDialog dlg(this, QStringLiteral("Import"), QString(), QStringLiteral("Text Files (*.txt);;All Files (*.*)"));
        dlg.setDefaultSuffix(QStringLiteral("txt"));
        dlg.setFileMode(QFileDialog::ExistingFile);
        if (dlg.exec() == QDialog::Accepted && !dlg.selectedFiles().isEmpty())
            ImportFile(dlg.selectedFiles().first());
    });
    connect(macros, &QPushButton::clicked, this, &CStartupHpMpExpPage::OpenWizard);
    return box;
}

QChart* CStartupHpMpExpPage::Chart() const { return m_chartView->chart(); }

GrowthValues CStartupHpMpExpPage::Shown() const { return GrowthShown(m_sheet->Rom(), m_table, m_view); }

void CStartupHpMpExpPage::SetTable(GrowthTable table)
{
    m_table = table;
    m_tables[static_cast<int>(table)]->setChecked(true);
    Refresh();
    if (m_wizard)
        m_wizard->Follow(m_table, Shown());
}

void CStartupHpMpExpPage::SetView(GrowthView view)
{
    m_view = view;
    m_views[static_cast<int>(view)]->setChecked(true);
    Refresh();
    if (m_wizard)
        m_wizard->Follow(m_table, Shown());
}

void CStartupHpMpExpPage::Refresh()
{
    m_refreshing = true;
    const GrowthValues v = Shown();
    m_list->setHorizontalHeaderLabels({QString::fromLatin1(GrowthColumnTitle(m_table)), QStringLiteral("Level")});
    QList<QPointF> points;
    int64_t top = 0;
    for (int r = 0; r < kGrowthLevels; ++r) {
        const int64_t value = v[static_cast<size_t>(r)];
        m_list->item(r, 0)->setText(QString::number(value));
        points << QPointF(r + 2, static_cast<double>(value));
        top = std::max(top, value);
    }
    m_series->replace(points);
    Chart()->setTitle(QString::fromLatin1(GrowthChartTitle(m_table)));
    m_axisY->setTitleText(QString::fromLatin1(GrowthAxisTitle(m_table)));
    m_axisY->setRange(0, std::max<double>(1.0, static_cast<double>(top)));
    m_axisY->applyNiceNumbers();
    m_info->setText(QString::fromStdString(GrowthQuickInfo(m_sheet->Rom(), m_table)));
    m_refreshing = false;
}

void CStartupHpMpExpPage::Stored(const GrowthValues& before)
{
    if (GrowthIncrements(m_sheet->Rom(), m_table) != before)
        m_sheet->SetEdited();
    Refresh();
}

void CStartupHpMpExpPage::EditRow(int row, const QString& text)
{
    const GrowthValues before = GrowthIncrements(m_sheet->Rom(), m_table);
    StoreGrowthRow(m_sheet->Rom(), m_table, m_view, row, ReadDecimal(text));
    Stored(before);
}

void CStartupHpMpExpPage::StoreShownValues(const GrowthValues& values)
{
    const GrowthValues before = GrowthIncrements(m_sheet->Rom(), m_table);
    StoreGrowthValues(m_sheet->Rom(), m_table, m_view, values);
    Stored(before);
}

void CStartupHpMpExpPage::Export()
{
    const QString name = QString::fromStdString(GrowthFileName(m_table, m_view));
    QFile file(QDir::current().filePath(name));
    const QByteArray text = QByteArray::fromStdString(GrowthExportText(m_sheet->Rom(), m_table, m_view));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text) != text.size()) {
        MessageService::Instance().Error(QString::fromLatin1(kGrowthCantCreate), this);
        return;
    }
    MessageService::Instance().Information(QString::fromLatin1(kGrowthCreated).replace(QStringLiteral("%s"), name),
                                           this);
}

void CStartupHpMpExpPage::ImportFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        MessageService::Instance().Error(QString::fromLatin1(kGrowthCantRead), this);
        return;
    }
    const GrowthValues before = GrowthIncrements(m_sheet->Rom(), m_table);
    const GrowthImport r = ImportGrowth(m_sheet->Rom(), m_table, m_view, file.readAll().toStdString());
    Stored(before);
    MessageService::Instance().Information(QString::fromStdString(r.message), this);
}

void CStartupHpMpExpPage::OpenWizard()
{
    if (m_wizard) {
        m_wizard->raise();
        return;
    }
    m_wizard = new CWizHpmpexpDia(this, m_sheet);
    m_wizard->setAttribute(Qt::WA_DeleteOnClose);
    m_wizard->Follow(m_table, Shown());
    m_wizard->adjustSize();
    m_wizard->move(m_sheet->frameGeometry().topRight() + QPoint(8, 0));
    m_wizard->show();
}
