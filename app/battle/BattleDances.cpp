#include "battle/BattleDances.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "BackgroundPickerDia.h"
#include "controls/Choices.h"
#include "controls/FF6Combo.h"
#include "controls/FieldControls.h"
#include "controls/QtBitmap.h"
#include "editors/BattleRules.h"
#include "editors/BattleTables.h"
#include "graphics/Backgrounds.h"
#include "rom/TableDesc.h"

using namespace quorvex;

CBattleDances::CBattleDances(CEditorSheet* sheet, CProgressWindow* progress)
    : CNamedRecordPage(sheet, *FindTable("dances"), "m_btlDanceIdx",
                       [](const RomData& rd, int i) { return NameLabel(rd, NameListId::Dance, i); }, NameListId::Dance)
{
    CNameListModel* attacks = MakeNameListModel(Rom(), PreprocList::Spell, 0, 256, this,
                                                progress ? progress->Callback() : CPreprocRomData::Progress{});
    auto* moves = new QFormLayout;
    for (int k = 0; k < kDanceMoves; ++k) {
        auto* move = new CFF6Combo(this);
        move->SetList(attacks);
        m_moves[k] = move;
        moves->addRow(QStringLiteral("Move %1").arg(k + 1), m_moves[k]);
        Bind(m_moves[k], "moves", k);
    }

    m_display = new QComboBox(this);
    for (const BackgroundChoice& c : BattleBackgroundList())
        m_display->addItem(QString::fromLatin1(c.label), c.id);
    m_thumbnails = new QPushButton(QStringLiteral("Thumbnails"), this);
    m_preview = new QLabel(this);
    m_preview->setFixedSize(256, 152);
    m_preview->setFrameShape(QFrame::StyledPanel);
    connect(m_display, qOverload<int>(&QComboBox::activated), this, &CBattleDances::ChooseDisplay);
    connect(m_thumbnails, &QPushButton::clicked, this, &CBattleDances::PickThumbnail);
    // A background byte no entry has shows entry 0.
    Bind(
        [this](int i) {
            const int entry = DanceBackgroundEntry(static_cast<uint8_t>(Value(Field("background"), i)));
            m_display->setCurrentIndex(entry);
            ShowPreview(BattleBackgroundList()[static_cast<size_t>(entry)].id);
        },
        nullptr);

    auto* display = new QHBoxLayout;
    display->addWidget(new QLabel(QStringLiteral("Display"), this));
    display->addWidget(m_display, 1);
    display->addWidget(m_thumbnails);
    auto* lay = new QVBoxLayout(this);
    lay->addLayout(SelectorRow());
    lay->addLayout(moves);
    lay->addLayout(display);
    lay->addWidget(m_preview, 0, Qt::AlignHCenter);
    lay->addStretch();
    Show(Current());
}

void CBattleDances::ChooseDisplay(int entry)
{
    m_display->setCurrentIndex(entry);
    StoreValue(Field("background"), Current(), 0, DanceBackgroundByte(entry));
    ShowPreview(BattleBackgroundList()[static_cast<size_t>(entry)].id);
}

void CBattleDances::PickThumbnail()
{
    const int id = BattleBackgroundList()[static_cast<size_t>(std::max(0, m_display->currentIndex()))].id;
    CBackgroundPickerDia picker(Sheet()->Doc(), id, this);
    if (picker.exec() != QDialog::Accepted)
        return;
    ChooseDisplay(BattleBackgroundListIndex(picker.SelectedId()));
}

void CBattleDances::ShowPreview(int id)
{
    if (id < 0) {
        m_preview->setPixmap(QPixmap());
        return;
    }
    CFF6Bitmap bmp;
    RenderBackground(Rom(), id, bmp, 1, 0, false);
    m_preview->setPixmap(QPixmap::fromImage(ToQImage(bmp)));
}
