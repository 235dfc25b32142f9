#pragma once
// "Status": the names of the 32 statuses, renamed one at a time.
#include "controls/NamedRecordPage.h"

class QLabel;

class CBattleEdStatusPage : public CNamedRecordPage {
    Q_OBJECT
public:
    explicit CBattleEdStatusPage(CEditorSheet* sheet);
    QLabel* Picture() const { return m_picture; }

protected:
    void Renamed() override { Refresh(); }

private:
    QLabel* m_picture;
};
