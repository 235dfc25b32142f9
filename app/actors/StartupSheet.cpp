#include "actors/StartupSheet.h"

#include "EditorRegistry.h"
#include "actors/StartupActors.h"
#include "actors/StartupHpMpExpPage.h"
#include "actors/StartupMagic.h"
#include "actors/StartupRagePage.h"
#include "actors/StatupBlitzSwtechPage.h"
#include "controls/FieldControls.h"

using namespace quorvex;

CStartupSheet::CStartupSheet(CQuorvexDoc& doc, QWidget* parent)
    : CEditorSheet(doc, QStringLiteral("Actors Editor"), parent)
{
    // Every page is made now, so that each stores what it shows at OK. The
    // item and attack names are drawn once per image, behind a progress
    // window.
    CProgressWindow progress(this);
    AddPage(new CStartupActors(this, &progress), QStringLiteral("Actors Startup"));
    AddPage(new CStartupMagic(this, &progress), QStringLiteral("Natural Magic"));
    m_evolution = new CStartupHpMpExpPage(this);
    AddPage(m_evolution, QStringLiteral("Actors Evolution"));
    AddPage(new CStatupBlitzSwtechPage(this, &progress), QStringLiteral("Blitz, Sw. tech && Lores"));
    AddPage(new CStartupRagePage(this), QStringLiteral("Rage"));
    progress.hide();
    resize(720, 620);
}

void CStartupSheet::done(int result)
{
    m_evolution->CloseWizard();
    CEditorSheet::done(result);
}

namespace {
const EditorRegistration kActorsEditor{EditorCommand::ActorEditor, [](QWidget* parent, CQuorvexDoc& doc) {
                                           CStartupSheet sheet(doc, parent);
                                           sheet.exec();
                                       }};
} // namespace
