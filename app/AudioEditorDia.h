#pragma once
// "Quorvex: Audio Editor": the "BRR" page of the game's instrument samples
// on the shared editor sheet.
#include "BrrPage.h"
#include "controls/EditorSheet.h"

// The editor on the shared sheet: Cancel, Esc and the close button ask
// before throwing a replacement away, then put the samples back as they
// were when the editor opened (replacements an earlier OK kept survive).
class CAudioEditorDia : public CEditorSheet {
    Q_OBJECT
public:
    explicit CAudioEditorDia(quorvex::CQuorvexDoc& doc, QWidget* parent = nullptr);
    CBrrPage* BrrPage() const { return m_brr; }

    void accept() override;
    void reject() override;

private:
    CBrrPage* m_brr;
};
