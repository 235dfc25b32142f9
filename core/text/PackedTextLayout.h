#pragma once
// Where the strings of a text block lie once it is packed: each slot's size
// (the string and its terminator) and, from them, each slot's offset, kept
// in a Fenwick tree so that changing one size and asking for an offset or
// for the first slot that ends past a limit take time logarithmic in the
// number of slots. Rules about where strings may lie (the third page of town
// dialogue) are checked on this before a packed block is built.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace quorvex {

class CFF6DynTextObj;

class PackedTextLayout {
public:
    PackedTextLayout() = default;
    // One slot per size; every size is at least 1 (a terminator).
    explicit PackedTextLayout(const std::vector<uint32_t>& sizes);
    // The slots of a block's strings, as they would be packed.
    explicit PackedTextLayout(const CFF6DynTextObj& block);

    int Count() const { return static_cast<int>(m_sizes.size()); }
    uint32_t Size(int i) const { return m_sizes[static_cast<size_t>(i)]; }
    void SetSize(int i, uint32_t size);
    // Bytes of all slots.
    uint64_t Total() const { return m_total; }
    // Bytes of the slots before slot i (its offset in the packed block);
    // Total() for i = Count().
    uint64_t Offset(int i) const;
    // The first slot whose end (offset + size) lies past `limit`; Count()
    // when every slot ends at or before it.
    int FirstSlotEndingPast(uint64_t limit) const;

private:
    std::vector<uint32_t> m_sizes;
    std::vector<uint64_t> m_tree; // m_tree[k] sums the slots (k - lowbit(k), k], 1-based
    uint64_t m_total = 0;
};

} // namespace quorvex
