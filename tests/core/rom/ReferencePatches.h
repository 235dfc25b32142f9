#pragma once
// A second, deliberately plain BPS and IPS implementation for the tests,
// written from the formats' public description and sharing nothing with
// the code under test: patches built action by action as another tool
// would write them, and appliers as simple as the formats allow. Where
// both sides agree, the program interoperates with other tools.
#include <zlib.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace reference {

using Bytes = std::vector<uint8_t>;

inline uint32_t Crc(const Bytes& b) { return uint32_t(crc32(0, b.data(), uInt(b.size()))); }

inline void PutLe32(Bytes& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(uint8_t(v >> (8 * i)));
}

// BPS numbers: 7 bits a byte, low group first, 0x80 on the last byte, and
// one subtracted after each group that is not the last.
inline void PutNumber(Bytes& out, uint64_t v)
{
    while (true) {
        const uint8_t low = v & 0x7F;
        v >>= 7;
        if (v == 0) {
            out.push_back(uint8_t(0x80 | low));
            break;
        }
        out.push_back(low);
        v -= 1;
    }
}

// A BPS patch written one action at a time. The caller tracks the cursors:
// each copy names its absolute start and the builder writes the step from
// the cursor where the previous copy of that kind left it.
class BpsBuilder {
public:
    BpsBuilder(uint64_t sourceSize, uint64_t targetSize, const std::string& metadata = "")
    {
        m_patch = {'B', 'P', 'S', '1'};
        PutNumber(m_patch, sourceSize);
        PutNumber(m_patch, targetSize);
        PutNumber(m_patch, metadata.size());
        m_patch.insert(m_patch.end(), metadata.begin(), metadata.end());
    }
    BpsBuilder& SourceRead(uint64_t length) { return Command(0, length); }
    BpsBuilder& TargetRead(const Bytes& data)
    {
        Command(1, data.size());
        m_patch.insert(m_patch.end(), data.begin(), data.end());
        return *this;
    }
    BpsBuilder& SourceCopy(uint64_t length, int64_t from) { return Copy(2, length, from, m_sourceCursor); }
    BpsBuilder& TargetCopy(uint64_t length, int64_t from) { return Copy(3, length, from, m_targetCursor); }
    // Raw bytes, for damaged patches.
    BpsBuilder& Raw(const Bytes& b)
    {
        m_patch.insert(m_patch.end(), b.begin(), b.end());
        return *this;
    }
    Bytes Finish(uint32_t sourceCrc, uint32_t targetCrc) const
    {
        Bytes p = m_patch;
        PutLe32(p, sourceCrc);
        PutLe32(p, targetCrc);
        PutLe32(p, Crc(p));
        return p;
    }
    Bytes Finish(const Bytes& source, const Bytes& target) const { return Finish(Crc(source), Crc(target)); }

private:
    BpsBuilder& Command(unsigned kind, uint64_t length)
    {
        PutNumber(m_patch, ((length - 1) << 2) | kind);
        return *this;
    }
    BpsBuilder& Copy(unsigned kind, uint64_t length, int64_t from, int64_t& cursor)
    {
        Command(kind, length);
        const int64_t step = from - cursor;
        PutNumber(m_patch, step < 0 ? (uint64_t(-step) << 1) | 1 : uint64_t(step) << 1);
        cursor = from + int64_t(length);
        return *this;
    }
    Bytes m_patch;
    int64_t m_sourceCursor = 0;
    int64_t m_targetCursor = 0;
};

// A plain BPS applier: nullopt for anything it does not accept.
inline std::optional<Bytes> ApplyBps(const Bytes& source, const Bytes& patch)
{
    if (patch.size() < 16 || std::string(patch.begin(), patch.begin() + 4) != "BPS1")
        return std::nullopt;
    const size_t end = patch.size() - 12;
    auto le32 = [&](size_t at) {
        return uint32_t(patch[at]) | uint32_t(patch[at + 1]) << 8 | uint32_t(patch[at + 2]) << 16 |
               uint32_t(patch[at + 3]) << 24;
    };
    if (Crc(Bytes(patch.begin(), patch.end() - 4)) != le32(patch.size() - 4) || Crc(source) != le32(end))
        return std::nullopt;
    size_t pos = 4;
    bool bad = false;
    auto number = [&]() {
        uint64_t data = 0, shift = 1;
        while (!bad) {
            if (pos >= end) {
                bad = true;
                break;
            }
            const uint8_t x = patch[pos++];
            data += (x & 0x7F) * shift;
            if (x & 0x80)
                break;
            shift <<= 7;
            data += shift;
        }
        return data;
    };
    const uint64_t sourceSize = number(), targetSize = number(), metadataSize = number();
    pos += metadataSize;
    if (bad || sourceSize != source.size() || targetSize > (64u << 20))
        return std::nullopt;
    Bytes target(targetSize);
    uint64_t out = 0, sourceRel = 0, targetRel = 0;
    while (pos < end && !bad) {
        const uint64_t data = number();
        const uint64_t length = (data >> 2) + 1;
        for (uint64_t k = 0; k < length && !bad; ++k) {
            if (out >= targetSize)
                return std::nullopt;
            switch (data & 3) {
            case 0:
                if (out >= source.size())
                    return std::nullopt;
                target[out] = source[out];
                break;
            case 1:
                if (pos >= end)
                    return std::nullopt;
                target[out] = patch[pos++];
                break;
            default: {
                uint64_t& rel = (data & 3) == 2 ? sourceRel : targetRel;
                if (k == 0) {
                    const uint64_t step = number();
                    rel = (step & 1) ? rel - (step >> 1) : rel + (step >> 1);
                }
                const Bytes& from = (data & 3) == 2 ? source : target;
                if (rel >= ((data & 3) == 2 ? source.size() : out))
                    return std::nullopt;
                target[out] = from[rel++];
            }
            }
            ++out;
        }
    }
    if (bad || out != targetSize || Crc(target) != le32(end + 4))
        return std::nullopt;
    return target;
}

// IPS records written as another tool would.
class IpsBuilder {
public:
    IpsBuilder() { m_patch = {'P', 'A', 'T', 'C', 'H'}; }
    IpsBuilder& Record(uint32_t offset, const Bytes& data)
    {
        Be(offset, 3);
        Be(uint32_t(data.size()), 2);
        m_patch.insert(m_patch.end(), data.begin(), data.end());
        return *this;
    }
    IpsBuilder& Run(uint32_t offset, uint16_t count, uint8_t value)
    {
        Be(offset, 3);
        Be(0, 2);
        Be(count, 2);
        m_patch.push_back(value);
        return *this;
    }
    Bytes Finish(std::optional<uint32_t> truncateTo = std::nullopt)
    {
        Bytes p = m_patch;
        p.insert(p.end(), {'E', 'O', 'F'});
        if (truncateTo)
            for (int k = 2; k >= 0; --k)
                p.push_back(uint8_t(*truncateTo >> (8 * k)));
        return p;
    }

private:
    void Be(uint32_t v, int n)
    {
        for (int k = n - 1; k >= 0; --k)
            m_patch.push_back(uint8_t(v >> (8 * k)));
    }
    Bytes m_patch;
};

struct IpsRecord {
    uint32_t offset;
    uint32_t length;
    bool run;
};

// A plain IPS reader: the records in order and the truncation size, or
// nullopt for a patch it does not accept.
inline std::optional<std::vector<IpsRecord>> IpsRecords(const Bytes& p, std::optional<uint32_t>* truncate = nullptr)
{
    if (p.size() < 8 || std::string(p.begin(), p.begin() + 5) != "PATCH")
        return std::nullopt;
    std::vector<IpsRecord> records;
    size_t pos = 5;
    while (true) {
        if (pos + 3 > p.size())
            return std::nullopt;
        const uint32_t offset = uint32_t(p[pos]) << 16 | uint32_t(p[pos + 1]) << 8 | p[pos + 2];
        if (offset == 0x454F46) { // "EOF"
            pos += 3;
            break;
        }
        if (pos + 5 > p.size())
            return std::nullopt;
        const uint32_t size = uint32_t(p[pos + 3]) << 8 | p[pos + 4];
        pos += 5;
        if (size == 0) {
            if (pos + 3 > p.size())
                return std::nullopt;
            records.push_back({offset, uint32_t(p[pos]) << 8 | p[pos + 1], true});
            pos += 3;
        } else {
            if (pos + size > p.size())
                return std::nullopt;
            records.push_back({offset, size, false});
            pos += size;
        }
    }
    if (truncate)
        *truncate = std::nullopt;
    if (p.size() - pos == 3 && truncate)
        *truncate = uint32_t(p[pos]) << 16 | uint32_t(p[pos + 1]) << 8 | p[pos + 2];
    else if (p.size() != pos && p.size() - pos != 3)
        return std::nullopt;
    return records;
}

inline std::optional<Bytes> ApplyIps(const Bytes& source, const Bytes& p)
{
    std::optional<uint32_t> truncate;
    const auto records = IpsRecords(p, &truncate);
    if (!records)
        return std::nullopt;
    Bytes out = source;
    size_t pos = 5;
    for (const IpsRecord& r : *records) {
        pos += 5;
        if (out.size() < r.offset + r.length)
            out.resize(r.offset + r.length, 0);
        for (uint32_t k = 0; k < r.length; ++k)
            out[r.offset + k] = r.run ? p[pos + 2] : p[pos + k];
        pos += r.run ? 3 : r.length;
    }
    if (truncate)
        out.resize(*truncate);
    return out;
}

} // namespace reference
