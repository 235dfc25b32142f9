#pragma once
// The logic of the names editor ("Quorvex: Names Editor"): one fixed-length
// name in the menu encoding, edited with a cursor. The window only shows
// this state and forwards clicks and keys.
#include <cstdint>
#include <string>
#include <vector>

namespace quorvex {

enum class NameFontKind {
    Small,      // the small font: grid 0x80-0xFF, typing and Backspace
    DeleteOnly, // grid 0x20-0xFF; typing adds nothing, only Backspace works
};

// The game code a typed character stands for in names, or -1 when the
// character has none.
int TypedNameCode(wchar_t ch);

class NameEditor {
public:
    // The field length is the old name's length.
    NameEditor(std::vector<uint8_t> oldName, NameFontKind kind = NameFontKind::Small);

    NameFontKind Kind() const { return m_kind; }
    // The grid: codes from FirstGridCode() on, GridCount() of them, eight a row.
    int FirstGridCode() const { return m_kind == NameFontKind::Small ? 0x80 : 0x20; }
    int GridCount() const { return 0x100 - FirstGridCode(); }
    static constexpr int kGridColumns = 8;

    // Adds a code at the cursor (a grid click). The first addition after
    // opening clears the whole name first. At the end of the field the last
    // byte is overwritten.
    void AddCode(uint8_t code);
    // A typed character; false when it adds nothing.
    bool Type(wchar_t ch);
    // Backspace (and the cancel key): the byte before the cursor becomes 0xFF.
    void Backspace();
    // The old name back, as when the editor opened.
    void Reset();
    // Cancel: the old name back.
    void Cancel() { Reset(); }

    const std::vector<uint8_t>& OldName() const { return m_old; }
    const std::vector<uint8_t>& NewName() const { return m_new; }
    int Cursor() const { return m_cursor; }
    int Used() const { return m_cursor; }
    int Remaining() const { return static_cast<int>(m_new.size()) - m_cursor; }
    bool Edited() const { return m_edited; }
    // "Remaining Bytes: %d"
    std::string RemainingText() const;

private:
    void StartEditing();

    std::vector<uint8_t> m_old;
    std::vector<uint8_t> m_new;
    NameFontKind m_kind;
    int m_cursor = 0;
    bool m_edited = false;
};

// Types a whole text as a user would, from a freshly opened editor.
// Returns false (and the position of the first character that has no code
// in `badPos`) when a character cannot be typed.
bool TypeName(NameEditor& editor, const std::wstring& text, size_t* badPos = nullptr);

} // namespace quorvex
