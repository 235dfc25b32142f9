#include "BitmapEditorSheet.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QTabWidget>

#include "BigFontPage.h"
#include "EditorRegistry.h"
#include "SmallFontPage.h"
#include "SpritesPage.h"
#include "TilesStudioDia.h"
#include "WallPaperPage.h"
#include "rom/Document.h"

using namespace quorvex;

CBitmapEditorSheet::CBitmapEditorSheet(CQuorvexDoc& doc, QWidget* parent)
    : CEditorSheet(doc, "Quorvex: Bitmap Editor", parent), m_openedTables(doc.Rom().gfx.bitmaps)
{
    m_big = new CBigFontPage(doc, m_openedTables, Tabs());
    m_small = new CSmallFontPage(doc, m_openedTables, Tabs());
    m_wall = new CWallPaperPage(doc, m_openedTables, Tabs());
    m_sprites = new CSpritesPage(doc, m_openedTables, Tabs());
    m_wall->SetClipboard(&m_clip);
    m_sprites->SetClipboard(&m_clip);
    AddPage(m_big, "Big Font");
    AddPage(m_small, "Small Font");
    AddPage(m_wall, "Wall Paper");
    AddPage(m_sprites, "Sprites");
    for (CBitmapPage* p : std::initializer_list<CBitmapPage*>{m_big, m_small, m_wall, m_sprites})
        connect(p, &CBitmapPage::edited, this, [this] { SetEdited(); });

    auto* studio = Buttons()->addButton("Tiles Studio...", QDialogButtonBox::ActionRole);
    // Enter never closes the sheet: no button is a default one.
    for (QAbstractButton* b : Buttons()->buttons())
        if (auto* pb = qobject_cast<QPushButton*>(b))
            pb->setAutoDefault(false), pb->setDefault(false);
    connect(studio, &QPushButton::clicked, this, [this] {
        CTilesStudioDia dia(Doc(), this);
        dia.exec();
    });
}

bool CBitmapEditorSheet::Shortcut(int key)
{
    auto* page = qobject_cast<CBitmapPage*>(Tabs()->currentWidget());
    return page && page->HandleShortcut(key);
}

void CBitmapEditorSheet::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
        return; // the Enter key does not close the sheet
    if ((e->modifiers() & Qt::ControlModifier) && Shortcut(e->key()))
        return;
    CEditorSheet::keyPressEvent(e);
}

void CBitmapEditorSheet::accept()
{
    // Name pictures are drawn in the game's fonts: they are drawn again.
    Rom().names.preproc.Reset();
    CEditorSheet::accept();
}

namespace {

const EditorRegistration kBitmapEditor{EditorCommand::TileEditor, [](QWidget* parent, CQuorvexDoc& doc) {
                                           CBitmapEditorSheet sheet(doc, parent);
                                           sheet.exec();
                                       }};

} // namespace
