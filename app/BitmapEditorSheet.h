#pragma once
// "Quorvex: Bitmap Editor": the Big Font, Small Font, Wall Paper and Sprites
// pages. Edits go straight into the document's tables; OK keeps them and
// remembers each page's state, Cancel puts every table back as it was when
// the editor opened.
#include <QDialog>
#include <memory>

#include "BitmapPage.h"
#include "graphics/BitmapTables.h"

class QTabWidget;
class CBigFontPage;
class CSmallFontPage;
class CWallPaperPage;
class CSpritesPage;
namespace quorvex {
class CQuorvexDoc;
class TableSnapshot;
}

class CBitmapEditorSheet : public QDialog {
    Q_OBJECT
public:
    explicit CBitmapEditorSheet(quorvex::CQuorvexDoc& doc, QWidget* parent = nullptr);
    ~CBitmapEditorSheet() override;

    QTabWidget* Tabs() const { return m_tabs; }
    CBigFontPage* BigFont() const { return m_big; }
    CSmallFontPage* SmallFont() const { return m_small; }
    CWallPaperPage* WallPaper() const { return m_wall; }
    CSpritesPage* Sprites() const { return m_sprites; }
    // A Ctrl shortcut as the sheet handles it for the shown page.
    bool Shortcut(int key);

    void accept() override;
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    quorvex::CQuorvexDoc& m_doc;
    std::unique_ptr<quorvex::TableSnapshot> m_opened;
    quorvex::BitmapTables m_openedTables; // the "Old" pictures
    TileClipboard m_clip;
    QTabWidget* m_tabs;
    CBigFontPage* m_big;
    CSmallFontPage* m_small;
    CWallPaperPage* m_wall;
    CSpritesPage* m_sprites;
};
