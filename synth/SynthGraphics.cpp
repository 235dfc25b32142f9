// Fonts, palettes, monster graphics and battle backgrounds of the synthetic image.
#include "SynthImage.h"

namespace quorvex::synth {

void FillGraphics(SynthImage&) {}

} // namespace quorvex::synth
