#pragma once
// "Quorvex: Dialog Editor": town dialogue, the dual-tile (or multiple-tile)
// table and location names, one text page each. OK keeps the edits and
// marks the document modified; Cancel puts back every table as it was when
// the editor opened.
#include <QDialog>
#include <memory>

#include "text/TextPage.h"

namespace quorvex {
class TableSnapshot;
class CQuorvexDoc;
}
class CTextPage;
class QTabWidget;

class CDialogEditor : public QDialog {
    Q_OBJECT
public:
    CDialogEditor(quorvex::CQuorvexDoc& doc, QWidget* parent = nullptr);
    ~CDialogEditor() override;
    CTextPage* Page(int i) const;
    QTabWidget* Tabs() const { return m_tabs; }

    // Opens the editor modally, unless the image's dialogue cannot be
    // edited (the refusal is shown instead).
    static void Run(QWidget* parent, quorvex::CQuorvexDoc& doc);

public slots:
    void accept() override;
    void reject() override;

private:
    quorvex::CQuorvexDoc& m_doc;
    QTabWidget* m_tabs = nullptr;
    std::unique_ptr<quorvex::TableSnapshot> m_opened; // Cancel puts these tables back
};

// The one-page "Quorvex: Text Editor" that other editors open on a block or
// on fixed records; Cancel restores what the block (or records) held when
// it opened.
class CTextEditorDia : public QDialog {
    Q_OBJECT
public:
    CTextEditorDia(quorvex::CQuorvexDoc& doc, const quorvex::TextPageConfig& config, QWidget* parent = nullptr);
    ~CTextEditorDia() override;
    CTextPage* Page() const { return m_page; }

public slots:
    void accept() override;
    void reject() override;

private:
    quorvex::CQuorvexDoc& m_doc;
    CTextPage* m_page = nullptr;
    std::unique_ptr<quorvex::TableSnapshot> m_opened; // Cancel puts these tables back
};
