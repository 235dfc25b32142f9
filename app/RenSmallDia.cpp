#include "RenSmallDia.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "controls/DiscardQuestion.h"
#include "controls/PixelArt.h"

using namespace quorvex;

QImage NamePictureToImage(const NamePicture& picture, int scale)
{
    if (picture.Empty() || scale < 1)
        return QImage();
    // Each name pixel becomes a square of scale x scale pixels; list controls
    // draw hundreds of names, so the lines are written directly.
    QImage img(picture.width * scale, picture.height * scale, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const uint32_t c = picture.At(x / scale, y / scale);
            line[x] = qRgb(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
        }
    }
    return img;
}

namespace {

// The character grid: eight glyphs a row, each cell 16 pixels wide and the
// small font's 8-pixel glyph drawn at twice its size.
class CharGrid : public QWidget {
public:
    CharGrid(CRenSmallDia* dia, int first, int count, QImage glyphs)
        : QWidget(dia), m_dia(dia), m_first(first), m_count(count), m_glyphs(std::move(glyphs))
    {
        const int rows = (count + NameEditor::kGridColumns - 1) / NameEditor::kGridColumns;
        setFixedSize(NameEditor::kGridColumns * CRenSmallDia::kCellSize + 1, rows * CRenSmallDia::kCellSize + 1);
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), Qt::black);
        const int s = CRenSmallDia::kCellSize;
        for (int i = 0; i < m_count; ++i) {
            const int x = (i % NameEditor::kGridColumns) * s;
            const int y = (i / NameEditor::kGridColumns) * s;
            p.drawImage(QPoint(x + 1, y + 1), m_glyphs, QRect(i * s, 0, s - 1, s - 1));
        }
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        const QPoint pos = event->position().toPoint();
        const int col = pos.x() / CRenSmallDia::kCellSize;
        const int row = pos.y() / CRenSmallDia::kCellSize;
        if (col < 0 || col >= NameEditor::kGridColumns || row < 0)
            return;
        const int i = row * NameEditor::kGridColumns + col;
        if (i >= m_count)
            return;
        m_dia->ClickCode(static_cast<uint8_t>(m_first + i));
    }

private:
    CRenSmallDia* m_dia;
    int m_first;
    int m_count;
    QImage m_glyphs;
};

} // namespace

CRenSmallDia::CRenSmallDia(const std::vector<uint8_t>& oldName, NameFontKind kind, const std::vector<uint8_t>& font,
                           const NameColors& colors, QWidget* parent)
    : QDialog(parent), m_editor(oldName, kind), m_font(font), m_colors(colors)
{
    setWindowTitle("Quorvex: Names Editor");

    // All glyphs of the grid in one strip, drawn once.
    std::vector<uint8_t> codes;
    for (int c = m_editor.FirstGridCode(); c < 0x100; ++c)
        codes.push_back(static_cast<uint8_t>(c));
    const QImage strip = NamePictureToImage(DrawNamePicture(codes.data(), codes.size(), m_font, m_colors), 2);
    m_grid = new CharGrid(this, m_editor.FirstGridCode(), m_editor.GridCount(), strip);

    auto* oldBox = new QGroupBox("Original name", this);
    m_oldPicture = new QLabel(oldBox);
    (new QVBoxLayout(oldBox))->addWidget(m_oldPicture);
    auto* newBox = new QGroupBox("New name", this);
    m_newPicture = new QLabel(newBox);
    (new QVBoxLayout(newBox))->addWidget(m_newPicture);
    m_remaining = new QLabel(this);

    m_ok = new QPushButton("OK", this);
    m_cancel = new QPushButton("Cancel", this);
    m_reset = new QPushButton("Reset", this);
    // Keys belong to the name: no button takes the focus (a space would
    // otherwise press it).
    for (QPushButton* b : {m_ok, m_cancel, m_reset}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoDefault(false);
    }
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &CRenSmallDia::reject);
    connect(m_reset, &QPushButton::clicked, this, [this] {
        m_editor.Reset();
        Refresh();
    });

    auto* right = new QVBoxLayout;
    right->addWidget(oldBox);
    right->addWidget(newBox);
    right->addWidget(m_remaining);
    right->addStretch();
    right->addWidget(m_ok);
    right->addWidget(m_cancel);
    right->addWidget(m_reset);
    auto* top = new QHBoxLayout(this);
    top->addWidget(m_grid, 0, Qt::AlignTop);
    top->addLayout(right);

    setFocusPolicy(Qt::StrongFocus);
    // Name pictures at twice their size, by whole device pixels.
    m_oldPicture->setPixmap(PixelArtPixmap(
        NamePictureToImage(DrawNamePicture(m_editor.OldName().data(), m_editor.OldName().size(), m_font, m_colors), 1),
        2, devicePixelRatioF()));
    Refresh();
}

QPoint CRenSmallDia::CellCentre(uint8_t code) const
{
    const int i = code - m_editor.FirstGridCode();
    if (i < 0)
        return QPoint(-1, -1);
    return QPoint((i % NameEditor::kGridColumns) * kCellSize + kCellSize / 2,
                  (i / NameEditor::kGridColumns) * kCellSize + kCellSize / 2);
}

void CRenSmallDia::ClickCode(uint8_t code)
{
    if (code < m_editor.FirstGridCode())
        return;
    m_editor.AddCode(code);
    Refresh();
}

void CRenSmallDia::reject()
{
    if (!MayDiscardEdits(m_editor.NewName() != m_editor.OldName(), this))
        return;
    m_editor.Cancel();
    QDialog::reject();
}

void CRenSmallDia::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Escape: // the cancel key deletes too; Cancel closes
        m_editor.Backspace();
        Refresh();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        accept();
        return;
    default:
        break;
    }
    const QString text = event->text();
    if (text.size() == 1 && m_editor.Type(static_cast<wchar_t>(text.at(0).unicode())))
        Refresh();
}

void CRenSmallDia::Refresh()
{
    const std::vector<uint8_t>& name = m_editor.NewName();
    m_newPicture->setPixmap(PixelArtPixmap(
        NamePictureToImage(DrawNamePicture(name.data(), name.size(), m_font, m_colors), 1), 2, devicePixelRatioF()));
    m_remaining->setText(QString::fromStdString(m_editor.RemainingText()));
}
