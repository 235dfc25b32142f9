#include "RomDataLocDia.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "EditorRegistry.h"
#include "MessageService.h"
#include "rom/DataRelocation.h"
#include "rom/Document.h"
#include "rom/RelocationView.h"

using namespace quorvex;

namespace {

const ExpandedRomManagerRegistration kRegistration{[](QWidget* parent, CQuorvexDoc& doc) {
    CRomDataLocDia dlg(doc, parent);
    dlg.exec();
}};

// What says where the relocatable data lies: an operation changed the
// document when any of it differs afterwards.
struct Placement {
    uint32_t flags, scripts, names;
    int32_t dialogue;
    explicit Placement(const RomData& rd)
        : flags(rd.romFlags), scripts(rd.scripts.dataBase), names(rd.spAttackNameAddr),
          dialogue(rd.text.townDialogue.Size())
    {
    }
    bool operator==(const Placement&) const = default;
};

QLabel* TextLabel(QWidget* parent)
{
    auto* l = new QLabel(parent);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

} // namespace

CRomDataLocDia::CRomDataLocDia(CQuorvexDoc& doc, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_rd(doc.Rom()), m_scriptBank(InitialScriptBank(m_rd)),
      m_nameBank(InitialAttackNameBank(m_rd))
{
    setWindowTitle(QStringLiteral("ROM patch & data location manager"));
    m_scripts = MakeSection("Quorvex Monster Battle Scripts hack", true, true,
                            "Moving data bank allows space for bigger Battle Scripts");
    m_dialogue = MakeSection("FF3Edit Town Dialog hack", true, false,
                             "Applying patch will add a 3rd Town Dialog data page, allowing bigger Town Dialog captions");
    m_maps = MakeSection("FF3Edit Map Graphic expansion", false, false, "Note: save modified ROM first to get accurate info");
    m_names = MakeSection("Quorvex Various Text hacks", true, true,
                          "Applying this patch will make Monster Special Attacks names 16 char. long instead of 10");

    connect(m_scripts.apply, &QPushButton::clicked, this, &CRomDataLocDia::OnScriptsApply);
    connect(m_scripts.remove, &QPushButton::clicked, this, &CRomDataLocDia::OnScriptsRemove);
    connect(m_scripts.bank, &QComboBox::activated, this, &CRomDataLocDia::OnScriptBank);
    connect(m_dialogue.apply, &QPushButton::clicked, this, &CRomDataLocDia::OnDialogueApply);
    connect(m_dialogue.remove, &QPushButton::clicked, this, &CRomDataLocDia::OnDialogueRemove);
    connect(m_names.apply, &QPushButton::clicked, this, &CRomDataLocDia::OnNamesApply);
    connect(m_names.remove, &QPushButton::clicked, this, &CRomDataLocDia::OnNamesRemove);
    connect(m_names.bank, &QComboBox::activated, this, &CRomDataLocDia::OnNameBank);

    auto* grid = new QGridLayout;
    grid->addWidget(m_scripts.box, 0, 0);
    grid->addWidget(m_dialogue.box, 0, 1);
    grid->addWidget(m_maps.box, 1, 0);
    grid->addWidget(m_names.box, 1, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    Refresh();
}

CRomDataLocDia::Section CRomDataLocDia::MakeSection(const char* caption, bool buttons, bool bank, const char* note)
{
    Section s;
    s.box = new QGroupBox(QString::fromLatin1(caption), this);
    auto* v = new QVBoxLayout(s.box);
    if (buttons) {
        auto* row = new QHBoxLayout;
        s.apply = new QPushButton(QStringLiteral("Apply patch"), s.box);
        s.remove = new QPushButton(QStringLiteral("Remove patch"), s.box);
        s.apply->setAutoDefault(false);
        s.remove->setAutoDefault(false);
        row->addWidget(s.apply);
        row->addWidget(s.remove);
        if (bank) {
            s.bank = new QComboBox(s.box);
            row->addSpacing(12);
            row->addWidget(new QLabel(QStringLiteral("Bank used:"), s.box));
            row->addWidget(s.bank);
        }
        row->addStretch(1);
        v->addLayout(row);
    } else {
        v->addWidget(new QLabel(QStringLiteral("Regular section usage:"), s.box));
    }
    s.regular = TextLabel(s.box);
    v->addWidget(s.regular);
    if (!buttons)
        v->addWidget(new QLabel(QStringLiteral("Expanded section usage:"), s.box));
    s.expanded = TextLabel(s.box);
    v->addWidget(s.expanded);
    auto* n = new QLabel(QString::fromLatin1(note), s.box);
    n->setWordWrap(true);
    v->addWidget(n);
    v->addStretch(1);
    return s;
}

void CRomDataLocDia::ShowSection(Section& s, const RelocationSection& v)
{
    s.regular->setText(QString::fromStdString(v.regular).trimmed());
    s.regular->setVisible(!v.regular.empty());
    s.expanded->setText(QString::fromStdString(v.expanded).trimmed());
    if (s.apply) {
        s.apply->setEnabled(v.applyEnabled);
        s.remove->setEnabled(v.removeEnabled);
    }
    if (s.bank) {
        const QSignalBlocker block(s.bank);
        s.bank->clear();
        for (int b : v.banks)
            s.bank->addItem(QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0')).toUpper(), b);
        s.bank->setCurrentIndex(s.bank->findData(v.selectedBank));
        s.bank->setEnabled(v.bankEnabled);
    }
}

void CRomDataLocDia::Refresh()
{
    const RelocationView v = BuildRelocationView(m_rd, m_scriptBank, m_nameBank);
    ShowSection(m_scripts, v.scripts);
    ShowSection(m_dialogue, v.dialogue);
    ShowSection(m_maps, v.maps);
    ShowSection(m_names, v.names);
}

bool CRomDataLocDia::Ask(const QString& question) { return MessageService::Instance().Question(question, this); }

void CRomDataLocDia::Done(const RelocationResult& r)
{
    if (!r.ok && !r.silent)
        MessageService::Instance().Error(QString::fromStdString(r.message), this);
    Refresh();
}

namespace {

// Runs one operation and marks the document modified when it moved data:
// the move reaches the file only by a save, which the user must not lose
// by closing without being asked.
template <typename Op>
RelocationResult Run(CQuorvexDoc& doc, Op op)
{
    const Placement before(doc.Rom());
    RelocationResult r = op(doc.Rom());
    if (r.ok && !(Placement(doc.Rom()) == before))
        doc.SetModifiedFlag(true);
    return r;
}

} // namespace

void CRomDataLocDia::OnScriptsApply()
{
    if (!Ask(QString::fromLatin1(loctext::kScriptsApplyQuestion)))
        return;
    Done(Run(m_doc, [this](RomData& rd) { return ApplyScriptRelocation(rd, m_scriptBank); }));
}

void CRomDataLocDia::OnScriptsRemove()
{
    if (!Ask(QString::fromLatin1(loctext::kScriptsRemoveQuestion)))
        return;
    Done(Run(m_doc, RemoveScriptRelocation));
}

void CRomDataLocDia::OnScriptBank(int index)
{
    // The entry's text is the bank number; the scripts move there at once.
    m_scriptBank = BankHeadered(static_cast<int>(m_scripts.bank->itemText(index).toUInt(nullptr, 16)));
    Done(Run(m_doc, [this](RomData& rd) { return ApplyScriptRelocation(rd, m_scriptBank); }));
}

void CRomDataLocDia::OnDialogueApply()
{
    if (!Ask(QString::fromLatin1(loctext::kDialogueApplyQuestion)))
        return;
    Done(Run(m_doc, ApplyDialogueExpansion));
}

void CRomDataLocDia::OnDialogueRemove()
{
    if (!Ask(QString::fromLatin1(loctext::kDialogueRemoveQuestion)))
        return;
    Done(Run(m_doc, RemoveDialogueExpansion));
}

void CRomDataLocDia::OnNamesApply()
{
    if (!Ask(QString::fromLatin1(loctext::kNamesApplyQuestion)))
        return;
    Done(Run(m_doc, [this](RomData& rd) { return ApplyAttackNameRelocation(rd, m_nameBank); }));
}

void CRomDataLocDia::OnNamesRemove()
{
    if (!Ask(QString::fromLatin1(loctext::kNamesRemoveQuestion).arg(10)))
        return;
    Done(Run(m_doc, RemoveAttackNameRelocation));
}

void CRomDataLocDia::OnNameBank(int index)
{
    m_nameBank = BankHeadered(static_cast<int>(m_names.bank->itemText(index).toUInt(nullptr, 16)));
    Done(Run(m_doc, [this](RomData& rd) { return ApplyAttackNameRelocation(rd, m_nameBank); }));
}
