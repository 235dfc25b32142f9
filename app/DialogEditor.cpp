#include "DialogEditor.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "EditorRegistry.h"
#include "MessageService.h"
#include "TextPage.h"
#include "rom/Document.h"
#include "text/DialogEditor.h"
#include "text/TextTables.h"

using namespace quorvex;

// The three blocks as they were when the editor opened. Cancel puts these
// back rather than reading the image file again: the file does not hold
// edits that an earlier OK kept but that were not saved yet, and those
// must survive a later Cancel.
struct CDialogEditor::Opened {
    DteTable dte;
    CFF6DynTextObj multiTile;
    CFF6DynTextObj townDialogue;
    CFF6DynTextObj locationNames;

    explicit Opened(const TextTables& t) : dte(t.dte)
    {
        multiTile.CopyFrom(t.multiTile);
        townDialogue.CopyFrom(t.townDialogue);
        locationNames.CopyFrom(t.locationNames);
    }
    void Restore(TextTables& t) const
    {
        t.dte = dte;
        t.multiTile.CopyFrom(multiTile);
        t.townDialogue.CopyFrom(townDialogue);
        t.locationNames.CopyFrom(locationNames);
    }
};

CDialogEditor::CDialogEditor(CQuorvexDoc& doc, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_opened(std::make_unique<Opened>(doc.Rom().text))
{
    setWindowTitle(QStringLiteral("Quorvex: Dialog Editor"));
    RomData& rd = doc.Rom();
    m_tabs = new QTabWidget(this);
    m_tabs->addTab(new CTextPage(rd, TownDialogPageConfig(rd)), QStringLiteral("Town Dialogs"));
    m_tabs->addTab(new CTextPage(rd, DteTablePageConfig(rd)), QStringLiteral("DTE/MTE Table"));
    m_tabs->addTab(new CTextPage(rd, LocationNamesPageConfig(rd)), QStringLiteral("Location Names"));
    // Pages that show dialogue follow edits of the dual-tile table.
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int i) {
        if (CTextPage* p = Page(i))
            p->Refresh();
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDialogEditor::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDialogEditor::reject);
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(m_tabs);
    lay->addWidget(buttons);
    resize(760, 620);
}

CDialogEditor::~CDialogEditor() = default;

CTextPage* CDialogEditor::Page(int i) const { return qobject_cast<CTextPage*>(m_tabs->widget(i)); }

void CDialogEditor::accept()
{
    for (int i = 0; i < m_tabs->count(); ++i)
        Page(i)->RememberIndex();
    m_doc.SetModifiedFlag(true);
    QDialog::accept();
}

void CDialogEditor::reject()
{
    m_opened->Restore(m_doc.Rom().text);
    QDialog::reject();
}

void CDialogEditor::Run(QWidget* parent, CQuorvexDoc& doc)
{
    const std::string refusal = DialogEditorRefusal(doc.Rom());
    if (!refusal.empty()) {
        MessageService::Instance().Error(QString::fromStdString(refusal), parent);
        return;
    }
    CDialogEditor dlg(doc, parent);
    dlg.exec();
}

namespace {
const EditorRegistration kDialogEditor{EditorCommand::DialogEditor,
                                       [](QWidget* parent, CQuorvexDoc& doc) { CDialogEditor::Run(parent, doc); }};
} // namespace

struct CTextEditorDia::Saved {
    CFF6DynTextObj block;
    std::vector<uint8_t> records;
    // Repairing the game's own small battle messages clears this fingerprint
    // bit; Cancel brings the game's block back, so the bit comes back too.
    uint32_t btlMsgTextPrint = 0;
};

CTextEditorDia::CTextEditorDia(CQuorvexDoc& doc, const TextPageConfig& config, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_saved(new Saved)
{
    setWindowTitle(QStringLiteral("Quorvex: Text Editor"));
    if (config.block && !config.fixed)
        m_saved->block.CopyFrom(*config.block);
    else if (config.records)
        m_saved->records.assign(config.records,
                                config.records + static_cast<size_t>(config.recordCount) * config.recordSize);
    m_saved->btlMsgTextPrint = doc.Rom().romFlags & kFlagBtlMsgTextPrint;
    m_page = new CTextPage(doc.Rom(), config, this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CTextEditorDia::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CTextEditorDia::reject);
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(m_page);
    lay->addWidget(buttons);
    resize(720, 560);
}

CTextEditorDia::~CTextEditorDia() { delete m_saved; }

void CTextEditorDia::accept()
{
    m_page->RememberIndex();
    QDialog::accept();
}

void CTextEditorDia::reject()
{
    const TextPageConfig& cfg = m_page->Logic().Config();
    if (cfg.block && !cfg.fixed)
        cfg.block->CopyFrom(m_saved->block);
    else if (cfg.records && !m_saved->records.empty())
        std::copy(m_saved->records.begin(), m_saved->records.end(), cfg.records);
    RomData& rd = m_doc.Rom();
    rd.romFlags = (rd.romFlags & ~kFlagBtlMsgTextPrint) | m_saved->btlMsgTextPrint;
    QDialog::reject();
}
