#include "RestorePointsDia.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "MessageService.h"
#include "QuorvexDoc.h"

CRestorePointsDia::CRestorePointsDia(const QString& imagePath, int restorePoints, QWidget* parent)
    : QDialog(parent), m_image(imagePath), m_restorePoints(restorePoints)
{
    setWindowTitle(QStringLiteral("Restore Points"));
    m_list = new QTreeWidget(this);
    m_list->setHeaderLabels(
        {QStringLiteral("Time"), QStringLiteral("Size"), QStringLiteral("Differs from the image now in")});
    m_list->setRootIsDecorated(false);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setWordWrap(true);
    m_empty = new QLabel(this);
    m_empty->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_restore = buttons->addButton(QStringLiteral("Restore"), QDialogButtonBox::ActionRole);
    m_restore->setEnabled(false);
    connect(buttons, &QDialogButtonBox::rejected, this, &CRestorePointsDia::reject);
    connect(m_restore, &QPushButton::clicked, this, &CRestorePointsDia::Restore);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this,
            [this] { m_restore->setEnabled(!m_list->selectedItems().isEmpty()); });
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &CRestorePointsDia::Restore);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(m_empty);
    layout->addWidget(buttons);
    resize(640, 320);
    Fill();
}

void CRestorePointsDia::Fill()
{
    m_rows = quorvex::DescribeRestorePoints(ToCorePath(m_image));
    m_list->clear();
    for (const auto& row : m_rows) {
        auto* item = new QTreeWidgetItem(m_list);
        item->setText(0, FromCoreText(quorvex::RestorePointTimeText(row.point)));
        item->setText(1, QLocale().formattedDataSize(qint64(row.point.size)));
        item->setText(2, FromCoreText(row.differences));
        item->setToolTip(2, item->text(2));
    }
    m_list->resizeColumnToContents(0);
    m_list->resizeColumnToContents(1);
    QString note;
    if (m_restorePoints <= 0)
        note = m_rows.empty() ? QStringLiteral("No restore points: they are turned off in the options.")
                              : QStringLiteral("Restore points are turned off in the options: saves keep no more.");
    else if (m_rows.empty())
        note = QStringLiteral("No restore points yet: each save keeps the image as it was before.");
    m_empty->setText(note);
    m_empty->setVisible(!note.isEmpty());
    if (!m_rows.empty())
        m_list->setCurrentItem(m_list->topLevelItem(0));
}

void CRestorePointsDia::Restore()
{
    const int i = m_list->indexOfTopLevelItem(m_list->currentItem());
    if (i < 0 || size_t(i) >= m_rows.size())
        return;
    const quorvex::RestorePoint& p = m_rows[size_t(i)].point;
    MessageService& messages = MessageService::Instance();
    const QString question =
        QStringLiteral("Put the image back as it was at %1?\nThe image as it is now is kept as a restore point.")
            .arg(FromCoreText(quorvex::RestorePointTimeText(p)));
    if (!messages.Question(question, this))
        return;
    std::string error, warning;
    if (!quorvex::RestoreImage(ToCorePath(m_image), p, m_restorePoints, error, warning)) {
        messages.Error(FromCoreText(error), this);
        Fill();
        return;
    }
    if (!warning.empty())
        messages.Warning(FromCoreText(warning), this);
    accept();
}
