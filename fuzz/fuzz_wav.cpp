// The WAV converter over arbitrary bytes: it must refuse or convert, never
// read past the input or write past its output buffer, and never hang.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "audio/BrrCodec.h"
#include "audio/WavToBrr.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace quorvex;
    // Half the time, give the input a valid header so the encoder itself runs.
    std::vector<uint8_t> wav(data, data + size);
    if (size > 2 && (data[0] & 1)) {
        const int layout = data[1] & 3;
        std::vector<uint8_t> body(data + 2, data + size);
        wav = MakeWavImage(layout & 1 ? 2 : 1, layout & 2 ? 16 : 8, 32000, body);
    }
    // An exact-size output buffer, so the sanitizer sees any overrun: large
    // enough for any layout (9 bytes per 16 samples of at least a byte
    // each), or now and then too small, to take the "too big" path.
    std::vector<uint8_t> out(size > 1 && (data[1] & 0x80) ? size / 9 : size + 9);
    size_t cap = out.size();
    const int r = ConvertWavToBrr(wav.data(), wav.size(), out.data(), cap);
    if (r == 0 && cap > 0) {
        if (CheckBrrRun(out.data(), cap) != static_cast<int>(cap / 9))
            __builtin_trap();
        std::vector<uint8_t> back;
        if (DecodeBrrToWav(out.data(), cap, 4096, back) <= 0 && cap / 9 * 32 + 44 <= kMaxDecodedWavBytes)
            __builtin_trap();
    }
    return 0;
}
