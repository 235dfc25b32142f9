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
    auto doc = OpenImage(args[0], true);
    if (!doc)
        return 1;
    std::cout << Printable(BuildStatusReport(doc->Rom()), true);
    return 0;
}

int RunIdentify(const std::vector<std::string>& args)
{
    if (args.size() != 1)
        return UsageError("identify IMAGE");
    auto doc = OpenImage(args[0], true);
    if (!doc)
        return 1;
    const RomData& rd = doc->Rom();
    const char* type = rd.romType == kRomFF3us ? "FF3us" : rd.romType == kRomFF6j ? "FF6j" : "unknown";
    std::cout << "title: " << Printable(rd.internalName) << "\n"
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
    // An image of unknown release has no tables to write: saving it would
    // report a success for a file nothing was written to.
    return EditAndSave(OpenKnownImage(args[0]), [](CQuorvexDoc&) { return EditStatus::Changed; });
}

int RunExpand(const std::vector<std::string>& argsIn)
{
    static const char* kUsage = "expand IMAGE 28|32 [--fill HH]";
    std::vector<std::string> args = argsIn;
    std::string fillText = "FF";
    bool missing = false;
    TakeOption(args, "--fill", fillText, &missing);
    unsigned long fill = 0;
    // The fill value is one byte written as at most two hexadecimal digits.
    if (missing || args.size() != 2 || fillText.size() > 2 || !ParseHex(fillText, fill) ||
        (args[1] != "28" && args[1] != "32"))
        return UsageError(kUsage);
    auto doc = OpenImage(args[0]);
    if (!doc)
        return 1;
    RomData& rd = doc->Rom();
    uint32_t count = 0;
    if (rd.imageSize == kImageSize24)
        count = args[1] == "28" ? 0x80000 : 0x100000;
    else if (rd.imageSize == kImageSize28 && args[1] == "32")
        count = 0x80000;
    if (count == 0) {
        std::cerr << "Current ROM size: " << ImageSizeText(rd.imageSize) << "Mbit: it cannot be expanded to "
                  << args[1] << "Mbit.\n";
        return 1;
    }
    std::string error, notice;
    if (!ExpandImage(rd, count, static_cast<uint8_t>(fill), &error, &notice)) {
        PrintLines(std::cerr, error);
        return 1;
    }
    if (!notice.empty())
        PrintLines(std::cerr, notice);
    std::cout << "Current ROM size: " << ImageSizeText(rd.imageSize) << "Mbit\n";
    return 0;
}

int RunDemo(const std::vector<std::string>& argsIn)
{
    static const char* kUsage = "demo OUT [--release us|jp] [--size 24|28|32] [--headered] [--variant NAME]";
    std::vector<std::string> args = argsIn;
    synth::SynthOptions opts;
    std::string value;
    bool missing = false;
    if (TakeOption(args, "--variant", value, &missing)) {
        if (!synth::FindVariant(value, opts)) {
            std::cerr << "Unknown variant '" << value << "'. Variants:";
            for (const auto& v : synth::AllVariants())
                std::cerr << " " << v.name;
            std::cerr << "\n";
            return 2;
        }
    }
    if (TakeOption(args, "--release", value, &missing)) {
        if (value != "us" && value != "jp")
            return UsageError(kUsage);
        opts.romType = value == "jp" ? 2 : 1;
    }
    if (TakeOption(args, "--size", value, &missing)) {
        if (value != "24" && value != "28" && value != "32")
            return UsageError(kUsage);
        opts.mbit = std::stoi(value);
    }
    if (TakeFlag(args, "--headered"))
        opts.headered = true;
    if (missing || args.size() != 1)
        return UsageError(kUsage);
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
const CliVerb kSave{"save", "save IMAGE", "open the image and save it back through every table", RunSave,
                    kChangesImage};
const CliVerb kExpand{"expand", "expand IMAGE 28|32 [--fill HH]",
                      "append space to the image (fill byte in hexadecimal, default FF)", RunExpand, kChangesImage};
const CliVerb kDemo{"demo", "demo OUT [--release us|jp] [--size 24|28|32] [--headered] [--variant NAME]",
                    "write the synthetic demonstration image (or one of the test variants)", RunDemo};

} // namespace

} // namespace quorvex::cli
