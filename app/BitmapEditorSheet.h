#pragma once
// "Quorvex: Bitmap Editor": the Big Font, Small Font, Wall Paper and Sprites
// pages on the shared editor sheet. Edits go straight into the document's
// tables; OK keeps them and remembers each page's state, Cancel puts every
// table back as it was when the editor opened.
#include "BitmapPage.h"
#include "controls/EditorSheet.h"
#include "graphics/BitmapTables.h"

class CBigFontPage;
class CSmallFontPage;
class CWallPaperPage;
class CSpritesPage;

class CBitmapEditorSheet : public CEditorSheet {
    Q_OBJECT
public:
    explicit CBitmapEditorSheet(quorvex::CQuorvexDoc& doc, QWidget* parent = nullptr);

    CBigFontPage* BigFont() const { return m_big; }
    CSmallFontPage* SmallFont() const { return m_small; }
    CWallPaperPage* WallPaper() const { return m_wall; }
    CSpritesPage* Sprites() const { return m_sprites; }
    // A Ctrl shortcut as the sheet handles it for the shown page.
    bool Shortcut(int key);

    void accept() override;

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    quorvex::BitmapTables m_openedTables; // the "Old" pictures
    TileClipboard m_clip;
    CBigFontPage* m_big;
    CSmallFontPage* m_small;
    CWallPaperPage* m_wall;
    CSpritesPage* m_sprites;
};
