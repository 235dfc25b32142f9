#include "text/NameEditor.h"

#include <cstdio>

namespace quorvex {

int TypedNameCode(wchar_t ch)
{
    if (ch >= L'A' && ch <= L'Z')
        return 0x80 + (ch - L'A');
    if (ch >= L'a' && ch <= L'z')
        return 0x9A + (ch - L'a');
    if (ch >= L'0' && ch <= L'9')
        return 0xB4 + (ch - L'0');
    switch (ch) {
    case L'!': return 0xBE;
    case L'?': return 0xBF;
    case L'/': return 0xC0;
    case L':': return 0xC1;
    case L'"': return 0xC2;
    case L'\'': return 0xC3;
    case L'-': return 0xC4;
    case L'.': return 0xC5;
    // The comma has its own glyph in the menu font; typing it must not
    // give a hyphen.
    case L',': return 0xC6;
    case L';': return 0xC8;
    case L'#': return 0xC9;
    case L'+': return 0xCA;
    case L'(': return 0xCB;
    case L')': return 0xCC;
    case L'%': return 0xCD;
    case L'~': return 0xCE;
    case L'*': return 0xCF;
    case L'@': return 0xD0;
    case L'=': return 0xD2;
    case L' ': return 0xFE;
    default: return -1;
    }
}

NameEditor::NameEditor(std::vector<uint8_t> oldName, NameFontKind kind)
    : m_old(std::move(oldName)), m_kind(kind)
{
    Reset();
}

void NameEditor::Reset()
{
    m_new = m_old;
    // The cursor stands after the last character of the name.
    m_cursor = 0;
    while (m_cursor < static_cast<int>(m_new.size()) && m_new[static_cast<size_t>(m_cursor)] != 0xFF)
        ++m_cursor;
    m_edited = false;
}

void NameEditor::StartEditing()
{
    if (m_edited)
        return;
    // The first character replaces the name rather than appending to it.
    m_new.assign(m_new.size(), 0xFF);
    m_cursor = 0;
    m_edited = true;
}

void NameEditor::AddCode(uint8_t code)
{
    if (m_new.empty())
        return;
    StartEditing();
    const int last = static_cast<int>(m_new.size()) - 1;
    const int at = m_cursor > last ? last : m_cursor;
    m_new[static_cast<size_t>(at)] = code;
    m_cursor = at + 1;
}

bool NameEditor::Type(wchar_t ch)
{
    if (m_kind != NameFontKind::Small)
        return false;
    const int code = TypedNameCode(ch);
    if (code < 0)
        return false;
    AddCode(static_cast<uint8_t>(code));
    return true;
}

void NameEditor::Backspace()
{
    m_edited = true;
    if (m_cursor == 0)
        return;
    --m_cursor;
    m_new[static_cast<size_t>(m_cursor)] = 0xFF;
}

std::string NameEditor::RemainingText() const
{
    char buf[40];
    std::snprintf(buf, sizeof buf, "Remaining Bytes: %d", Remaining());
    return buf;
}

bool TypeName(NameEditor& editor, const std::wstring& text, size_t* badPos)
{
    for (size_t i = 0; i < text.size(); ++i)
        if (TypedNameCode(text[i]) < 0) {
            if (badPos)
                *badPos = i;
            return false;
        }
    for (wchar_t ch : text)
        editor.Type(ch);
    return true;
}

} // namespace quorvex
