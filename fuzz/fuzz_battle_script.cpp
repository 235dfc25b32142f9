// Battle scripts over hostile bytes: script files imported into the scripts
// of a synthetic image, and script areas whose pointers lead anywhere and
// whose commands run off the area.
//
// The first input byte chooses what the rest is:
//   0: a script file's text, imported into the document's set;
//   1: a pointer table (768 bytes) and a script area (the rest), loaded;
//   2: the same, written into the image file where the game's code says
//      they are (the code's two bases come first), then loaded by the
//      document's own loader.
//
// Invariants: no crash, hang or sanitizer report. A set always keeps used
// equal to the sum of its scripts' lengths, every script ends with its
// second 0xFF and has exactly two; an import never leaves more bytes used
// than the capacity when it started within it. A set that loads with
// status 0 fits, packs, and loads back from its packed bytes unchanged; a
// set that cannot be split or does not fit is never written back. Every
// command of every loaded script can be described.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "SyntheticImage.h"
#include "monsters/BattleScriptDescriber.h"
#include "monsters/BattleScriptFile.h"
#include "monsters/BattleScriptTables.h"
#include "monsters/ScriptNames.h"
#include "rom/Document.h"
#include "rom/RomData.h"

using namespace quorvex;

namespace {

struct Fixture {
    std::string path;
    std::unique_ptr<CQuorvexDoc> doc;
    BattleScriptSet pristine;
};

Fixture& Image()
{
    static Fixture f = [] {
        Fixture x;
        char dir[] = "/tmp/fuzz_battle_script.XXXXXX";
        if (!mkdtemp(dir))
            std::abort();
        x.path = std::string(dir) + "/image.smc";
        synth::SynthOptions o;
        o.mbit = 28;
        if (!synth::WriteSyntheticImage(x.path, o))
            std::abort();
        x.doc = std::make_unique<CQuorvexDoc>();
        if (!x.doc->OnOpenDocument(x.path).ok)
            std::abort();
        x.pristine = x.doc->Rom().scripts.set;
        return x;
    }();
    return f;
}

void CheckScripts(const BattleScriptSet& set, const RomData& rd, bool describe)
{
    uint64_t used = 0;
    const RomScriptNames names(rd);
    // Hostile areas make scripts of thousands of commands; describing the
    // first 1500 of them is enough to reach every describer path.
    int describeLeft = 1500;
    for (int i = 0; i < set.Count(); ++i) {
        const BattleScript& s = set.Script(i);
        used += s.Length();
        int breaks = 0;
        for (int k = 0; k < s.CommandCount(); ++k)
            breaks += s.Opcode(k) == kScriptBreak ? 1 : 0;
        if (breaks != 2 || s.Opcode(s.CommandCount() - 1) != kScriptBreak)
            std::abort();
        for (int k = 0; describe && k < s.CommandCount() && describeLeft > 0; ++k, --describeLeft)
            if (DescribeCommand(s, k, names).empty() && s.Opcode(k) >= 0xF0)
                std::abort();
    }
    if (used != set.Used())
        std::abort();
}

void CheckLoaded(const BattleScriptSet& set, const RomData& rd)
{
    CheckScripts(set, rd, true);
    if (set.Status() != kScriptsGood)
        return;
    if (set.Avail() < 0)
        std::abort();
    std::vector<uint8_t> data, pointers;
    set.PackSet(data, pointers);
    BattleScriptSet again;
    again.InitSet(set.Capacity());
    if (again.LoadSet(pointers.data(), data.data(), set.Capacity()) != kScriptsGood || !(again == set))
        std::abort();
}

void ImportText(const uint8_t* data, size_t size)
{
    Fixture& f = Image();
    RomData& rd = f.doc->Rom();
    rd.scripts.set = f.pristine;
    ImportScriptsText(rd, std::string(reinterpret_cast<const char*>(data), size), 5);
    CheckScripts(rd.scripts.set, rd, false);
    if (rd.scripts.set.Avail() < 0)
        std::abort();
}

void LoadArea(const uint8_t* data, size_t size)
{
    std::vector<uint8_t> pointers(kScriptPointerBytes, 0);
    std::copy(data, data + std::min<size_t>(size, pointers.size()), pointers.begin());
    const size_t rest = size > pointers.size() ? size - pointers.size() : 0;
    BattleScriptSet set;
    set.InitSet(kScriptSpaceOwn);
    set.LoadSet(pointers.data(), data + std::min(size, pointers.size()), rest);
    CheckLoaded(set, Image().doc->Rom());
}

// Writes the bases, pointers and area into the image file and loads them
// with the document's loader; the file is put back afterwards.
void LoadFromImage(const uint8_t* data, size_t size)
{
    Fixture& f = Image();
    if (size < 6)
        return;
    RomData& rd = f.doc->Rom();
    ImageFile file;
    if (file.Open(f.path) != ImageFile::OpenStatus::Ok)
        std::abort();
    const ScriptOperandPlaces places = ScriptOperands(rd.romType);
    const std::vector<uint8_t> oldPtrOp = file.ReadRom(places.pointerBase, 3);
    const std::vector<uint8_t> oldDataOp = file.ReadRom(places.dataBase[0], 3);
    file.WriteRom(places.pointerBase, data, 3);
    file.WriteRom(places.dataBase[0], data + 3, 3);
    const uint32_t ptrBase = ReadLe24(data);
    const uint32_t dataBase = ReadLe24(data + 3);
    data += 6;
    size -= 6;
    const size_t ptrBytes = std::min<size_t>(size, kScriptPointerBytes);
    std::vector<uint8_t> oldPtrs, oldArea;
    if (ptrBase >= kSnesBase) {
        oldPtrs = file.ReadRom(SnesToRom(ptrBase), ptrBytes);
        file.WriteRom(SnesToRom(ptrBase), data, ptrBytes);
    }
    if (dataBase >= kSnesBase && size > ptrBytes) {
        oldArea = file.ReadRom(SnesToRom(dataBase), size - ptrBytes);
        file.WriteRom(SnesToRom(dataBase), data + ptrBytes, size - ptrBytes);
    }

    RomData& loaded = rd;
    const uint32_t flags = loaded.romFlags;
    LoadBattleScripts(file, loaded);
    CheckLoaded(loaded.scripts.set, loaded);
    const int status = loaded.scripts.set.Status();
    if ((status == kScriptsUnsplittable || status == kScriptsOverCapacity) && ScriptsWritable(loaded))
        std::abort();

    // Put everything back as it was (the area first: it may overlap the rest).
    if (!oldArea.empty())
        file.WriteRom(SnesToRom(dataBase), oldArea);
    if (!oldPtrs.empty())
        file.WriteRom(SnesToRom(ptrBase), oldPtrs);
    file.WriteRom(places.dataBase[0], oldDataOp);
    file.WriteRom(places.pointerBase, oldPtrOp);
    file.Close();
    loaded.romFlags = flags;
    loaded.scripts.set = f.pristine;
    loaded.scripts.pointerBase = kScriptPtrBaseOwn;
    loaded.scripts.dataBase = kScriptDataBaseOwn;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    switch (data[0] % 3) {
    case 0: ImportText(data + 1, size - 1); break;
    case 1: LoadArea(data + 1, size - 1); break;
    default: LoadFromImage(data + 1, size - 1); break;
    }
    return 0;
}
