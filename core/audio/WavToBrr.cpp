#include "audio/WavToBrr.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "audio/BrrCodec.h"

namespace quorvex {

const char* WavErrorMessage(int code)
{
    switch (code) {
    case kWavNotRiff: return "WAV file is not \"RIFF\"";
    case kWavBoundCheck: return "WAV file bound check error";
    case kWavNotWaveFmt: return "WAV data format is not \"WAVEfmt \"";
    case kWavBadFmtSize: return "WAV PCM sub-header must be 16 bytes long";
    case kWavNotPcm: return "WAV data format not recognized";
    case kWavTooManyChannels: return "Too many channels. WAV data must be mono or stereo";
    case kWavBadAlignment: return "WAV data must be aligned on WORD bounds";
    case kWavNot16Bit: return "WAV sample is not 16-bit";
    case kWavNoData: return "WAV audio format is not \"data\"";
    case kWavBufferBoundCheck: return "WAV data buffer bound check error";
    case kWavTooBig: return "WAV file too big";
    case kWavNoChannels: return "WAV data has no channels. WAV data must be mono or stereo";
    case kWavBadSampleWidth: return "WAV samples must be 8-bit or 16-bit";
    case kWavBadChunkSize: return "WAV chunk size runs past the end of the file";
    case kWavNoSamples: return "WAV file holds no samples";
    case kWavTooShort: return "WAV file holds fewer than 16 samples, too few for one BRR block";
    default: return "";
    }
}

namespace {

uint16_t Le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t Le32(const uint8_t* p)
{
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

// An unsigned 8-bit sample widened to 16 bits on a straight line through
// silence (0x80 gives 0) and full scale (0xFF gives 0x7F7F): each step of
// the byte is 257, and 0x00, one step below -0x8000, is clamped to it.
int16_t Widen8(uint8_t b)
{
    return static_cast<int16_t>(std::max(((b << 8) | b) - 0x8080, -0x8000));
}

// Two channels mixed to one: each halved (truncating toward zero) before
// adding, so the sum cannot overflow.
int16_t MixStereo(int left, int right) { return static_cast<int16_t>(left / 2 + right / 2); }

enum class Layout { Mono8, Stereo8, Mono16, Stereo16 };

} // namespace

int ReduceWavToMono16(const uint8_t* wav, size_t length, std::vector<int16_t>& samples)
{
    samples.clear();
    if (!wav || length < 4 || std::memcmp(wav, "RIFF", 4) != 0)
        return kWavNotRiff;
    // The header must be there whole before any of its fields is read.
    if (length < kWavHeaderSize)
        return kWavBoundCheck;
    if (static_cast<uint64_t>(Le32(wav + 4)) + 24 < length)
        return kWavBoundCheck;
    if (std::memcmp(wav + 8, "WAVEfmt ", 8) != 0)
        return kWavNotWaveFmt;
    if (Le32(wav + 16) != 16)
        return kWavBadFmtSize;
    if (Le16(wav + 20) != 1)
        return kWavNotPcm;
    const uint16_t channels = Le16(wav + 22);
    if (channels == 0)
        return kWavNoChannels;
    if (channels > 2)
        return kWavTooManyChannels;
    const uint16_t align = Le16(wav + 32);
    const uint16_t bits = Le16(wav + 34);
    if (bits != 8 && bits != 16)
        return kWavBadSampleWidth;
    // The layout follows from the frame size and the sample width alone:
    // the block alignment is what the data is laid out by, so a header
    // whose channel count disagrees with it is read by its alignment.
    Layout layout;
    if (bits == 8 && align == 1)
        layout = Layout::Mono8;
    else if (bits == 8 && align == 2)
        layout = Layout::Stereo8;
    else if (bits == 16 && align == 2)
        layout = Layout::Mono16;
    else if (bits == 16 && align == 4)
        layout = Layout::Stereo16;
    else
        return kWavBadAlignment;

    // The chunks after the 16-byte format chunk: each an id, a 32-bit size
    // and that many bytes, padded to an even length. Writers put tags (a
    // LIST chunk) or other chunks before the data; those are skipped.
    size_t at = 12 + 8 + 16;
    uint64_t dataSize = 0;
    for (;;) {
        if (at + 8 > length)
            return kWavNoData;
        const uint64_t size = Le32(wav + at + 4);
        if (at + 8 + size > length)
            return kWavBadChunkSize;
        if (std::memcmp(wav + at, "data", 4) == 0) {
            dataSize = size;
            break;
        }
        at += 8 + static_cast<size_t>(size) + (size & 1);
    }
    const uint8_t* d = wav + at + 8;
    const size_t bytes = static_cast<size_t>(dataSize);
    if (bytes < align)
        return kWavNoSamples;

    switch (layout) {
    case Layout::Mono16:
        samples.resize(bytes / 2);
        for (size_t i = 0; i < samples.size(); ++i)
            samples[i] = static_cast<int16_t>(Le16(d + 2 * i));
        break;
    case Layout::Stereo16:
        samples.resize(bytes / 4);
        for (size_t i = 0; i < samples.size(); ++i)
            samples[i] = MixStereo(static_cast<int16_t>(Le16(d + 4 * i)), static_cast<int16_t>(Le16(d + 4 * i + 2)));
        break;
    case Layout::Mono8:
        samples.resize(bytes);
        for (size_t i = 0; i < samples.size(); ++i)
            samples[i] = Widen8(d[i]);
        break;
    case Layout::Stereo8:
        samples.resize(bytes / 2);
        for (size_t i = 0; i < samples.size(); ++i)
            samples[i] = MixStereo(Widen8(d[2 * i]), Widen8(d[2 * i + 1]));
        break;
    }
    return 0;
}

namespace {

int Clamp16(int v) { return std::clamp(v, -0x8000, 0x7FFF); }

// One block's best encoding.
struct EncodedBlock {
    uint8_t header = 0;
    int8_t nibbles[16] = {};
    int recon[16] = {};
};

// Encodes 16 targets with one filter and shift from the history (p1, p2).
// Returns the total squared error, or stops early (returning at least
// `bound`) once the running total can no longer beat it.
int64_t TryBlock(const int* x, int filter, int shift, int p1, int p2, int64_t bound, EncodedBlock& out)
{
    const int round = (1 << shift) >> 1;
    int64_t total = 0;
    for (int i = 0; i < 16; ++i) {
        const int pred = BrrPredict(filter, p1, p2);
        const int target = x[i];
        int best = 0, bestRecon = 0;
        int64_t bestErr = 0;
        // The 15-bit history wraps: a target reached through the wrap (top
        // bit flipped) may lie closer to the prediction than the plain one.
        const int targets[2] = {target & 0x7FFF, target | ~0x7FFF};
        for (int c = 0; c < 2; ++c) {
            const int nib = std::clamp((round + (targets[c] - pred) * 2) >> shift, -8, 7);
            int v = ((nib * (1 << shift)) >> 1) + pred;
            if (filter >= 2)
                v = Clamp16(v);
            v = BrrWrap15(v);
            const int64_t e = static_cast<int64_t>(v - target) * (v - target);
            if (c == 0 || e <= bestErr) { // a tie goes to the second candidate
                best = nib;
                bestRecon = v;
                bestErr = e;
            }
        }
        out.nibbles[i] = static_cast<int8_t>(best);
        out.recon[i] = bestRecon;
        total += bestErr;
        if (total >= bound)
            return total;
        p2 = p1;
        p1 = bestRecon;
    }
    out.header = static_cast<uint8_t>(shift << 4 | filter << 2);
    return total;
}

// The positions of a block (bit 15 = first sample) at which the sound
// chip's four-point interpolation would leave the 15-bit range.
uint16_t InterpolationOverflow(int p1, int p2, const int* recon)
{
    int s[18];
    s[0] = p2;
    s[1] = p1;
    for (int i = 0; i < 16; ++i)
        s[i + 2] = recon[i];
    uint16_t flags = 0;
    for (int n = 0; n < 16; ++n) {
        const int a = s[n], b = s[n + 1], c = s[n + 2];
        const int sums[3] = {
            ((a * 0x172) >> 11) + ((b * 0x519) >> 11) + ((c * 0x176) >> 11),
            ((a * 0x16E) >> 11) + ((b * 0x519) >> 11) + ((c * 0x17A) >> 11),
            ((a * 0x150) >> 11) + ((b * 0x517) >> 11) + ((c * 0x19A) >> 11),
        };
        for (int sum : sums)
            if (static_cast<uint32_t>(sum + 0x4000) > 0x7FFF)
                flags |= static_cast<uint16_t>(0x8000 >> n);
    }
    return flags;
}

} // namespace

int EncodeBrr(const int16_t* samples, size_t count, uint8_t* out, size_t& capacity)
{
    const size_t blocks = count / 16;
    if (capacity < blocks * kBrrBlockSize)
        return kWavTooBig;
    capacity = blocks * kBrrBlockSize;

    int p1 = 0, p2 = 0;
    double base = 0.0004;
    for (size_t blk = 0; blk < blocks; ++blk) {
        int input[16];
        for (int i = 0; i < 16; ++i)
            input[i] = samples[blk * 16 + i];
        // Attenuation always converges (every factor is at least the base,
        // which grows by a tenth each attempt, so the samples reach silence,
        // which never overflows); the bound only guards the loop.
        for (int attempt = 0;; ++attempt) {
            int x[16];
            for (int i = 0; i < 16; ++i)
                x[i] = input[i] >> 1;
            EncodedBlock best, trial;
            int64_t bestErr = std::numeric_limits<int64_t>::max();
            const int lastFilter = blk == 0 ? 0 : 3;
            for (int f = 0; f <= lastFilter; ++f)
                for (int s = 12; s >= 1; --s) {
                    const int64_t e = TryBlock(x, f, s, p1, p2, bestErr, trial);
                    if (e < bestErr) {
                        bestErr = e;
                        best = trial;
                    }
                }
            const uint16_t flags = InterpolationOverflow(p1, p2, best.recon);
            if (flags == 0 || attempt >= 4096) {
                uint8_t* o = out + blk * kBrrBlockSize;
                o[0] = best.header;
                for (int i = 0; i < 8; ++i)
                    o[1 + i] = static_cast<uint8_t>((best.nibbles[2 * i] & 0xF) << 4 | (best.nibbles[2 * i + 1] & 0xF));
                p2 = best.recon[14];
                p1 = best.recon[15];
                base = 0.0004;
                break;
            }
            double factor[16];
            std::fill(std::begin(factor), std::end(factor), base);
            for (int i = 0; i < 16; ++i) {
                if (!(flags & (0x8000 >> i)))
                    continue;
                double c = 0.05;
                for (int j = i; j >= 0; --j) {
                    factor[j] *= 1 + c;
                    c /= 10;
                }
                c = 0.005;
                for (int j = i + 1; j < 16; ++j) {
                    factor[j] *= 1 + c;
                    c /= 10;
                }
            }
            for (int j = 0; j < 16; ++j)
                input[j] = static_cast<int>(input[j] * (1 - factor[j]));
            base *= 1.1;
        }
    }
    if (blocks > 0)
        out[(blocks - 1) * kBrrBlockSize] |= 0x01;
    return 0;
}

int ConvertWavToBrr(const uint8_t* wav, size_t length, uint8_t* out, size_t& capacity)
{
    std::vector<int16_t> samples;
    const int r = ReduceWavToMono16(wav, length, samples);
    if (r != 0)
        return r;
    return EncodeBrr(samples.data(), samples.size(), out, capacity);
}

std::vector<uint8_t> MakeWavImage(int channels, int bitsPerSample, uint32_t sampleRate,
                                  const std::vector<uint8_t>& data)
{
    std::vector<uint8_t> w(kWavHeaderSize + data.size());
    auto put16 = [&](size_t at, uint32_t v) {
        w[at] = static_cast<uint8_t>(v);
        w[at + 1] = static_cast<uint8_t>(v >> 8);
    };
    auto put32 = [&](size_t at, uint32_t v) {
        put16(at, v & 0xFFFF);
        put16(at + 2, v >> 16);
    };
    const uint32_t align = static_cast<uint32_t>(channels * bitsPerSample / 8);
    std::memcpy(w.data(), "RIFF", 4);
    put32(4, static_cast<uint32_t>(36 + data.size()));
    std::memcpy(w.data() + 8, "WAVEfmt ", 8);
    put32(16, 16);
    put16(20, 1);
    put16(22, static_cast<uint32_t>(channels));
    put32(24, sampleRate);
    put32(28, sampleRate * align);
    put16(32, align);
    put16(34, static_cast<uint32_t>(bitsPerSample));
    std::memcpy(w.data() + 36, "data", 4);
    put32(40, static_cast<uint32_t>(data.size()));
    if (!data.empty())
        std::memcpy(w.data() + kWavHeaderSize, data.data(), data.size());
    return w;
}

std::vector<uint8_t> MakeWavImage16(const std::vector<int16_t>& samples, uint32_t sampleRate)
{
    std::vector<uint8_t> data(samples.size() * 2);
    for (size_t i = 0; i < samples.size(); ++i) {
        const uint16_t v = static_cast<uint16_t>(samples[i]);
        data[2 * i] = static_cast<uint8_t>(v);
        data[2 * i + 1] = static_cast<uint8_t>(v >> 8);
    }
    return MakeWavImage(1, 16, sampleRate, data);
}

} // namespace quorvex
