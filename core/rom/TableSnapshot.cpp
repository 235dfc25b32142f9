#include "rom/TableSnapshot.h"

#include "rom/RomData.h"

namespace quorvex {

TableSnapshot::TableSnapshot(const RomData& rd) : m_copy(std::make_unique<RomData>(rd)) {}

TableSnapshot::~TableSnapshot() = default;

void TableSnapshot::Restore(RomData& rd) const
{
    rd = *m_copy;
    rd.names.preproc.Reset();
}

} // namespace quorvex
