#pragma once
// "Rage": which of the 256 rages, one per monster, are known from the
// start, as a check list of monster names.
#include "controls/RecordPage.h"

class CCheckListControl;

class CStartupRagePage : public CRecordPage {
    Q_OBJECT
public:
    explicit CStartupRagePage(CEditorSheet* sheet);
    CCheckListControl* List() const { return m_list; }

private:
    CCheckListControl* m_list;
};
