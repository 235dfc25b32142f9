#include "rom/Ips.h"

#include <algorithm>
#include <cstring>

namespace quorvex {

namespace {

constexpr uint8_t kMagic[5] = {'P', 'A', 'T', 'C', 'H'};
constexpr uint8_t kEof[3] = {'E', 'O', 'F'};
constexpr uint64_t kMaxRecord = 0xFFFF;

uint32_t Be16(const uint8_t* p) { return uint32_t(p[0]) << 8 | p[1]; }
uint32_t Be24(const uint8_t* p) { return uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2]; }

void PutBe(std::vector<uint8_t>& out, uint64_t v, int bytes)
{
    for (int k = bytes - 1; k >= 0; --k)
        out.push_back(static_cast<uint8_t>(v >> (8 * k)));
}

// Walks the records; with a `target` it also writes them.
PatchResult Walk(std::span<const uint8_t> patch, std::vector<uint8_t>* target, IpsInfo& info)
{
    const uint8_t* p = patch.data();
    const size_t n = patch.size();
    if (n < sizeof kMagic || std::memcmp(p, kMagic, sizeof kMagic) != 0)
        return PatchFailure(PatchStatus::NotAPatch);
    size_t pos = sizeof kMagic;
    for (;;) {
        if (n - pos < 3)
            return PatchFailure(PatchStatus::Truncated, n);
        if (std::memcmp(p + pos, kEof, 3) == 0) {
            pos += 3;
            break;
        }
        const size_t at = pos;
        if (n - pos < 5)
            return PatchFailure(PatchStatus::Truncated, n);
        const uint64_t offset = Be24(p + pos);
        uint64_t size = Be16(p + pos + 3);
        pos += 5;
        const uint8_t* data = p + pos;
        bool run = false;
        if (size == 0) {
            if (n - pos < 3)
                return PatchFailure(PatchStatus::Truncated, n);
            size = Be16(p + pos);
            if (size == 0)
                return PatchFailure(PatchStatus::IpsEmptyRun, at);
            data = p + pos + 2;
            run = true;
            pos += 3;
        } else {
            if (n - pos < size)
                return PatchFailure(PatchStatus::Truncated, n);
            pos += size;
        }
        ++info.records;
        info.runs += run;
        info.end = std::max(info.end, offset + size);
        if (target) {
            if (target->size() < offset + size)
                target->resize(offset + size); // the gap, if any, reads as zeros
            uint8_t* dst = target->data() + offset;
            if (run)
                std::memset(dst, *data, size);
            else
                std::memcpy(dst, data, size);
        }
    }
    if (n - pos == 3) {
        info.truncates = true;
        info.truncateTo = Be24(p + pos);
        if (target)
            target->resize(info.truncateTo);
    } else if (n != pos) {
        return PatchFailure(PatchStatus::TrailingBytes, pos, 0, n - pos);
    }
    return {};
}

// One record over target[a, a + len), a run when `run` is set.
struct Record {
    uint64_t offset;
    uint64_t length;
    bool run;
};

// Splits a stretch of differences into records: long runs of one value
// become run-length records (8 bytes each), the rest literal records
// (5 bytes plus the data) of at most 0xFFFF bytes.
void SplitStretch(const uint8_t* t, uint64_t a, uint64_t b, std::vector<Record>& out)
{
    uint64_t literal = a;
    auto flush = [&](uint64_t to) {
        for (uint64_t s = literal; s < to; s += kMaxRecord)
            out.push_back({s, std::min(kMaxRecord, to - s), false});
    };
    uint64_t i = a;
    while (i < b) {
        uint64_t j = i + 1;
        while (j < b && t[j] == t[i] && j - i < kMaxRecord)
            ++j;
        const uint64_t len = j - i;
        // A run cut out of the middle of a literal costs a run record and a
        // second literal header (13 bytes); at either end only the run (8),
        // against a literal header of 5 when the stretch is the run alone.
        const bool atEdge = i == literal || j == b;
        const uint64_t worth = (i == literal && j == b) ? 4 : atEdge ? 9 : 14;
        if (len >= worth) {
            flush(i);
            out.push_back({i, len, true});
            literal = j;
        }
        i = j;
    }
    flush(b);
}

} // namespace

PatchResult ReadIpsInfo(std::span<const uint8_t> patch, IpsInfo& info)
{
    info = {};
    return Walk(patch, nullptr, info);
}

PatchResult ApplyIps(std::span<const uint8_t> source, std::span<const uint8_t> patch, std::vector<uint8_t>& target)
{
    std::vector<uint8_t> result(source.begin(), source.end());
    IpsInfo info;
    const PatchResult r = Walk(patch, &result, info);
    if (r.Ok())
        target.swap(result);
    return r;
}

PatchResult CreateIps(std::span<const uint8_t> source, std::span<const uint8_t> target, std::vector<uint8_t>& patch)
{
    const uint64_t s = source.size();
    const uint64_t t = target.size();
    auto differs = [&](uint64_t i) { return i >= s || source[i] != target[i]; };
    if (t < s && t >= kIpsLimit)
        return PatchFailure(PatchStatus::IpsBeyondLimit, t); // the truncation size would not fit
    std::vector<Record> records;
    uint64_t i = 0;
    while (i < t) {
        if (!differs(i)) {
            ++i;
            continue;
        }
        // A stretch of differences; gaps of fewer than five equal bytes are
        // cheaper inside it than a new record header.
        const uint64_t a = i;
        uint64_t b = a + 1; // one past the last difference so far
        for (uint64_t j = b; j < t; ++j) {
            if (differs(j))
                b = j + 1;
            else if (j + 1 - b >= 5)
                break;
        }
        if (b > kIpsLimit)
            for (uint64_t j = std::max(a, kIpsLimit); j < b; ++j)
                if (differs(j))
                    return PatchFailure(PatchStatus::IpsBeyondLimit, j);
        SplitStretch(target.data(), a, b, records);
        i = b;
    }
    patch.assign(std::begin(kMagic), std::end(kMagic));
    for (size_t k = 0; k < records.size(); ++k) {
        Record rec = records[k];
        if (rec.offset == kIpsEofOffset) {
            // Start one byte earlier: the byte before is written again with
            // its value in the result. A run takes it in when it holds the
            // same value; otherwise that byte and the run's first go into a
            // two-byte literal record and the run starts after them.
            const uint8_t before = target[kIpsEofOffset - 1];
            if (rec.run && before != target[rec.offset]) {
                PutBe(patch, kIpsEofOffset - 1, 3);
                PutBe(patch, 2, 2);
                patch.push_back(before);
                patch.push_back(target[rec.offset]);
                if (--rec.length == 0)
                    continue;
                rec.offset += 1;
            } else {
                rec.offset -= 1;
                rec.length += 1;
            }
            if (rec.length > kMaxRecord) {
                // The one byte more does not fit: the rest becomes a record
                // of its own, written after all the others.
                records.push_back({rec.offset + kMaxRecord, rec.length - kMaxRecord, rec.run});
                rec.length = kMaxRecord;
            }
        }
        PutBe(patch, rec.offset, 3);
        if (rec.run) {
            PutBe(patch, 0, 2);
            PutBe(patch, rec.length, 2);
            patch.push_back(target[rec.offset]);
        } else {
            PutBe(patch, rec.length, 2);
            patch.insert(patch.end(), target.begin() + long(rec.offset), target.begin() + long(rec.offset + rec.length));
        }
    }
    patch.insert(patch.end(), std::begin(kEof), std::end(kEof));
    if (t < s)
        PutBe(patch, t, 3);
    return {};
}

} // namespace quorvex
