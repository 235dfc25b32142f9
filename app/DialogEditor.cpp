#include "DialogEditor.h"

#include <QTabWidget>

#include "EditorRegistry.h"
#include "MessageService.h"
#include "TextPage.h"
#include "rom/Document.h"
#include "text/DialogEditor.h"
#include "text/TextTables.h"

using namespace quorvex;

CDialogEditor::CDialogEditor(CQuorvexDoc& doc, QWidget* parent)
    : CEditorSheet(doc, QStringLiteral("Quorvex: Dialog Editor"), parent)
{
    RomData& rd = doc.Rom();
    const std::pair<TextPageConfig, const char*> pages[] = {
        {TownDialogPageConfig(rd), "Town Dialogs"},
        {DteTablePageConfig(rd), "DTE/MTE Table"},
        {LocationNamesPageConfig(rd), "Location Names"},
    };
    for (const auto& [config, title] : pages) {
        auto* page = new CTextPage(rd, config, Tabs());
        connect(page, &CTextPage::edited, this, [this] { SetEdited(); });
        AddPage(page, QString::fromLatin1(title));
    }
    // Pages that show dialogue follow edits of the dual-tile table.
    connect(Tabs(), &QTabWidget::currentChanged, this, [this](int i) {
        if (CTextPage* p = Page(i))
            p->Refresh();
    });
    resize(760, 620);
}

CTextPage* CDialogEditor::Page(int i) const { return qobject_cast<CTextPage*>(Tabs()->widget(i)); }

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
const EditorRefusalRegistration kDialogEditorRefusal{EditorCommand::DialogEditor, DialogEditorRefusal};
} // namespace

CTextEditorDia::CTextEditorDia(CQuorvexDoc& doc, const TextPageConfig& config, QWidget* parent)
    : CEditorSheet(doc, QStringLiteral("Quorvex: Text Editor"), parent)
{
    // One page: no tab bar. Repairing the game's own small battle messages
    // clears a fingerprint bit; Cancel's snapshot brings that back along
    // with the block.
    Tabs()->setTabBarAutoHide(true);
    m_page = new CTextPage(doc.Rom(), config, Tabs());
    connect(m_page, &CTextPage::edited, this, [this] { SetEdited(); });
    AddPage(m_page, QString());
    resize(720, 560);
}

void CTextEditorDia::accept()
{
    m_page->StoreShown();
    if (m_page->HasPendingEdit())
        return; // the page said why the caption cannot be applied
    m_page->RememberSelection();
    QDialog::accept();
}
