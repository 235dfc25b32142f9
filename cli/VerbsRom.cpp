// identify, info, save, expand, demo.
#include <iostream>

#include "CliCommon.h"
#include "CliRegistry.h"
#include "SyntheticImage.h"
#include "rom/PatchDetect.h"

namespace quorvex::cli {

namespace {

int RunInfo(const std::vector<std::string>& args)
{
    if (args.size() != 1)
        return UsageError("info IMAGE");
    auto doc = OpenImage(args[0]);
    if (!doc)
        return 1;
    std::cout << BuildStatusReport(doc->Rom());
    return 0;
}

int RunIdentify(const std::vector<std::string>& args)
{
    if (args.size() != 1)
        return UsageError("identify IMAGE");
    auto doc = OpenImage(args[0]);
    if (!doc)
        return 1;
    const RomData& rd = doc->Rom();
    const char* type = rd.romType == kRomFF3us ? "FF3us" : rd.romType == kRomFF6j ? "FF6j" : "unknown";
    std::cout << "title: " << rd.internalName << "\n"
              << "release: " << type << "\n"
              << "version: 1." << int(rd.version) << "\n"
              << "size: " << ImageSizeText(rd.imageSize) << " Mbit\n"
              << "header-less: " << (rd.IsHeaderless() ? "yes" : "no") << "\n"
              << "flags: 0x" << std::hex << rd.romFlags << std::dec << "\n";
    return 0;
}

int RunSave(const std::vector<std::string>& args)
{
    if (args.size() != 1)
        return UsageError("save IMAGE");
    auto doc = OpenImage(args[0]);
    if (!doc)
        return 1;
    return SaveImage(*doc) ? 0 : 1;
}

int RunExpand(const std::vector<std::string>& args)
{
    if (args.size() < 2 || args.size() > 3)
        return UsageError("expand IMAGE 28|32 [FILL]");
    auto doc = OpenImage(args[0]);
    if (!doc)
        return 1;
    RomData& rd = doc->Rom();
    unsigned long fill = 0xFF;
    if (args.size() == 3 && (!ParseHex(args[2], fill) || fill > 0xFF))
        return UsageError("expand IMAGE 28|32 [FILL]");
    uint32_t count = 0;
    if (args[1] == "28" && rd.imageSize == kImageSize24)
        count = 0x80000;
    else if (args[1] == "32" && rd.imageSize == kImageSize24)
        count = 0x100000;
    else if (args[1] == "32" && rd.imageSize == kImageSize28)
        count = 0x80000;
    else if (args[1] != "28" && args[1] != "32")
        return UsageError("expand IMAGE 28|32 [FILL]");
    if (count == 0) {
        std::cerr << "Current ROM size: " << ImageSizeText(rd.imageSize) << "Mbit: cannot expand to " << args[1]
                  << "Mbit.\n";
        return 1;
    }
    std::string error;
    if (!ExpandImage(rd, count, static_cast<uint8_t>(fill), &error)) {
        std::cerr << error << "\n";
        return 1;
    }
    std::cout << "Current ROM size: " << ImageSizeText(rd.imageSize) << "Mbit\n";
    return 0;
}

int RunDemo(const std::vector<std::string>& args)
{
    if (args.empty() || args.size() > 2)
        return UsageError("demo OUT.smc [VARIANT]");
    synth::SynthOptions opts;
    if (args.size() == 2) {
        bool found = false;
        for (const auto& v : synth::AllVariants())
            if (v.name == args[1]) {
                opts = v.options;
                found = true;
            }
        if (!found) {
            std::cerr << "Unknown variant '" << args[1] << "'. Variants:";
            for (const auto& v : synth::AllVariants())
                std::cerr << " " << v.name;
            std::cerr << "\n";
            return 2;
        }
    }
    if (!synth::WriteSyntheticImage(args[0], opts)) {
        std::cerr << "Can't create file!!\n";
        return 1;
    }
    std::cout << "`" << args[0] << "' created\n";
    return 0;
}

const CliVerb kInfo{"info", "info IMAGE", "print the status report of the image", RunInfo};
const CliVerb kIdentify{"identify", "identify IMAGE", "print the image's title, release, version, size and flags",
                        RunIdentify};
const CliVerb kSave{"save", "save IMAGE", "open the image and save it back through every table", RunSave};
const CliVerb kExpand{"expand", "expand IMAGE 28|32 [FILL]",
                      "append space to the image (fill byte in hexadecimal, default FF)", RunExpand};
const CliVerb kDemo{"demo", "demo OUT.smc [VARIANT]", "write the synthetic demonstration image", RunDemo};

} // namespace

} // namespace quorvex::cli
