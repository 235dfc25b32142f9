#include "FormThumbnailsDia.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QVBoxLayout>

#include "FormationPicture.h"
#include "monsters/FormationTables.h"

using namespace quorvex;

CFormThumbnailsDia::CFormThumbnailsDia(RomData& rd, int current, int background, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Thumbnails"));
    m_list = new QListWidget(this);
    m_list->setViewMode(QListView::IconMode);
    m_list->setIconSize(QSize(128, 76));
    m_list->setGridSize(QSize(140, 96));
    m_list->setResizeMode(QListView::Adjust);
    m_list->setMovement(QListView::Static);
    m_list->setUniformItemSizes(true);
    for (int f = 0; f < kFormationCount; ++f) {
        auto* item = new QListWidgetItem(QIcon(FormationPixmap(rd, f, background, 2)),
                                         QStringLiteral("%1").arg(f, 3, 10, QLatin1Char('0')), m_list);
        item->setData(Qt::UserRole, f);
    }
    m_list->setCurrentRow(std::clamp(current, 0, kFormationCount - 1));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(m_list);
    lay->addWidget(buttons);
    resize(900, 600);
}

int CFormThumbnailsDia::Selected() const { return m_list->currentRow(); }
