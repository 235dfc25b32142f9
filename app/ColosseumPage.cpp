#include "ColosseumPage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "ReportCommand.h"
#include "controls/HexSpinBox.h"
#include "controls/NameCombo.h"
#include "controls/QtBitmap.h"
#include "graphics/MonsterRender.h"
#include "monsters/FormationTables.h"
#include "rom/RomData.h"
#include "rom/TableDesc.h"

using namespace quorvex;

namespace {
// A name combo with its spin, side by side.
QWidget* ComboWithSpin(QWidget* parent, QComboBox*& combo, QSpinBox*& spin, const RomData& rd, NameListId list)
{
    auto* w = new QWidget(parent);
    combo = new QComboBox(w);
    FillNameCombo(combo, rd, list, 256);
    combo->setMaxVisibleItems(20);
    spin = new QSpinBox(w);
    LinkSpinToCombo(spin, combo);
    auto* lay = new QHBoxLayout(w);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->addWidget(combo, 1);
    lay->addWidget(spin);
    return w;
}
} // namespace

CColosseumPage::CColosseumPage(CEditorSheet* sheet) : CRecordPage(sheet, *FindTable("colosseum"), "ColosItmIdx")
{
    QSpinBox* enemySpin = nullptr;
    QSpinBox* wonSpin = nullptr;
    QWidget* bet = ComboWithSpin(this, m_bet, m_betSpin, Rom(), NameListId::Item);
    QWidget* enemy = ComboWithSpin(this, m_enemy, enemySpin, Rom(), NameListId::Monster);
    QWidget* won = ComboWithSpin(this, m_won, wonSpin, Rom(), NameListId::Item);
    m_byte1 = new CHexSpinBox(this);
    m_byte3 = new CHexSpinBox(this);
    Bind(m_enemy, "monster");
    Bind(m_won, "item_won");
    Bind(m_byte1, "byte1");
    Bind(m_byte3, "hide_prize");
    m_sprite = new QLabel(this);
    m_sprite->setFixedSize(128, 128);
    m_sprite->setAlignment(Qt::AlignCenter);
    m_report = new QPushButton(QStringLiteral("&Make Report"), this);
    // The report knows only the North American release's layout.
    m_report->setVisible(ReportAvailable(Rom(), ReportKind::Colosseum));
    connect(m_report, &QPushButton::clicked, this, &CColosseumPage::Report);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Item bet"), this), 0, 0);
    grid->addWidget(bet, 0, 1);
    grid->addWidget(enemy, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("<-- Enemy fought"), this), 1, 2);
    grid->addWidget(m_sprite, 0, 3, 4, 1);
    grid->addWidget(new QLabel(QStringLiteral("Item won"), this), 2, 0);
    grid->addWidget(won, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("Hex value #2\n(??" "?)"), this), 3, 0);
    grid->addWidget(m_byte1, 3, 1, Qt::AlignLeft);
    grid->addWidget(new QLabel(QStringLiteral("Hex value #4\n(Hide prize if non-zero)"), this), 4, 0);
    grid->addWidget(m_byte3, 4, 1, Qt::AlignLeft);
    grid->addWidget(m_report, 5, 0);
    grid->setRowStretch(6, 1);
    grid->setColumnStretch(1, 1);

    connect(m_bet, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (!m_showing && i >= 0)
            Select(i);
    });
    connect(m_enemy, &QComboBox::currentIndexChanged, this, &CColosseumPage::DrawSprite);
    Show(Current());
}

void CColosseumPage::Show(int i)
{
    m_showing = true;
    CRecordPage::Show(i);
    m_bet->setCurrentIndex(i);
    DrawSprite();
    m_showing = false;
}

void CColosseumPage::DrawSprite()
{
    CFF6Bitmap bmp;
    RenderMonster(Rom(), std::max(0, m_enemy->currentIndex()), bmp, 1);
    m_sprite->setPixmap(QPixmap::fromImage(ToQImage(bmp)));
}

void CColosseumPage::Report()
{
    Store(Current());
    Show(Current());
    MakeReport(this, Rom(), ReportKind::Colosseum);
}
