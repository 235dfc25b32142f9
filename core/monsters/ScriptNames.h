#pragma once
// The game's own names a battle-script description quotes: attacks, battle
// commands, items, monsters, the monsters of a formation and the small
// battle quotes. The describer asks through this interface, so that it can
// be tested on its own and the page, the script files and the command line
// describe scripts from the open image in one way.
#include <memory>
#include <string>
#include <vector>

namespace quorvex {

struct RomData;
struct CharTable;

class ScriptNames {
public:
    virtual ~ScriptNames() = default;
    // Each returns the name in the tag language (UTF-8), or "???" when the
    // number lies past the end of its list.
    // Attack n: spells 0x00-0x35, espers 0x36-0x50, other attacks 0x51 on.
    virtual std::string Attack(int n) const = 0;
    // Battle command n (0x00-0x1F are named).
    virtual std::string Command(int n) const = 0;
    virtual std::string Item(int n) const = 0;
    virtual std::string Monster(int n) const = 0;
    // The names of the monsters in formation f (slots whose monster number
    // is below 384); false when the image has no formation f.
    virtual bool FormationMonsters(int f, std::vector<std::string>& names) const = 0;
    // Small battle quote n, its lines joined with single spaces; false when
    // the image has no quote n.
    virtual bool SmallQuote(int n, std::string& text) const = 0;
};

// The names of the open image.
class RomScriptNames : public ScriptNames {
public:
    explicit RomScriptNames(const RomData& rd) : m_rd(rd) {}
    std::string Attack(int n) const override;
    std::string Command(int n) const override;
    std::string Item(int n) const override;
    std::string Monster(int n) const override;
    bool FormationMonsters(int f, std::vector<std::string>& names) const override;
    bool SmallQuote(int n, std::string& text) const override;

private:
    const RomData& m_rd;
    // The small battle quotes' character table, made on first use.
    mutable std::shared_ptr<const CharTable> m_quoteTable;
};

} // namespace quorvex
