#include "ColosseumSetupDia.h"

#include <QTabWidget>

#include "ColosseumPage.h"
#include "EditorRegistry.h"

using namespace quorvex;

CColosseumSetupDia::CColosseumSetupDia(CQuorvexDoc& doc, QWidget* parent)
    : CEditorSheet(doc, QStringLiteral("Quorvex: Colosseum Betting System Editor"), parent)
{
    m_page = new CColosseumPage(this);
    AddPage(m_page, QStringLiteral("Colosseum"));
    // One page: a dialog, not a sheet of tabs.
    Tabs()->setTabBarAutoHide(true);
}

namespace {
const EditorRegistration kColosseumEditor{EditorCommand::ColosseumEditor, [](QWidget* parent, CQuorvexDoc& doc) {
                                              CColosseumSetupDia dlg(doc, parent);
                                              dlg.exec();
                                          }};
} // namespace
