#pragma once
// "Battle Cmds.": what each of the 32 battle commands may do and whom it
// targets, as one check list of 16 rows: the attribute byte's bits, then
// the targeting byte's.
#include "controls/NamedRecordPage.h"

class CCheckListControl;

class CBattleBtlCmdsAttr : public CNamedRecordPage {
    Q_OBJECT
public:
    explicit CBattleBtlCmdsAttr(CEditorSheet* sheet);
    CCheckListControl* List() const { return m_list; }

private:
    CCheckListControl* m_list;
};
