#include "BigFontPage.h"

#include <QFontDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

#include "controls/PaletteStrip.h"
#include "controls/PixelArt.h"
#include "graphics/BitmapPreviews.h"
#include "graphics/Tiles.h"
#include "rom/Document.h"

using namespace quorvex;

CBigFontPage::CBigFontPage(CQuorvexDoc& doc, const BitmapTables& opened, QWidget* parent)
    : CBitmapPage(doc, opened, kShiftClear, parent)
{
    m_width = new QSpinBox(this);
    m_width->setRange(0, 255);
    Build("Index", {"Width"});
    Grid()->SetCellSize(18);
    Grid()->SetLeftColour(1);
    Grid()->SetRightColour(0);
    // Columns 0-3 and those from 4 + width on are shown in the shaded pair,
    // so that the glyph's advance width can be seen.
    Grid()->SetDisplayIndex([this](int x, int, int index) {
        const int w = BigFontWidth(Rom(), Item());
        return (x < 4 || x >= 4 + w) ? index + 2 : index;
    });
    Colours()->SetColours({0x7FFF, 0});
    Colours()->SetEditable(false);
    Colours()->SetLeft(1);
    Colours()->SetRight(0);
    Colours()->SetSwatchSize(20);

    auto* widthRow = new QHBoxLayout;
    widthRow->addWidget(new QLabel("Char. width", this));
    widthRow->addWidget(m_width);
    widthRow->addStretch();
    SideLayout()->addLayout(widthRow);
    auto* import = new QPushButton("Import TrueType Font", this);
    auto* up = new QPushButton("Re-import TTF while shifting font up", this);
    auto* down = new QPushButton("Re-import TTF while shifting font down", this);
    for (QPushButton* b : {import, up, down}) {
        b->setAutoDefault(false);
        SideLayout()->addWidget(b);
    }
    auto preview = [this](const char* title, CPixelArtView*& view) {
        auto* box = new QGroupBox(title, this);
        auto* scroll = new QScrollArea(box);
        view = new CPixelArtView(2, scroll);
        scroll->setWidget(view);
        scroll->setWidgetResizable(true);
        scroll->setMinimumSize(420, 170);
        auto* l = new QVBoxLayout(box);
        l->addWidget(scroll);
        PreviewLayout()->addWidget(box, 1);
    };
    preview("Old font:", m_old);
    preview("New font:", m_new);

    connect(m_width, &QSpinBox::valueChanged, this, [this](int v) { SetWidth(v); });
    connect(import, &QPushButton::clicked, this, [this] {
        bool ok = false;
        const QFont f = QFontDialog::getFont(&ok, m_haveFont ? m_font : QFont("DejaVu Sans"), this,
                                             "Import TrueType Font");
        if (ok)
            ImportTrueType(f, 0);
    });
    connect(up, &QPushButton::clicked, this, [this] {
        if (m_haveFont)
            ImportTrueType(m_font, m_shift + 1);
    });
    connect(down, &QPushButton::clicked, this, [this] {
        if (m_haveFont)
            ImportTrueType(m_font, m_shift - 1);
    });
    SelectItem(std::clamp(BitmapSetting("m_bmpBigFontIdx", 0), 0, ItemCount() - 1));
    RenderPreviews();
}

int CBigFontPage::ItemCount() const { return BigFontGlyphCount(m_doc.Rom()); }

PixelBuffer CBigFontPage::CurrentPixels(int item) const { return GlyphToPixels(BigFontGlyph(m_doc.Rom(), item)); }

PixelBuffer CBigFontPage::OldPixels(int item) const
{
    return GlyphToPixels(m_opened.bigFontGlyphs.data() + static_cast<size_t>(item) * kGlyphBytes);
}

void CBigFontPage::StorePixels(int item, const PixelBuffer& px)
{
    if (uint8_t* g = BigFontGlyph(Rom(), item))
        PixelsToGlyph(px, g);
}

QVector<QRgb> CBigFontPage::DisplayColours() const
{
    return {qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(0xC8, 0xCC, 0xE0), qRgb(0x48, 0x4C, 0x70)};
}

int CBigFontPage::ClearColour() const { return Grid()->RightColour(); }

QString CBigFontPage::ExtraColumn(int item, int) const
{
    return QString::asprintf("0x%02X", BigFontWidth(m_doc.Rom(), item));
}

void CBigFontPage::Changed()
{
    const QSignalBlocker block(m_width);
    m_width->setValue(BigFontWidth(Rom(), Item()));
    // The widths of the Japanese tables 2-4 are shown but never written.
    m_width->setEnabled(BigFontWidthWritable(Rom(), Item()));
    Grid()->update();
    RenderPreviews();
}

void CBigFontPage::SetWidth(int width)
{
    if (BigFontWidth(Rom(), Item()) == width || !SetBigFontWidth(Rom(), Item(), width))
        return;
    NoteEdit();
    RefreshRow(Item());
    Changed();
}

void CBigFontPage::RenderPreviews()
{
    if (!m_old || !m_new)
        return; // still being built
    const std::vector<std::wstring> lines = BigFontPreviewLines(Rom());
    CFF6Bitmap bmp;
    RenderBigFontText(Rom(), m_opened.bigFontGlyphs, m_opened.bigFontWidths, lines, bmp);
    m_old->SetBitmap(bmp);
    RenderBigFontText(Rom(), Rom().gfx.bitmaps.bigFontGlyphs, Rom().gfx.bitmaps.bigFontWidths, lines, bmp);
    m_new->SetBitmap(bmp);
}

void CBigFontPage::ImportTrueType(const QFont& chosen, int shift)
{
    NoteEdit();
    m_font = chosen;
    m_haveFont = true;
    m_shift = shift;
    QFont font = chosen;
    // The glyph cell is 11 pixels high: larger fonts are brought down to it.
    if (QFontMetrics(font).height() > 14)
        font.setPixelSize(11);
    font.setStyleStrategy(QFont::NoAntialias);
    const QFontMetrics fm(font);
    for (const wchar_t* c = kTrueTypeChars; *c; ++c) {
        const int glyph = TrueTypeGlyph(Rom(), *c);
        if (glyph < 0)
            continue;
        QImage img(16, 16, QImage::Format_Grayscale8);
        img.fill(0);
        QPainter p(&img);
        p.setFont(font);
        p.setPen(Qt::white);
        // The character starts at column 4, where the glyph's width counts
        // from; the baseline sits so that capitals fill the 11 rows.
        p.drawText(QPointF(4, std::min(fm.ascent(), 10) - shift + 1), QString(QChar(static_cast<char16_t>(*c))));
        p.end();
        std::array<uint8_t, 256> coverage{};
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                coverage[static_cast<size_t>(y * 16 + x)] = static_cast<uint8_t>(qGray(img.pixel(x, y)));
        StoreRenderedGlyph(Rom(), glyph, coverage, fm.horizontalAdvance(QChar(static_cast<char16_t>(*c))), 0);
    }
    Reload();
}

void CBigFontPage::RememberSelection() { SetBitmapSetting("m_bmpBigFontIdx", Item()); }
