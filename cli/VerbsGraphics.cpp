// decompress, render monster, render formation, render background.
#include <algorithm>
#include <cstdio>
#include <iostream>

#include "CliCommon.h"
#include "CliRegistry.h"
#include "graphics/Backgrounds.h"
#include "graphics/Decompress.h"
#include "graphics/GraphicsTables.h"
#include "graphics/MonsterRender.h"
#include "rom/ImageFile.h"

namespace quorvex::cli {

namespace {

std::string Numbered(const char* pattern, long n)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, pattern, static_cast<int>(n));
    return buf;
}

// The usage error of a render verb: a number first and no number second is
// the old order (N IMAGE), which gets told that the image comes first.
int RenderUsageError(const std::vector<std::string>& args, const char* usage)
{
    long n = 0;
    if (args.size() == 2 && ParseNumber(args[0], n) && !ParseNumber(args[1], n))
        return ImageFirstError(usage);
    return UsageError(usage);
}

bool TakeNumberOption(std::vector<std::string>& args, const std::string& name, long& value, bool& bad)
{
    std::string text;
    bool missing = false;
    if (!TakeOption(args, name, text, &missing)) {
        bad = bad || missing;
        return false;
    }
    if (!ParseNumber(text, value))
        bad = true;
    return true;
}

bool WriteBmp(const CFF6Bitmap& bmp, const std::string& path)
{
    if (!bmp.SaveBmp(path)) {
        std::cerr << "Can't create file!!\n";
        return false;
    }
    std::cout << "`" << path << "' created\n";
    return true;
}

int RunDecompress(const std::vector<std::string>& args)
{
    static const char* kUsage = "decompress IMAGE SNES_ADDRESS OUT.bin";
    if (args.size() != 3)
        return UsageError(kUsage);
    unsigned long addr = 0;
    if (!ParseHex(args[1], addr) || addr < 0xC00000 || addr > 0xFFFFFF)
        return UsageError(kUsage);
    auto doc = OpenImage(args[0], true);
    if (!doc)
        return 1;
    ImageFile f;
    if (f.OpenForReading(args[0]) != ImageFile::OpenStatus::Ok) {
        std::cerr << f.ErrorText() << "\n";
        return 1;
    }
    f.SetHeaderless(doc->Rom().IsHeaderless());
    const uint32_t rom = static_cast<uint32_t>(addr - 0xC00000);
    // A block is at most the length word plus 65,535 bytes; read no further
    // than the image holds.
    const int64_t left = f.RomLength() - rom;
    if (left < 2) {
        std::cerr << "Decompression failed\n";
        return 1;
    }
    const size_t n = static_cast<size_t>(std::min<int64_t>(left, 0x10001 + 2));
    const std::vector<uint8_t> block = f.ReadRom(rom, n);
    f.Close();
    std::vector<uint8_t> out(kDecompressMaxOutput);
    const int got = DecompressBlock(block.data(), block.size(), 0, out.data());
    if (got < 0) {
        std::cerr << "Decompression failed\n";
        return 1;
    }
    std::FILE* o = std::fopen(args[2].c_str(), "wb");
    if (!o) {
        std::cerr << "Can't create file!!\n";
        return 1;
    }
    const bool ok = std::fwrite(out.data(), 1, static_cast<size_t>(got), o) == static_cast<size_t>(got);
    if (std::fclose(o) != 0 || !ok) {
        RemoveFailedOutput(args[2]);
        std::cerr << "Can't create file!!\n";
        return 1;
    }
    std::cout << got << " bytes\n";
    return 0;
}

int RunRenderMonster(const std::vector<std::string>& argsIn)
{
    static const char* kUsage = "render monster IMAGE N [-o FILE] [--scale S]";
    std::vector<std::string> args = argsIn;
    std::string out;
    bool missing = false, bad = false;
    TakeOption(args, "-o", out, &missing);
    long scale = 1;
    TakeNumberOption(args, "--scale", scale, bad);
    long n = 0;
    if (missing || bad || args.size() != 2 || !ParseNumber(args[1], n) || n < 0 || n >= kMonsterGfxRecordCount ||
        scale < 1 || scale > 8)
        return RenderUsageError(args, kUsage);
    auto doc = OpenKnownImage(args[0], true);
    if (!doc)
        return 1;
    CFF6Bitmap bmp;
    RenderMonster(doc->Rom(), static_cast<int>(n), bmp, static_cast<int>(scale));
    return WriteBmp(bmp, out.empty() ? Numbered("mst%03d.bmp", n) : out) ? 0 : 1;
}

int RunRenderFormation(const std::vector<std::string>& argsIn)
{
    static const char* kUsage = "render formation IMAGE N [--background ID] [--mould M] [--scale S] [-o FILE]";
    std::vector<std::string> args = argsIn;
    std::string out;
    bool missing = false, bad = false;
    TakeOption(args, "-o", out, &missing);
    long background = -1, mould = -1, scale = 1;
    TakeNumberOption(args, "--background", background, bad);
    TakeNumberOption(args, "--mould", mould, bad);
    TakeNumberOption(args, "--scale", scale, bad);
    long n = 0;
    if (missing || bad || args.size() != 2 || !ParseNumber(args[1], n) || n < 0 || n >= kFormationCount ||
        background < -1 || background >= kBackgroundCount || mould < -1 || mould >= kMouldCount || scale < 1 ||
        scale > 8)
        return RenderUsageError(args, kUsage);
    auto doc = OpenKnownImage(args[0], true);
    if (!doc)
        return 1;
    CFF6Bitmap bmp;
    RenderFormation(doc->Rom(), static_cast<int>(n), static_cast<int>(background), static_cast<int>(mould),
                    static_cast<int>(scale), bmp);
    return WriteBmp(bmp, out.empty() ? Numbered("mform%03d.bmp", n) : out) ? 0 : 1;
}

int RunRenderBackground(const std::vector<std::string>& argsIn)
{
    static const char* kUsage = "render background IMAGE N [--variant V] [--dummy-map] [--scale S] [-o FILE]";
    std::vector<std::string> args = argsIn;
    std::string out;
    bool missing = false, bad = false;
    TakeOption(args, "-o", out, &missing);
    long variant = 0, scale = 1;
    TakeNumberOption(args, "--variant", variant, bad);
    TakeNumberOption(args, "--scale", scale, bad);
    const bool dummy = TakeFlag(args, "--dummy-map");
    long n = 0;
    if (missing || bad || args.size() != 2 || !ParseNumber(args[1], n) || n < 0 || n >= kBackgroundCount ||
        scale < 1 || scale > 8)
        return RenderUsageError(args, kUsage);
    auto doc = OpenKnownImage(args[0], true);
    if (!doc)
        return 1;
    std::vector<uint8_t> buffer;
    std::cout << BuildBackground(doc->Rom(), static_cast<int>(n), buffer, dummy) << "\n";
    CFF6Bitmap bmp;
    RenderBackgroundBuffer(doc->Rom(), static_cast<int>(n), buffer, bmp, static_cast<int>(scale),
                           static_cast<int>(variant), dummy ? kBackgroundDummyRows : kBackgroundRows);
    return WriteBmp(bmp, out.empty() ? Numbered("bckj%03d.bmp", n) : out) ? 0 : 1;
}

const CliVerb kDecompress{"decompress", "decompress IMAGE SNES_ADDRESS OUT.bin",
                          "decompress the LZ block at a SNES address (hex) into a file", RunDecompress};
const CliVerb kRenderMonster{"render monster", "render monster IMAGE N [-o FILE] [--scale S]",
                             "draw a monster's sprite as a BMP (mst%03d.bmp)", RunRenderMonster};
const CliVerb kRenderFormation{"render formation",
                               "render formation IMAGE N [--background ID] [--mould M] [--scale S] [-o FILE]",
                               "draw a formation preview as a BMP (mform%03d.bmp)", RunRenderFormation};
const CliVerb kRenderBackground{"render background",
                                "render background IMAGE N [--variant V] [--dummy-map] [--scale S] [-o FILE]",
                                "print a battle background's diagnostic text and draw it (bckj%03d.bmp)",
                                RunRenderBackground};

} // namespace

} // namespace quorvex::cli
