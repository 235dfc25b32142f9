// Monsters, formations, items, spells, actors and the other game tables of
// the synthetic image.
#include "SynthImage.h"

namespace quorvex::synth {

void FillGameData(SynthImage&) {}

} // namespace quorvex::synth
