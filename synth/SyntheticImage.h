#pragma once
// The synthetic game image: a fully consistent image made in code, with the
// right internal title, every table at its place holding varied, valid data,
// and the code sequences that patch detection reads. Variants cover both
// releases, both header states, the three sizes, odd sizes and titles, and
// each patch or anomaly the program recognises.
#include <cstdint>
#include <string>
#include <vector>

namespace quorvex::synth {

enum class DialogueRoutine { Own, FF3Edit, Unknown };
enum class AttackNameRoutine { Own, ExpA, ExpB, Unknown };
enum class MissingMapBlock { None, MiniMap, MapData, MapTiles };
// A fault of the battle-script area: the game's own Mag Roader defect
// (script 243 runs 12 bytes into the next one), or two monsters sharing
// one script so that the scripts no longer fit when counted per monster.
enum class ScriptDefect { None, MagRoader, SharedPointer };

struct SynthOptions {
    uint8_t romType = 1;      // 1 FF3us, 2 FF6j
    uint8_t version = 0;      // the header's version byte (1.0 = 0, 1.1 = 1)
    bool headered = false;    // with a 512-byte copier header
    int mbit = 24;            // 24, 28 or 32
    int64_t extraBytes = 0;   // appended past the accepted size (an unaccepted size)
    std::string title;        // empty: the release's own title
    DialogueRoutine dialogue = DialogueRoutine::Own;
    AttackNameRoutine attackNames = AttackNameRoutine::Own;
    int scriptLocation = 0;   // 0 own, 1 overflowing in place, 2 bank $F0, 3 our relocation
    ScriptDefect scriptDefect = ScriptDefect::None;
    MissingMapBlock missingMap = MissingMapBlock::None;
    bool mapInExpanded = false; // a world-map block laid into the expanded section
    // World-map blocks laid out as the North American release has them (the
    // second world's tile block before its map block, the mini-maps the
    // other way round too), with gaps between the blocks.
    bool mapTilesFirst = false;
    uint32_t seed = 0x51A7E;
};

// The image file's bytes (with the copier header when asked).
std::vector<uint8_t> BuildSyntheticImage(const SynthOptions& opts = {});

struct Variant {
    std::string name;
    SynthOptions options;
};
// Every variant the tests run through.
std::vector<Variant> AllVariants();
// The options of the variant of that name; false when there is none.
bool FindVariant(const std::string& name, SynthOptions& options);

// Writes the image to a file; false on an I/O error.
bool WriteSyntheticImage(const std::string& path, const SynthOptions& opts = {});

} // namespace quorvex::synth
