#pragma once
// "Quorvex: Dialog Editor": town dialogue, the dual-tile (or multiple-tile)
// table and location names, one text page each, on the shared editor
// sheet: OK applies a caption typed but not applied, keeps the edits and
// marks the document modified; Cancel, Esc and the close button ask before
// throwing away edits (applied ones too), then put back every table as it
// was when the editor opened.
#include "controls/EditorSheet.h"
#include "text/TextPage.h"

class CTextPage;

class CDialogEditor : public CEditorSheet {
    Q_OBJECT
public:
    CDialogEditor(quorvex::CQuorvexDoc& doc, QWidget* parent = nullptr);
    CTextPage* Page(int i) const;

    // Opens the editor modally, unless the image's dialogue cannot be
    // edited (the refusal is shown instead).
    static void Run(QWidget* parent, quorvex::CQuorvexDoc& doc);
};

// The one-page "Quorvex: Text Editor" that other editors open on a block or
// on fixed records; Cancel asks like every editor, then restores what the
// block (or records) held when it opened. OK leaves marking the document
// modified to the editor that opened it.
class CTextEditorDia : public CEditorSheet {
    Q_OBJECT
public:
    CTextEditorDia(quorvex::CQuorvexDoc& doc, const quorvex::TextPageConfig& config, QWidget* parent = nullptr);
    CTextPage* Page() const { return m_page; }

public slots:
    void accept() override;

private:
    CTextPage* m_page = nullptr;
};
