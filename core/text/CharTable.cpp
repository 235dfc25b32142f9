#include "text/CharTable.h"

#include <cwctype>

namespace quorvex {

void CharTable::Clear()
{
    for (CharEntry& e : entries) {
        e.key = kNoKey;
        e.text.clear();
    }
}

int CharTable::FindKey(uint16_t key, int count) const
{
    if (key == kNoKey)
        return -1;
    if (count > kCharTableSize)
        count = kCharTableSize;
    for (int i = 0; i < count; ++i)
        if (entries[static_cast<size_t>(i)].key == key)
            return i;
    return -1;
}

bool IsNullText(const std::wstring& text)
{
    static const wchar_t kNull[] = L"NULL";
    if (text.size() != 4)
        return false;
    for (size_t i = 0; i < 4; ++i)
        if (std::towupper(static_cast<wint_t>(text[i])) != static_cast<wint_t>(kNull[i]))
            return false;
    return true;
}

namespace {

void Set(CharTable& t, int code, const std::wstring& text, uint16_t key)
{
    t[code].SetText(text);
    t[code].key = key;
}

// The printable characters of the dialogue encoding from 0x5E on, with
// their keys; the letters and digits before them are regular.
struct Punct {
    wchar_t ch; // 0: the entry is empty
    uint16_t key;
};
constexpr Punct kDialoguePunct[] = {
    {L'!', kKeyShift | '1'},          // 5E
    {L'?', kKeyShift | vk::kSlash},   // 5F
    {L'/', vk::kSlash},               // 60
    {L':', kKeyShift | vk::kSemicolon}, // 61
    {L']', vk::kRightBracket},        // 62
    {L'\'', vk::kApostrophe},         // 63
    {L'-', vk::kMinus},               // 64
    {L'.', vk::kPeriod},              // 65
    {L',', vk::kComma},               // 66
    {L'_', kKeyShift | vk::kMinus},   // 67
    {L';', vk::kSemicolon},           // 68
    {L'#', kKeyShift | '3'},          // 69
    {L'+', kKeyShift | vk::kEquals},  // 6A
    {L'(', kKeyShift | '9'},          // 6B
    {L')', kKeyShift | '0'},          // 6C
    {L'%', kKeyShift | '5'},          // 6D
    {L'~', kKeyShift | vk::kGrave},   // 6E
    {L'*', kKeyShift | '8'},          // 6F
    {L'@', kKeyShift | '2'},          // 70
    {L'&', kKeyShift | '7'},          // 71
    {L'=', vk::kEquals},              // 72
    {L'[', vk::kLeftBracket},         // 73
    {0, kKeyShift | vk::kSubtract},   // 74
    {0, kKeyShift | vk::kAdd},        // 75
    {L'$', kKeyShift | '4'},          // 76
    {L'\\', vk::kBackslash},          // 77
    {L'^', kKeyShift | '6'},          // 78
    {L'\u00B1', vk::kDivide},         // 79 plus-minus
    {L'\u00A3', vk::kMultiply},       // 7A pound
    {L'{', kKeyShift | vk::kLeftBracket},  // 7B
    {L'}', kKeyShift | vk::kRightBracket}, // 7C
    {L'`', vk::kGrave},               // 7D
    {L'|', kKeyShift | vk::kBackslash}, // 7E
    {L' ', vk::kSpace},               // 7F
};

// Characters of the dialogue encoding (codes 0x20-0x7F).
void FillDialogueCharacters(CharTable& t, int offset)
{
    for (int i = 0; i < 26; ++i) {
        Set(t, 0x20 + offset + i, std::wstring(1, static_cast<wchar_t>(L'A' + i)), static_cast<uint16_t>(kKeyShift | ('A' + i)));
        Set(t, 0x3A + offset + i, std::wstring(1, static_cast<wchar_t>(L'a' + i)), static_cast<uint16_t>('A' + i));
    }
    for (int i = 0; i < 10; ++i)
        Set(t, 0x54 + offset + i, std::wstring(1, static_cast<wchar_t>(L'0' + i)), static_cast<uint16_t>('0' + i));
    int code = 0x5E;
    for (const Punct& p : kDialoguePunct) {
        if (code + offset <= 0xFF)
            Set(t, code + offset, p.ch ? std::wstring(1, p.ch) : std::wstring(), p.key);
        ++code;
    }
}

void FillBankTags(CharTable& t)
{
    for (int b = 1; b <= 4; ++b)
        Set(t, 0x1B + b, L"<BK" + std::to_wstring(b) + L"$xx>", kNoKey);
}

CharTable MakeDialogue()
{
    CharTable t;
    Set(t, 0x00, L"<EOC>", kNoKey);
    Set(t, 0x01, L"new line", vk::kReturn);
    for (int i = 0; i < 12; ++i)
        Set(t, 0x02 + i, L"<A" + std::to_wstring(i) + L">", static_cast<uint16_t>(vk::kF1 + i));
    Set(t, 0x0E, L"<A12>", kKeyShift | vk::kF1);
    Set(t, 0x0F, L"<A13>", kKeyShift | (vk::kF1 + 1));
    Set(t, 0x10, L"<D>", kKeyCtrl | 'D');
    Set(t, 0x11, L"<Ex> / <E$xx>", kKeyCtrl | 'E');
    Set(t, 0x12, L"<OP$12>", kKeyShift | kKeyCtrl | 'E');
    Set(t, 0x13, L"<EOP>", kKeyCtrl | vk::kReturn);
    Set(t, 0x14, L"<Sx> / <S$xx>", kNoKey);
    Set(t, 0x15, L"<C>", kKeyShift | kKeyCtrl | 'C');
    Set(t, 0x16, L"<Dx> / <D$xx>", kKeyShift | kKeyCtrl | 'D');
    Set(t, 0x17, L"<OP$17>", kNoKey);
    Set(t, 0x18, L"<OP$18>", kNoKey);
    Set(t, 0x19, L"<N>", kKeyShift | kKeyCtrl | 'N');
    Set(t, 0x1A, L"<I>", kKeyShift | kKeyCtrl | 'I');
    Set(t, 0x1B, L"<S>", kKeyShift | kKeyCtrl | 'S');
    FillBankTags(t);
    FillDialogueCharacters(t, 0);
    return t;
}

CharTable MakeBattle()
{
    CharTable t;
    Set(t, 0x00, L"<EOC>", kNoKey);
    Set(t, 0x01, L"new line", vk::kReturn);
    Set(t, 0x02, L"<Ax> / <A$xx>", kKeyShift | kKeyCtrl | 'A');
    Set(t, 0x04, L"<F>", kKeyShift | kKeyCtrl | 'F');
    Set(t, 0x05, L"<D>", kKeyCtrl | 'D');
    Set(t, 0x06, L"<Dx> / <D$xx>", kKeyShift | kKeyCtrl | 'D');
    Set(t, 0x07, L"<P>", kKeyCtrl | vk::kReturn);
    Set(t, 0x0C, L"<Bx> / <B$xx>", kKeyShift | kKeyCtrl | 'B');
    Set(t, 0x0E, L"<Ix> / <I$xx>", kKeyShift | kKeyCtrl | 'I');
    Set(t, 0x0F, L"<Sx> / <S$xx>", kKeyShift | kKeyCtrl | 'S');
    FillBankTags(t);
    // Characters: dialogue codes 0x20-0x7E moved up by 0x60 (the dialogue
    // space 0x7F would land on 0xDF, which stays empty).
    FillDialogueCharacters(t, 0x60);
    t[0xDF] = CharEntry{};
    Set(t, 0xFF, L" ", vk::kSpace);
    return t;
}

CharTable MakeMenu()
{
    const CharTable& battle = BattleCharTable();
    CharTable t;
    for (int c = 0x80; c <= 0xC1; ++c)
        t[c] = battle[c];
    Set(t, 0xC2, L"\"", kKeyShift | vk::kApostrophe);
    Set(t, 0xC3, L"'", vk::kApostrophe);
    static const wchar_t kRun[] = L"-.,_;#+()%~*";
    for (int i = 0; i < 12; ++i) {
        // Key as the same character has in the battle table.
        int key = kNoKey;
        for (int c = 0x80; c <= 0xDE; ++c)
            if (battle[c].text.size() == 1 && battle[c].text[0] == kRun[i]) {
                key = battle[c].key;
                break;
            }
        Set(t, 0xC4 + i, std::wstring(1, kRun[i]), static_cast<uint16_t>(key));
    }
    Set(t, 0xD2, L"=", vk::kEquals);
    Set(t, 0xD3, L"^", kKeyShift | '6');
    Set(t, 0xD4, L"<AU>", kNoKey);
    Set(t, 0xD5, L"<AR>", kNoKey);
    Set(t, 0xD6, L"<ADL>", kNoKey);
    Set(t, 0xD7, L"\\", vk::kBackslash);
    static const wchar_t* const kIcons[] = {L"<WD>", L"<WSW>", L"<WL>", L"<WK>", L"<WRD>", L"<WB>",
                                            L"<WST>", L"<WSP>", L"<WG>", L"<WC>", L"<ESH>", L"<EH>",
                                            L"<EA>", L"<ITL>", L"<ISK>", L"<ER>", L"<MW>", L"<MB>", L"<MG>"};
    for (int i = 0; i < 19; ++i)
        Set(t, 0xD8 + i, kIcons[i], kNoKey);
    for (int i = 0; i <= 8; ++i)
        Set(t, 0xF0 + i, L"<G" + std::to_wstring(i) + L">", kNoKey);
    Set(t, 0xF9, L"<GL>", kNoKey);
    Set(t, 0xFA, L"<GR>", kNoKey);
    Set(t, 0xFE, L" ", vk::kSpace);
    Set(t, 0xFF, L"<EOS>", kNoKey);
    return t;
}

CharTable MakeMenuJp()
{
    CharTable t;
    Set(t, 0xFF, L"<EOS>", kNoKey);
    return t;
}

} // namespace

const CharTable& DialogueCharTable()
{
    static const CharTable t = MakeDialogue();
    return t;
}

const CharTable& BattleCharTable()
{
    static const CharTable t = MakeBattle();
    return t;
}

const CharTable& MenuCharTable()
{
    static const CharTable t = MakeMenu();
    return t;
}

const CharTable& MenuCharTableJp()
{
    static const CharTable t = MakeMenuJp();
    return t;
}

} // namespace quorvex
