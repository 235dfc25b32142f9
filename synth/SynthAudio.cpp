// Instrument samples of the synthetic image.
#include "SynthImage.h"

namespace quorvex::synth {

void FillAudio(SynthImage&) {}

} // namespace quorvex::synth
