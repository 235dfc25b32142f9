#pragma once
// The caption edit field: a plain text edit in which the keys of the page's
// character table type their entries (the tag language's default
// insertions). Enter alone still types a line break.
#include <QPlainTextEdit>

#include "text/CharTable.h"
#include "text/TextCodec.h"

class CCaptionEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CCaptionEdit(QWidget* parent = nullptr) : QPlainTextEdit(parent) {}
    void SetTable(const quorvex::CharTable& table, quorvex::TextStyle style, uint8_t romType);
    // The key value of a key press in the table's encoding.
    static uint16_t KeyValue(int qtKey, Qt::KeyboardModifiers mods);

signals:
    // Ctrl+S: apply the caption.
    void applyRequested();

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    quorvex::CharTable m_table;
    quorvex::TextStyle m_style = quorvex::kStyleDialogue;
    uint8_t m_romType = 1;
};
