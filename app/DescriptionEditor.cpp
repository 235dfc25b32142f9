#include "DescriptionEditor.h"

#include "DialogEditor.h"
#include "MessageService.h"
#include "controls/EditorSheet.h"
#include "editors/ItemTables.h"
#include "rom/RomData.h"

using namespace quorvex;

bool OpenDescriptionEditor(QWidget* parent, CEditorSheet* sheet, const std::string& refusal,
                           const TextPageConfig& config)
{
    if (!refusal.empty()) {
        MessageService::Instance().Error(QString::fromStdString(refusal), parent);
        return false;
    }
    CTextEditorDia dlg(sheet->Doc(), config, parent);
    if (dlg.exec() != QDialog::Accepted)
        return false;
    sheet->SetEdited();
    return true;
}

bool OpenItemDescriptionEditor(QWidget* parent, CEditorSheet* sheet, int item)
{
    RomData& rd = sheet->Rom();
    for (;;) {
        switch (ItemDescriptionAccess(rd)) {
        case ItemDescAccess::Open:
            return OpenDescriptionEditor(parent, sheet, {}, ItemDescriptionPageConfig(rd, item));
        case ItemDescAccess::OfferRepair:
            if (!MessageService::Instance().Question(QString::fromLatin1(kItemDescRepairQuestion), parent))
                return false;
            RepairItemDescriptions(rd);
            sheet->SetEdited();
            // The repair clears the text's fingerprint, so it is not offered
            // twice: the block now opens or is refused.
            continue;
        case ItemDescAccess::Refuse:
            return OpenDescriptionEditor(parent, sheet, kItemDescProblem, {});
        }
    }
}
