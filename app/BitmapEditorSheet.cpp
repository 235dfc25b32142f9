#include "BitmapEditorSheet.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "BigFontPage.h"
#include "EditorRegistry.h"
#include "SmallFontPage.h"
#include "SpritesPage.h"
#include "TilesStudioDia.h"
#include "WallPaperPage.h"
#include "rom/Document.h"
#include "rom/TableSnapshot.h"

using namespace quorvex;

CBitmapEditorSheet::CBitmapEditorSheet(CQuorvexDoc& doc, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_opened(std::make_unique<TableSnapshot>(doc.Rom())),
      m_openedTables(doc.Rom().gfx.bitmaps)
{
    setWindowTitle("Quorvex: Bitmap Editor");
    m_tabs = new QTabWidget(this);
    m_big = new CBigFontPage(doc, m_openedTables, m_tabs);
    m_small = new CSmallFontPage(doc, m_openedTables, m_tabs);
    m_wall = new CWallPaperPage(doc, m_openedTables, m_tabs);
    m_sprites = new CSpritesPage(doc, m_openedTables, m_tabs);
    m_wall->SetClipboard(&m_clip);
    m_sprites->SetClipboard(&m_clip);
    m_tabs->addTab(m_big, "Big Font");
    m_tabs->addTab(m_small, "Small Font");
    m_tabs->addTab(m_wall, "Wall Paper");
    m_tabs->addTab(m_sprites, "Sprites");

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* studio = buttons->addButton("Tiles Studio...", QDialogButtonBox::ActionRole);
    // Enter never closes the sheet: no button is a default one.
    for (QAbstractButton* b : buttons->buttons())
        if (auto* pb = qobject_cast<QPushButton*>(b))
            pb->setAutoDefault(false), pb->setDefault(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &CBitmapEditorSheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CBitmapEditorSheet::reject);
    connect(studio, &QPushButton::clicked, this, [this] {
        CTilesStudioDia dia(m_doc, this);
        dia.exec();
    });
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(m_tabs);
    lay->addWidget(buttons);
}

CBitmapEditorSheet::~CBitmapEditorSheet() = default;

bool CBitmapEditorSheet::Shortcut(int key)
{
    auto* page = qobject_cast<CBitmapPage*>(m_tabs->currentWidget());
    return page && page->HandleShortcut(key);
}

void CBitmapEditorSheet::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
        return; // the Enter key does not close the sheet
    if ((e->modifiers() & Qt::ControlModifier) && Shortcut(e->key()))
        return;
    QDialog::keyPressEvent(e);
}

void CBitmapEditorSheet::accept()
{
    for (CBitmapPage* p : std::initializer_list<CBitmapPage*>{m_big, m_small, m_wall, m_sprites})
        p->SaveSettings();
    // Name pictures are drawn in the game's fonts: draw them again.
    m_doc.Rom().names.preproc.Reset();
    m_doc.SetModifiedFlag(true);
    QDialog::accept();
}

void CBitmapEditorSheet::reject()
{
    m_opened->Restore(m_doc.Rom());
    QDialog::reject();
}

namespace {

const EditorRegistration kBitmapEditor{EditorCommand::TileEditor, [](QWidget* parent, CQuorvexDoc& doc) {
                                           CBitmapEditorSheet sheet(doc, parent);
                                           sheet.exec();
                                       }};

} // namespace
