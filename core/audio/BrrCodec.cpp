#include "audio/BrrCodec.h"

#include <algorithm>
#include <cstring>

namespace quorvex {

namespace {

int WalkBlocks(const uint8_t* data, size_t length, bool checkShift)
{
    if (!data)
        return -1;
    int blocks = 0;
    for (size_t at = 0; at + 9 <= length; at += 9) {
        const uint8_t header = data[at];
        if (checkShift && (header & 0xF0) > 0xD0)
            return -2;
        ++blocks;
        if (header & 0x01)
            return blocks;
    }
    return -1;
}

void Put16(uint8_t* p, uint32_t v)
{
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}
void Put32(uint8_t* p, uint32_t v)
{
    Put16(p, v & 0xFFFF);
    Put16(p + 2, v >> 16);
}

} // namespace

int CountBrrBlocks(const uint8_t* data, size_t length) { return WalkBlocks(data, length, false); }

int CheckBrrRun(const uint8_t* data, size_t length) { return WalkBlocks(data, length, true); }

int CheckBrrFile(const uint8_t* data, size_t length)
{
    if (length % 9 != 0)
        return kBrrNotWholeBlocks;
    if (CountBrrBlocks(data, length) < 0)
        return kBrrNoEndFlag;
    if (CheckBrrRun(data, length) < 0)
        return kBrrBadShift;
    return 0;
}

const char* BrrErrorMessage(int code)
{
    switch (code) {
    case kBrrNotWholeBlocks: return "BRR data must be a whole number of 9-byte blocks!!";
    case kBrrNoEndFlag: return "BRR data has no block with the end flag!!";
    case kBrrBadShift: return "BRR data has a block with a shift above 13, which the sound chip cannot play!!";
    default: return "";
    }
}

int64_t PitchToRate(int pitch) { return static_cast<int64_t>(pitch) * 32000 / 4096; }

int RateToPitch(int64_t rate)
{
    const int64_t pitch = rate * 4096 / 32000;
    if (pitch <= 0)
        return -1;
    return static_cast<int>(std::min<int64_t>(pitch, 0x7FFFFFFF));
}

int DecodeBrrToWav(const uint8_t* brr, size_t length, int pitch, std::vector<uint8_t>& wav)
{
    wav.clear();
    const int64_t rate = PitchToRate(pitch);
    // A rate the header cannot hold (or none at all) plays nothing.
    if (pitch <= 0 || rate <= 0 || rate * 2 > 0xFFFFFFFFll || !brr)
        return -1;

    std::vector<uint8_t> out(44);
    std::memcpy(out.data(), "RIFF", 4);
    std::memcpy(out.data() + 8, "WAVEfmt ", 8);
    Put32(out.data() + 16, 16);
    Put16(out.data() + 20, 1);
    Put16(out.data() + 22, 1);
    Put32(out.data() + 24, static_cast<uint32_t>(rate));
    Put32(out.data() + 28, static_cast<uint32_t>(rate * 2));
    Put16(out.data() + 32, 2);
    Put16(out.data() + 34, 16);
    std::memcpy(out.data() + 36, "data", 4);

    int p1 = 0, p2 = 0;
    for (size_t at = 0; at + 9 <= length; at += 9) {
        const uint8_t header = brr[at];
        const int shift = header >> 4;
        const int filter = (header >> 2) & 3;
        if (shift > 13)
            return -2;
        if (out.size() + 32 > kMaxDecodedWavBytes)
            return -1;
        for (int i = 0; i < 16; ++i) {
            const uint8_t byte = brr[at + 1 + i / 2];
            int nib = (i & 1) ? (byte & 0x0F) : (byte >> 4);
            if (nib >= 8)
                nib -= 16;
            // Shifts up to 12 scale the nibble; the chip turns the larger
            // shifts into the nibble's sign alone (0 or -2048, half scale).
            const int scaled = shift <= 12 ? (nib * (1 << shift)) >> 1 : (nib < 0 ? -2048 : 0);
            int v = scaled + BrrPredict(filter, p1, p2);
            v = BrrWrap15(std::clamp(v, -0x8000, 0x7FFF));
            const uint16_t sample = static_cast<uint16_t>(v * 2);
            out.push_back(static_cast<uint8_t>(sample));
            out.push_back(static_cast<uint8_t>(sample >> 8));
            p2 = p1;
            p1 = v;
        }
        if (header & 0x01) {
            Put32(out.data() + 4, static_cast<uint32_t>(out.size() - 8));
            Put32(out.data() + 40, static_cast<uint32_t>(out.size() - 44));
            wav = std::move(out);
            return static_cast<int>(wav.size());
        }
    }
    return -1;
}

} // namespace quorvex
