// Text blocks, the dual-tile table and the dialogue of the synthetic image.
#include "SynthImage.h"

namespace quorvex::synth {

void FillText(SynthImage&) {}

uint32_t SynthThirdPageUsed(const SynthImage& img)
{
    // The FF3Edit dialogue expansion claims the whole first bank of the
    // expanded section for its third page.
    return (!img.Jp() && img.opts.dialogue == DialogueRoutine::FF3Edit && img.opts.mbit == 32) ? 0x10000 : 0;
}

} // namespace quorvex::synth
