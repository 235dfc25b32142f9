#pragma once
// "Actors Editor": what the actors start with and how they grow, in five
// pages.
#include "controls/EditorSheet.h"

class CStartupHpMpExpPage;

class CStartupSheet : public CEditorSheet {
    Q_OBJECT
public:
    CStartupSheet(quorvex::CQuorvexDoc& doc, QWidget* parent = nullptr);

    // The evolution wizard closes with the sheet.
    void done(int result) override;

private:
    CStartupHpMpExpPage* m_evolution;
};
