// Creating BPS patches. The encoder walks the result once, greedily:
//
// - where the result still holds the original's bytes at the same place,
//   a source read (the common case for an edited image: one short action
//   per unchanged stretch);
// - where that match resumes within a few bytes, the bytes in between as
//   a target read (a copy could save little, and scattered edits, the most
//   common patch, never pay for the indexes below);
// - elsewhere the longest copy found through two hash indexes of four-byte
//   keys, one over the whole original (moved data) and one over the result
//   written so far (repeats, such as a filled area after an expansion),
//   when it is cheaper than the bytes;
// - otherwise the byte itself, gathered into target reads.
#include <algorithm>
#include <cstring>
#include <vector>

#include "rom/Bps.h"
#include "rom/RomAddress.h"

namespace quorvex {

namespace {

constexpr int kChainDepth = 24; // candidates looked at per position
constexpr uint64_t kMinSourceRead = 3;
constexpr uint64_t kShortDivergence = 32; // bytes looked ahead for the same-place match to resume
constexpr uint64_t kResumed = 8;          // that many equal bytes count as resumed

void PutNumber(std::vector<uint8_t>& out, uint64_t value)
{
    for (;;) {
        const uint8_t x = value & 0x7F;
        value >>= 7;
        if (value == 0) {
            out.push_back(0x80 | x);
            return;
        }
        out.push_back(x);
        --value;
    }
}

size_t NumberSize(uint64_t value)
{
    size_t n = 1;
    while (value >>= 7) {
        --value;
        ++n;
    }
    return n;
}

// A cursor step as the patch stores it: distance shifted left, sign in bit 0.
uint64_t Step(uint64_t from, uint64_t to) { return to >= from ? (to - from) << 1 : ((from - to) << 1) | 1; }

uint64_t MatchLength(const uint8_t* a, const uint8_t* b, uint64_t limit)
{
    uint64_t n = 0;
    while (n + 8 <= limit) {
        uint64_t x = 0, y = 0;
        std::memcpy(&x, a + n, 8);
        std::memcpy(&y, b + n, 8);
        if (x != y)
            break;
        n += 8;
    }
    while (n < limit && a[n] == b[n])
        ++n;
    return n;
}

// Positions of four-byte keys, newest first along each chain. The table
// has about one head per position, up to 2^20 (kept small enough for the
// cache: filling it is most of the cost). Positions fit 31 bits:
// files are read up to kMaxPatchedSize.
class KeyIndex {
public:
    void Build(size_t size)
    {
        m_bits = 10;
        while (m_bits < 20 && (size_t(1) << m_bits) < size)
            ++m_bits;
        m_head.assign(size_t(1) << m_bits, -1);
        m_prev.assign(size, -1);
    }
    bool Built() const { return !m_head.empty(); }
    void Insert(const uint8_t* bytes, uint64_t pos)
    {
        int32_t& head = m_head[Key(bytes + pos)];
        m_prev[pos] = head;
        head = static_cast<int32_t>(pos);
    }
    int32_t First(const uint8_t* key) const { return m_head[Key(key)]; }
    int32_t Next(int32_t pos) const { return m_prev[size_t(pos)]; }

private:
    uint32_t Key(const uint8_t* p) const { return (ReadLe32(p) * 2654435761u) >> (32 - m_bits); }

    int m_bits = 0;
    std::vector<int32_t> m_head;
    std::vector<int32_t> m_prev;
};

class Encoder {
public:
    Encoder(std::span<const uint8_t> source, std::span<const uint8_t> target)
        : m_src(source.data()), m_tgt(target.data()), m_srcSize(source.size()), m_tgtSize(target.size())
    {
    }

    std::vector<uint8_t> Run()
    {
        m_out = {'B', 'P', 'S', '1'};
        PutNumber(m_out, m_srcSize);
        PutNumber(m_out, m_tgtSize);
        PutNumber(m_out, 0); // no metadata
        uint64_t i = 0;
        while (i < m_tgtSize) {
            const uint64_t same = i < m_srcSize ? MatchLength(m_src + i, m_tgt + i, std::min(m_srcSize, m_tgtSize) - i) : 0;
            if (same >= kMinSourceRead || (same > 0 && i + same == m_tgtSize)) {
                Flush(i);
                Action(0, same);
                i += same;
                continue;
            }
            const uint64_t resumes = ShortDivergence(i);
            if (resumes > i) {
                Literal(i, resumes);
                i = resumes;
                continue;
            }
            BuildIndexes(i);
            Copy copy = BestCopy(i);
            if (copy.length > same && copy.length >= CopyCost(copy) + 2) {
                Flush(i);
                Action(copy.fromSource ? 2 : 3, copy.length);
                uint64_t& cursor = copy.fromSource ? m_srcCursor : m_tgtCursor;
                PutNumber(m_out, Step(cursor, copy.pos));
                cursor = copy.pos + copy.length;
                Index(i, i + copy.length);
                i += copy.length;
                continue;
            }
            Literal(i, i + 1);
            ++i;
        }
        Flush(i);
        uint8_t footer[12];
        WriteLe32(footer, Crc32(m_src, m_srcSize));
        WriteLe32(footer + 4, Crc32(m_tgt, m_tgtSize));
        m_out.insert(m_out.end(), footer, footer + 8);
        WriteLe32(footer + 8, Crc32(m_out.data(), m_out.size()));
        m_out.insert(m_out.end(), footer + 8, footer + 12);
        return std::move(m_out);
    }

private:
    struct Copy {
        bool fromSource = true;
        uint64_t pos = 0;
        uint64_t length = 0;
    };

    void Action(unsigned kind, uint64_t length) { PutNumber(m_out, ((length - 1) << 2) | kind); }

    // Where the same-place match resumes within a few bytes after a
    // difference at i, or i when it does not.
    uint64_t ShortDivergence(uint64_t i) const
    {
        const uint64_t common = std::min(m_srcSize, m_tgtSize);
        const uint64_t limit = std::min(i + kShortDivergence, common);
        for (uint64_t j = i + 1; j < limit; ++j)
            if (m_src[j] == m_tgt[j] && MatchLength(m_src + j, m_tgt + j, std::min(kResumed, common - j)) ==
                                            std::min(kResumed, common - j))
                return j;
        return i;
    }

    // Gathers the result's bytes [from, to) for the next target read.
    void Literal(uint64_t from, uint64_t to)
    {
        if (m_literal == 0)
            m_literalStart = from;
        m_literal += to - from;
        Index(from, to);
    }

    // The indexes are built when a copy is first looked for: the original
    // whole, the result up to i.
    void BuildIndexes(uint64_t i)
    {
        if (m_srcIndex.Built())
            return;
        m_srcIndex.Build(m_srcSize);
        for (uint64_t p = 0; p + 4 <= m_srcSize; ++p)
            m_srcIndex.Insert(m_src, p);
        m_tgtIndex.Build(m_tgtSize);
        m_tgtIndexed = 0;
        Index(0, i);
    }

    // Writes the bytes gathered since the last action as one target read.
    void Flush(uint64_t end)
    {
        if (m_literal == 0)
            return;
        Action(1, m_literal);
        m_out.insert(m_out.end(), m_tgt + m_literalStart, m_tgt + end);
        m_literal = 0;
    }

    // Offers the result's positions in [from, to) to later target copies.
    // A key may reach past `to` into bytes not yet written: the applier
    // copies one byte at a time, so a copy from p < i sees every byte it
    // needs by the time it needs it.
    void Index(uint64_t from, uint64_t to)
    {
        if (!m_tgtIndex.Built())
            return;
        for (uint64_t p = std::max(from, m_tgtIndexed); p < to && p + 4 <= m_tgtSize; ++p)
            m_tgtIndex.Insert(m_tgt, p);
        m_tgtIndexed = std::max(m_tgtIndexed, to);
    }

    size_t CopyCost(const Copy& c) const
    {
        const uint64_t cursor = c.fromSource ? m_srcCursor : m_tgtCursor;
        return NumberSize((c.length - 1) << 2) + NumberSize(Step(cursor, c.pos));
    }

    Copy BestCopy(uint64_t i) const
    {
        Copy best;
        if (i + 4 > m_tgtSize)
            return best;
        const uint64_t left = m_tgtSize - i;
        int depth = 0;
        for (int32_t p = m_srcIndex.First(m_tgt + i); p >= 0 && depth < kChainDepth; p = m_srcIndex.Next(p), ++depth) {
            const uint64_t n = MatchLength(m_src + p, m_tgt + i, std::min<uint64_t>(left, m_srcSize - uint64_t(p)));
            if (n > best.length)
                best = {true, uint64_t(p), n};
            if (n == left)
                return best;
        }
        depth = 0;
        // Positions before i only; the copy may overlap the bytes it writes,
        // since the applier copies one byte at a time.
        for (int32_t p = m_tgtIndex.First(m_tgt + i); p >= 0 && depth < kChainDepth; p = m_tgtIndex.Next(p), ++depth) {
            if (uint64_t(p) >= i)
                continue;
            const uint64_t n = MatchLength(m_tgt + p, m_tgt + i, left);
            if (n > best.length)
                best = {false, uint64_t(p), n};
            if (n == left)
                break;
        }
        return best;
    }

    const uint8_t* m_src;
    const uint8_t* m_tgt;
    uint64_t m_srcSize;
    uint64_t m_tgtSize;
    KeyIndex m_srcIndex;
    KeyIndex m_tgtIndex;
    uint64_t m_tgtIndexed = 0;
    uint64_t m_srcCursor = 0;
    uint64_t m_tgtCursor = 0;
    uint64_t m_literalStart = 0;
    uint64_t m_literal = 0;
    std::vector<uint8_t> m_out;
};

} // namespace

std::vector<uint8_t> CreateBps(std::span<const uint8_t> source, std::span<const uint8_t> target)
{
    return Encoder(source, target).Run();
}

} // namespace quorvex
