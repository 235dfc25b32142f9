#include "battle/BattleEdSheet.h"

#include "C14ByteAnimPage.h"
#include "EditorRegistry.h"
#include "battle/BattleBlitzPage.h"
#include "battle/BattleBtlCmdsAttr.h"
#include "battle/BattleDances.h"
#include "battle/BattleEdStatusPage.h"
#include "battle/BattleMtekPage.h"
#include "controls/FieldControls.h"

using namespace quorvex;

CBattleEdSheet::CBattleEdSheet(CQuorvexDoc& doc, QWidget* parent)
    : CEditorSheet(doc, QStringLiteral("Quorvex: Battle Editor"), parent)
{
    // The attack names are drawn once per image, behind a progress window.
    CProgressWindow progress(this);
    AddPage(new CBattleBtlCmdsAttr(this), QStringLiteral("Battle Cmds."));
    AddPage(new CBattleMtekPage(this, &progress), QStringLiteral("MagiTek"));
    AddPage(new CBattleBlitzPage(this), QStringLiteral("Blitz"));
    AddPage(new CBattleDances(this, &progress), QStringLiteral("Dances"));
    AddPage(new CBattleEdStatusPage(this), QStringLiteral("Status"));
    AddPage(new C14ByteAnimPage(this, AnimMode::Block1), QStringLiteral("Animations 1"));
    AddPage(new C14ByteAnimPage(this, AnimMode::Block2), QStringLiteral("Animations 2"));
    progress.hide();
    resize(620, 560);
}

namespace {
const EditorRegistration kBattleEditor{EditorCommand::BattleEditor, [](QWidget* parent, CQuorvexDoc& doc) {
                                           CBattleEdSheet sheet(doc, parent);
                                           sheet.exec();
                                       }};
} // namespace
