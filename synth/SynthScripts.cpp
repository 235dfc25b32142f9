// The monster battle scripts of the synthetic image and the code operands
// that lead to them. The scripts are random but well formed, and between
// them they use every opcode (each plain attack 0x00-0xEF and each control
// command 0xF0-0xFE) and every condition of 0xFC. Variants place them where
// the known patches put them, or give the area one of its known faults.
#include <algorithm>
#include <numeric>

#include "SynthImage.h"
#include "monsters/BattleScriptTables.h"
#include "rom/RomAddress.h"

namespace quorvex::synth {

namespace {

constexpr int kScripts = 384;

// Hands out opcodes so that each one comes up in turn, in a shuffled order.
class OpcodeCycle {
public:
    explicit OpcodeCycle(Rng& rng) : m_rng(rng)
    {
        m_plain.resize(0xF0);
        std::iota(m_plain.begin(), m_plain.end(), 0);
        m_control.resize(15);
        std::iota(m_control.begin(), m_control.end(), 0xF0);
        Shuffle(m_plain);
        Shuffle(m_control);
    }
    uint8_t Plain() { return Next(m_plain, m_nextPlain); }
    uint8_t Control() { return Next(m_control, m_nextControl); }
    // The conditions of 0xFC in turn: 0x00-0x1D, the undocumented ones too.
    uint8_t Condition() { return static_cast<uint8_t>(m_nextCondition++ % 0x1E); }

private:
    void Shuffle(std::vector<uint8_t>& v)
    {
        for (size_t i = v.size(); i > 1; --i)
            std::swap(v[i - 1], v[m_rng.Range(0, static_cast<uint32_t>(i - 1))]);
    }
    static uint8_t Next(const std::vector<uint8_t>& v, size_t& i) { return v[i++ % v.size()]; }

    Rng& m_rng;
    std::vector<uint8_t> m_plain, m_control;
    size_t m_nextPlain = 0, m_nextControl = 0, m_nextCondition = 0;
};

// One script: a first wave of commands, 0xFF, a second wave, 0xFF.
std::vector<uint8_t> MakeScript(Rng& rng, OpcodeCycle& ops, int maxCommands)
{
    std::vector<uint8_t> s;
    for (int wave = 0; wave < 2; ++wave) {
        const int count = static_cast<int>(rng.Range(wave == 0 ? 1 : 0, static_cast<uint32_t>(maxCommands)));
        for (int c = 0; c < count; ++c) {
            if (rng.Range(0, 2) == 0) {
                s.push_back(ops.Plain());
                continue;
            }
            const uint8_t op = ops.Control();
            s.push_back(op);
            for (int k = 0; k < ScriptOperandCount(op); ++k) {
                uint8_t v = static_cast<uint8_t>(rng.Range(0, 0xFE));
                if (k == 0 && op == 0xFC)
                    v = ops.Condition();
                else if (k == 0 && op == 0xF7)
                    v = static_cast<uint8_t>(rng.Range(0, 0x22)); // the events, and a few past them
                else if (k == 0 && (op == 0xFA || op == 0xFB || op == 0xF9))
                    v = static_cast<uint8_t>(rng.Range(0, 0x10));
                s.push_back(v);
            }
        }
        s.push_back(0xFF);
    }
    return s;
}

std::vector<uint8_t> PlainAttacks(Rng& rng, size_t n)
{
    std::vector<uint8_t> v(n);
    for (uint8_t& b : v)
        b = static_cast<uint8_t>(rng.Range(0, 0xEF));
    return v;
}

// The bytes each script keeps in the area, in monster order. A script that
// would leave too little room for the rest becomes FF FF.
std::vector<std::vector<uint8_t>> MakeScripts(Rng& rng, int maxCommands, size_t limit)
{
    OpcodeCycle ops(rng);
    std::vector<std::vector<uint8_t>> scripts;
    size_t pos = 0;
    for (int i = 0; i < kScripts; ++i) {
        std::vector<uint8_t> s = MakeScript(rng, ops, maxCommands);
        if (pos + s.size() > limit - 2 * static_cast<size_t>(kScripts - 1 - i))
            s = {0xFF, 0xFF};
        pos += s.size();
        scripts.push_back(std::move(s));
    }
    return scripts;
}

// Grows the scripts with plain attacks, spread over all of them, so that
// the area is exactly full. The two scripts of the Mag Roader defect keep
// their shape; the last script takes what is left.
void FillToCapacity(Rng& rng, std::vector<std::vector<uint8_t>>& scripts, size_t capacity)
{
    auto total = [&] {
        size_t n = 0;
        for (const auto& s : scripts)
            n += s.size();
        return n;
    };
    const size_t share = (capacity - total()) / scripts.size();
    for (size_t i = 0; i < scripts.size(); ++i) {
        if (i == kMagRoaderScript || i == kMagRoaderScript + 1)
            continue;
        const size_t extra = i + 1 < scripts.size() ? share : capacity - total();
        const std::vector<uint8_t> filler = PlainAttacks(rng, extra);
        scripts[i].insert(scripts[i].begin(), filler.begin(), filler.end());
    }
}

// The game's own defect: script 243 keeps 17 bytes of its own and runs on
// into the 12 bytes that begin script 244, 29 bytes in all.
void MakeMagRoaderDefect(Rng& rng, std::vector<std::vector<uint8_t>>& scripts)
{
    std::vector<uint8_t> own = PlainAttacks(rng, 16);
    own.push_back(0xFF);
    std::vector<uint8_t> next = PlainAttacks(rng, 11);
    next.push_back(0xFF);
    const std::vector<uint8_t> secondWave = PlainAttacks(rng, 2);
    next.insert(next.end(), secondWave.begin(), secondWave.end());
    next.push_back(0xFF);
    scripts[kMagRoaderScript] = own;
    scripts[kMagRoaderScript + 1] = next;
}

} // namespace

void FillBattleScripts(SynthImage& img)
{
    const SynthOptions& o = img.opts;
    const ScriptOperandPlaces places = ScriptOperands(o.romType);
    uint32_t ptrBase = kScriptPtrBaseOwn;
    uint32_t dataBase = kScriptDataBaseOwn;
    size_t capacity = kScriptSpaceOwn;
    int maxCommands = 4;
    switch (o.scriptLocation) {
    case 1: // grown in place past the game's own area
        capacity = 0x3F00;
        maxCommands = 7;
        break;
    case 2:
        ptrBase = 0xF00000;
        dataBase = 0xF00300;
        capacity = 0x8000;
        break;
    case 3:
        dataBase = o.mbit == 32 ? 0xFE0000 : 0xF60000;
        capacity = kScriptSpaceRelocated;
        maxCommands = 6;
        break;
    default: break;
    }
    const bool defect = o.scriptDefect != ScriptDefect::None;
    std::vector<std::vector<uint8_t>> scripts = MakeScripts(img.rng, maxCommands, defect ? capacity - 64 : capacity);
    if (o.scriptDefect == ScriptDefect::MagRoader)
        MakeMagRoaderDefect(img.rng, scripts);
    if (defect)
        FillToCapacity(img.rng, scripts, capacity);

    std::vector<uint8_t> area(capacity, 0xFF), pointers(kScriptPointerBytes);
    size_t pos = 0;
    for (int i = 0; i < kScripts; ++i) {
        WriteLe16(&pointers[2 * static_cast<size_t>(i)], static_cast<uint16_t>(pos));
        std::copy(scripts[static_cast<size_t>(i)].begin(), scripts[static_cast<size_t>(i)].end(),
                  area.begin() + static_cast<long>(pos));
        pos += scripts[static_cast<size_t>(i)].size();
    }
    if (o.scriptDefect == ScriptDefect::SharedPointer) {
        // Monster 100 shares the longest script of the set: counted once per
        // monster, the scripts then need more than the area holds.
        size_t longest = 0;
        for (size_t i = 1; i < scripts.size(); ++i)
            if (i != 100 && scripts[i].size() > scripts[longest].size())
                longest = i;
        pointers[200] = pointers[2 * longest];
        pointers[201] = pointers[2 * longest + 1];
    }
    if (o.scriptLocation == 1) {
        // Make sure at least one script starts past the game's own space.
        WriteLe16(&pointers[2 * 383], 0x3A00);
        area[0x3A00] = 0xFF;
        area[0x3A01] = 0xFF;
    }
    img.Put(SnesToRom(ptrBase), pointers);
    img.Put(SnesToRom(dataBase), area);
    img.Put24(places.pointerBase, ptrBase);
    for (uint32_t p : places.dataBase)
        img.Put24(p, dataBase);
}

} // namespace quorvex::synth
