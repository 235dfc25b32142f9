#include "rom/PatchFiles.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "rom/Bps.h"
#include "rom/Ips.h"
#include "rom/RestorePoints.h"
#include "rom/RomAddress.h"
#include "rom/WholeFile.h"

namespace quorvex {

namespace {

// Images are read with room for a copier header; a patch may carry a whole
// image of new data and some actions besides.
constexpr uint64_t kMaxImageFile = kMaxPatchedSize + kCopierHeaderSize;
constexpr uint64_t kMaxPatchFile = 2 * kMaxPatchedSize;

std::span<const uint8_t> Body(const std::vector<uint8_t>& file)
{
    return std::span<const uint8_t>(file).subspan(CopierHeaderLength(file.size()));
}

bool SameFile(const std::string& a, const std::string& b)
{
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec) && !ec;
}

bool StartsWith(std::span<const uint8_t> bytes, const char* magic)
{
    const size_t n = std::strlen(magic);
    return bytes.size() >= n && std::memcmp(bytes.data(), magic, n) == 0;
}

std::string Line(const char* text) { return std::string(text) + "\n"; }

template <typename A, typename... Args>
std::string Line(const char* format, A a, Args... args)
{
    char buf[160];
    std::snprintf(buf, sizeof buf, format, a, args...);
    return std::string(buf) + "\n";
}

unsigned long long U(uint64_t v) { return static_cast<unsigned long long>(v); }

} // namespace

bool PatchFormatFromName(const std::string& path, PatchFormat& format)
{
    std::string ext = std::filesystem::path(path).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    if (ext == ".bps")
        format = PatchFormat::Bps;
    else if (ext == ".ips")
        format = PatchFormat::Ips;
    else
        return false;
    return true;
}

uint64_t CopierHeaderLength(uint64_t fileLength)
{
    return (fileLength & 0xFFF) != 0 && fileLength >= kCopierHeaderSize ? kCopierHeaderSize : 0;
}

PatchFileResult CreatePatchFile(const std::string& original, const std::string& modified, const std::string& patchPath,
                                PatchFormat format)
{
    PatchFileResult result;
    if (SameFile(patchPath, original) || SameFile(patchPath, modified)) {
        result.error = "The patch cannot be written over one of the images it is made from.";
        return result;
    }
    std::vector<uint8_t> a, b;
    if (!ReadWholeFile(original, a, result.error, kMaxImageFile) ||
        !ReadWholeFile(modified, b, result.error, kMaxImageFile))
        return result;
    std::vector<uint8_t> patch;
    if (format == PatchFormat::Bps) {
        patch = CreateBps(Body(a), Body(b));
    } else {
        const PatchResult r = CreateIps(Body(a), Body(b), patch);
        if (!r.Ok()) {
            result.error = PatchMessage(r);
            return result;
        }
    }
    result.ok = WriteWholeFile(patchPath, patch, result.error);
    return result;
}

PatchFileResult ApplyPatchFile(const std::string& image, const std::string& patchPath, const std::string& outPath,
                               int restorePoints)
{
    PatchFileResult result;
    result.error = CheckWritable(outPath);
    if (!result.error.empty())
        return result;
    std::vector<uint8_t> file, patch;
    if (!ReadWholeFile(image, file, result.error, kMaxImageFile) ||
        !ReadWholeFile(patchPath, patch, result.error, kMaxPatchFile))
        return result;
    const uint64_t header = CopierHeaderLength(file.size());
    std::vector<uint8_t> body;
    PatchResult r = PatchFailure(PatchStatus::NotAPatch);
    if (StartsWith(patch, "BPS1"))
        r = ApplyBps(Body(file), patch, body);
    else if (StartsWith(patch, "PATCH"))
        r = ApplyIps(Body(file), patch, body);
    if (!r.Ok()) {
        result.error = PatchMessage(r);
        return result;
    }
    // The copier header stays in front of the patched image.
    body.insert(body.begin(), file.begin(), file.begin() + long(header));
    std::error_code ec;
    std::string keepError;
    if (restorePoints > 0 && std::filesystem::exists(outPath, ec) &&
        !KeepRestorePoint(outPath, restorePoints, keepError))
        result.warning = RestorePointFailure(keepError);
    result.ok = WriteWholeFile(outPath, body, result.error);
    return result;
}

bool DescribePatch(std::span<const uint8_t> patch, std::string& text, std::string& error)
{
    text.clear();
    PatchResult r = PatchFailure(PatchStatus::NotAPatch);
    if (StartsWith(patch, "BPS1")) {
        BpsInfo info;
        r = ReadBpsInfo(patch, info);
        const auto& n = info.actions;
        text = Line("format: BPS") + Line("source size: %llu bytes", U(info.sourceSize)) +
               Line("target size: %llu bytes", U(info.targetSize)) +
               Line("source CRC32: %08X", unsigned(info.sourceCrc)) +
               Line("target CRC32: %08X", unsigned(info.targetCrc)) +
               Line("patch CRC32: %08X", unsigned(info.patchCrc)) +
               Line("metadata: %llu bytes", U(info.metadata.size())) +
               Line("actions: %llu (source read %llu, target read %llu, source copy %llu, target copy %llu)",
                    U(n[0] + n[1] + n[2] + n[3]), U(n[0]), U(n[1]), U(n[2]), U(n[3]));
    } else if (StartsWith(patch, "PATCH")) {
        IpsInfo info;
        r = ReadIpsInfo(patch, info);
        text = Line("format: IPS") + Line("records: %llu (%llu run-length)", U(info.records), U(info.runs)) +
               Line("writes up to: %llu bytes", U(info.end)) +
               (info.truncates ? Line("truncates to: %llu bytes", U(info.truncateTo)) : Line("truncates to: no")) +
               Line("checksums: none (IPS carries none)");
    }
    if (r.Ok())
        return true;
    text.clear();
    error = PatchMessage(r);
    return false;
}

} // namespace quorvex
