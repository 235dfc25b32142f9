#pragma once
// "Keyboard Mapping": every code of a page's character table with its
// shortcut and display text, editable; Apply hands the table to the page.
// "Game char" shows the glyph the code draws in the game's font and "Width"
// the width it advances by, once the page hands over the font.
#include <QDialog>
#include <functional>

#include "text/CharTable.h"
#include "text/TextCodec.h"

class QImage;
class QTableWidget;
class QLabel;
class QPushButton;

class CWizTextConvDia : public QDialog {
    Q_OBJECT
public:
    CWizTextConvDia(const quorvex::CharTable& table, int rows, quorvex::TextStyle style, QWidget* parent = nullptr);
    // Called by Apply with the edited table.
    void SetApplyHandler(std::function<void(const quorvex::CharTable&)> handler) { m_onApply = std::move(handler); }
    const quorvex::CharTable& Table() const { return m_table; }
    // Draws entry `entry` in the game's font: false when it has no glyph.
    using GlyphFn = std::function<bool(int entry, QImage& glyph, int& width)>;
    void SetGlyphs(const GlyphFn& glyphs);
    QTableWidget* List() const { return m_list; }
    QPushButton* ApplyButton() const { return m_apply; }
    QPushButton* DoneButton() const { return m_done; }

public slots:
    void OnApply();

private:
    quorvex::CharTable m_table;
    int m_rows;
    QTableWidget* m_list = nullptr;
    QPushButton* m_apply = nullptr;
    QPushButton* m_done = nullptr;
    std::function<void(const quorvex::CharTable&)> m_onApply;
};
