#include "text/DynTextObj.h"

#include <algorithm>
#include <cstring>

namespace quorvex {

bool TakesOperand(int32_t mode, uint8_t code)
{
    const bool kanji = code >= 0x1C && code <= 0x1F;
    switch (mode) {
    case kScanDialogue: return code == 0x11 || code == 0x14 || code == 0x16 || kanji;
    // Every battle code that the battle codec reads with an operand: were one
    // of them missing here, an operand 0x00 would end the string early.
    case kScanBattle:
        return code == 0x02 || code == 0x06 || code == 0x0C || code == 0x0E || code == 0x0F || kanji;
    default: return false;
    }
}

void CFF6DynTextObj::Reset()
{
    m_strings.clear();
    m_data.clear();
    m_pointers.clear();
    m_mode = m_size = m_count = m_maxPointers = 0;
    m_base = 0;
}

void CFF6DynTextObj::Init(int32_t mode, int32_t count, int32_t size, int32_t maxPointers, uint32_t base)
{
    Reset();
    m_mode = mode;
    m_size = std::max(size, 0);
    m_maxPointers = std::max(maxPointers, 0);
    // A block never counts more strings than it has slots.
    m_count = std::clamp(count, 0, m_maxPointers);
    m_base = base;
    m_data.assign(static_cast<size_t>(m_size), 0xFF);
    m_pointers.assign(static_cast<size_t>(m_maxPointers), 0);
}

int CFF6DynTextObj::LoadFrom16(const uint8_t* pointers16, size_t pointerBytes, const uint8_t* bytes, size_t n)
{
    std::vector<uint32_t> wide(static_cast<size_t>(m_maxPointers), 0xFFFF);
    for (size_t i = 0; i < wide.size() && 2 * i + 1 < pointerBytes; ++i)
        wide[i] = static_cast<uint32_t>(pointers16[2 * i] | (pointers16[2 * i + 1] << 8));
    return LoadFrom32(wide.data(), wide.size(), bytes, n);
}

int CFF6DynTextObj::LoadFrom32(const uint32_t* pointers, size_t pointerCount, const uint8_t* bytes, size_t n)
{
    m_strings.clear();
    std::fill(m_data.begin(), m_data.end(), 0xFF);
    if (bytes)
        std::memcpy(m_data.data(), bytes, std::min(n, m_data.size()));
    for (size_t i = 0; i < m_pointers.size(); ++i)
        m_pointers[i] = (pointers && i < pointerCount) ? pointers[i] : 0xFFFF;
    return Validate();
}

int CFF6DynTextObj::Validate() const
{
    int flags = 0;
    uint32_t prev = 0;
    for (int i = 0; i < m_count; ++i) {
        const uint32_t p = m_pointers[static_cast<size_t>(i)];
        if (p < prev) {
            flags |= kTextOutOfOrder;
        } else if (!(p == prev && i > 0)) {
            const int len = StringLength(i) + 1;
            // Every string must end inside the data, the last one too: a
            // rebuild copies a string that has no end as empty, which would
            // lose it.
            if (len < 1)
                return flags | kTextUnterminated;
            if (i + 1 < m_count) {
                const uint32_t next = m_pointers[static_cast<size_t>(i) + 1];
                if (next != p && static_cast<int64_t>(len) > static_cast<int64_t>(next) - static_cast<int64_t>(p))
                    flags |= kTextRunsPastNext;
            }
        }
        prev = p;
    }
    return flags;
}

int64_t CFF6DynTextObj::Offset(int i) const
{
    if (i < 0 || i >= m_count)
        return -1;
    const int64_t off = static_cast<int64_t>(m_pointers[static_cast<size_t>(i)]) - static_cast<int64_t>(m_base);
    if (off < 0 || off >= m_size)
        return -1;
    return off;
}

int CFF6DynTextObj::StringLength(int i) const
{
    const int64_t start = Offset(i);
    if (start < 0)
        return -1;
    // The scan runs to the terminator however long the string is: a string
    // longer than any limit set here would be cut by the next rebuild.
    bool operand = false;
    for (int64_t k = start; k < m_size; ++k) {
        const uint8_t b = m_data[static_cast<size_t>(k)];
        if (operand) {
            operand = false;
        } else if (b == 0x00) {
            return static_cast<int>(k - start);
        } else if (TakesOperand(m_mode, b)) {
            operand = true;
        }
    }
    return -1;
}

int CFF6DynTextObj::UsedBytes() const
{
    int used = 0;
    for (int i = 0; i < m_count; ++i) {
        const int len = StringLength(i);
        if (len >= 0)
            used += len + 1;
    }
    return used;
}

int CFF6DynTextObj::FreeBytes() const { return m_size - UsedBytes(); }

void CFF6DynTextObj::ExtractStrings()
{
    m_strings.assign(static_cast<size_t>(m_count), {});
    for (int i = 0; i < m_count; ++i) {
        std::vector<uint8_t>& s = m_strings[static_cast<size_t>(i)];
        GetString(i, s);
        s.push_back(0x00);
    }
}

int CFF6DynTextObj::GetString(int i, std::vector<uint8_t>& out) const
{
    out.clear();
    const int len = StringLength(i);
    if (len <= 0)
        return 0;
    const auto start = m_data.begin() + Offset(i);
    out.assign(start, start + len);
    return len;
}

int CFF6DynTextObj::ReplaceString(int i, const uint8_t* bytes, int n)
{
    if (i < 0 || i >= m_count || n < 0 || (n > 0 && !bytes))
        return -1;
    std::vector<Piece> pieces(static_cast<size_t>(m_count));
    for (int j = 0; j < m_count; ++j)
        pieces[static_cast<size_t>(j)] = j == i ? Piece{bytes, n}
                                                : Piece{m_data.data() + std::max<int64_t>(Offset(j), 0),
                                                        std::max(StringLength(j), 0)};
    return Pack(pieces);
}

int CFF6DynTextObj::ReplaceAll(const std::vector<std::vector<uint8_t>>& strings)
{
    if (strings.size() != static_cast<size_t>(m_count))
        return -1;
    std::vector<Piece> pieces(strings.size());
    for (size_t j = 0; j < strings.size(); ++j)
        pieces[j] = Piece{strings[j].data(), static_cast<int>(strings[j].size())};
    return Pack(pieces);
}

int CFF6DynTextObj::Pack(const std::vector<Piece>& pieces)
{
    int64_t total = 0;
    for (const Piece& p : pieces)
        total += static_cast<int64_t>(p.length) + 1;
    if (total > m_size)
        return -1;
    std::vector<uint32_t> pointers = m_pointers;
    std::vector<uint8_t> data(static_cast<size_t>(m_size), 0xFF);
    size_t offset = 0;
    for (size_t j = 0; j < pieces.size(); ++j) {
        const Piece& p = pieces[j];
        pointers[j] = m_base + static_cast<uint32_t>(offset);
        if (p.length > 0)
            std::memcpy(data.data() + offset, p.bytes, static_cast<size_t>(p.length));
        offset += static_cast<size_t>(p.length);
        data[offset++] = 0x00;
    }
    m_data = std::move(data);
    m_pointers = std::move(pointers);
    m_strings.clear();
    return 0;
}

int CFF6DynTextObj::AddString()
{
    if (m_count >= m_maxPointers)
        return -1;
    if (FreeBytes() < 1)
        return -2;
    if (m_count == 0) {
        m_count = 1;
        m_pointers[0] = m_base;
        if (m_size > 0)
            m_data[0] = 0x00;
        return 0;
    }
    // Pack the block first: a block as loaded need not be packed, and the
    // new string must land in free space, not on another string.
    std::vector<uint8_t> last = GetString(m_count - 1);
    if (ReplaceString(m_count - 1, last) != 0)
        return -2;
    const int lastLen = std::max(StringLength(m_count - 1), 0);
    const uint32_t p = m_pointers[static_cast<size_t>(m_count) - 1] + static_cast<uint32_t>(lastLen) + 1;
    m_pointers[static_cast<size_t>(m_count)] = p;
    m_data[p - m_base] = 0x00;
    ++m_count;
    m_strings.clear();
    return 0;
}

uint16_t CFF6DynTextObj::Pointer16(int i) const
{
    if (i < 0 || i >= m_maxPointers)
        return 0xFFFF;
    return static_cast<uint16_t>(m_pointers[static_cast<size_t>(i)]);
}

uint32_t CFF6DynTextObj::Pointer(int i) const
{
    if (i < 0 || i >= m_maxPointers)
        return 0xFFFFFFFF;
    return m_pointers[static_cast<size_t>(i)];
}

void CFF6DynTextObj::ExportTo16(std::vector<uint8_t>& bytesOut, std::vector<uint8_t>& pointers16Out) const
{
    bytesOut = m_data;
    pointers16Out.resize(static_cast<size_t>(m_maxPointers) * 2);
    for (int i = 0; i < m_maxPointers; ++i) {
        const uint16_t p = Pointer16(i);
        pointers16Out[2 * static_cast<size_t>(i)] = static_cast<uint8_t>(p);
        pointers16Out[2 * static_cast<size_t>(i) + 1] = static_cast<uint8_t>(p >> 8);
    }
}

void CFF6DynTextObj::CopyFrom(const CFF6DynTextObj& other)
{
    if (this == &other)
        return;
    Init(other.m_mode, other.m_count, other.m_size, other.m_maxPointers, other.m_base);
    LoadFrom32(other.m_pointers.data(), other.m_pointers.size(), other.m_data.data(), other.m_data.size());
}

} // namespace quorvex
