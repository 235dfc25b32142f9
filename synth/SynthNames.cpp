// Name lists of the synthetic image.
#include "SynthImage.h"

namespace quorvex::synth {

void FillNames(SynthImage&) {}

} // namespace quorvex::synth
