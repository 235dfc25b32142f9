#pragma once
// The rename buttons beside a description or a battle quote: each opens
// "Quorvex: Text Editor" on its block (or fixed records) with the record's
// string selected, unless the block cannot be edited, in which case the
// editor's refusal is shown instead. Text applied and kept with OK counts
// as an edit of the sheet, so its Cancel asks before throwing it away.
#include <string>

#include "text/TextPage.h"

class CEditorSheet;
class QWidget;

// Shows `refusal` as an error when it is not empty; otherwise opens the text
// editor. True when the user closed the text editor with OK.
bool OpenDescriptionEditor(QWidget* parent, CEditorSheet* sheet, const std::string& refusal,
                           const quorvex::TextPageConfig& config);

// The Menu Description button of an item: the editor, the repair offer for
// the game's own descriptions, or the refusal.
bool OpenItemDescriptionEditor(QWidget* parent, CEditorSheet* sheet, int item);
