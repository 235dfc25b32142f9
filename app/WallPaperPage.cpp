#include "WallPaperPage.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>

#include "MessageService.h"
#include "controls/ExportFile.h"
#include "controls/PaletteStrip.h"
#include "controls/PixelArt.h"
#include "graphics/BitmapPreviews.h"
#include "graphics/SpriteSheets.h"
#include "graphics/Tiles.h"
#include "rom/Document.h"

using namespace quorvex;

CWallPaperPage::CWallPaperPage(CQuorvexDoc& doc, const BitmapTables& opened, QWidget* parent)
    : CBitmapPage(doc, opened, kShiftClear | kFlipRotate | kPixelTools | kCopyPaste, parent)
{
    m_wallpaper = std::clamp(BitmapSetting("m_bmpWallPaperIdx", 0), 0, kWallpaperCount - 1);
    Build("Tile Index");
    Grid()->SetCellSize(24);
    m_wallField = new QSpinBox(this);
    m_wallField->setRange(0, kWallpaperCount - 1);
    m_wallField->setValue(m_wallpaper);
    TopLayout()->addWidget(new QLabel("Index", this), 0, 0);
    TopLayout()->addWidget(m_wallField, 0, 1);

    auto* pal = new QPushButton("Pal", this);
    auto* editTile = new QPushButton("Edit Selected Tile", this);
    auto* exportButton = new QPushButton("&Export", this);
    auto* importButton = new QPushButton("&Import", this);
    for (QPushButton* b : {pal, editTile, exportButton, importButton})
        b->setAutoDefault(false);
    auto* palRow = new QHBoxLayout;
    palRow->addWidget(pal);
    palRow->addStretch();
    SideLayout()->addLayout(palRow);

    const WallpaperOptions o = WallpaperOptions::FromBits(BitmapSetting("m_bmpWallPaperOptions", 0));
    auto* box = new QGroupBox("Wall paper", this);
    m_preview = new CPixelArtView(2, box);
    m_preview->installEventFilter(this);
    m_preview->setToolTip("Click a cell, then \"Edit Selected Tile\"");
    m_grid = new QCheckBox("Grid", box);
    m_tileIndex = new QCheckBox("Show tile index", box);
    m_text = new QCheckBox("Text", box);
    m_importPalette = new QCheckBox("Import palette", box);
    m_grid->setChecked(o.grid);
    m_tileIndex->setChecked(o.showTileIndex);
    m_importPalette->setChecked(o.importPalette);
    m_text->setChecked(true);
    auto* opts = new QHBoxLayout;
    for (QCheckBox* c : {m_grid, m_tileIndex, m_text}) {
        opts->addWidget(c);
        connect(c, &QCheckBox::toggled, this, [this] { Changed(); });
    }
    opts->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(editTile);
    buttons->addWidget(exportButton);
    buttons->addWidget(importButton);
    buttons->addWidget(m_importPalette);
    buttons->addStretch();
    auto* l = new QVBoxLayout(box);
    l->addWidget(m_preview);
    l->addLayout(opts);
    l->addLayout(buttons);
    PreviewLayout()->addWidget(box);
    PreviewLayout()->addStretch();

    connect(m_wallField, &QSpinBox::valueChanged, this, [this](int v) { SetWallpaper(v); });
    connect(pal, &QPushButton::clicked, this, [this] { EditPalette(Grid()->LeftColour()); });
    connect(Colours(), &CPaletteStrip::coloursEdited, this, [this](const std::vector<SnesColor>& c) {
        NoteEdit();
        std::array<SnesColor, 16> p{};
        std::copy_n(c.begin(), std::min<size_t>(16, c.size()), p.begin());
        SetWallpaperPalette(Rom(), m_wallpaper, p);
        Reload();
    });
    connect(editTile, &QPushButton::clicked, this, [this] { EditSelectedTile(); });
    connect(exportButton, &QPushButton::clicked, this, [this] { Export(); });
    connect(importButton, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getOpenFileName(this, "Import", QString(),
                                                          "PNG Files (*.png);;All Files (*.*)");
        if (!path.isEmpty())
            ImportFile(path);
    });
    Reload();
    SelectItem(std::clamp(BitmapSetting("m_bmpWallPaperTileIdx", 0), 0, kWallpaperTiles - 1));
}

void CWallPaperPage::SetWallpaper(int w)
{
    if (w < 0 || w >= kWallpaperCount)
        return;
    m_wallpaper = w;
    const QSignalBlocker block(m_wallField);
    m_wallField->setValue(w);
    Reload();
}

WallpaperOptions CWallPaperPage::Options() const
{
    WallpaperOptions o;
    o.grid = m_grid && m_grid->isChecked();
    o.showTileIndex = m_tileIndex && m_tileIndex->isChecked();
    o.importPalette = m_importPalette && m_importPalette->isChecked();
    return o;
}

PixelBuffer CWallPaperPage::CurrentPixels(int item) const
{
    return Tile4bppToPixels(WallpaperTiles(m_doc.Rom(), m_wallpaper) + static_cast<size_t>(item) * kTile4bppBytes);
}

PixelBuffer CWallPaperPage::OldPixels(int item) const
{
    const size_t at = (static_cast<size_t>(m_wallpaper) * kWallpaperTiles + static_cast<size_t>(item)) * kTile4bppBytes;
    return Tile4bppToPixels(m_opened.wallpaperTiles.data() + at);
}

void CWallPaperPage::StorePixels(int item, const PixelBuffer& px)
{
    PixelsToTile4bpp(px, WallpaperTiles(Rom(), m_wallpaper) + static_cast<size_t>(item) * kTile4bppBytes);
}

QVector<QRgb> CWallPaperPage::DisplayColours() const
{
    return DisplayPalette(WallpaperPalette(m_doc.Rom(), m_wallpaper));
}

void CWallPaperPage::Changed()
{
    const std::array<SnesColor, 16> pal = WallpaperPalette(Rom(), m_wallpaper);
    Colours()->SetColours(std::vector<SnesColor>(pal.begin(), pal.end()));
    if (!m_preview)
        return;
    CFF6Bitmap bmp;
    RenderWallpaperPreview(Rom(), m_wallpaper, m_text->isChecked(), bmp);
    const WallpaperOptions o = Options();
    ShowSheet(m_preview, BitmapImage(bmp), WallpaperLayout(), {o.grid, o.showTileIndex, -1});
}

bool CWallPaperPage::eventFilter(QObject* o, QEvent* e)
{
    if (o == m_preview && e->type() == QEvent::MouseButtonPress) {
        const int cell = SheetCellAt(m_preview, WallpaperLayout(), static_cast<QMouseEvent*>(e)->position().toPoint());
        if (cell >= 0)
            ClickPreviewCell(cell);
        return true;
    }
    return CBitmapPage::eventFilter(o, e);
}

void CWallPaperPage::ClickPreviewCell(int cell)
{
    const uint32_t c = WallpaperLayout().cells[static_cast<size_t>(cell)];
    m_clickedTile = IsTileCell(c) ? CellTile(c) : -1;
}

void CWallPaperPage::EditSelectedTile()
{
    if (m_clickedTile >= 0)
        SelectItem(m_clickedTile);
}

bool CWallPaperPage::EditPalette(int entry) { return Colours()->EditColours(entry); }

bool CWallPaperPage::Export()
{
    const QString folder = QFileInfo(QString::fromStdString(Rom().path)).absolutePath();
    const QString name = QString::fromStdString(WallpaperPngName(m_wallpaper));
    const QString path = folder + "/" + name;
    if (!MayReplaceFile(path, this))
        return false;
    if (ExportWallpaperPng(Rom(), m_wallpaper, path.toStdString()) != 0) {
        MessageService::Instance().Error(QString("Problems writing `%1'").arg(path), this);
        return false;
    }
    MessageService::Instance().Information(CreatedText(path), this);
    return true;
}

bool CWallPaperPage::ImportFile(const QString& path)
{
    const BitmapImport r = ImportWallpaperPng(Rom(), m_wallpaper, path.toStdString(), Options().importPalette);
    if (r.status != 0) {
        MessageService::Instance().Error(QString::fromStdString(r.error), this);
        return false;
    }
    NoteEdit();
    Reload();
    return true;
}

void CWallPaperPage::RememberSelection()
{
    SetBitmapSetting("m_bmpWallPaperIdx", m_wallpaper);
    SetBitmapSetting("m_bmpWallPaperTileIdx", Item());
    SetBitmapSetting("m_bmpWallPaperOptions", Options().Bits());
}
