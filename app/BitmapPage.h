#pragma once
// What the four pages of the bitmap editor share: a list of the glyphs or
// tiles with their picture as it was when the editor opened ("Old") and as
// edited ("Current"), the pixel grid with its tool buttons, the colour
// selector, and the remembered selection. Each page says how many items it
// has, how an item reads and writes its pixels and with which colours it is
// shown; everything else happens here.
#include <QWidget>
#include <functional>
#include <vector>

#include "controls/EditorSheet.h"
#include "controls/PixelEditor.h"
#include "graphics/Arrangement.h"
#include "graphics/BitmapTables.h"
#include "graphics/PixelBuffer.h"

class QBoxLayout;
class QGridLayout;
class QLabel;
class QSpinBox;
class QToolButton;
class QTreeWidget;
class CColorSelector;
namespace quorvex {
class CQuorvexDoc;
struct RomData;
}

// The one-tile clipboard that the Wall Paper and Sprites pages share.
struct TileClipboard {
    quorvex::PixelBuffer tile;
    bool filled = false;
};

class CBitmapPage : public QWidget, public CSheetPage {
    Q_OBJECT
public:
    // Which tool buttons a page shows (the table of buttons by page).
    enum Tools : unsigned {
        kShiftClear = 1,
        kFlipRotate = 2,
        kPixelTools = 4,
        kCopyPaste = 8,
        kFrame = 16,
    };

    CBitmapPage(quorvex::CQuorvexDoc& doc, const quorvex::BitmapTables& opened, unsigned tools,
                QWidget* parent = nullptr);

    quorvex::RomData& Rom();
    CPixelEditor* Grid() const { return m_grid; }
    CColorSelector* Colours() const { return m_colours; }
    QTreeWidget* List() const { return m_list; }
    QSpinBox* ItemField() const { return m_itemField; }
    int Item() const { return m_item; }
    void SelectItem(int item);
    // A tool button by its tooltip ("Shift left", "Paste tile (CTRL+V)").
    QToolButton* ToolButton(const QString& tooltip) const;

    // Ctrl+E/D/F/C/V while the page is shown; false when the page does not
    // handle the key.
    virtual bool HandleShortcut(int key);
    void SetClipboard(TileClipboard* clip) { m_clip = clip; }
    void CopyTile();
    void PasteTile();
    bool PasteEnabled() const;

signals:
    // The user changed something of the image (pixels, a width, a palette).
    void edited();

public:

protected:
    // Builds the list and the controls; called by each page's constructor
    // once it can answer the questions below.
    void Build(const QString& itemLabel, const QStringList& extraColumns = {});
    void Reload();                       // the items changed (another graphic chosen)
    virtual int ItemCount() const = 0;
    virtual quorvex::PixelBuffer CurrentPixels(int item) const = 0;
    virtual quorvex::PixelBuffer OldPixels(int item) const = 0;
    virtual void StorePixels(int item, const quorvex::PixelBuffer& px) = 0;
    virtual QVector<QRgb> DisplayColours() const = 0;
    virtual int ClearColour() const;
    virtual QString ExtraColumn(int item, int column) const;
    // After any change of the shown item's pixels or of the selection.
    virtual void Changed() {}
    virtual void IncrementFrame() {}
    void RefreshRow(int item);
    void NoteEdit() { emit edited(); }
    void RefreshColours();
    QIcon ItemIcon(const quorvex::PixelBuffer& px) const;

    // Where a page puts its own controls: beside the grid, and the preview.
    QBoxLayout* SideLayout() const { return m_side; }
    QBoxLayout* PreviewLayout() const { return m_preview; }
    QGridLayout* TopLayout() const { return m_top; }

    quorvex::CQuorvexDoc& m_doc;
    const quorvex::BitmapTables& m_opened;

private:
    void AddTool(QGridLayout* grid, int& n, const QString& tip, const QString& text, std::function<void()> fn);
    void OnGridChanged();
    unsigned m_tools;
    int m_item = 0;
    bool m_copiedHere = false;
    TileClipboard* m_clip = nullptr;
    QSpinBox* m_itemField = nullptr;
    QTreeWidget* m_list = nullptr;
    CPixelEditor* m_grid = nullptr;
    CColorSelector* m_colours = nullptr;
    QBoxLayout* m_side = nullptr;
    QBoxLayout* m_preview = nullptr;
    QGridLayout* m_top = nullptr;
    std::vector<QToolButton*> m_toolButtons;
    QToolButton* m_pasteButton = nullptr;
};

// The remembered values of the pages, in the settings section "Settings".
int BitmapSetting(const char* key, int fallback);
void SetBitmapSetting(const char* key, int value);

// A wallpaper or sprite sheet enlarged as pixel art, with the optional grid
// over its cells, their tile numbers, and a frame around every cell that
// shows `highlightTile` (-1: none).
struct SheetOverlay {
    bool grid = false;
    bool tileIndex = false;
    int highlightTile = -1;
};
class CPixelArtView;
void ShowSheet(CPixelArtView* view, const QImage& image, const quorvex::Arrangement& arr, const SheetOverlay& o);
// The cell of a sheet under a point of its view, or -1.
int SheetCellAt(const CPixelArtView* view, const quorvex::Arrangement& arr, const QPoint& p);
// The game's colours of a 16-colour palette, for the grid and the list.
QVector<QRgb> DisplayPalette(const std::array<quorvex::SnesColor, 16>& palette);
