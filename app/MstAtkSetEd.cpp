#include "MstAtkSetEd.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "MessageService.h"
#include "MonsterEd.h"
#include "MonsterSpecsPage.h"
#include "MstAtkSetVerboseDia.h"
#include "MstCmdHexEntryDia.h"
#include "controls/FF6Combo.h"
#include "controls/FieldControls.h"
#include "monsters/BattleScriptDescriber.h"
#include "monsters/BattleScriptEditor.h"
#include "monsters/BattleScriptFile.h"
#include "monsters/ScriptNames.h"
#include "rom/RomData.h"

using namespace quorvex;

namespace {

enum ChooserMode { kChooseSpell, kChooseTarget, kChooseEvent };

QString Hex(int byte) { return QString::asprintf("0x%02X", byte); }

} // namespace

CMstAtkSetEd::CMstAtkSetEd(CEditorSheet* sheet, QStandardItemModel* monsters, QWidget* parent)
    : QWidget(parent), m_sheet(sheet), m_rd(sheet->Rom()),
      m_editor(std::make_unique<BattleScriptEditor>(sheet->Rom().scripts.set)),
      m_names(std::make_unique<RomScriptNames>(sheet->Rom()))
{
    m_runDialog = [](QDialog& d) { return d.exec(); };
    m_chooseImport = [this] {
        return QFileDialog::getOpenFileName(this, QString(), QString(),
                                            QStringLiteral("Text Files (*.txt);;All Files (*.*)"));
    };

    m_combo = new CFF6Combo(this);
    m_combo->SetList(monsters);
    m_index = new QSpinBox(this);
    m_index->setRange(0, kBattleScriptCount - 1);
    connect(m_combo, &QComboBox::activated, this, &CMstAtkSetEd::SetMonster);
    connect(m_index, &QSpinBox::valueChanged, this, &CMstAtkSetEd::SetMonster);

    m_list = new QTreeWidget(this);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setHeaderLabels({QStringLiteral("Op."), QStringLiteral("Data 1"), QStringLiteral("Data 2"),
                             QStringLiteral("Data 3"), QStringLiteral("Description")});
    for (int c = 0; c < 4; ++c)
        m_list->header()->resizeSection(c, m_list->fontMetrics().horizontalAdvance(QStringLiteral("Data 3")) + 16);
    m_list->header()->setStretchLastSection(true);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this] { OnDoubleClick(); });

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("scriptStatus"));
    m_progress = new CProgressWindow(this);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Monster:"), this));
    top->addWidget(m_combo);
    top->addWidget(m_index);
    top->addStretch();

    auto* edit = new QGridLayout;
    const std::vector<std::pair<const char*, void (CMstAtkSetEd::*)()>> editing = {
        {"Hex Edit", &CMstAtkSetEd::HexEdit},
        {"Hex Insert", &CMstAtkSetEd::HexInsert},
        {"Delete", nullptr},
        {"^", nullptr},
        {"v", nullptr},
        {"Cut", nullptr},
        {"Copy", nullptr},
        {"Paste", nullptr},
        {"Copy script", nullptr},
        {"Paste script", nullptr},
    };
    int n = 0;
    for (const auto& [text, slot] : editing)
        edit->addWidget(AddButton(text, slot), n / 5, n % 5), ++n;
    auto* insert = new QGridLayout;
    n = 0;
    for (const char* text : {"Spell/item", "Target", "Repeat", "Endif", "Event"})
        insert->addWidget(AddButton(text, nullptr), 0, n++);
    auto* files = new QGridLayout;
    n = 0;
    for (const char* text : {"Erase this script", "Erase all scripts", "Export this script", "Export all scripts",
                             "Import script"})
        files->addWidget(AddButton(text, nullptr), n / 3, n % 3), ++n;

    const auto k = [this] { return SelectedCommand(); };
    connect(Button("Delete"), &QPushButton::clicked, this, [this, k] { Report(m_editor->Delete(m_monster, k())); });
    connect(Button("^"), &QPushButton::clicked, this, [this, k] {
        const int to = m_editor->MoveUp(m_monster, k());
        Report({}, to != k());
        SelectCommand(to);
    });
    connect(Button("v"), &QPushButton::clicked, this, [this, k] {
        const int to = m_editor->MoveDown(m_monster, k());
        Report({}, to != k());
        SelectCommand(to);
    });
    connect(Button("Cut"), &QPushButton::clicked, this, [this, k] { Report(m_editor->Cut(m_monster, k())); });
    connect(Button("Copy"), &QPushButton::clicked, this, [this, k] {
        m_editor->Copy(m_monster, k());
        Report({}, false);
    });
    connect(Button("Paste"), &QPushButton::clicked, this, [this, k] { Report(m_editor->Paste(m_monster, k())); });
    connect(Button("Copy script"), &QPushButton::clicked, this, [this] {
        m_editor->CopyScript(m_monster);
        Report({}, false);
    });
    connect(Button("Paste script"), &QPushButton::clicked, this,
            [this] { Report(m_editor->PasteScript(m_monster)); });
    connect(Button("Spell/item"), &QPushButton::clicked, this, [this] { Choose(kChooseSpell); });
    connect(Button("Target"), &QPushButton::clicked, this, [this] { Choose(kChooseTarget); });
    connect(Button("Repeat"), &QPushButton::clicked, this, [this] { InsertCommand({0xFD}); });
    connect(Button("Endif"), &QPushButton::clicked, this, [this] { InsertCommand({0xFE}); });
    connect(Button("Event"), &QPushButton::clicked, this, [this] { Choose(kChooseEvent); });
    connect(Button("Erase this script"), &QPushButton::clicked, this, [this] {
        m_editor->EraseScript(m_monster);
        Report({});
    });
    connect(Button("Erase all scripts"), &QPushButton::clicked, this, [this] {
        if (!MessageService::Instance().Question(QString::fromLatin1(scripttext::kEraseAllQuestion), this))
            return;
        m_editor->EraseAll();
        Report({});
    });
    connect(Button("Export this script"), &QPushButton::clicked, this, [this] { Export(false); });
    connect(Button("Export all scripts"), &QPushButton::clicked, this, [this] { Export(true); });
    connect(Button("Import script"), &QPushButton::clicked, this, [this] { Import(); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_status);
    layout->addLayout(edit);
    layout->addLayout(insert);
    layout->addLayout(files);

    m_monster = -1;
    SetMonster(0);
}

CMstAtkSetEd::~CMstAtkSetEd() = default;

bool CMstAtkSetEd::Admit(CEditorSheet& sheet)
{
    switch (ScriptPageAdmissionFor(sheet.Rom().scripts.set)) {
    case ScriptPageAdmission::Refuse:
        MessageService::Instance().Information(QString::fromLatin1(scripttext::kCannotCompile), &sheet);
        return false;
    case ScriptPageAdmission::AskRepair:
        if (!MessageService::Instance().Question(QString::fromLatin1(scripttext::kMagRoaderQuestion), &sheet))
            return false;
        RepairMagRoader(sheet.Rom().scripts.set);
        sheet.SetEdited();
        return true;
    case ScriptPageAdmission::Open: break;
    }
    return true;
}

QPushButton* CMstAtkSetEd::AddButton(const char* text, void (CMstAtkSetEd::*slot)())
{
    auto* b = new QPushButton(QString::fromLatin1(text), this);
    b->setAutoDefault(false);
    if (slot)
        connect(b, &QPushButton::clicked, this, slot);
    m_buttons.push_back(b);
    return b;
}

QPushButton* CMstAtkSetEd::Button(const QString& text) const
{
    for (QPushButton* b : m_buttons)
        if (b->text() == text)
            return b;
    return nullptr;
}

void CMstAtkSetEd::SetMonster(int i)
{
    if (i < 0 || i >= kBattleScriptCount || i == m_monster)
        return;
    m_monster = i;
    {
        const QSignalBlocker a(m_combo), b(m_index);
        m_combo->setCurrentIndex(i);
        m_index->setValue(i);
    }
    Refresh();
    SelectCommand(0);
    emit MonsterChanged(i);
}

int CMstAtkSetEd::SelectedCommand() const
{
    QTreeWidgetItem* item = m_list->currentItem();
    if (!item || !item->isSelected())
        return m_rd.scripts.set.CommandCount(m_monster);
    return m_list->indexOfTopLevelItem(item);
}

void CMstAtkSetEd::SelectCommand(int k)
{
    QTreeWidgetItem* item = m_list->topLevelItem(k);
    if (!item)
        return;
    m_list->setCurrentItem(item);
    item->setSelected(true);
}

void CMstAtkSetEd::Refresh()
{
    const BattleScript& s = m_rd.scripts.set.Script(m_monster);
    m_list->clear();
    QList<QTreeWidgetItem*> rows;
    for (int k = 0; k < s.CommandCount(); ++k) {
        QStringList cells{Hex(s.Opcode(k))};
        for (int j = 0; j < 3; ++j)
            cells << (s.Operand(k, j) >= 0 ? Hex(s.Operand(k, j)) : QString());
        cells << QString::fromStdString(DescribeCommand(s, k, *m_names));
        rows << new QTreeWidgetItem(cells);
    }
    m_list->addTopLevelItems(rows);
    m_status->setText(QString::fromStdString(m_editor->StatusText(m_monster)).replace(QStringLiteral("\r\n"),
                                                                                       QStringLiteral("\n")));
    Button("Paste")->setEnabled(m_editor->HasCommand());
    Button("Paste script")->setEnabled(m_editor->HasScript());
}

void CMstAtkSetEd::Report(const std::string& refusal, bool changed)
{
    const int k = SelectedCommand();
    if (!refusal.empty())
        MessageService::Instance().Error(QString::fromStdString(refusal), this);
    else if (changed)
        m_sheet->SetEdited();
    Refresh();
    SelectCommand(k);
}

void CMstAtkSetEd::InsertCommand(const std::vector<uint8_t>& c)
{
    if (c.empty())
        return;
    // The selection stays on the row of the inserted command.
    Report(m_editor->Insert(m_monster, SelectedCommand(), c));
}

void CMstAtkSetEd::HexInsert()
{
    CMstCmdHexEntryDia dlg(this);
    if (m_runDialog(dlg) != QDialog::Accepted)
        return;
    InsertCommand(dlg.Command());
}

void CMstAtkSetEd::HexEdit()
{
    const int k = SelectedCommand();
    const BattleScriptSet& set = m_rd.scripts.set;
    if (k >= set.CommandCount(m_monster))
        return;
    // A break point is refused before the dialog opens.
    if (set.Script(m_monster).Opcode(k) == kScriptBreak) {
        Report(scripttext::kCannotEdit);
        return;
    }
    // The four bytes from the command on (those after a short command
    // belong to the next one and only count if the opcode changes).
    const std::vector<uint8_t>& bytes = set.Script(m_monster).Bytes();
    const size_t at = set.Script(m_monster).CommandOffset(k);
    std::vector<uint8_t> four(bytes.begin() + static_cast<long>(at),
                              bytes.begin() + static_cast<long>(std::min(bytes.size(), at + 4)));
    four.resize(4, 0x00);
    CMstCmdHexEntryDia dlg(this);
    dlg.SetBytes(four);
    if (m_runDialog(dlg) != QDialog::Accepted)
        return;
    Report(m_editor->Replace(m_monster, k, dlg.Command()));
}

void CMstAtkSetEd::Choose(int mode)
{
    const auto m = mode == kChooseSpell    ? CMstAtkSetVerboseDia::Mode::SpellOrItem
                   : mode == kChooseTarget ? CMstAtkSetVerboseDia::Mode::Target
                                           : CMstAtkSetVerboseDia::Mode::Event;
    CMstAtkSetVerboseDia dlg(m, *m_names, this);
    if (m_runDialog(dlg) != QDialog::Accepted)
        return;
    InsertCommand(dlg.Command());
}

void CMstAtkSetEd::EditAttack()
{
    const int k = SelectedCommand();
    CMstAtkSetVerboseDia dlg(CMstAtkSetVerboseDia::Mode::SpellOrItem, *m_names, this);
    dlg.SetCommand(m_rd.scripts.set.CommandBytes(m_monster, k), true);
    if (m_runDialog(dlg) != QDialog::Accepted)
        return;
    Report(m_editor->Replace(m_monster, k, dlg.Command()));
}

void CMstAtkSetEd::OnDoubleClick()
{
    const int k = SelectedCommand();
    if (k >= m_rd.scripts.set.CommandCount(m_monster))
        return;
    const uint8_t op = m_rd.scripts.set.Script(m_monster).Opcode(k);
    if (op < 0xF0 || op == 0xF0)
        EditAttack();
    else
        HexEdit();
}

void CMstAtkSetEd::Export(bool all)
{
    const int index = all ? -1 : m_monster;
    const std::string name = all ? scripttext::kAllScriptsFile : ScriptFileName(m_monster);
    PageMessage m;
    {
        if (all)
            m_progress->Show(QString::fromLatin1(scripttext::kProgressExporting));
        m = ExportScripts(m_rd, index, QDir::current().filePath(QString::fromStdString(name)).toStdString(),
                          [this, all](int done, int total) {
                              if (all && (done % 32 == 0 || done == total))
                                  m_progress->Step(done, total);
                          });
        m_progress->hide();
    }
    if (m.kind == MsgKind::Error)
        MessageService::Instance().Error(QString::fromStdString(m.text), this);
    else
        MessageService::Instance().Information(QString::fromStdString(m.text), this);
}

void CMstAtkSetEd::Import()
{
    const QString path = m_chooseImport();
    if (path.isEmpty())
        return;
    const BattleScriptSet before = m_rd.scripts.set;
    m_progress->Show(QString::fromLatin1(scripttext::kProgressImporting));
    const PageMessage m = ImportScripts(m_rd, path.toStdString(), m_monster, [this](int done, int total) {
        if (done % 256 == 0 || done == total)
            m_progress->Step(done, total);
    });
    m_progress->hide();
    if (!(m_rd.scripts.set == before))
        m_sheet->SetEdited();
    if (m.kind == MsgKind::Information)
        MessageService::Instance().Information(QString::fromStdString(m.text), this);
    else
        MessageService::Instance().Error(QString::fromStdString(m.text), this);
    Refresh();
    SelectCommand(0);
}

namespace {

// The page joins the Monsters Editor when the scripts may be edited. The two
// pages show one monster: a choice made on either is made on the other at
// once (the "Specs" page remembers it at OK).
QWidget* MakeScriptPage(CMonsterEd& sheet)
{
    if (!CMstAtkSetEd::Admit(sheet))
        return nullptr;
    CMonsterSpecsPage* specs = sheet.Specs();
    auto* page = new CMstAtkSetEd(&sheet, qobject_cast<QStandardItemModel*>(specs->Selector()->model()));
    page->SetMonster(specs->Current());
    QObject::connect(page, &CMstAtkSetEd::MonsterChanged, specs, [specs](int i) {
        if (specs->Current() != i)
            specs->Select(i);
    });
    QObject::connect(specs, &CMonsterSpecsPage::MonsterChanged, page, &CMstAtkSetEd::SetMonster);
    return page;
}

const MonsterScriptPageRegistration kScriptPage{MakeScriptPage};

} // namespace
