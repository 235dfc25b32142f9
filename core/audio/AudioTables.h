#pragma once
// The instrument samples (step 9.20): 63 three-byte SNES pointers and the
// BRR data area they point into.
#include "rom/RawTable.h"

namespace quorvex {

struct RomData;

struct AudioTables {
    RawTable samplePointers; // 63 x 3 bytes at 0x53C5F
    RawTable sampleData;     // 0x31245 bytes at 0x54A35
};

void LoadSoundSamples(ImageFile& f, RomData& rd);
void StoreSoundSamples(ImageFile& f, RomData& rd);

} // namespace quorvex
