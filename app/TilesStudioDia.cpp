#include "TilesStudioDia.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

#include "BackgroundPickerDia.h"
#include "MessageService.h"
#include "controls/EnterKeyFilter.h"
#include "controls/ExportFile.h"
#include "controls/FieldControls.h"
#include "controls/PaletteStrip.h"
#include "controls/PixelArt.h"
#include "graphics/Backgrounds.h"
#include "graphics/MonsterRender.h"
#include "rom/Document.h"

using namespace quorvex;

CTilesStudioDia::CTilesStudioDia(CQuorvexDoc& doc, QWidget* parent) : QDialog(parent), m_doc(doc)
{
    setWindowTitle("Tiles Studio");
    QSettings settings("Orvan Soft", "Quorvex");
    settings.beginGroup("Settings");
    m_monster = std::clamp(settings.value("m_tileStudioIdx", 0).toInt(), 0, kMonsterGfxRecordCount - 1);

    m_monsterField = new CNumberField({0, kMonsterGfxRecordCount}, this);
    m_monsterField->setMaximumWidth(60);
    auto* prev = new QPushButton("<", this);
    auto* next = new QPushButton(">", this);
    m_recordText = new QLabel(this);
    m_recordText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_recordText->setFont(QFont("Monospace"));
    m_sprite = new CPixelArtView(4, this);
    m_sprite->setFixedSize(256, 256);
    m_sprite->setAlignment(Qt::AlignCenter);
    m_sprite->setStyleSheet("background: #202020");
    m_palette = new CPaletteStrip(this);
    m_palette->SetEditable(false); // the studio shows the graphics, it edits nothing
    m_palette->SetSwatchSize(14);

    m_bgCombo = new QComboBox(this);
    for (const BackgroundChoice& c : BattleBackgroundList())
        if (c.id >= 0)
            m_bgCombo->addItem(QString::fromLatin1(c.label), c.id);
    auto* pick = new QPushButton("Select...", this);
    m_bgPicture = new CPixelArtView(1, this);
    m_bgPicture->setFixedSize(256, 152);
    m_bgText = new QPlainTextEdit(this);
    m_bgText->setReadOnly(true);
    m_bgText->setFont(QFont("Monospace"));
    m_bgText->setMinimumWidth(420);
    auto* saveBg = new QPushButton("Save background", this);
    auto* saveTiles = new QPushButton("Save tileset", this);

    auto* monsterBox = new QGroupBox("Monster", this);
    auto* ml = new QGridLayout(monsterBox);
    auto* row = new QHBoxLayout;
    row->addWidget(prev);
    row->addWidget(m_monsterField);
    row->addWidget(next);
    row->addStretch();
    ml->addLayout(row, 0, 0, 1, 2);
    auto* textCol = new QVBoxLayout;
    textCol->addWidget(m_recordText);
    textCol->addWidget(m_palette);
    textCol->addStretch();
    ml->addLayout(textCol, 1, 0);
    ml->addWidget(m_sprite, 1, 1);

    auto* bgBox = new QGroupBox("Battle background", this);
    auto* bl = new QGridLayout(bgBox);
    auto* brow = new QHBoxLayout;
    brow->addWidget(m_bgCombo, 1);
    brow->addWidget(pick);
    brow->addWidget(saveBg);
    brow->addWidget(saveTiles);
    bl->addLayout(brow, 0, 0, 1, 2);
    bl->addWidget(m_bgPicture, 1, 0, Qt::AlignTop);
    bl->addWidget(m_bgText, 1, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(monsterBox);
    lay->addWidget(bgBox);
    lay->addWidget(buttons);

    connect(m_monsterField, &QLineEdit::editingFinished, this, [this] { SetMonster(m_monsterField->Read()); });
    connect(prev, &QPushButton::clicked, this, [this] { SetMonster(m_monster > 0 ? m_monster - 1 : 0); });
    connect(next, &QPushButton::clicked, this,
            [this] { SetMonster(m_monster + 1 < kMonsterGfxRecordCount ? m_monster + 1 : m_monster); });
    connect(m_bgCombo, &QComboBox::currentIndexChanged, this,
            [this](int i) { SetBackground(m_bgCombo->itemData(i).toInt()); });
    connect(pick, &QPushButton::clicked, this, [this] {
        CBackgroundPickerDia dia(m_doc, m_background, this);
        if (dia.exec() == QDialog::Accepted && dia.SelectedId() >= 0)
            SetBackground(dia.SelectedId());
    });
    connect(saveBg, &QPushButton::clicked, this, [this] { SaveBackground(Folder()); });
    connect(saveTiles, &QPushButton::clicked, this, [this] { SaveTileset(Folder()); });
    // Enter belongs to the monster field; no button, not even Close, is
    // drawn as the one it would press.
    MakeButtonsOrdinary(this);
    Refresh();
}

void CTilesStudioDia::SetMonster(int monster)
{
    m_monster = std::clamp(monster, 0, kMonsterGfxRecordCount - 1);
    QSettings settings("Orvan Soft", "Quorvex");
    settings.beginGroup("Settings");
    settings.setValue("m_tileStudioIdx", m_monster);
    Refresh();
}

void CTilesStudioDia::SetBackground(int id)
{
    if (id < 0 || id >= kBackgroundCount)
        return;
    m_background = id;
    Refresh();
}

QString CTilesStudioDia::RecordText() const { return m_recordText->text(); }
QString CTilesStudioDia::BackgroundText() const { return m_bgText->toPlainText(); }

void CTilesStudioDia::Refresh()
{
    const RomData& rd = m_doc.Rom();
    m_monsterField->SetValue(m_monster);
    m_recordText->setText(QString::fromStdString(TilesStudioText(rd, m_monster)));
    CFF6Bitmap sprite;
    RenderMonster(rd, m_monster, sprite, 1);
    m_sprite->SetZoom(sprite.Width() <= 64 ? 4 : 2);
    m_sprite->SetBitmap(sprite);
    m_palette->SetColours(MonsterPaletteColours(rd, m_monster));

    const int idx = m_bgCombo->findData(m_background);
    if (idx >= 0 && idx != m_bgCombo->currentIndex()) {
        const QSignalBlocker block(m_bgCombo);
        m_bgCombo->setCurrentIndex(idx);
    }
    std::vector<uint8_t> buffer;
    m_bgText->setPlainText(QString::fromStdString(BuildBackground(rd, m_background, buffer, false)));
    CFF6Bitmap bg;
    RenderBackgroundBuffer(rd, m_background, buffer, bg, 1, 0, kBackgroundRows);
    m_bgPicture->SetBitmap(bg);
}

QString CTilesStudioDia::Folder() const
{
    return QFileInfo(QString::fromStdString(m_doc.Rom().path)).absolutePath();
}

namespace {

bool SaveReport(const CFF6Bitmap& bmp, const QString& path, QWidget* parent)
{
    if (!MayReplaceFile(path, parent))
        return false;
    if (!bmp.SaveBmp(path.toStdString())) {
        MessageService::Instance().Error("Can't create file!!", parent);
        return false;
    }
    MessageService::Instance().Information(CreatedText(path), parent);
    return true;
}

} // namespace

bool CTilesStudioDia::SaveBackground(const QString& folder)
{
    CFF6Bitmap bmp;
    RenderBackground(m_doc.Rom(), m_background, bmp, 1, 0, false);
    return SaveReport(bmp, folder + QString::asprintf("/bckj%03d.bmp", m_background), this);
}

bool CTilesStudioDia::SaveTileset(const QString& folder)
{
    CFF6Bitmap bmp;
    RenderBackground(m_doc.Rom(), m_background, bmp, 1, 0, true);
    return SaveReport(bmp, folder + QString::asprintf("/tileset%03d.bmp", m_background), this);
}
