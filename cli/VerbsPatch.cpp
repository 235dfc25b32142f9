// patch create|apply|info, restore list|apply, diff.
#include <iostream>

#include "CliCommon.h"
#include "CliRegistry.h"
#include "rom/ImageDiff.h"
#include "rom/PatchFiles.h"
#include "rom/PatchResult.h"
#include "rom/RestorePoints.h"
#include "rom/TableDiff.h"
#include "rom/WholeFile.h"

namespace quorvex::cli {

namespace {

constexpr const char* kCreateUsage = "patch create ORIGINAL MODIFIED OUT.bps|OUT.ips [--format bps|ips]";
constexpr const char* kApplyUsage = "patch apply IMAGE PATCH [-o OUT]";

int Finish(const PatchFileResult& r, const std::string& done)
{
    if (!r.warning.empty())
        std::cerr << r.warning << "\n";
    if (!r.ok) {
        std::cerr << r.error << "\n";
        return 1;
    }
    std::cout << done << "\n";
    return 0;
}

int RunPatchCreate(const std::vector<std::string>& argsIn)
{
    std::vector<std::string> args = argsIn;
    std::string formatText;
    bool missing = false;
    const bool named = TakeOption(args, "--format", formatText, &missing);
    if (missing || args.size() != 3)
        return UsageError(kCreateUsage);
    PatchFormat format = PatchFormat::Bps;
    if (named) {
        if (formatText != "bps" && formatText != "ips")
            return UsageError(kCreateUsage);
        format = formatText == "bps" ? PatchFormat::Bps : PatchFormat::Ips;
    } else if (!PatchFormatFromName(args[2], format)) {
        std::cerr << "Unknown patch format: name the patch .bps or .ips, or give --format bps|ips.\n";
        return 2;
    }
    return Finish(CreatePatchFile(args[0], args[1], args[2], format), "`" + args[2] + "' created");
}

int RunPatchApply(const std::vector<std::string>& argsIn)
{
    std::vector<std::string> args = argsIn;
    std::string out;
    bool missing = false;
    const bool toOther = TakeOption(args, "-o", out, &missing);
    if (missing || args.size() != 2)
        return UsageError(kApplyUsage);
    if (!toOther)
        out = args[0];
    const PatchFileResult r = ApplyPatchFile(args[0], args[1], out, kDefaultRestorePoints);
    return Finish(r, "`" + out + (toOther ? "' created" : "' patched"));
}

int RunPatchInfo(const std::vector<std::string>& args)
{
    if (args.size() != 1)
        return UsageError("patch info PATCH");
    std::vector<uint8_t> patch;
    std::string text, error;
    if (!ReadWholeFile(args[0], patch, error, 2 * kMaxPatchedSize) || !DescribePatch(patch, text, error)) {
        std::cerr << error << "\n";
        return 1;
    }
    std::cout << text;
    return 0;
}

int RunRestoreList(const std::vector<std::string>& args)
{
    if (args.size() != 1)
        return UsageError("restore list IMAGE");
    const auto rows = DescribeRestorePoints(args[0]);
    if (rows.empty())
        std::cout << "No restore points.\n";
    for (size_t i = 0; i < rows.size(); ++i)
        std::cout << i + 1 << "  " << RestorePointTimeText(rows[i].point) << "  " << rows[i].point.size
                  << " bytes  " << rows[i].differences << "\n";
    return 0;
}

int RunRestoreApply(const std::vector<std::string>& args)
{
    long n = 0;
    if (args.size() != 2 || !ParseNumber(args[1], n))
        return UsageError("restore apply IMAGE N");
    const auto points = ListRestorePoints(args[0]);
    if (n < 1 || size_t(n) > points.size()) {
        std::cerr << "No restore point " << args[1] << ": the image has " << points.size()
                  << " (see quorvex-cli restore list).\n";
        return 1;
    }
    const RestorePoint& p = points[size_t(n) - 1];
    std::string error, warning;
    const bool ok = RestoreImage(args[0], p, kDefaultRestorePoints, error, warning);
    PatchFileResult r{ok, error, warning};
    return Finish(r, "`" + args[0] + "' restored to " + RestorePointTimeText(p));
}

// Exit status as diff(1): 0 when no table differs, 1 when some do, 2 when
// the images could not be compared.
int RunDiff(const std::vector<std::string>& args)
{
    if (args.size() != 2)
        return UsageError("diff IMAGE_A IMAGE_B");
    auto a = OpenKnownImage(args[0], true);
    if (!a)
        return 2;
    auto b = OpenKnownImage(args[1], true);
    if (!b)
        return 2;
    const auto lines = DiffTables(a->Rom(), b->Rom());
    for (const std::string& line : lines)
        std::cout << line << "\n";
    return lines.empty() ? 0 : 1;
}

const CliVerb kPatchCreate{"patch create", kCreateUsage,
                           "write the patch that turns ORIGINAL into MODIFIED (both without copier header); the "
                           "format by OUT's extension or --format",
                           RunPatchCreate};
const CliVerb kPatchApply{"patch apply", kApplyUsage,
                          "apply a BPS or IPS patch, keeping the image's copier header; over IMAGE (kept as a "
                          "restore point) unless -o names another file",
                          RunPatchApply};
const CliVerb kPatchInfo{"patch info", "patch info PATCH", "print a patch's format, sizes, checksums and records",
                         RunPatchInfo};
const CliVerb kRestoreList{"restore list", "restore list IMAGE",
                           "list the image's restore points, newest first, with the tables each differs in",
                           RunRestoreList};
const CliVerb kRestoreApply{"restore apply", "restore apply IMAGE N",
                            "put restore point N (1 = newest) back over the image, keeping the image as it is now "
                            "as a restore point",
                            RunRestoreApply};
const CliVerb kDiff{"diff", "diff IMAGE_A IMAGE_B",
                    "list the tables that differ, one line each; exit 0 when none do, 1 when some do, 2 on error",
                    RunDiff};

} // namespace

} // namespace quorvex::cli
