#include "WizTextConvDia.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "controls/EnterKeyFilter.h"
#include "controls/PixelArt.h"
#include "text/TextConvWizard.h"

using namespace quorvex;

CWizTextConvDia::CWizTextConvDia(const CharTable& table, int rows, TextStyle style, QWidget* parent)
    : QDialog(parent), m_table(table), m_rows(rows)
{
    setWindowTitle(QStringLiteral("Keyboard Mapping"));
    m_list = new QTableWidget(rows, 5, this);
    m_list->setHorizontalHeaderLabels({QStringLiteral("Index"), QStringLiteral("Game char"), QStringLiteral("Width"),
                                       QStringLiteral("Keypress"), QStringLiteral("Display")});
    m_list->verticalHeader()->hide();
    for (int i = 0; i < rows; ++i) {
        auto fixed = [&](int col, const QString& text) {
            auto* item = new QTableWidgetItem(text);
            item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            m_list->setItem(i, col, item);
        };
        const CharEntry& e = m_table[i];
        // Until the page hands over the font, the game char column shows
        // the code's text.
        fixed(0, QString::asprintf("0x%02X", i & 0xFF));
        fixed(1, QString::fromStdWString(e.text));
        fixed(2, e.text.empty() ? QString() : QStringLiteral("8"));
        m_list->setItem(i, 3, new QTableWidgetItem(QString::fromStdString(ShortcutText(e.key))));
        m_list->setItem(i, 4, new QTableWidgetItem(QString::fromStdWString(e.text)));
    }
    m_list->horizontalHeader()->setStretchLastSection(true);
    auto* legend = new QLabel(QString::fromStdString(MappingLegend(style)), this);
    legend->setWordWrap(true);
    m_apply = new QPushButton(QStringLiteral("Apply"), this);
    m_done = new QPushButton(QStringLiteral("Done"), this);
    connect(m_apply, &QPushButton::clicked, this, &CWizTextConvDia::OnApply);
    connect(m_done, &QPushButton::clicked, this, &QDialog::hide);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_apply);
    buttons->addWidget(m_done);
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(m_list, 1);
    lay->addWidget(legend);
    lay->addLayout(buttons);
    resize(560, 640);
    // Enter commits the key typed into a row; Apply is pressed by hand.
    MakeButtonsOrdinary(this);
}

void CWizTextConvDia::SetGlyphs(const GlyphFn& glyphs)
{
    int tallest = 0;
    for (int i = 0; i < m_rows; ++i) {
        QImage glyph;
        int width = 0;
        if (!glyphs || !glyphs(i, glyph, width))
            continue;
        QTableWidgetItem* item = m_list->item(i, 1);
        item->setIcon(PixelArtIcon(glyph.scaled(glyph.size() * 2), devicePixelRatioF()));
        item->setText(QString());
        item->setToolTip(QString::fromStdWString(m_table[i].text));
        m_list->item(i, 2)->setText(QString::number(width));
        m_list->setIconSize(m_list->iconSize().expandedTo(glyph.size() * 2));
        tallest = std::max(tallest, glyph.height() * 2);
    }
    if (tallest > 0)
        m_list->verticalHeader()->setDefaultSectionSize(std::max(tallest + 4, m_list->fontMetrics().height() + 4));
}

void CWizTextConvDia::OnApply()
{
    std::vector<MappingRow> rows;
    for (int i = 0; i < m_rows; ++i) {
        const QTableWidgetItem* k = m_list->item(i, 3);
        const QTableWidgetItem* d = m_list->item(i, 4);
        rows.push_back({k ? k->text().toStdString() : std::string(), d ? d->text().toStdWString() : std::wstring()});
    }
    ApplyMapping(m_table, rows);
    if (m_onApply)
        m_onApply(m_table);
}
