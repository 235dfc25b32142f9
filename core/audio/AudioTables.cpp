#include "audio/AudioTables.h"

#include "rom/RomData.h"

namespace quorvex {

void LoadSoundSamples(ImageFile& f, RomData& rd)
{
    rd.audio.samplePointers.Load(f, 0x53C5F, 63 * 3);
    rd.audio.sampleData.Load(f, 0x54A35, 0x31245);
}

void StoreSoundSamples(ImageFile& f, RomData& rd)
{
    rd.audio.samplePointers.Store(f);
    rd.audio.sampleData.Store(f);
}

} // namespace quorvex
