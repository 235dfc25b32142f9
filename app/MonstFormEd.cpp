#include "MonstFormEd.h"

#include <QTabWidget>

#include "EditorRegistry.h"
#include "FormPackPage.h"
#include "FormZoningPage.h"
#include "MonstFormPage.h"
#include "controls/FieldControls.h"
#include "graphics/MonsterRender.h"
#include "rom/Document.h"

using namespace quorvex;

CMonstFormEd::CMonstFormEd(CQuorvexDoc& doc, QWidget* parent)
    : CEditorSheet(doc, QStringLiteral("Quorvex: Monsters Formations Editor"), parent)
{
    {
        // The backgrounds are drawn once per image; the first preview shows
        // the user that this takes a moment.
        CProgressWindow progress(this);
        CFF6Bitmap first;
        RenderFormation(Rom(), 0, -1, -1, 1, first, progress.Callback());
    }
    m_formations = new CMonstFormPage(this);
    m_packs = new CFormPackPage(this);
    m_zoning = new CFormZoningPage(this);
    AddPage(m_formations, QStringLiteral("Formations"));
    AddPage(m_packs, QStringLiteral("Packs"));
    AddPage(m_zoning, QStringLiteral("Zoning"));
    // The packs and zones show formations as the other pages left them.
    connect(Tabs(), &QTabWidget::currentChanged, this, [this](int) {
        for (CRecordPage* page : std::initializer_list<CRecordPage*>{m_formations, m_packs, m_zoning}) {
            page->StoreShown();
            page->Refresh();
        }
    });
}

namespace {
const EditorRegistration kFormationEditor{EditorCommand::FormationEditor, [](QWidget* parent, CQuorvexDoc& doc) {
                                              CMonstFormEd sheet(doc, parent);
                                              sheet.exec();
                                          }};
} // namespace
