#include "SpritesPage.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
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

namespace {

const char* const kOptionNames[8] = {"Grid",   "Highlight sel. tile",     "Show tile index",     "Animate",
                                     "Zoom",   "New sprite sheet format", "Import town palette", "Import battle palette"};
constexpr uint32_t kPreviewBackground = 0x604030; // 0x00BBGGRR: a muted blue behind the sprites

} // namespace

CSpritesPage::CSpritesPage(CQuorvexDoc& doc, const BitmapTables& opened, QWidget* parent)
    : CBitmapPage(doc, opened, kShiftClear | kFlipRotate | kPixelTools | kCopyPaste | kFrame, parent)
{
    const SpriteOptions o = SpriteOptions::FromBits(BitmapSetting("m_bmpSpriteOptions", 0));
    m_view.sprite = std::clamp(BitmapSetting("m_bmpSpriteIdx", 0), 0, kSpriteCount - 1);
    m_view.newFormat = o.newFormat;
    m_view.townPalette = static_cast<int>(SpriteRecords()[static_cast<size_t>(m_view.sprite)].defaultPalette);
    m_view.battlePalette = m_view.townPalette % kBattlePaletteCount;
    Build("Tile Index");
    Grid()->SetCellSize(24);

    m_spriteField = new QSpinBox(this);
    m_spriteField->setRange(0, kSpriteCount - 1);
    m_townField = new QSpinBox(this);
    m_townField->setRange(0, kTownPaletteCount - 1);
    m_battleField = new QSpinBox(this);
    m_battleField->setRange(0, kBattlePaletteCount - 1);
    m_battle = new QCheckBox("Battle", this);
    TopLayout()->addWidget(new QLabel("Index", this), 0, 0);
    TopLayout()->addWidget(m_spriteField, 0, 1);
    TopLayout()->addWidget(new QLabel("Town pal.", this), 1, 0);
    TopLayout()->addWidget(m_townField, 1, 1);
    TopLayout()->addWidget(new QLabel("Battle pal.", this), 2, 0);
    TopLayout()->addWidget(m_battleField, 2, 1);
    TopLayout()->addWidget(m_battle, 3, 1);

    auto* edit = new QPushButton("Edit", this);
    auto* editTile = new QPushButton("Edit Selected Tile", this);
    auto* exportButton = new QPushButton("&Export", this);
    auto* exportAll = new QPushButton("Export All", this);
    auto* importButton = new QPushButton("&Import", this);
    for (QPushButton* b : {edit, editTile, exportButton, exportAll, importButton})
        b->setAutoDefault(false);
    auto* palRow = new QHBoxLayout;
    palRow->addWidget(edit);
    palRow->addStretch();
    SideLayout()->addLayout(palRow);

    auto* box = new QGroupBox("Sprite sheet", this);
    auto* scroll = new QScrollArea(box);
    m_sheet = new CPixelArtView(o.largePreview ? 3 : 2, scroll);
    m_sheet->installEventFilter(this);
    scroll->setWidget(m_sheet);
    scroll->setWidgetResizable(true);
    scroll->setMinimumSize(300, 300);
    m_pose = new CPixelArtView(4, box);
    m_pose->setMinimumSize(16 * 4, 24 * 4);
    auto* opts = new QGridLayout;
    for (int i = 0; i < 8; ++i) {
        m_options[static_cast<size_t>(i)] = new QCheckBox(kOptionNames[i], box);
        m_options[static_cast<size_t>(i)]->setChecked((o.Bits() >> i) & 1);
        opts->addWidget(m_options[static_cast<size_t>(i)], i / 2, i % 2);
        connect(m_options[static_cast<size_t>(i)], &QCheckBox::toggled, this, [this, i](bool on) { SetOption(i, on); });
    }
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {editTile, exportButton, exportAll, importButton})
        buttons->addWidget(b);
    buttons->addStretch();
    auto* poseCol = new QVBoxLayout;
    poseCol->addWidget(m_pose);
    poseCol->addStretch();
    auto* views = new QHBoxLayout;
    views->addWidget(scroll, 1);
    views->addLayout(poseCol);
    auto* l = new QVBoxLayout(box);
    l->addLayout(views, 1);
    l->addLayout(opts);
    l->addLayout(buttons);
    PreviewLayout()->addWidget(box, 1);

    connect(m_spriteField, &QSpinBox::valueChanged, this, [this](int v) { SetSprite(v); });
    connect(m_townField, &QSpinBox::valueChanged, this, [this](int v) { SetTownPalette(v); });
    connect(m_battleField, &QSpinBox::valueChanged, this, [this](int v) { SetBattlePalette(v); });
    connect(m_battle, &QCheckBox::toggled, this, [this](bool on) { ShowBattlePalette(on); });
    connect(edit, &QPushButton::clicked, this, [this] { EditPalette(Grid()->LeftColour()); });
    connect(Colours(), &CPaletteStrip::coloursEdited, this, [this](const std::vector<SnesColor>& c) {
        NoteEdit();
        std::array<SnesColor, 16> p{};
        std::copy_n(c.begin(), std::min<size_t>(16, c.size()), p.begin());
        SetSpritePalette(Rom(), m_view, p);
        Reload();
    });
    connect(editTile, &QPushButton::clicked, this, [this] { EditSelectedTile(); });
    connect(exportButton, &QPushButton::clicked, this, [this] { Export(); });
    connect(exportAll, &QPushButton::clicked, this, [this] { ExportAll(); });
    connect(importButton, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getOpenFileName(this, "Import", QString(),
                                                          "PNG Files (*.png);;All Files (*.*)");
        if (!path.isEmpty())
            ImportFile(path);
    });
    connect(&m_timer, &QTimer::timeout, this, [this] { IncrementFrame(); });
    m_timer.setInterval(250);
    if (o.animate)
        m_timer.start();
    SetSprite(m_view.sprite);
    SelectItem(std::clamp(BitmapSetting("m_bmpSpriteTileIdx", 0), 0, ItemCount() - 1));
}

void CSpritesPage::SetSprite(int s)
{
    if (s < 0 || s >= kSpriteCount)
        return;
    if (s != m_view.sprite) {
        m_view.townPalette = static_cast<int>(SpriteRecords()[static_cast<size_t>(s)].defaultPalette);
        m_view.battlePalette = m_view.townPalette % kBattlePaletteCount;
    }
    m_view.sprite = s;
    m_frame = 0;
    {
        const QSignalBlocker b1(m_spriteField), b2(m_townField), b3(m_battleField);
        m_spriteField->setValue(s);
        m_townField->setValue(m_view.townPalette);
        m_battleField->setValue(m_view.battlePalette);
    }
    Reload();
}

void CSpritesPage::SetTownPalette(int p)
{
    m_view.townPalette = std::clamp(p, 0, kTownPaletteCount - 1);
    Reload();
}

void CSpritesPage::SetBattlePalette(int p)
{
    m_view.battlePalette = std::clamp(p, 0, kBattlePaletteCount - 1);
    Reload();
}

void CSpritesPage::ShowBattlePalette(bool on)
{
    m_view.battle = on;
    const QSignalBlocker block(m_battle);
    m_battle->setChecked(on);
    Reload();
}

SpriteOptions CSpritesPage::Options() const
{
    int bits = 0;
    for (int i = 0; i < 8; ++i)
        if (m_options[static_cast<size_t>(i)] && m_options[static_cast<size_t>(i)]->isChecked())
            bits |= 1 << i;
    return SpriteOptions::FromBits(bits);
}

void CSpritesPage::SetOption(int bit, bool on)
{
    QCheckBox* box = m_options[static_cast<size_t>(bit)];
    if (box->isChecked() != on) {
        box->setChecked(on); // comes back here through toggled
        return;
    }
    const SpriteOptions o = Options();
    if (bit == 3)
        on ? m_timer.start() : m_timer.stop();
    if (bit == 4)
        m_sheet->SetZoom(on ? 3 : 2);
    if (bit == 5) {
        m_view.newFormat = o.newFormat;
        m_frame = 0;
    }
    Changed();
}

int CSpritesPage::ItemCount() const { return SpriteTileCount(m_view.sprite); }

PixelBuffer CSpritesPage::CurrentPixels(int item) const
{
    return Tile4bppToPixels(SpriteTiles(m_doc.Rom(), m_view.sprite) + static_cast<size_t>(item) * kTile4bppBytes);
}

PixelBuffer CSpritesPage::OldPixels(int item) const
{
    const size_t first = SpriteRecords()[static_cast<size_t>(m_view.sprite)].firstTile;
    return Tile4bppToPixels(m_opened.spriteTiles.data() + (first + static_cast<size_t>(item)) * kTile4bppBytes);
}

void CSpritesPage::StorePixels(int item, const PixelBuffer& px)
{
    PixelsToTile4bpp(px, SpriteTiles(Rom(), m_view.sprite) + static_cast<size_t>(item) * kTile4bppBytes);
}

QVector<QRgb> CSpritesPage::DisplayColours() const
{
    QVector<QRgb> c = DisplayPalette(SpritePalette(m_doc.Rom(), m_view));
    // Colour 0 is transparent: shown in the preview's background colour.
    c[0] = qRgb(kPreviewBackground & 0xFF, (kPreviewBackground >> 8) & 0xFF, kPreviewBackground >> 16);
    return c;
}

void CSpritesPage::Changed()
{
    const std::array<SnesColor, 16> pal = SpritePalette(Rom(), m_view);
    Colours()->SetColours(std::vector<SnesColor>(pal.begin(), pal.end()));
    if (!m_sheet)
        return;
    const SpriteOptions o = Options();
    CFF6Bitmap bmp;
    RenderSpriteSheet(Rom(), m_view, kPreviewBackground, bmp);
    ShowSheet(m_sheet, BitmapImage(bmp), SpriteLayout(m_view.sprite, m_view.newFormat),
              {o.grid, o.showTileIndex, o.highlight ? Item() : -1});
    RenderSpritePose(Rom(), m_view, m_frame, kPreviewBackground, bmp);
    m_pose->SetZoom(bmp.Width() > 32 ? 1 : 4);
    m_pose->SetBitmap(bmp);
}

void CSpritesPage::IncrementFrame()
{
    m_frame = (m_frame + 1) % std::max(1, SpritePoseCount(m_view));
    Changed();
}

bool CSpritesPage::eventFilter(QObject* o, QEvent* e)
{
    if (o == m_sheet && e->type() == QEvent::MouseButtonPress) {
        const int cell = SheetCellAt(m_sheet, SpriteLayout(m_view.sprite, m_view.newFormat),
                                     static_cast<QMouseEvent*>(e)->position().toPoint());
        if (cell >= 0)
            ClickPreviewCell(cell);
        return true;
    }
    return CBitmapPage::eventFilter(o, e);
}

void CSpritesPage::ClickPreviewCell(int cell)
{
    const uint32_t c = SpriteLayout(m_view.sprite, m_view.newFormat).cells[static_cast<size_t>(cell)];
    m_clickedTile = IsTileCell(c) ? CellTile(c) : -1;
}

void CSpritesPage::EditSelectedTile()
{
    if (m_clickedTile >= 0)
        SelectItem(m_clickedTile);
}

bool CSpritesPage::EditPalette(int entry) { return Colours()->EditColours(entry); }

bool CSpritesPage::HandleShortcut(int key)
{
    // Ctrl+C copies on this page; on the Wall Paper page only the button does.
    if (key == Qt::Key_C) {
        CopyTile();
        return true;
    }
    return CBitmapPage::HandleShortcut(key);
}

QString CSpritesPage::Folder() const { return QFileInfo(QString::fromStdString(m_doc.Rom().path)).absolutePath(); }

bool CSpritesPage::Export()
{
    const QString path = Folder() + "/" + QString::fromStdString(SpritePngName(m_view.sprite));
    if (!MayReplaceFile(path, this))
        return false;
    if (ExportSpritePng(Rom(), m_view, path.toStdString()) != 0) {
        MessageService::Instance().Error(QString("Problems writing `%1'").arg(path), this);
        return false;
    }
    MessageService::Instance().Information(CreatedText(path), this);
    return true;
}

bool CSpritesPage::ExportAll()
{
    QStringList paths;
    for (int s = 0; s < kSpriteCount; ++s)
        paths.push_back(Folder() + "/" + QString::fromStdString(SpritePngName(s)));
    if (!MayReplaceFiles(paths, this))
        return false;
    for (int s = 0; s < kSpriteCount; ++s) {
        SpriteView v = m_view;
        v.sprite = s;
        if (s != m_view.sprite) // each sprite in its own town palette
            v.townPalette = static_cast<int>(SpriteRecords()[static_cast<size_t>(s)].defaultPalette);
        const QString& path = paths[s];
        if (ExportSpritePng(Rom(), v, path.toStdString()) != 0) {
            MessageService::Instance().Error(QString("Problems writing `%1'").arg(path), this);
            return false;
        }
    }
    MessageService::Instance().Information(
        QString("%1 files created in `%2'").arg(kSpriteCount).arg(QDir::toNativeSeparators(Folder())), this);
    return true;
}

bool CSpritesPage::ImportFile(const QString& path)
{
    const SpriteOptions o = Options();
    const BitmapImport r = ImportSpritePng(Rom(), m_view, path.toStdString(), o.importTown, o.importBattle);
    if (r.status != 0) {
        MessageService::Instance().Error(QString::fromStdString(r.error), this);
        return false;
    }
    NoteEdit();
    Reload();
    return true;
}

void CSpritesPage::RememberSelection()
{
    SetBitmapSetting("m_bmpSpriteIdx", m_view.sprite);
    SetBitmapSetting("m_bmpSpriteTileIdx", Item());
    SetBitmapSetting("m_bmpSpriteOptions", Options().Bits());
}
