#include "battle/BattleEdSheet.h"

#include "EditorRegistry.h"
#include "battle/BattleBlitzPage.h"
#include "battle/BattleBtlCmdsAttr.h"
#include "battle/BattleDances.h"
#include "battle/BattleEdStatusPage.h"
#include "battle/BattleMtekPage.h"

using namespace quorvex;

CBattleEdSheet::CBattleEdSheet(CQuorvexDoc& doc, QWidget* parent)
    : CEditorSheet(doc, QStringLiteral("Quorvex: Battle Editor"), parent)
{
    AddPage(new CBattleBtlCmdsAttr(this), QStringLiteral("Battle Cmds."));
    AddPage(new CBattleMtekPage(this), QStringLiteral("MagiTek"));
    AddPage(new CBattleBlitzPage(this), QStringLiteral("Blitz"));
    AddPage(new CBattleDances(this), QStringLiteral("Dances"));
    AddPage(new CBattleEdStatusPage(this), QStringLiteral("Status"));
    resize(620, 560);
}

namespace {
const EditorRegistration kBattleEditor{EditorCommand::BattleEditor, [](QWidget* parent, CQuorvexDoc& doc) {
                                           CBattleEdSheet sheet(doc, parent);
                                           sheet.exec();
                                       }};
} // namespace
