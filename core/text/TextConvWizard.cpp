#include "text/TextConvWizard.h"

namespace quorvex {

const std::vector<KeyName>& KeyNameTable()
{
    static const std::vector<KeyName> table = [] {
        static const char* const kDigits[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
        static const char* const kLetters[] = {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
                                               "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z"};
        static const char* const kNum[] = {"Num0", "Num1", "Num2", "Num3", "Num4",
                                           "Num5", "Num6", "Num7", "Num8", "Num9"};
        static const char* const kF[] = {"F1",  "F2",  "F3",  "F4",  "F5",  "F6",  "F7",  "F8",
                                         "F9",  "F10", "F11", "F12", "F13", "F14", "F15", "F16",
                                         "F17", "F18", "F19", "F20", "F21", "F22", "F23", "F24"};
        std::vector<KeyName> t = {{0x09, "TAB"},   {0x0C, "CLEAR"}, {0x0D, "ENTER"},
                                  {0x1B, "ESC"},   {0x20, "SPACE"}, {0x21, "PG UP"}, {0x22, "PG DOWN"}};
        for (uint16_t i = 0; i < 10; ++i)
            t.push_back({static_cast<uint16_t>(0x30 + i), kDigits[i]});
        for (uint16_t i = 0; i < 26; ++i)
            t.push_back({static_cast<uint16_t>(0x41 + i), kLetters[i]});
        for (uint16_t i = 0; i < 10; ++i)
            t.push_back({static_cast<uint16_t>(0x60 + i), kNum[i]});
        const KeyName pad[] = {{0x6A, "Num*"}, {0x6B, "Num+"}, {0x6C, "Sep"},
                               {0x6D, "Num-"}, {0x6E, "Num."}, {0x6F, "Num/"}};
        t.insert(t.end(), std::begin(pad), std::end(pad));
        for (uint16_t i = 0; i < 24; ++i)
            t.push_back({static_cast<uint16_t>(0x70 + i), kF[i]});
        const KeyName punct[] = {{0xBA, ";"}, {0xBB, "="}, {0xBC, ","},  {0xBD, "-"}, {0xBE, "."}, {0xBF, "/"},
                                 {0xC0, "`"}, {0xDB, "["}, {0xDC, "\\"}, {0xDD, "]"}, {0xDE, "'"}, {0xE2, "<"},
                                 {0xFF, ""}};
        t.insert(t.end(), std::begin(punct), std::end(punct));
        return t;
    }();
    return table;
}

std::string ShortcutText(uint16_t key)
{
    if (key == kNoKey)
        return "";
    std::string s;
    if (key & kKeyShift)
        s += "SHIFT+";
    if (key & kKeyCtrl)
        s += "CTRL+";
    if (key & kKeyAlt)
        s += "ALT+";
    for (const KeyName& k : KeyNameTable())
        if (k.code == (key & 0xFF) && k.code != 0xFF) {
            s += k.name;
            return s;
        }
    return s;
}

uint16_t ParseShortcut(const std::string& text)
{
    uint16_t mods = 0;
    size_t pos = 0;
    const std::pair<const char*, uint16_t> prefixes[] = {{"SHIFT+", kKeyShift}, {"CTRL+", kKeyCtrl}, {"ALT+", kKeyAlt}};
    for (const auto& [name, bit] : prefixes) {
        const size_t at = text.find(name, pos);
        if (at != std::string::npos) {
            mods |= bit;
            pos = at + std::char_traits<char>::length(name);
        }
    }
    const std::string rest = text.substr(pos);
    for (const KeyName& k : KeyNameTable()) {
        if (k.code == 0xFF)
            break;
        if (rest == k.name)
            return static_cast<uint16_t>(mods | k.code);
    }
    return static_cast<uint16_t>(mods | 0xFF);
}

std::string MappingLegend(TextStyle style)
{
    std::string s = "Legend:\n  <EOC>: end of caption, optional\n";
    if (style == kStyleDialogue) {
        s += "  <A0> - <A12>: use the name of a specific actor\n"
             "  <D>: a static delay of about 1 sec.\n"
             "  <Ex> / <E$xx>: an event specified in dec. or hex.\n"
             "  <OP$12>: an opcode specifying the end of *some* events\n"
             "  <EOP>: end of page\n"
             "  <Sx> / <S$xx>: number of repeated space char., in dec. or hex.\n"
             "  <C>: a choice\n"
             "  <Dx> / <D$xx>: a programmable delay specified in dec. or hex., 1 = 1/4 sec.\n"
             "  <OP$17>: unknown opcode\n"
             "  <OP$18>: unknown opcode\n"
             "  <N>: a number was supplied by the calling code and must be displayed\n"
             "  <I>: an item was supplied by the calling code and must be displayed\n"
             "  <S>: a spell was supplied by the calling code and must be displayed\n";
    } else {
        s += "  <Ax> / <A$xx>: actor, in dec. or hex., 0 - 63\n"
             "  <F>: toggle font colour between red and white\n"
             "  <D>: a static delay of about 1 sec.\n"
             "  <Dx> / <D$xx>: a programmable delay specified in dec. or hex., $40 = 1 sec.\n"
             "  <P>: waits for user to press A\n"
             "  <Bx> / <B$xx>: battle command, in dec. or hex., 0 - 31\n"
             "  <Ix> / <I$xx>: item, in dec. or hex.\n"
             "  <Sx> / <S$xx>: spell, in dec. or hex.\n";
    }
    s += "  <BK1$xx> - <BK4$xx>: Kanji ext. char. banks specified in hex. (FF6J only)\n"
         "  <$xx>: a raw hex entry\n";
    return s;
}

void ApplyMapping(CharTable& table, const std::vector<MappingRow>& rows)
{
    for (size_t i = 0; i < rows.size() && i < static_cast<size_t>(kCharTableSize); ++i) {
        CharEntry& e = table[static_cast<int>(i)];
        e.key = ParseShortcut(rows[i].keypress);
        e.SetText(rows[i].display);
    }
}

} // namespace quorvex
