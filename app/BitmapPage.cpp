#include "BitmapPage.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QSpinBox>
#include <QToolButton>
#include <QTreeWidget>

#include "controls/PaletteStrip.h"
#include "controls/PixelArt.h"
#include "controls/Settings.h"
#include "rom/Document.h"

using namespace quorvex;

CBitmapPage::CBitmapPage(CQuorvexDoc& doc, const BitmapTables& opened, unsigned tools, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_opened(opened), m_tools(tools)
{
}

RomData& CBitmapPage::Rom() { return m_doc.Rom(); }

void CBitmapPage::AddTool(QGridLayout* grid, int& n, const QString& tip, const QString& text,
                          std::function<void()> fn)
{
    auto* b = new QToolButton(this);
    b->setText(text);
    b->setToolTip(tip);
    b->setFixedSize(30, 26);
    b->setAutoRaise(false);
    connect(b, &QToolButton::clicked, this, std::move(fn));
    grid->addWidget(b, n / 2, n % 2);
    ++n;
    m_toolButtons.push_back(b);
}

QToolButton* CBitmapPage::ToolButton(const QString& tooltip) const
{
    for (QToolButton* b : m_toolButtons)
        if (b->toolTip() == tooltip)
            return b;
    return nullptr;
}

void CBitmapPage::Build(const QString& itemLabel, const QStringList& extraColumns)
{
    m_top = new QGridLayout;
    m_itemField = new QSpinBox(this);
    m_itemField->setRange(0, std::max(0, ItemCount() - 1));
    m_top->addWidget(new QLabel(itemLabel, this), 10, 0);
    m_top->addWidget(m_itemField, 10, 1);
    m_list = new QTreeWidget(this);
    m_list->setHeaderLabels(QStringList{"Index", "Old", "Current"} + extraColumns);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setMinimumWidth(200);
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    m_grid = new CPixelEditor(this);
    m_colours = new CColorSelector(this);
    auto* tools = new QGridLayout;
    tools->setSpacing(2);
    int n = 0;
    if (m_tools & kShiftClear) {
        AddTool(tools, n, "Shift left", "\u25C0", [this] { m_grid->ShiftLeft(); });
        AddTool(tools, n, "Shift right", "\u25B6", [this] { m_grid->ShiftRight(); });
        AddTool(tools, n, "Shift up", "\u25B2", [this] { m_grid->ShiftUp(); });
        AddTool(tools, n, "Shift down", "\u25BC", [this] { m_grid->ShiftDown(); });
        AddTool(tools, n, "Clear all pixels", "\u2327", [this] { m_grid->ClearAll(ClearColour()); });
        n += n % 2;
    }
    if (m_tools & kFlipRotate) {
        AddTool(tools, n, "Flip horizontaly", "\u2194", [this] { m_grid->MirrorHorizontal(); });
        AddTool(tools, n, "Flip verticaly", "\u2195", [this] { m_grid->FlipVertical(); });
        AddTool(tools, n, "Rotate clock-wize", "\u21BB", [this] { m_grid->RotateClockwise(); });
        AddTool(tools, n, "Rotate counter clock-wize", "\u21BA", [this] { m_grid->RotateCounterClockwise(); });
    }
    if (m_tools & kPixelTools) {
        AddTool(tools, n, "Edit pixels (CTRL+E)", "\u270E", [this] { HandleShortcut(Qt::Key_E); });
        AddTool(tools, n, "Get colour (CTRL+D)", "\u25C9", [this] { HandleShortcut(Qt::Key_D); });
        AddTool(tools, n, "Fill colour (CTRL+F)", "\u25A7", [this] { HandleShortcut(Qt::Key_F); });
        n += n % 2;
        for (const char* tip : {"Edit pixels (CTRL+E)", "Get colour (CTRL+D)", "Fill colour (CTRL+F)"})
            ToolButton(tip)->setCheckable(true);
        ToolButton("Edit pixels (CTRL+E)")->setChecked(true);
    }
    if (m_tools & kCopyPaste) {
        AddTool(tools, n, "Copy tile (CTRL+C)", "C", [this] { CopyTile(); });
        AddTool(tools, n, "Paste tile (CTRL+V)", "V", [this] { PasteTile(); });
        m_pasteButton = m_toolButtons.back();
        m_pasteButton->setEnabled(false);
    }
    if (m_tools & kFrame)
        AddTool(tools, n, "Increment frame", "+1", [this] { IncrementFrame(); });
    auto* toolsBox = new QVBoxLayout;
    toolsBox->addLayout(tools);
    toolsBox->addStretch();

    auto* left = new QVBoxLayout;
    left->addLayout(m_top);
    left->addWidget(m_list, 1);
    auto* gridRow = new QHBoxLayout;
    gridRow->addWidget(m_grid, 0, Qt::AlignTop);
    gridRow->addLayout(toolsBox);
    gridRow->addStretch();
    m_side = new QVBoxLayout;
    auto* middle = new QVBoxLayout;
    middle->addLayout(gridRow);
    middle->addWidget(m_colours);
    middle->addLayout(m_side);
    middle->addStretch();
    m_preview = new QVBoxLayout;
    auto* main = new QHBoxLayout(this);
    main->addLayout(left);
    main->addLayout(middle);
    main->addLayout(m_preview, 1);

    connect(m_itemField, &QSpinBox::valueChanged, this, [this](int v) { SelectItem(v); });
    connect(m_list, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* it) {
        if (it)
            SelectItem(m_list->indexOfTopLevelItem(it));
    });
    connect(m_grid, &CPixelEditor::pixelsChanged, this, [this] { OnGridChanged(); });
    connect(m_grid, &CPixelEditor::colourPicked, this, [this](int index, Qt::MouseButton button) {
        if (button == Qt::RightButton)
            m_colours->SetRight(index), m_grid->SetRightColour(index);
        else
            m_colours->SetLeft(index), m_grid->SetLeftColour(index);
    });
    connect(m_colours, &CPaletteStrip::leftChosen, this, [this](int i) { m_grid->SetLeftColour(i); });
    connect(m_colours, &CPaletteStrip::rightChosen, this, [this](int i) { m_grid->SetRightColour(i); });
    Reload();
}

void CBitmapPage::Reload()
{
    const int count = ItemCount();
    m_itemField->setRange(0, std::max(0, count - 1));
    m_list->clear();
    const int extra = m_list->columnCount() - 3;
    for (int i = 0; i < count; ++i) {
        auto* it = new QTreeWidgetItem(QStringList{QString::number(i)});
        m_list->addTopLevelItem(it);
        it->setIcon(1, ItemIcon(OldPixels(i)));
        it->setIcon(2, ItemIcon(CurrentPixels(i)));
        for (int c = 0; c < extra; ++c)
            it->setText(3 + c, ExtraColumn(i, c));
    }
    RefreshColours();
    SelectItem(std::clamp(m_item, 0, std::max(0, count - 1)));
}

void CBitmapPage::RefreshColours()
{
    const QVector<QRgb> colours = DisplayColours();
    m_grid->SetColours(colours);
}

QIcon CBitmapPage::ItemIcon(const PixelBuffer& px) const
{
    const QVector<QRgb> colours = DisplayColours();
    QImage img(px.Width(), px.Height(), QImage::Format_RGB32);
    for (int y = 0; y < px.Height(); ++y)
        for (int x = 0; x < px.Width(); ++x) {
            const int v = px.Get(x, y);
            img.setPixel(x, y, v >= 0 && v < colours.size() ? colours[v] : 0);
        }
    return QIcon(PixelArtPixmap(img, px.Width() > 8 ? 2 : 3, devicePixelRatioF()));
}

void CBitmapPage::RefreshRow(int item)
{
    if (QTreeWidgetItem* it = m_list->topLevelItem(item)) {
        it->setIcon(2, ItemIcon(CurrentPixels(item)));
        for (int c = 0; c < m_list->columnCount() - 3; ++c)
            it->setText(3 + c, ExtraColumn(item, c));
    }
}

void CBitmapPage::SelectItem(int item)
{
    if (item < 0 || item >= ItemCount())
        return;
    m_item = item;
    {
        const QSignalBlocker b1(m_itemField), b2(m_list);
        m_itemField->setValue(item);
        m_list->setCurrentItem(m_list->topLevelItem(item));
    }
    m_grid->SetPixels(CurrentPixels(item));
    Changed();
}

void CBitmapPage::OnGridChanged()
{
    NoteEdit();
    StorePixels(m_item, m_grid->Pixels());
    RefreshRow(m_item);
    Changed();
}

int CBitmapPage::ClearColour() const { return m_grid->LeftColour(); }
QString CBitmapPage::ExtraColumn(int, int) const { return {}; }

bool CBitmapPage::HandleShortcut(int key)
{
    if (!(m_tools & kPixelTools))
        return false;
    auto choose = [this](CPixelEditor::Tool tool, const char* tip) {
        m_grid->SetTool(tool);
        for (const char* t : {"Edit pixels (CTRL+E)", "Get colour (CTRL+D)", "Fill colour (CTRL+F)"})
            ToolButton(t)->setChecked(QString(t) == tip);
        return true;
    };
    switch (key) {
    case Qt::Key_E: return choose(CPixelEditor::Tool::Edit, "Edit pixels (CTRL+E)");
    case Qt::Key_D: return choose(CPixelEditor::Tool::GetColour, "Get colour (CTRL+D)");
    case Qt::Key_F: return choose(CPixelEditor::Tool::Fill, "Fill colour (CTRL+F)");
    case Qt::Key_V:
        if (PasteEnabled())
            PasteTile();
        return true;
    default: return false;
    }
}

void CBitmapPage::CopyTile()
{
    if (!m_clip || !(m_tools & kCopyPaste))
        return;
    m_clip->tile = m_grid->Pixels();
    m_clip->filled = true;
    m_copiedHere = true;
    m_pasteButton->setEnabled(true);
}

bool CBitmapPage::PasteEnabled() const { return m_clip && m_clip->filled && m_copiedHere; }

void CBitmapPage::PasteTile()
{
    if (!PasteEnabled())
        return;
    PixelBuffer tile = m_clip->tile;
    for (uint8_t& v : tile.Pixels())
        v &= 15;
    m_grid->Paste(tile);
}

int BitmapSetting(const char* key, int fallback)
{
    return QuorvexSettings().value(QStringLiteral("Settings/") + QLatin1String(key), fallback).toInt();
}

void SetBitmapSetting(const char* key, int value)
{
    QuorvexSettings().setValue(QStringLiteral("Settings/") + QLatin1String(key), value);
}

QVector<QRgb> DisplayPalette(const std::array<SnesColor, 16>& palette)
{
    QVector<QRgb> out;
    for (SnesColor c : palette) {
        const uint32_t bgr = SnesToRgb(c);
        out.push_back(qRgb(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF));
    }
    return out;
}

void ShowSheet(CPixelArtView* view, const QImage& image, const Arrangement& arr, const SheetOverlay& o)
{
    QFont font = view->font();
    view->SetDecoration([arr, o, font](QPainter& p, const QSize& logical) mutable {
        if (!o.grid && !o.tileIndex && o.highlightTile < 0)
            return;
        // One cell is 8 game pixels of the enlarged picture.
        const qreal cell = logical.width() / qreal(std::max(1, arr.width));
        font.setPixelSize(std::max(7, static_cast<int>(cell * 0.45)));
        p.setFont(font);
        for (int cy = 0; cy < arr.height; ++cy)
            for (int cx = 0; cx < arr.width; ++cx) {
                const QRectF r(cx * cell, cy * cell, cell, cell);
                const uint32_t c = arr.At(cx, cy);
                if (o.grid) {
                    p.setPen(QColor(0xC0, 0xC0, 0xC0, 160));
                    p.drawRect(r);
                }
                if (!IsTileCell(c))
                    continue;
                if (CellTile(c) == o.highlightTile) {
                    p.setPen(QPen(QColor(255, 255, 0), 2));
                    p.drawRect(r.adjusted(1, 1, -1, -1));
                }
                if (o.tileIndex) {
                    const QString text = QString::asprintf("%02X", CellTile(c));
                    p.setPen(Qt::black);
                    p.drawText(r.translated(1, 1), Qt::AlignCenter, text);
                    p.setPen(Qt::white);
                    p.drawText(r, Qt::AlignCenter, text);
                }
            }
    });
    view->SetImage(image);
}

int SheetCellAt(const CPixelArtView* view, const Arrangement& arr, const QPoint& p)
{
    const int cell = 8 * view->Zoom();
    const int cx = p.x() / cell, cy = p.y() / cell;
    if (p.x() < 0 || p.y() < 0 || cx >= arr.width || cy >= arr.height)
        return -1;
    return cy * arr.width + cx;
}
