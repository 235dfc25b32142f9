#include "text/PackedTextLayout.h"

#include <algorithm>

#include "text/DynTextObj.h"

namespace quorvex {

namespace {

std::vector<uint32_t> PackedSizes(const CFF6DynTextObj& block)
{
    // A string whose scan finds no terminator is packed as an empty one.
    std::vector<uint32_t> sizes(static_cast<size_t>(block.Count()));
    for (int i = 0; i < block.Count(); ++i)
        sizes[static_cast<size_t>(i)] = static_cast<uint32_t>(std::max(block.StringLength(i), 0)) + 1;
    return sizes;
}

} // namespace

PackedTextLayout::PackedTextLayout(const std::vector<uint32_t>& sizes) : m_sizes(sizes), m_tree(sizes.size() + 1, 0)
{
    // Linear build: each node hands its sum on to its parent.
    for (size_t k = 1; k <= m_sizes.size(); ++k) {
        m_tree[k] += m_sizes[k - 1];
        m_total += m_sizes[k - 1];
        const size_t parent = k + (k & (~k + 1));
        if (parent <= m_sizes.size())
            m_tree[parent] += m_tree[k];
    }
}

PackedTextLayout::PackedTextLayout(const CFF6DynTextObj& block) : PackedTextLayout(PackedSizes(block)) {}

void PackedTextLayout::SetSize(int i, uint32_t size)
{
    const uint32_t old = m_sizes[static_cast<size_t>(i)];
    m_sizes[static_cast<size_t>(i)] = size;
    m_total = m_total - old + size;
    for (size_t k = static_cast<size_t>(i) + 1; k < m_tree.size(); k += k & (~k + 1))
        m_tree[k] = m_tree[k] - old + size;
}

uint64_t PackedTextLayout::Offset(int i) const
{
    uint64_t sum = 0;
    for (size_t k = static_cast<size_t>(std::clamp(i, 0, Count())); k > 0; k -= k & (~k + 1))
        sum += m_tree[k];
    return sum;
}

int PackedTextLayout::FirstSlotEndingPast(uint64_t limit) const
{
    // Every size is positive, so the slot ends rise strictly: walk down the
    // tree, taking each node whose slots still end within the limit.
    size_t pos = 0;
    uint64_t rest = limit;
    size_t step = 1;
    while (step * 2 <= m_sizes.size())
        step *= 2;
    for (; step > 0; step /= 2) {
        if (pos + step <= m_sizes.size() && m_tree[pos + step] <= rest) {
            pos += step;
            rest -= m_tree[pos];
        }
    }
    return static_cast<int>(pos);
}

} // namespace quorvex
