// Morph packs: 32 packs of four items, one of which a monster may turn into
// when morphed. The monster's morph-pack number selects the pack.
#include "rom/RomData.h"
#include "rom/TableDesc.h"

namespace quorvex {

namespace {

constexpr int kMorphPacks = 32;
constexpr int kMorphPackSize = 4;

uint8_t* MorphPack(RomData& rd, int i)
{
    std::vector<uint8_t>& b = rd.editors.morphPacks.bytes;
    const size_t at = static_cast<size_t>(i) * kMorphPackSize;
    return i >= 0 && at + kMorphPackSize <= b.size() ? b.data() + at : nullptr;
}

} // namespace

void AddMorphPackTables(std::vector<TableDesc>& tables)
{
    TableDesc t;
    t.name = "morph_packs";
    t.count = kMorphPacks;
    t.fields = {ArrayField(ReferenceField("items", MorphPack, 0, 255), 4, 1)};
    tables.push_back(std::move(t));
}

} // namespace quorvex
