// Opening a hostile image in-process, as the editor does, then using it:
// every table is loaded, a monster, a formation and a battle background are
// drawn, the text pages are exported and the image is saved.
//
// The images start as the synthetic variants (both releases, every size and
// header state, each recognised patch). While each variant is opened once
// at start-up, every read the loaders make is recorded; an input is a list
// of patches, most of them aimed into those recorded ranges, so that the
// fuzzer corrupts the bytes the loaders depend on (pointers, size words,
// scripts, sample areas, compressed blocks) rather than unused space.
//
// Input: [variant] [mode] [cut:3 when mode bit 0] [pick:2] then patches, each
//   [where:2] [offset:3] [length:1] [bytes...]
// where < 0x8000 picks a recorded range (offset within it), otherwise the
// offset is taken from the start of the file. Mode bit 0 cuts the file to
// a length taken from the next 3 bytes (a truncated download). The pick
// chooses the monster, formation and background drawn; its top 4 bits all set
// also draw the formation (all backgrounds) and export the town dialogue.
//
// Invariants: no crash, hang or sanitizer report; the open succeeds; the
// save succeeds and never changes the file's length; the saved image opens
// again.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "SyntheticImage.h"
#include "graphics/Backgrounds.h"
#include "graphics/Bitmap.h"
#include "graphics/GraphicsTables.h"
#include "graphics/MonsterRender.h"
#include "rom/Document.h"
#include "rom/ImageFile.h"
#include "text/TextPage.h"

using namespace quorvex;

namespace {

struct Variant {
    std::vector<uint8_t> bytes;
    uint32_t base = 0; // the copier header's length
    std::vector<std::pair<uint32_t, uint32_t>> reads; // file offset, length
};

std::map<uint32_t, uint32_t>* g_recording = nullptr;

void Record(uint32_t romOffset, size_t n)
{
    if (n == 0)
        return;
    uint32_t& len = (*g_recording)[romOffset];
    len = std::max<uint32_t>(len, static_cast<uint32_t>(n));
}

char g_folder[64];

// At exit: the folder goes away with what the last input left in it.
void RemoveWorkFolder()
{
    for (const char* name : {"/image.smc", "/setup.smc"})
        ::unlink((std::string(g_folder) + name).c_str());
    ::rmdir(g_folder);
}

std::string& WorkFolder()
{
    static std::string folder = [] {
        // A memory-backed folder where there is one: the save copies the
        // whole image and flushes it for every input.
        const char* base = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        std::snprintf(g_folder, sizeof g_folder, "%s/fuzz_hostile_image.XXXXXX", base);
        if (!::mkdtemp(g_folder))
            std::abort();
        std::atexit(RemoveWorkFolder);
        return std::string(g_folder);
    }();
    return folder;
}

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t w = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (w <= 0)
            break;
        done += static_cast<size_t>(w);
    }
    return ::close(fd) == 0 && done == bytes.size();
}

// The variants, each made and opened on first use (making all of them at
// start-up would take a bounded run's whole time under the sanitizers).
const Variant& GetVariant(uint32_t pick)
{
    static const std::vector<synth::Variant> all = synth::AllVariants();
    static std::vector<std::unique_ptr<Variant>> made(all.size());
    const size_t k = pick % all.size();
    if (made[k])
        return *made[k];
    auto var = std::make_unique<Variant>();
    var->bytes = synth::BuildSyntheticImage(all[k].options);
    var->base = all[k].options.headered ? 0x200 : 0;
    const std::string path = WorkFolder() + "/setup.smc";
    if (!WriteFile(path, var->bytes))
        std::abort();
    std::map<uint32_t, uint32_t> reads;
    g_recording = &reads;
    ImageFile::ObserveReads(Record);
    CQuorvexDoc doc;
    if (!doc.OnOpenDocument(path).ok)
        std::abort();
    ImageFile::ObserveReads(nullptr);
    ::unlink(path.c_str());
    for (const auto& [offset, len] : reads)
        if (offset + var->base < var->bytes.size())
            var->reads.emplace_back(offset + var->base, len);
    if (var->reads.empty())
        var->reads.emplace_back(0, static_cast<uint32_t>(var->bytes.size()));
    made[k] = std::move(var);
    return *made[k];
}

class Reader {
public:
    Reader(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}
    bool Left() const { return m_pos < m_size; }
    uint32_t Take(int bytes)
    {
        uint32_t v = 0;
        for (int i = 0; i < bytes; ++i)
            v = (v << 8) | (m_pos < m_size ? m_data[m_pos++] : 0);
        return v;
    }
    const uint8_t* Here() const { return m_data + m_pos; }
    size_t Skip(size_t n)
    {
        n = std::min(n, m_size - m_pos);
        m_pos += n;
        return n;
    }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

// The image bytes the input describes.
std::vector<uint8_t> HostileImage(const uint8_t* data, size_t size, uint32_t& pick)
{
    Reader in(data, size);
    const Variant& v = GetVariant(in.Take(1));
    const uint32_t mode = in.Take(1);
    std::vector<uint8_t> image = v.bytes;
    uint32_t cut = 0;
    if (mode & 1)
        cut = in.Take(3);
    pick = in.Take(2);
    while (in.Left()) {
        const uint32_t where = in.Take(2);
        const uint32_t offset = in.Take(3);
        const size_t len = std::max<uint32_t>(1, in.Take(1) & 0x3F);
        size_t at = 0;
        if (where < 0x8000) {
            const auto& [start, length] = v.reads[where % v.reads.size()];
            at = start + offset % length;
        } else {
            at = offset % image.size();
        }
        const uint8_t* bytes = in.Here();
        const size_t n = std::min(in.Skip(len), image.size() - std::min(at, image.size()));
        std::copy(bytes, bytes + n, image.begin() + static_cast<long>(at));
    }
    if (mode & 1)
        image.resize(std::min<size_t>(image.size(), cut));
    return image;
}

void UseImage(CQuorvexDoc& doc, uint32_t pick)
{
    RomData& rd = doc.Rom();
    CFF6Bitmap bmp;
    RenderMonster(rd, static_cast<int>(pick % kMonsterGfxRecordCount), bmp, 1);
    // A formation first draws all 56 backgrounds, and the town dialogue
    // holds thousands of captions: each is done for one input in 16 (the
    // fuzzer learns which inputs reach them).
    const bool heavy = (pick >> 12) == 0xF;
    if (heavy)
        RenderFormation(rd, static_cast<int>(pick % kFormationCount), -1, -1, 1, bmp);
    const int bg = static_cast<int>(pick % kBackgroundCount);
    std::vector<uint8_t> buffer;
    BuildBackground(rd, bg, buffer, false);
    RenderBackgroundBuffer(rd, bg, buffer, bmp, 1, 0, kBackgroundRows);
    for (const char* page : {"dialog", "dte", "locnames", "btl-big", "btl-small"}) {
        TextPageConfig cfg;
        if ((!heavy && page == std::string("dialog")) || !PageRefusalByName(page, rd).empty() ||
            !PageConfigByName(page, rd, cfg))
            continue;
        CTextPageLogic logic(rd, cfg);
        if (logic.ExportText().empty())
            __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    uint32_t pick = 0;
    const std::vector<uint8_t> image = HostileImage(data, size, pick);
    const std::string path = WorkFolder() + "/image.smc";
    if (!WriteFile(path, image))
        std::abort();
    static auto doc = std::make_unique<CQuorvexDoc>();
    if (!doc->OnOpenDocument(path).ok)
        __builtin_trap();
    if (doc->Rom().IsKnown())
        UseImage(*doc, pick);
    doc->SetModifiedFlag();
    const SaveResult saved = doc->OnSaveDocument(path);
    if (!saved.ok)
        __builtin_trap();
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || static_cast<size_t>(st.st_size) != image.size())
        __builtin_trap();
    if (!doc->OnOpenDocument(path).ok)
        __builtin_trap();
    return 0;
}
