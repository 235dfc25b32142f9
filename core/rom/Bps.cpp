// Reading and applying BPS patches. Every action is checked against the
// sizes the patch names before a byte moves, so a damaged or hostile patch
// can neither read nor write outside either buffer.
#include "rom/Bps.h"

#include <cstring>

#include "rom/RomAddress.h"

namespace quorvex {

namespace {

constexpr uint8_t kMagic[4] = {'B', 'P', 'S', '1'};
constexpr size_t kFooterSize = 12;

// Reads the variable-length numbers of a patch between two positions.
class NumberReader {
public:
    NumberReader(const uint8_t* bytes, size_t pos, size_t end) : m_bytes(bytes), m_pos(pos), m_end(end) {}

    // False, with the failure in `error`, when the number is cut off by the
    // end of the range or needs more than 56 bits (eight groups).
    bool Read(uint64_t& value, PatchResult& error)
    {
        const size_t start = m_pos;
        value = 0;
        uint64_t shift = 1;
        for (int group = 0;; ++group) {
            if (m_pos >= m_end) {
                error = PatchFailure(PatchStatus::Truncated, m_end);
                return false;
            }
            if (group == 8) {
                error = PatchFailure(PatchStatus::BadNumber, start);
                return false;
            }
            const uint8_t x = m_bytes[m_pos++];
            value += (x & 0x7F) * shift;
            if (x & 0x80)
                return true;
            shift <<= 7;
            value += shift;
        }
    }
    size_t Pos() const { return m_pos; }
    size_t Left() const { return m_end - m_pos; }
    void Skip(size_t n) { m_pos += n; }

private:
    const uint8_t* m_bytes;
    size_t m_pos;
    size_t m_end;
};

struct Header {
    BpsInfo info;
    size_t actionsStart = 0;
    size_t actionsEnd = 0;
};

PatchResult ReadHeader(std::span<const uint8_t> patch, Header& h)
{
    const size_t n = patch.size();
    if (n < sizeof kMagic || std::memcmp(patch.data(), kMagic, sizeof kMagic) != 0)
        return PatchFailure(PatchStatus::NotAPatch);
    // The magic, three one-byte numbers and the footer at the least.
    if (n < sizeof kMagic + 3 + kFooterSize)
        return PatchFailure(PatchStatus::Truncated, n);
    BpsInfo& info = h.info;
    info.sourceCrc = ReadLe32(patch.data() + n - 12);
    info.targetCrc = ReadLe32(patch.data() + n - 8);
    info.patchCrc = ReadLe32(patch.data() + n - 4);
    const uint32_t actual = Crc32(patch.data(), n - 4);
    if (actual != info.patchCrc)
        return PatchFailure(PatchStatus::BadPatchChecksum, n - 4, info.patchCrc, actual);
    NumberReader r(patch.data(), sizeof kMagic, n - kFooterSize);
    PatchResult error;
    uint64_t metadataSize = 0;
    if (!r.Read(info.sourceSize, error) || !r.Read(info.targetSize, error) || !r.Read(metadataSize, error))
        return error;
    if (metadataSize > r.Left())
        return PatchFailure(PatchStatus::Truncated, n - kFooterSize);
    info.metadata.assign(reinterpret_cast<const char*>(patch.data() + r.Pos()), metadataSize);
    r.Skip(metadataSize);
    h.actionsStart = r.Pos();
    h.actionsEnd = n - kFooterSize;
    return {};
}

// Walks the actions. With a null `target` it only checks them against the
// sizes of the header; otherwise `source` holds sourceSize bytes and
// `target` room for targetSize bytes.
PatchResult Walk(const Header& h, std::span<const uint8_t> patch, const uint8_t* source, uint8_t* target,
                 std::array<uint64_t, 4>& counts)
{
    const uint64_t sourceSize = h.info.sourceSize;
    const uint64_t targetSize = h.info.targetSize;
    NumberReader r(patch.data(), h.actionsStart, h.actionsEnd);
    PatchResult error;
    uint64_t out = 0;
    uint64_t sourceCursor = 0;
    uint64_t targetCursor = 0;
    while (r.Left() > 0) {
        const size_t at = r.Pos();
        uint64_t data = 0;
        if (!r.Read(data, error))
            return error;
        const unsigned kind = data & 3;
        const uint64_t length = (data >> 2) + 1;
        if (length > targetSize - out)
            return PatchFailure(PatchStatus::ActionPastTarget, at);
        if (kind == 0) {
            if (out > sourceSize || length > sourceSize - out)
                return PatchFailure(PatchStatus::ActionPastSource, at);
            if (target)
                std::memcpy(target + out, source + out, length);
        } else if (kind == 1) {
            if (length > r.Left())
                return PatchFailure(PatchStatus::Truncated, h.actionsEnd);
            if (target)
                std::memcpy(target + out, patch.data() + r.Pos(), length);
            r.Skip(length);
        } else {
            uint64_t step = 0;
            if (!r.Read(step, error))
                return error;
            uint64_t& cursor = kind == 2 ? sourceCursor : targetCursor;
            const uint64_t distance = step >> 1;
            const PatchStatus outside = kind == 2 ? PatchStatus::ActionPastSource : PatchStatus::BadTargetCopy;
            if (step & 1) {
                if (distance > cursor)
                    return PatchFailure(outside, at);
                cursor -= distance;
            } else {
                cursor += distance; // both terms stay below 2^57: no overflow
            }
            if (kind == 2) {
                if (cursor > sourceSize || length > sourceSize - cursor)
                    return PatchFailure(outside, at);
                if (target)
                    std::memcpy(target + out, source + cursor, length);
            } else {
                // Every byte copied must already be written; the copy may
                // run on into the bytes it writes itself (a repeated run).
                if (cursor >= out)
                    return PatchFailure(outside, at);
                if (target)
                    for (uint64_t k = 0; k < length; ++k)
                        target[out + k] = target[cursor + k];
            }
            cursor += length;
        }
        out += length;
        ++counts[kind];
    }
    if (out != targetSize)
        return PatchFailure(PatchStatus::TargetShort, h.actionsEnd, targetSize, out);
    return {};
}

} // namespace

PatchResult ReadBpsInfo(std::span<const uint8_t> patch, BpsInfo& info)
{
    Header h;
    PatchResult r = ReadHeader(patch, h);
    if (r.Ok())
        r = Walk(h, patch, nullptr, nullptr, h.info.actions);
    info = h.info;
    return r;
}

PatchResult ApplyBps(std::span<const uint8_t> source, std::span<const uint8_t> patch, std::vector<uint8_t>& target)
{
    Header h;
    PatchResult r = ReadHeader(patch, h);
    if (!r.Ok())
        return r;
    const uint32_t sourceCrc = Crc32(source.data(), source.size());
    if (source.size() != h.info.sourceSize || sourceCrc != h.info.sourceCrc) {
        r = PatchFailure(PatchStatus::WrongSource, 0, h.info.sourceCrc, sourceCrc);
        r.expectedSize = h.info.sourceSize;
        r.actualSize = source.size();
        return r;
    }
    if (h.info.targetSize > kMaxPatchedSize)
        return PatchFailure(PatchStatus::TooLarge, 0, kMaxPatchedSize, h.info.targetSize);
    std::vector<uint8_t> result(h.info.targetSize);
    r = Walk(h, patch, source.data(), result.data(), h.info.actions);
    if (!r.Ok())
        return r;
    const uint32_t targetCrc = Crc32(result.data(), result.size());
    if (targetCrc != h.info.targetCrc)
        return PatchFailure(PatchStatus::BadTargetChecksum, patch.size() - 8, h.info.targetCrc, targetCrc);
    target.swap(result);
    return {};
}

} // namespace quorvex
