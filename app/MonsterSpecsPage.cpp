#include "MonsterSpecsPage.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "MessageService.h"
#include "MonsterEd.h"
#include "RenSmallDia.h"
#include "RenameName.h"
#include "controls/FF6Combo.h"
#include "controls/FieldControls.h"
#include "controls/QtBitmap.h"
#include "controls/SpinField.h"
#include "graphics/MonsterRender.h"
#include "monsters/MonsterRecords.h"
#include "rom/RomData.h"
#include "rom/TableDesc.h"

using namespace quorvex;

namespace {

QStringList Labels(const char* const* names, int count)
{
    QStringList l;
    for (int i = 0; i < count; ++i)
        l << QString::fromLatin1(names[i]);
    return l;
}

// A check list whose label column has a title of its own.
CCheckListControl* CheckList(const QStringList& rows, const QString& title, const QStringList& columns, QWidget* parent)
{
    auto* list = new CCheckListControl(rows, columns, parent);
    list->setHorizontalHeaderItem(0, new QTableWidgetItem(title));
    list->verticalHeader()->setDefaultSectionSize(18);
    list->resizeColumnsToContents();
    list->setMinimumWidth(list->horizontalHeader()->length() + 24);
    return list;
}

// Number fields of the statistics record, in record order, with their labels.
struct StatField {
    const char* key;
    const char* label;
};
constexpr StatField kStats[] = {
    {"speed", "Speed"},           {"battle_power", "Bat. Power"}, {"hit_rate", "Hit rate %"},
    {"attack_block", "Atk blk.%"}, {"magic_block", "Mag blk.%"},  {"attack_defence", "Attack def."},
    {"magic_defence", "Magic def."}, {"magic_power", "Mag. Power"}, {"hp", "HP"},
    {"mp", "MP"},                 {"experience", "Experience"},   {"gold", "Gold"},
    {"level", "Level"},
};

} // namespace

CMonsterSpecsPage::CMonsterSpecsPage(CEditorSheet* sheet, CProgressWindow* progress)
    : CRecordPage(sheet, *FindTable("monsters"), "PrevSmst")
{
    RomData& rd = Rom();
    const CPreprocRomData::Progress report = progress ? progress->Callback() : CPreprocRomData::Progress{};
    m_monsterList = MakeNameListModel(rd, PreprocList::Monster, 0, kMonsterCount, this, report);
    CNameListModel* items = MakeNameListModel(rd, PreprocList::Item, 0, 256, this, report);
    CNameListModel* attacks = MakeNameListModel(rd, PreprocList::Spell, 0, 256, this, report);
    m_animList = new CNameListModel(this);
    for (int a = 0; a < 256; ++a)
        m_animList->AddText(QString::fromStdString(AttackAnimListText(a)), a);

    // Selector, names and sprite.
    m_selector = new CFF6Combo(this);
    m_selector->SetList(m_monsterList);
    m_index = new CSpinField({0, kMonsterCount}, this);
    m_rename = new QPushButton(QStringLiteral("&Rename"), this);
    m_sprite = new QLabel(this);
    m_sprite->setFixedSize(132, 132);
    m_sprite->setAlignment(Qt::AlignCenter);
    m_sprite->setStyleSheet(QStringLiteral("background: black"));
    m_saveSprite = new QPushButton(QStringLiteral("Save picture..."), this);
    connect(m_selector, &QComboBox::activated, this, [this](int row) { Select(row); });
    connect(m_index, &CSpinField::stepped, this, [this](int v) { Select(v); });
    connect(m_index->Edit(), &QLineEdit::editingFinished, this, [this] { Select(m_index->Edit()->Read()); });
    connect(m_rename, &QPushButton::clicked, this, &CMonsterSpecsPage::OnRename);
    connect(m_saveSprite, &QPushButton::clicked, this, &CMonsterSpecsPage::OnSaveSprite);

    auto* pick = new QHBoxLayout;
    pick->addWidget(m_selector);
    pick->addWidget(m_index);
    pick->addWidget(m_rename);
    pick->addStretch();
    auto* left = new QVBoxLayout;
    left->addLayout(pick);
    auto* spriteRow = new QHBoxLayout;
    spriteRow->addWidget(m_sprite);
    spriteRow->addWidget(m_saveSprite, 0, Qt::AlignBottom);
    spriteRow->addStretch();
    left->addLayout(spriteRow);
    left->addWidget(BuildStats());
    left->addWidget(BuildMorph());
    left->addStretch();

    m_elements = CheckList(Labels(kElementNames, 8), QStringLiteral("Elem."),
                           {QStringLiteral("Absorb"), QStringLiteral("Null"), QStringLiteral("Weak")}, this);
    m_elements->setFixedHeight(8 * 18 + m_elements->horizontalHeader()->height() + 4);
    m_statuses = CheckList(Labels(kStatusNames, 24), QStringLiteral("Status"),
                           {QStringLiteral("Start with"), QStringLiteral("Block")}, this);
    m_flags = CheckList(Labels(kSpecialFlagNames, 24), QStringLiteral("Sp. Stat."), {QStringLiteral("Start with")}, this);
    auto* middle = new QVBoxLayout;
    middle->addWidget(m_elements);
    middle->addWidget(m_statuses, 1);
    middle->addWidget(new QLabel(QString::fromLatin1(kFloatNote), this));
    middle->addWidget(m_flags, 1);

    auto* right = new QVBoxLayout;
    right->addWidget(BuildItems(items));
    right->addWidget(BuildCommands(attacks));
    right->addWidget(BuildSpecialAttack());
    auto* look = new QHBoxLayout;
    look->addWidget(new QLabel(QStringLiteral("Normal attack look"), this));
    m_normalLook = new CFF6Combo(this);
    m_normalLook->SetList(m_animList);
    m_normalLook->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_normalLook->setMinimumContentsLength(24);
    look->addWidget(m_normalLook, 1);
    right->addLayout(look);
    m_report = new QPushButton(QStringLiteral("Make report"), this);
    m_report->setVisible(rd.romType == kRomFF3us);
    m_report->setEnabled(static_cast<bool>(MonsterReportWriter()));
    connect(m_report, &QPushButton::clicked, this, &CMonsterSpecsPage::OnReport);
    right->addWidget(m_report, 0, Qt::AlignLeft);
    right->addStretch();

    auto* lay = new QHBoxLayout(this);
    lay->addLayout(left);
    lay->addLayout(middle, 1);
    lay->addLayout(right);

    for (const auto& [key, field] : m_numbers)
        Bind(field, key);
    Bind(m_morphPack->Edit(), "morph_pack");
    Bind(m_morphRate->Edit(), "morph_rate");
    BindChecks();
    for (int k = 0; k < 4; ++k) {
        Bind(m_items[k], k == 0 ? "steal_rare" : k == 1 ? "steal_common" : k == 2 ? "drop_rare" : "drop_common");
        Bind(m_control[k], "control_commands", k);
    }
    for (int k = 0; k < 2; ++k) {
        Bind(m_sketch[k], "sketch_commands", k);
        Bind(m_rage[k], "rage_commands", k);
    }
    Bind(m_effect, "special_effect");
    Bind(m_noHarm, "no_physical_harm");
    Bind(m_undodgeable, "cant_be_dodged");
    Bind(m_anim, "special_attack_anim");
    Bind(m_normalLook, "normal_attack_look");
    Show(Current());
}

QGroupBox* CMonsterSpecsPage::BuildStats()
{
    auto* box = new QGroupBox(QStringLiteral("Stats"), this);
    auto* grid = new QGridLayout(box);
    int n = 0;
    for (const StatField& s : kStats) {
        auto* field = new CNumberField({}, box);
        field->setMaximumWidth(60);
        // A field that loses the focus is clamped and written at once.
        connect(field, &QLineEdit::editingFinished, this, [this] { Store(Current()); });
        m_numbers.emplace_back(s.key, field);
        grid->addWidget(new QLabel(QString::fromLatin1(s.label), box), n / 2, (n % 2) * 2);
        grid->addWidget(field, n / 2, (n % 2) * 2 + 1);
        ++n;
    }
    return box;
}

QGroupBox* CMonsterSpecsPage::BuildMorph()
{
    auto* box = new QGroupBox(QStringLiteral("Morph"), this);
    auto* grid = new QGridLayout(box);
    m_morphPack = new CSpinField({0, 32}, box);
    m_morphRate = new CSpinField({0, 8}, box);
    m_rateLabel = new QLabel(box);
    m_packPreview = new QLabel(box);
    grid->addWidget(new QLabel(QStringLiteral("Morphed items pattern"), box), 0, 0);
    grid->addWidget(m_morphPack, 0, 1);
    grid->addWidget(m_packPreview, 0, 2, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("Hit %"), box), 1, 0);
    auto* rate = new QHBoxLayout;
    rate->addWidget(m_morphRate);
    rate->addWidget(m_rateLabel);
    grid->addLayout(rate, 1, 1);
    for (CSpinField* s : {m_morphPack, m_morphRate}) {
        connect(s->Edit(), &QLineEdit::editingFinished, this, [this] { Store(Current()); });
        connect(s, &CSpinField::stepped, this, [this] { Store(Current()); });
    }
    connect(m_morphRate->Edit(), &QLineEdit::textChanged, this, [this] { ShowRateLabel(); });
    connect(m_morphPack->Edit(), &QLineEdit::textChanged, this, [this] { ShowPictures(Current()); });
    return box;
}

QGroupBox* CMonsterSpecsPage::BuildItems(CNameListModel* items)
{
    static const char* const kLabels[4] = {"Stealable item (rare)", "Stealable item (common)", "Item dropped (rare)",
                                           "Item dropped (common)"};
    auto* box = new QGroupBox(QStringLiteral("Items"), this);
    auto* grid = new QGridLayout(box);
    for (int k = 0; k < 4; ++k) {
        m_items[k] = new CFF6Combo(box);
        m_items[k]->SetList(items);
        grid->addWidget(new QLabel(QString::fromLatin1(kLabels[k]), box), k, 0);
        grid->addWidget(m_items[k], k, 1);
    }
    return box;
}

QGroupBox* CMonsterSpecsPage::BuildCommands(CNameListModel* attacks)
{
    auto* box = new QGroupBox(QStringLiteral("Commands"), this);
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(QStringLiteral("Control cmds"), box), 0, 0);
    for (int k = 0; k < 4; ++k) {
        m_control[k] = new CFF6Combo(box);
        m_control[k]->SetList(attacks);
        grid->addWidget(m_control[k], k / 2, 1 + k % 2);
    }
    grid->addWidget(new QLabel(QStringLiteral("Sketch cmds"), box), 2, 0);
    m_rageLabel = new QLabel(QStringLiteral("Rage cmds"), box);
    grid->addWidget(m_rageLabel, 4, 0);
    for (int k = 0; k < 2; ++k) {
        auto* sketch = new QHBoxLayout;
        sketch->addWidget(new QLabel(k == 0 ? QStringLiteral("25%") : QStringLiteral("75%"), box));
        m_sketch[k] = new CFF6Combo(box);
        m_sketch[k]->SetList(attacks);
        sketch->addWidget(m_sketch[k], 1);
        grid->addLayout(sketch, 2 + k, 1, 1, 2);
        m_rage[k] = new CFF6Combo(box);
        m_rage[k]->SetList(attacks);
        grid->addWidget(m_rage[k], 4, 1 + k);
    }
    return box;
}

QGroupBox* CMonsterSpecsPage::BuildSpecialAttack()
{
    auto* box = new QGroupBox(QStringLiteral("Special attack"), this);
    auto* grid = new QGridLayout(box);
    m_attackName = new QLabel(box);
    m_renameAttack = new QPushButton(QStringLiteral("Ren&ame"), box);
    m_renameAttack->setEnabled(GetNameList(Rom(), NameListId::SpecialAttack).loaded);
    connect(m_renameAttack, &QPushButton::clicked, this, &CMonsterSpecsPage::OnRenameAttack);
    auto* effects = new CNameListModel(this);
    for (int e = 0; e < 64; ++e)
        effects->AddText(QString::fromStdString(SpecialEffectName(e)), e);
    m_effect = new CFF6Combo(box);
    m_effect->SetList(effects);
    m_noHarm = new QCheckBox(QStringLiteral("No phys. harm"), box);
    m_undodgeable = new QCheckBox(QStringLiteral("Can't be dodged"), box);
    m_anim = new CFF6Combo(box);
    m_anim->SetList(m_animList);
    m_anim->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_anim->setMinimumContentsLength(24);
    grid->addWidget(m_attackName, 0, 0);
    grid->addWidget(m_renameAttack, 0, 1, Qt::AlignLeft);
    grid->addWidget(new QLabel(QStringLiteral("Extra effect"), box), 1, 0);
    grid->addWidget(m_effect, 1, 1);
    grid->addWidget(m_noHarm, 2, 0);
    grid->addWidget(m_undodgeable, 2, 1);
    grid->addWidget(m_anim, 3, 0, 1, 2);
    return box;
}

void CMonsterSpecsPage::BindChecks()
{
    Bind(m_elements, 0, "elements_absorbed");
    Bind(m_elements, 1, "elements_nullified");
    Bind(m_elements, 2, "elements_weak");
    Bind(m_statuses, 0, "start_statuses");
    Bind(m_statuses, 1, "blocked_statuses");
    Bind(m_flags, 0, "special_flags");
}

CNumberField* CMonsterSpecsPage::NumberField(const char* key) const
{
    for (const auto& [k, field] : m_numbers)
        if (std::string(k) == key)
            return field;
    return nullptr;
}

void CMonsterSpecsPage::Show(int i)
{
    {
        const QSignalBlocker a(m_selector), b(m_index->Edit()), c(m_morphRate->Edit()), d(m_morphPack->Edit());
        m_selector->setCurrentIndex(i);
        m_index->Edit()->SetValue(i);
        CRecordPage::Show(i);
    }
    // Only monsters 0-255 have rage commands.
    const bool rage = i < kRageMonsterCount;
    m_rageLabel->setVisible(rage);
    for (CFF6Combo* c : m_rage)
        c->setVisible(rage);
    ShowRateLabel();
    ShowPictures(i);
    emit MonsterChanged(i);
}

void CMonsterSpecsPage::ShowRateLabel()
{
    const int rate = ReadNumberField(m_morphRate->Edit()->text().toStdString(), {0, 8});
    m_rateLabel->setText(QString::fromLatin1(kMorphRateLabels[rate]));
}

void CMonsterSpecsPage::ShowPictures(int i)
{
    RomData& rd = Rom();
    CFF6Bitmap bmp;
    RenderMonster(rd, i, bmp, 1);
    m_spriteImage = ToQImage(bmp);
    m_sprite->setPixmap(QPixmap::fromImage(m_spriteImage));

    const NameList& names = GetNameList(rd, NameListId::SpecialAttack);
    if (const uint8_t* name = names.Data(static_cast<uint32_t>(i)))
        m_attackName->setPixmap(QPixmap::fromImage(
            NamePictureToImage(DrawNamePicture(name, names.nameLen, rd.gfx.bitmaps.smallFont, rd.names.preproc.Colors()),
                               kNamePictureScale)));
    else
        m_attackName->setText(QStringLiteral("?"));

    // The morph pack's four items, one name under the other.
    const int pack = ReadNumberField(m_morphPack->Edit()->text().toStdString(), {0, 32});
    const std::vector<uint8_t>& packs = rd.editors.morphPacks.bytes;
    QImage preview(13 * 8, 4 * 8, QImage::Format_RGB32);
    preview.fill(Qt::black);
    QPainter p(&preview);
    for (int k = 0; k < 4; ++k) {
        const size_t at = static_cast<size_t>(pack * 4 + k);
        if (at >= packs.size())
            break;
        if (const NamePicture* pic = GetNamePicture(rd, PreprocList::Item, packs[at]))
            p.drawImage(0, k * 8, NamePictureToImage(*pic, 1));
    }
    p.end();
    m_packPreview->setPixmap(QPixmap::fromImage(preview));
}

bool CMonsterSpecsPage::ExportSprite(const QString& path)
{
    CFF6Bitmap bmp;
    RenderMonster(Rom(), Current(), bmp, 1);
    if (!bmp.SaveBmp(path.toStdString())) {
        MessageService::Instance().Error(QStringLiteral("Can't create file!!"), this);
        return false;
    }
    MessageService::Instance().Information(QStringLiteral("`%1' created").arg(path), this);
    return true;
}

void CMonsterSpecsPage::OnSaveSprite()
{
    const QString name = QString::asprintf("mst%03d.bmp", Current());
    const QString path =
        QFileDialog::getSaveFileName(this, QString(), name, QStringLiteral("Bitmap files (*.bmp);;All Files (*.*)"));
    if (!path.isEmpty())
        ExportSprite(path);
}

void CMonsterSpecsPage::OnRename()
{
    const int i = Current();
    if (!RenameListEntry(this, Rom(), NameListId::Monster, i))
        return;
    Sheet()->SetEdited();
    m_monsterList->SetName(i, GetNamePicture(Rom(), PreprocList::Monster, i), ListNameText(Rom(), PreprocList::Monster, i));
}

void CMonsterSpecsPage::OnRenameAttack()
{
    if (!RenameListEntry(this, Rom(), NameListId::SpecialAttack, Current()))
        return;
    Sheet()->SetEdited();
    ShowPictures(Current());
}

void CMonsterSpecsPage::OnReport()
{
    // The report shows what the page shows.
    Store(Current());
    if (MonsterReportWriter())
        MonsterReportWriter()(this, Rom());
}
