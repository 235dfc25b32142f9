#pragma once
// A table held as the bytes read from the image, written back unchanged.
// Tables whose editor is not built yet live like this, so that loading and
// saving pass through every position in the fixed order and each editor
// can later replace its holder with a real model.
#include <cstdint>
#include <vector>

#include "rom/ImageFile.h"

namespace quorvex {

struct RawTable {
    uint32_t romOffset = 0;
    std::vector<uint8_t> bytes;

    void Load(ImageFile& f, uint32_t offset, size_t size)
    {
        romOffset = offset;
        bytes = f.ReadRom(offset, size);
    }
    void Store(ImageFile& f) const
    {
        if (!bytes.empty())
            f.WriteRom(romOffset, bytes);
    }
    void Clear() { bytes.clear(); }
    // Record i of a table of `size`-byte records, or null when the bytes
    // read do not hold it.
    uint8_t* RecordAt(int i, size_t size)
    {
        const size_t at = static_cast<size_t>(i) * size;
        return i >= 0 && at + size <= bytes.size() ? bytes.data() + at : nullptr;
    }
};

} // namespace quorvex
