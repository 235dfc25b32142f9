#include "EditorSheet.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "rom/Document.h"
#include "rom/TableSnapshot.h"

using namespace quorvex;

CEditorSheet::CEditorSheet(CQuorvexDoc& doc, const QString& title, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_opened(std::make_unique<TableSnapshot>(doc.Rom()))
{
    setWindowTitle(title);
    m_tabs = new QTabWidget(this);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &CEditorSheet::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &CEditorSheet::reject);
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(m_tabs);
    lay->addWidget(m_buttons);
}

CEditorSheet::~CEditorSheet() = default;

RomData& CEditorSheet::Rom() { return m_doc.Rom(); }

void CEditorSheet::AddPage(QWidget* page, const QString& title) { m_tabs->addTab(page, title); }

std::vector<CSheetPage*> CEditorSheet::Pages() const
{
    std::vector<CSheetPage*> pages;
    for (int i = 0; i < m_tabs->count(); ++i)
        if (auto* p = dynamic_cast<CSheetPage*>(m_tabs->widget(i)))
            pages.push_back(p);
    return pages;
}

void CEditorSheet::accept()
{
    const std::vector<CSheetPage*> pages = Pages();
    for (CSheetPage* p : pages)
        p->StoreShown();
    for (CSheetPage* p : pages)
        if (p->HasPendingEdit())
            return;
    for (CSheetPage* p : pages)
        p->RememberSelection();
    m_doc.SetModifiedFlag(true);
    QDialog::accept();
}

void CEditorSheet::reject()
{
    // What was typed but not yet stored counts as an edit too. A page whose
    // typed text would need the user to store it is only counted.
    bool pending = false;
    for (CSheetPage* p : Pages()) {
        if (p->HasPendingEdit())
            pending = true;
        else
            p->StoreShown();
    }
    if (!MayDiscardEdits(m_edited || pending, this))
        return;
    m_opened->Restore(m_doc.Rom());
    QDialog::reject();
}

void CEditorSheet::closeEvent(QCloseEvent* event)
{
    // The close button means Cancel; when the user keeps the edits, the
    // editor stays open.
    event->ignore();
    reject();
}
