#include "LzCompress.h"

#include <algorithm>
#include <array>

namespace quorvex::synth {

namespace {

// Collects items eight to a control byte; bit i set = item i is a literal.
class BlockWriter {
public:
    void Literal(uint8_t b)
    {
        Begin();
        m_out[m_control] |= static_cast<uint8_t>(1u << m_bit);
        m_out.push_back(b);
        ++m_bit;
    }
    void Copy(unsigned windowPos, unsigned length)
    {
        Begin();
        const unsigned w = (windowPos & 0x7FF) | ((length - 3) << 11);
        m_out.push_back(static_cast<uint8_t>(w));
        m_out.push_back(static_cast<uint8_t>(w >> 8));
        ++m_bit;
    }
    std::vector<uint8_t> Finish()
    {
        if (m_out.size() == 2) // nothing at all: the empty block
            return m_out;
        const size_t L = m_out.size();
        m_out[0] = static_cast<uint8_t>(L);
        m_out[1] = static_cast<uint8_t>(L >> 8);
        return m_out;
    }

private:
    void Begin()
    {
        if (m_bit == 8) {
            m_control = m_out.size();
            m_out.push_back(0);
            m_bit = 0;
        }
    }
    std::vector<uint8_t> m_out = {0, 0};
    size_t m_control = 0;
    int m_bit = 8;
};

constexpr unsigned kWindowStart = 0x7DE;

} // namespace

std::vector<uint8_t> LzCompress(const std::vector<uint8_t>& data)
{
    BlockWriter w;
    const size_t n = data.size();
    // Hash chains over 3-byte prefixes.
    std::vector<int> head(1 << 14, -1), prev(n, -1);
    auto hash = [&](size_t i) {
        return ((data[i] << 8) ^ (data[i + 1] << 4) ^ data[i + 2]) & 0x3FFF;
    };
    size_t i = 0;
    auto insert = [&](size_t at) {
        if (at + 2 < n) {
            const unsigned h = static_cast<unsigned>(hash(at));
            prev[at] = head[h];
            head[h] = static_cast<int>(at);
        }
    };
    while (i < n) {
        unsigned bestLen = 0;
        size_t bestPos = 0;
        if (i + 2 < n) {
            int cand = head[static_cast<unsigned>(hash(i))];
            int tries = 64;
            while (cand >= 0 && tries-- > 0) {
                const size_t c = static_cast<size_t>(cand);
                if (i - c > 2048)
                    break;
                unsigned len = 0;
                // Overlapping copies read what they just wrote, as LZ77 does.
                while (len < 34 && i + len < n && data[c + len] == data[i + len])
                    ++len;
                if (len > bestLen) {
                    bestLen = len;
                    bestPos = c;
                }
                cand = prev[c];
            }
        }
        if (bestLen >= 3) {
            w.Copy(static_cast<unsigned>(kWindowStart + bestPos), bestLen);
            for (unsigned k = 0; k < bestLen; ++k)
                insert(i + k);
            i += bestLen;
        } else {
            w.Literal(data[i]);
            insert(i);
            ++i;
        }
    }
    return w.Finish();
}

std::vector<uint8_t> LzStoreLiterals(const std::vector<uint8_t>& data)
{
    BlockWriter w;
    for (uint8_t b : data)
        w.Literal(b);
    return w.Finish();
}

} // namespace quorvex::synth
