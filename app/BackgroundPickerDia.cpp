#include "BackgroundPickerDia.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "controls/FieldControls.h"
#include "controls/PixelArt.h"
#include "controls/QtBitmap.h"
#include "graphics/Backgrounds.h"
#include "rom/Document.h"

using namespace quorvex;

CBackgroundPickerDia::CBackgroundPickerDia(CQuorvexDoc& doc, int currentId, QWidget* parent)
    : QDialog(parent), m_doc(doc)
{
    setWindowTitle("Select background");
    {
        CProgressWindow progress(this);
        RenderAllBackgrounds(doc.Rom(), progress.Callback());
    }
    const BackgroundCache& cache = doc.Rom().gfx.backgroundCache;

    m_list = new QListWidget(this);
    m_list->setViewMode(QListView::IconMode);
    const QSize icon(128, 76);
    m_list->setIconSize(icon);
    // Room under each thumbnail for the longest label on three lines, so
    // that no label is cut off.
    const QFontMetrics fm(m_list->font());
    m_list->setGridSize(QSize(icon.width() + 32, icon.height() + 3 * fm.lineSpacing() + 14));
    m_list->setResizeMode(QListView::Adjust);
    m_list->setMovement(QListView::Static);
    m_list->setWordWrap(true);
    m_list->setTextElideMode(Qt::ElideNone);
    const qreal dpr = devicePixelRatioF();
    for (const BackgroundChoice& c : BattleBackgroundList()) {
        auto* item = new QListWidgetItem(QString::fromLatin1(c.label), m_list);
        item->setData(Qt::UserRole, c.id);
        item->setToolTip(QString::fromLatin1(c.label));
        if (c.id >= 0 && static_cast<size_t>(c.id) < cache.small.size())
            item->setIcon(PixelArtIcon(ToQImage(cache.small[static_cast<size_t>(c.id)]), dpr));
    }
    m_list->setCurrentRow(BattleBackgroundListIndex(currentId));

    m_preview = new CPixelArtView(1, this);
    m_preview->SetFit(true);
    m_preview->setMinimumSize(256, 152);
    m_preview->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::currentRowChanged, this, &CBackgroundPickerDia::ShowPreview);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

    auto* right = new QVBoxLayout;
    right->addWidget(m_preview, 1);
    right->addWidget(buttons);
    auto* lay = new QHBoxLayout(this);
    lay->addWidget(m_list, 3);
    lay->addLayout(right, 2);
    resize(900, 560);
    ShowPreview();
}

int CBackgroundPickerDia::SelectedId() const
{
    const QListWidgetItem* item = m_list->currentItem();
    return item ? item->data(Qt::UserRole).toInt() : -1;
}

void CBackgroundPickerDia::ShowPreview()
{
    const int id = SelectedId();
    const BackgroundCache& cache = m_doc.Rom().gfx.backgroundCache;
    if (id >= 0 && static_cast<size_t>(id) < cache.large.size())
        m_preview->SetImage(ToQImage(cache.large[static_cast<size_t>(id)]));
    else
        m_preview->SetImage(QImage());
}
