#include "rom/RomAddress.h"

namespace quorvex {

std::vector<uint32_t> Read24BitTable(const uint8_t* bytes, size_t count)
{
    std::vector<uint32_t> values(count);
    for (size_t i = 0; i < count; ++i)
        values[i] = ReadLe24(bytes + 3 * i);
    return values;
}

void Write24BitTable(const std::vector<uint32_t>& values, uint8_t* out)
{
    for (size_t i = 0; i < values.size(); ++i)
        WriteLe24(out + 3 * i, values[i]);
}

} // namespace quorvex
