#include "SyntheticImage.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

#include "SynthImage.h"

namespace quorvex::synth {

void SynthImage::Put(uint32_t romOffset, const uint8_t* bytes, size_t n)
{
    if (!Holds(romOffset, n))
        return; // a table of the expanded section in an image that has none
    std::memcpy(rom.data() + romOffset, bytes, n);
}
void SynthImage::Put(uint32_t romOffset, const std::vector<uint8_t>& bytes) { Put(romOffset, bytes.data(), bytes.size()); }
void SynthImage::Fill(uint32_t romOffset, size_t n, uint8_t value)
{
    if (Holds(romOffset, n))
        std::memset(rom.data() + romOffset, value, n);
}
void SynthImage::Put16(uint32_t romOffset, uint16_t v)
{
    const uint8_t b[2] = {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8)};
    Put(romOffset, b, 2);
}
void SynthImage::Put24(uint32_t romOffset, uint32_t v)
{
    const uint8_t b[3] = {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v >> 16)};
    Put(romOffset, b, 3);
}

namespace {

// Every option, spelled out: two option sets make the same image exactly
// when their keys are equal.
std::string OptionsKey(const SynthOptions& o)
{
    // A new option changes the size of the options; it must join the key.
    static_assert(sizeof(SynthOptions) == 80, "a new option must join the key");
    char buf[160];
    std::snprintf(buf, sizeof buf, "synth %u %u %d %d %lld %d %d %d %d %d %d %d %u ", o.romType, o.version,
                  o.headered, o.mbit, static_cast<long long>(o.extraBytes), static_cast<int>(o.dialogue),
                  static_cast<int>(o.attackNames), o.scriptLocation, static_cast<int>(o.scriptDefect),
                  static_cast<int>(o.missingMap), o.mapInExpanded, o.mapTilesFirst, o.seed);
    std::string key = buf;
    for (unsigned char c : o.title)
        key += std::to_string(c) + ".";
    return key;
}

// The cache the test runs keep: the folder named by QUORVEX_SYNTH_CACHE holds
// the images made so far in the run, each file the options' key on a line of
// its own and then the image. Building an image costs far more than reading
// it, and nearly every test process starts from one. A file whose key is not
// the options' is not used.
std::string CacheFile(const std::string& key)
{
    const char* dir = std::getenv("QUORVEX_SYNTH_CACHE");
    if (!dir || !*dir)
        return {};
    ::mkdir(dir, 0755); // the first image of the run makes the folder
    uint64_t h = 0xCBF29CE484222325ull; // FNV-1a
    for (unsigned char c : key)
        h = (h ^ c) * 0x100000001B3ull;
    char name[32];
    std::snprintf(name, sizeof name, "/%016llx.img", static_cast<unsigned long long>(h));
    return dir + std::string(name);
}

bool ReadCached(const std::string& path, const std::string& key, std::vector<uint8_t>& bytes)
{
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return false;
    std::string head(key.size() + 1, '\0');
    bool ok = std::fread(head.data(), 1, head.size(), f) == head.size() && head == key + "\n";
    if (ok) {
        std::vector<uint8_t> rest;
        uint8_t chunk[1 << 16];
        size_t n;
        while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0)
            rest.insert(rest.end(), chunk, chunk + n);
        ok = !std::ferror(f) && !rest.empty();
        if (ok)
            bytes = std::move(rest);
    }
    std::fclose(f);
    return ok;
}

// Written beside and renamed into place, so that a test running at the same
// time never reads half an image.
void WriteCached(const std::string& path, const std::string& key, const std::vector<uint8_t>& bytes)
{
    const std::string temp = path + "." + std::to_string(getpid());
    std::FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f)
        return;
    const std::string head = key + "\n";
    bool ok = std::fwrite(head.data(), 1, head.size(), f) == head.size();
    ok = ok && std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = std::fclose(f) == 0 && ok;
    if (!ok || std::rename(temp.c_str(), path.c_str()) != 0)
        std::remove(temp.c_str());
}

std::vector<uint8_t> BuildImage(const SynthOptions& opts);

} // namespace

std::vector<uint8_t> BuildSyntheticImage(const SynthOptions& opts)
{
    const std::string key = OptionsKey(opts);
    const std::string cache = CacheFile(key);
    std::vector<uint8_t> bytes;
    if (!cache.empty() && ReadCached(cache, key, bytes))
        return bytes;
    bytes = BuildImage(opts);
    if (!cache.empty())
        WriteCached(cache, key, bytes);
    return bytes;
}

namespace {

std::vector<uint8_t> BuildImage(const SynthOptions& opts)
{
    const size_t romSize = static_cast<size_t>(opts.mbit) * 0x20000;
    SynthImage img(romSize, opts);
    // Every byte the program does not model still holds something, so that
    // a save that touches it shows.
    for (size_t i = 0; i < romSize; i += 4) {
        const uint32_t r = img.rng.Next();
        std::memcpy(img.rom.data() + i, &r, 4);
    }
    FillGameData(img);
    FillBattleAnimations(img);
    FillBattleScripts(img);
    FillNames(img);
    FillText(img);
    FillItemsAndMagic(img);
    FillGraphics(img);
    FillAudio(img);
    FillWorldMaps(img);
    FillCodeAndHeader(img);
    FillBattleAndActors(img);

    std::vector<uint8_t> file;
    file.reserve(romSize + 0x200 + static_cast<size_t>(opts.extraBytes));
    if (opts.headered) {
        // A copier header: never read, never written.
        for (int i = 0; i < 0x200; ++i)
            file.push_back(static_cast<uint8_t>(i == 0 ? opts.mbit * 4 : (i * 7 + 3) & 0xFF));
    }
    file.insert(file.end(), img.rom.begin(), img.rom.end());
    for (int64_t i = 0; i < opts.extraBytes; ++i)
        file.push_back(static_cast<uint8_t>(i));
    return file;
}

} // namespace

std::vector<Variant> AllVariants()
{
    std::vector<Variant> v;
    auto add = [&](const std::string& name, auto tweak) {
        SynthOptions o;
        tweak(o);
        v.push_back({name, o});
    };
    add("us10-headerless", [](SynthOptions&) {});
    add("us10-headered", [](SynthOptions& o) { o.headered = true; });
    add("us11", [](SynthOptions& o) { o.version = 1; });
    add("us11-headered", [](SynthOptions& o) { o.version = 1; o.headered = true; });
    add("jp", [](SynthOptions& o) { o.romType = 2; });
    add("jp-headered", [](SynthOptions& o) { o.romType = 2; o.headered = true; });
    add("us-28", [](SynthOptions& o) { o.mbit = 28; });
    add("us-32-headered", [](SynthOptions& o) { o.mbit = 32; o.headered = true; });
    add("odd-size", [](SynthOptions& o) { o.headered = true; o.extraBytes = 256; });
    add("unknown-title", [](SynthOptions& o) { o.title = "SECRET OF EVERMORE"; });
    add("dialog-ff3edit", [](SynthOptions& o) { o.mbit = 32; o.dialogue = DialogueRoutine::FF3Edit; });
    add("dialog-unknown", [](SynthOptions& o) { o.mbit = 28; o.dialogue = DialogueRoutine::Unknown; });
    add("attack-names-a", [](SynthOptions& o) { o.mbit = 28; o.attackNames = AttackNameRoutine::ExpA; });
    add("attack-names-b", [](SynthOptions& o) { o.mbit = 28; o.attackNames = AttackNameRoutine::ExpB; });
    add("attack-names-unknown", [](SynthOptions& o) { o.attackNames = AttackNameRoutine::Unknown; });
    add("scripts-overflow-24", [](SynthOptions& o) { o.scriptLocation = 1; });
    add("scripts-overflow-28", [](SynthOptions& o) { o.mbit = 28; o.scriptLocation = 1; });
    add("scripts-bank-f0", [](SynthOptions& o) { o.mbit = 28; o.scriptLocation = 2; });
    add("scripts-relocated", [](SynthOptions& o) { o.mbit = 32; o.scriptLocation = 3; });
    add("scripts-mag-roader", [](SynthOptions& o) { o.scriptDefect = ScriptDefect::MagRoader; });
    add("scripts-shared-jp", [](SynthOptions& o) { o.romType = 2; o.scriptDefect = ScriptDefect::SharedPointer; });
    add("missing-minimap", [](SynthOptions& o) { o.missingMap = MissingMapBlock::MiniMap; });
    add("missing-mapdata", [](SynthOptions& o) { o.missingMap = MissingMapBlock::MapData; });
    add("missing-maptiles", [](SynthOptions& o) { o.missingMap = MissingMapBlock::MapTiles; });
    add("map-gfx-expanded", [](SynthOptions& o) { o.mbit = 28; o.mapInExpanded = true; });
    add("map-tiles-first", [](SynthOptions& o) { o.mapTilesFirst = true; });
    add("map-tiles-first-jp-28", [](SynthOptions& o) { o.romType = 2; o.mbit = 28; o.mapTilesFirst = true; });
    return v;
}

bool FindVariant(const std::string& name, SynthOptions& options)
{
    for (const auto& v : AllVariants())
        if (v.name == name) {
            options = v.options;
            return true;
        }
    return false;
}

bool WriteSyntheticImage(const std::string& path, const SynthOptions& opts)
{
    const std::vector<uint8_t> bytes = BuildSyntheticImage(opts);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

} // namespace quorvex::synth
