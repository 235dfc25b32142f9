#include "DialogEditor.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "EditorRegistry.h"
#include "MessageService.h"
#include "TextPage.h"
#include "rom/Document.h"
#include "rom/TableSnapshot.h"
#include "text/DialogEditor.h"
#include "text/TextTables.h"

using namespace quorvex;

CDialogEditor::CDialogEditor(CQuorvexDoc& doc, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_opened(std::make_unique<TableSnapshot>(doc.Rom()))
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
    m_opened->Restore(m_doc.Rom());
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

CTextEditorDia::CTextEditorDia(CQuorvexDoc& doc, const TextPageConfig& config, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_opened(std::make_unique<TableSnapshot>(doc.Rom()))
{
    setWindowTitle(QStringLiteral("Quorvex: Text Editor"));
    m_page = new CTextPage(doc.Rom(), config, this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CTextEditorDia::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CTextEditorDia::reject);
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(m_page);
    lay->addWidget(buttons);
    resize(720, 560);
}

CTextEditorDia::~CTextEditorDia() = default;

void CTextEditorDia::accept()
{
    m_page->RememberIndex();
    QDialog::accept();
}

void CTextEditorDia::reject()
{
    // Repairing the game's own small battle messages clears a fingerprint
    // bit; the snapshot brings that back along with the block.
    m_opened->Restore(m_doc.Rom());
    QDialog::reject();
}
