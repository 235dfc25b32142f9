#include "monsters/ScriptNames.h"

#include "monsters/FormationTables.h"
#include "rom/RomData.h"
#include "text/TextCodec.h"
#include "text/TextPage.h"

namespace quorvex {

namespace {

constexpr const char* kUnknown = "???";

std::string NameOf(const NameList& list, int n, uint8_t romType)
{
    if (n < 0 || !list.Valid(static_cast<uint32_t>(n)))
        return kUnknown;
    return WideToUtf8(list.Decode(static_cast<uint32_t>(n), romType));
}

} // namespace

std::string RomScriptNames::Attack(int n) const
{
    const NameListTables& l = m_rd.names;
    if (n < 0x36)
        return NameOf(l.spellNames, n, m_rd.romType);
    if (n < 0x51)
        return NameOf(l.esperNames, n - 0x36, m_rd.romType);
    return NameOf(l.attackNames, n - 0x51, m_rd.romType);
}

std::string RomScriptNames::Command(int n) const { return NameOf(m_rd.scripts.commandNames, n, m_rd.romType); }
std::string RomScriptNames::Item(int n) const { return NameOf(m_rd.names.itemNames, n, m_rd.romType); }
std::string RomScriptNames::Monster(int n) const
{
    // The list holds made-up names past the game's 384 monsters.
    return n < kBattleScriptCount ? NameOf(m_rd.names.monsterNames, n, m_rd.romType) : kUnknown;
}

bool RomScriptNames::FormationMonsters(int f, std::vector<std::string>& names) const
{
    const uint8_t* rec = FormationBytes(m_rd, f);
    if (rec == nullptr)
        return false;
    names.clear();
    // Six slots: the low 8 bits of each monster number in bytes 2-7, the
    // ninth bits in byte 14. Numbers from 384 on mean an empty slot.
    for (int s = 0; s < 6; ++s) {
        const int monster = rec[2 + s] | (((rec[14] >> s) & 1) << 8);
        if (monster < kBattleScriptCount)
            names.push_back(Monster(monster));
    }
    return true;
}

bool RomScriptNames::SmallQuote(int n, std::string& text) const
{
    const CFF6DynTextObj& quotes = m_rd.text.battleMessages;
    if (n < 0 || n >= quotes.Count())
        return false;
    if (!m_quoteTable)
        m_quoteTable = std::make_shared<const CharTable>(DefaultPageTable(kKindBattleSmall, m_rd.romType));
    const std::wstring decoded = DecodeBattle(quotes.GetString(n), m_quoteTable.get(), m_rd.romType).text;
    // The quote's lines joined with single spaces.
    std::wstring joined;
    bool brk = false;
    for (wchar_t ch : decoded) {
        if (ch == L'\n' || ch == L'\r') {
            brk = true;
            continue;
        }
        if (brk && !joined.empty())
            joined += L' ';
        brk = false;
        joined += ch;
    }
    text = WideToUtf8(joined);
    return true;
}

} // namespace quorvex
