#include "CaptionEdit.h"

#include <QKeyEvent>

using namespace quorvex;

void CCaptionEdit::SetTable(const CharTable& table, TextStyle style, uint8_t romType)
{
    m_table = table;
    m_style = style;
    m_romType = romType;
}

uint16_t CCaptionEdit::KeyValue(int key, Qt::KeyboardModifiers mods)
{
    // Qt key codes to the desktop virtual-key numbering the tables use.
    uint16_t vk = 0xFF;
    const bool keypad = mods & Qt::KeypadModifier;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        vk = static_cast<uint16_t>(0x70 + (key - Qt::Key_F1));
    else if (keypad && key >= Qt::Key_0 && key <= Qt::Key_9)
        vk = static_cast<uint16_t>(0x60 + (key - Qt::Key_0));
    else if (key >= Qt::Key_0 && key <= Qt::Key_9)
        vk = static_cast<uint16_t>(key);
    else if (key >= Qt::Key_A && key <= Qt::Key_Z)
        vk = static_cast<uint16_t>(key);
    else {
        switch (key) {
        case Qt::Key_Tab: vk = 0x09; break;
        case Qt::Key_Clear: vk = 0x0C; break;
        case Qt::Key_Return:
        case Qt::Key_Enter: vk = 0x0D; break;
        case Qt::Key_Escape: vk = 0x1B; break;
        case Qt::Key_Space: vk = 0x20; break;
        case Qt::Key_PageUp: vk = 0x21; break;
        case Qt::Key_PageDown: vk = 0x22; break;
        case Qt::Key_Asterisk: vk = keypad ? 0x6A : 0x38; break;
        case Qt::Key_Plus: vk = keypad ? 0x6B : 0xBB; break;
        case Qt::Key_Minus: vk = keypad ? 0x6D : 0xBD; break;
        case Qt::Key_Period: vk = keypad ? 0x6E : 0xBE; break;
        case Qt::Key_Slash: vk = keypad ? 0x6F : 0xBF; break;
        case Qt::Key_Semicolon:
        case Qt::Key_Colon: vk = 0xBA; break;
        case Qt::Key_Equal: vk = 0xBB; break;
        case Qt::Key_Comma:
        case Qt::Key_Less: vk = 0xBC; break;
        case Qt::Key_Underscore: vk = 0xBD; break;
        case Qt::Key_Greater: vk = 0xBE; break;
        case Qt::Key_Question: vk = 0xBF; break;
        case Qt::Key_QuoteLeft:
        case Qt::Key_AsciiTilde: vk = 0xC0; break;
        case Qt::Key_BracketLeft:
        case Qt::Key_BraceLeft: vk = 0xDB; break;
        case Qt::Key_Backslash:
        case Qt::Key_Bar: vk = 0xDC; break;
        case Qt::Key_BracketRight:
        case Qt::Key_BraceRight: vk = 0xDD; break;
        case Qt::Key_Apostrophe:
        case Qt::Key_QuoteDbl: vk = 0xDE; break;
        default: return kNoKey;
        }
    }
    uint16_t v = vk;
    if (mods & Qt::ShiftModifier)
        v |= kKeyShift;
    if (mods & Qt::ControlModifier)
        v |= kKeyCtrl;
    if (mods & Qt::AltModifier)
        v |= kKeyAlt;
    return v;
}

void CCaptionEdit::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_S && (e->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier) {
        emit applyRequested();
        return;
    }
    const uint16_t v = KeyValue(e->key(), e->modifiers());
    const bool plainEnter = (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) &&
                            !(e->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier));
    if (v != kNoKey && !plainEnter) {
        const int index = FindEntryForKey(m_table, v, m_style, m_romType);
        if (index >= 0) {
            insertPlainText(QString::fromStdWString(DefaultInsertion(m_table, index, m_style)));
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(e);
}
