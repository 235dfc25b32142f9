#include "MonstFormPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "FormThumbnailsDia.h"
#include "FormationPicture.h"
#include "MessageService.h"
#include "ReportCommand.h"
#include "controls/FieldControls.h"
#include "controls/NameCombo.h"
#include "graphics/MonsterRender.h"
#include "monsters/FormationLabels.h"
#include "rom/RomData.h"
#include "rom/TableDesc.h"

using namespace quorvex;

CMonstFormPage::CMonstFormPage(CEditorSheet* sheet) : CRecordPage(sheet, *FindTable("formations"), "PrevMstTmp")
{
    m_index = new QSpinBox(this);
    m_index->setRange(0, kFormationCount - 1);
    m_mould = new QSpinBox(this);
    Bind(m_mould, "mould");
    auto* copy = new QPushButton(QStringLiteral("&Copy"), this);
    m_paste = new QPushButton(QStringLiteral("&Paste"), this);
    m_paste->setEnabled(false);
    auto* report = new QPushButton(QStringLiteral("&Make report"), this);
    connect(copy, &QPushButton::clicked, this, &CMonstFormPage::Copy);
    connect(m_paste, &QPushButton::clicked, this, &CMonstFormPage::Paste);
    connect(report, &QPushButton::clicked, this, &CMonstFormPage::Report);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Formation #"), this));
    top->addWidget(m_index);
    top->addWidget(new QLabel(QStringLiteral("Mould used"), this));
    top->addWidget(m_mould);
    top->addStretch();
    top->addWidget(copy);
    top->addWidget(m_paste);
    top->addWidget(report);

    auto* left = new QVBoxLayout;
    left->addWidget(MakeSlots());
    left->addWidget(MakePreview());
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(MakeOptions());
    right->addWidget(MakeSpareBits());
    right->addStretch();
    auto* body = new QHBoxLayout;
    body->addLayout(left);
    body->addLayout(right);
    auto* lay = new QVBoxLayout(this);
    lay->addLayout(top);
    lay->addLayout(body);

    connect(m_index, &QSpinBox::valueChanged, this, [this](int i) {
        if (!m_showing)
            Select(i);
    });
    connect(m_mould, &QSpinBox::valueChanged, this, &CMonstFormPage::Commit);
    Show(Current());
}

QWidget* CMonstFormPage::MakeSlots()
{
    auto* box = new QGroupBox(QStringLiteral("Enemies"), this);
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(QStringLiteral("Presence"), box), 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("X"), box), 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("Y"), box), 0, 4);
    for (int s = 0; s < 6; ++s) {
        SlotControls& c = m_slots[static_cast<size_t>(s)];
        c.monster = new QComboBox(box);
        FillNameCombo(c.monster, Rom(), NameListId::Monster, kFormationMonsterChoices);
        c.monster->setMaxVisibleItems(20);
        c.present = new QCheckBox(box);
        c.x = new QSpinBox(box);
        c.y = new QSpinBox(box);
        Bind(c.monster, "monsters", s);
        BindBit(c.present, "present", s);
        Bind(c.x, "x", s);
        Bind(c.y, "y", s);
        grid->addWidget(new QLabel(QStringLiteral("Enemy #%1").arg(s + 1), box), s + 1, 0);
        grid->addWidget(c.monster, s + 1, 1);
        grid->addWidget(c.present, s + 1, 2, Qt::AlignCenter);
        grid->addWidget(c.x, s + 1, 3);
        grid->addWidget(c.y, s + 1, 4);
        connect(c.monster, &QComboBox::currentIndexChanged, this, &CMonstFormPage::Commit);
        connect(c.present, &QCheckBox::toggled, this, &CMonstFormPage::Commit);
        connect(c.x, &QSpinBox::valueChanged, this, &CMonstFormPage::Commit);
        connect(c.y, &QSpinBox::valueChanged, this, &CMonstFormPage::Commit);
    }
    return box;
}

QWidget* CMonstFormPage::MakeOptions()
{
    auto* box = new QGroupBox(QStringLiteral("Options"), this);
    auto* grid = new QGridLayout(box);
    m_intro = new QComboBox(box);
    FillTextCombo(m_intro, FormationIntroNames());
    Bind(m_intro, "intro");
    grid->addWidget(new QLabel(QStringLiteral("Introduction"), box), 0, 0);
    grid->addWidget(m_intro, 0, 1);
    int k = 0;
    for (const FormationOptionBit& b : FormationOptionBits()) {
        auto* check = new QCheckBox(QString::fromLatin1(b.label), box);
        Bind(check, b.key);
        m_optionBoxes[b.key] = check;
        connect(check, &QCheckBox::toggled, this, &CMonstFormPage::Commit);
        grid->addWidget(check, k / 2 + 1, k % 2);
        ++k;
    }
    int row = (k + 1) / 2 + 1;
    m_special = m_optionBoxes.at("special_event");
    m_event = new QComboBox(box);
    FillTextCombo(m_event, FormationEventNames());
    m_event->setMaxVisibleItems(20);
    Bind(m_event, "event");
    grid->addWidget(new QLabel(QStringLiteral("Event"), box), row, 0);
    grid->addWidget(m_event, row++, 1);
    m_playMusic = new QCheckBox(QStringLiteral("Play music"), box);
    Bind(m_playMusic, "play_music");
    m_music = new QComboBox(box);
    FillTextCombo(m_music, FormationMusicNames());
    Bind(m_music, "music");
    grid->addWidget(m_playMusic, row, 0);
    grid->addWidget(m_music, row++, 1);
    m_magicPoints = new CNumberField({}, box);
    Bind(m_magicPoints, "magic_points");
    grid->addWidget(new QLabel(QStringLiteral("Magic points given"), box), row, 0);
    grid->addWidget(m_magicPoints, row, 1);
    for (QComboBox* c : {m_intro, m_event, m_music})
        connect(c, &QComboBox::currentIndexChanged, this, &CMonstFormPage::Commit);
    connect(m_playMusic, &QCheckBox::toggled, this, &CMonstFormPage::Commit);
    connect(m_magicPoints, &QLineEdit::editingFinished, this, &CMonstFormPage::Commit);
    return box;
}

QWidget* CMonstFormPage::MakeSpareBits()
{
    // The bits of the record that nothing is known to read, kept editable
    // so that any value the game holds can be shown and restored.
    struct Group {
        const char* title;
        const char* key;
        int firstBit, count;
    };
    const Group groups[] = {{"Unused in byte #0", "spare_bits0", 0, 4},
                            {"Unused in byte #1", "spare_bits1", 6, 2},
                            {"Unused in byte #15", "spare_bits14", 6, 2}};
    auto* outer = new QWidget(this);
    auto* row = new QHBoxLayout(outer);
    row->setContentsMargins(0, 0, 0, 0);
    for (const Group& g : groups) {
        auto* box = new QGroupBox(QString::fromLatin1(g.title), outer);
        auto* lay = new QVBoxLayout(box);
        for (int k = 0; k < g.count; ++k) {
            auto* check = new QCheckBox(QStringLiteral("bit %1").arg(g.firstBit + k), box);
            BindBit(check, g.key, k);
            connect(check, &QCheckBox::toggled, this, &CMonstFormPage::Commit);
            lay->addWidget(check);
        }
        row->addWidget(box);
    }
    return outer;
}

QWidget* CMonstFormPage::MakePreview()
{
    auto* box = new QGroupBox(QStringLiteral("Preview"), this);
    m_preview = new QLabel(box);
    m_preview->setFixedSize(256, 152);
    m_background = new QComboBox(box);
    for (const BackgroundChoice& c : BattleBackgroundList())
        m_background->addItem(QString::fromLatin1(c.label), c.id);
    m_background->setCurrentIndex(PreviewBackgroundListIndex());
    m_background->setMaxVisibleItems(20);
    connect(m_background, &QComboBox::currentIndexChanged, this, [this](int i) {
        SetPreviewBackgroundListIndex(i);
        Redraw();
    });
    auto* thumbs = new QPushButton(QStringLiteral("Thumbnails"), box);
    auto* show = new QPushButton(QStringLiteral("Show"), box);
    auto* save = new QPushButton(QStringLiteral("Save &BMP"), box);
    connect(thumbs, &QPushButton::clicked, this, &CMonstFormPage::OpenThumbnails);
    connect(show, &QPushButton::clicked, this, &CMonstFormPage::ShowLarge);
    connect(save, &QPushButton::clicked, this, &CMonstFormPage::SaveBmp);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_background, 1);
    buttons->addWidget(thumbs);
    buttons->addWidget(show);
    buttons->addWidget(save);
    auto* lay = new QVBoxLayout(box);
    lay->addWidget(m_preview);
    lay->addLayout(buttons);
    return box;
}

void CMonstFormPage::Show(int i)
{
    m_showing = true;
    CRecordPage::Show(i);
    m_index->setValue(i);
    // Formations from 512 on have no magic points, and the Veldt bit's
    // meaning is not known for them (the bit is still kept).
    const bool veldt = i < kMagicPointFormations;
    m_magicPoints->setEnabled(veldt);
    if (!veldt)
        m_magicPoints->clear();
    for (const FormationOptionBit& b : FormationOptionBits())
        if (std::string(b.key) == "wont_appear_on_veldt")
            m_optionBoxes.at(b.key)->setText(QString::fromLatin1(veldt ? b.label : kUnknownOptionLabel));
    UpdateEnabled();
    Redraw();
    m_showing = false;
}

void CMonstFormPage::UpdateEnabled()
{
    m_music->setEnabled(m_playMusic->isChecked());
    m_event->setEnabled(m_special->isChecked());
}

void CMonstFormPage::Commit()
{
    if (m_showing)
        return;
    Store(Current());
    Show(Current());
}

QPixmap CMonstFormPage::Picture(int scale)
{
    return FormationPixmap(Rom(), Current(), m_background->currentData().toInt(), scale);
}

void CMonstFormPage::Redraw() { m_preview->setPixmap(Picture(1)); }

void CMonstFormPage::Copy()
{
    Store(Current());
    const uint8_t* rec = FormationBytes(Rom(), Current());
    const uint8_t* opt = FormationOptionBytes(Rom(), Current());
    if (!rec || !opt)
        return;
    std::copy(rec, rec + kFormationBytes, m_copy.begin());
    std::copy(opt, opt + kFormationOptionBytes, m_copy.begin() + kFormationBytes);
    m_hasCopy = true;
    m_paste->setEnabled(true);
}

void CMonstFormPage::Paste()
{
    uint8_t* rec = FormationBytes(Rom(), Current());
    uint8_t* opt = FormationOptionBytes(Rom(), Current());
    if (!m_hasCopy || !rec || !opt)
        return;
    if (!std::equal(m_copy.begin(), m_copy.begin() + kFormationBytes, rec) ||
        !std::equal(m_copy.begin() + kFormationBytes, m_copy.end(), opt))
        Sheet()->SetEdited();
    std::copy(m_copy.begin(), m_copy.begin() + kFormationBytes, rec);
    std::copy(m_copy.begin() + kFormationBytes, m_copy.end(), opt);
    Show(Current());
}

void CMonstFormPage::Report()
{
    Store(Current());
    MakeReport(this, Rom(), ReportKind::Formations);
}

void CMonstFormPage::SaveBmp()
{
    CFF6Bitmap bmp;
    RenderFormation(Rom(), Current(), m_background->currentData().toInt(), -1, 1, bmp);
    const QString name = QStringLiteral("mform%1.bmp").arg(Current(), 3, 10, QLatin1Char('0'));
    // A picture that cannot be written is not reported, as for every
    // preview saved by the editors.
    if (bmp.SaveBmp(QDir::current().filePath(name).toStdString()))
        MessageService::Instance().Information(QStringLiteral("`%1' created").arg(name), this);
}

void CMonstFormPage::OpenThumbnails()
{
    CFormThumbnailsDia dlg(Rom(), Current(), m_background->currentData().toInt(), this);
    if (dlg.exec() == QDialog::Accepted)
        Select(dlg.Selected());
}

void CMonstFormPage::ShowLarge()
{
    ShowLargePreview(this, Picture(1), QStringLiteral("Formation %1").arg(Current(), 3, 10, QLatin1Char('0')));
}
