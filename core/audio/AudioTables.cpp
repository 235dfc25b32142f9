#include "audio/AudioTables.h"

#include <cstdio>
#include <cstring>

#include "rom/RomAddress.h"
#include "rom/RomData.h"

namespace quorvex {

void ParseSampleArea(AudioTables& t)
{
    t.irregular = false;
    t.modified.fill(false);
    for (auto& s : t.samples)
        s.clear();
    t.starts.fill(0);
    if (t.pointerBytes.size() < kSampleCount * 3 || t.area.size() < kSampleAreaSize) {
        t.irregular = true;
        t.freeBytes = t.initialFreeBytes = 0;
        return;
    }
    const std::vector<uint32_t> pointers = Read24BitTable(t.pointerBytes.data(), kSampleCount);
    int64_t used = 0;
    int64_t prevEnd = -1, prevStart = -1;
    for (int i = 0; i < kSampleCount; ++i) {
        const int64_t start = static_cast<int64_t>(pointers[i]) - kSampleAreaSnes;
        if (start < 0 || start + 2 > kSampleAreaSize) {
            t.irregular = true;
            continue;
        }
        const size_t len = ReadLe16(t.area.data() + start);
        if (start + 2 + static_cast<int64_t>(len) > kSampleAreaSize) {
            t.irregular = true;
            continue;
        }
        if (start < prevStart || (prevEnd >= 0 && start < prevEnd))
            t.irregular = true;
        t.starts[i] = static_cast<uint32_t>(start);
        t.samples[i].assign(t.area.begin() + start + 2, t.area.begin() + start + 2 + static_cast<long>(len));
        used += 2 + static_cast<int64_t>(len);
        prevStart = start;
        prevEnd = start + 2 + static_cast<int64_t>(len);
    }
    t.freeBytes = t.irregular ? 0 : static_cast<int32_t>(kSampleAreaSize - used);
    t.initialFreeBytes = t.freeBytes;
}

void LoadSoundSamples(ImageFile& f, RomData& rd)
{
    AudioTables& t = rd.audio;
    t.pointerBytes = f.ReadRom(kSamplePointersOffset, kSampleCount * 3);
    t.area = f.ReadRom(kSampleAreaOffset, kSampleAreaSize);
    ParseSampleArea(t);
}

void StoreSoundSamples(ImageFile& f, RomData& rd)
{
    const AudioTables& t = rd.audio;
    if (t.pointerBytes.size() == kSampleCount * 3)
        f.WriteRom(kSamplePointersOffset, t.pointerBytes);
    if (t.area.size() == kSampleAreaSize)
        f.WriteRom(kSampleAreaOffset, t.area);
}

namespace {

// Lays the samples out one after another from the start of the area; the
// rest of the area is cleared.
void LayOut(AudioTables& t)
{
    std::vector<uint8_t> area(kSampleAreaSize, 0);
    std::vector<uint32_t> pointers(kSampleCount);
    uint32_t at = 0;
    for (int i = 0; i < kSampleCount; ++i) {
        const auto& s = t.samples[i];
        t.starts[i] = at;
        pointers[i] = kSampleAreaSnes + at;
        WriteLe16(area.data() + at, static_cast<uint16_t>(s.size()));
        if (!s.empty())
            std::memcpy(area.data() + at + 2, s.data(), s.size());
        at += static_cast<uint32_t>(2 + s.size());
    }
    t.area = std::move(area);
    t.pointerBytes.assign(kSampleCount * 3, 0);
    Write24BitTable(pointers, t.pointerBytes.data());
}

} // namespace

ReplaceStatus ReplaceSample(AudioTables& t, int index, const std::vector<uint8_t>& brr)
{
    if (index < 0 || index >= kSampleCount)
        return ReplaceStatus::BadIndex;
    if (t.irregular)
        return ReplaceStatus::Irregular;
    if (brr.empty())
        return ReplaceStatus::NoSample;
    const int64_t after = static_cast<int64_t>(t.freeBytes) + static_cast<int64_t>(t.samples[index].size()) -
                          static_cast<int64_t>(brr.size());
    if (after < 0)
        return ReplaceStatus::NotEnoughBytes;
    // The length word has 16 bits: a longer sample would be cut short.
    if (brr.size() > 0xFFFF)
        return ReplaceStatus::TooLong;
    t.freeBytes = static_cast<int32_t>(after);
    t.samples[index] = brr;
    t.modified[index] = true;
    LayOut(t);
    return ReplaceStatus::Ok;
}

const char* ReplaceStatusMessage(ReplaceStatus s)
{
    switch (s) {
    case ReplaceStatus::Ok: return "";
    case ReplaceStatus::NotEnoughBytes: return kMsgNotEnoughBytes;
    case ReplaceStatus::Irregular: return kMsgIrregularSamples;
    case ReplaceStatus::NoSample: return kMsgNoSampleData;
    case ReplaceStatus::TooLong: return kMsgSampleTooLong;
    case ReplaceStatus::BadIndex: return "";
    }
    return "";
}

int SampleBlocks(const AudioTables& t, int index)
{
    if (index < 0 || index >= kSampleCount)
        return 0;
    return static_cast<int>(t.samples[index].size() / 9);
}

std::string SampleBlocksText(const AudioTables& t, int index)
{
    char buf[32];
    const bool mod = index >= 0 && index < kSampleCount && t.modified[index];
    std::snprintf(buf, sizeof buf, "%s%d", mod ? "*" : "", SampleBlocks(t, index));
    return buf;
}

std::string SampleStartText(const AudioTables& t, int index)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "0x%04X", index >= 0 && index < kSampleCount ? t.starts[index] : 0u);
    return buf;
}

std::string FreeSpaceText(const AudioTables& t)
{
    char buf[64];
    if (t.freeBytes != t.initialFreeBytes)
        std::snprintf(buf, sizeof buf, "Avail. blocks *%d (%d bytes)", t.freeBytes / 9, t.freeBytes);
    else
        std::snprintf(buf, sizeof buf, "Avail. blocks %d (%d bytes)", t.freeBytes / 9, t.freeBytes);
    return buf;
}

} // namespace quorvex
