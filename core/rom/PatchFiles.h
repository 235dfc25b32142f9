#pragma once
// Patch files between image files, the way patches are shared: a patch
// describes the image without its 512-byte copier header, so it applies
// alike to headered and header-less copies. Applying one to a headered
// image keeps that image's header in front of the result.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quorvex {

enum class PatchFormat { Bps, Ips };

// The format a patch file name asks for (".bps" or ".ips", any letter
// case); false for any other name.
bool PatchFormatFromName(const std::string& path, PatchFormat& format);

// The copier header of an image file, by the program's one rule: a file
// whose length is not a multiple of 4096 carries 512 bytes in front.
uint64_t CopierHeaderLength(uint64_t fileLength);

// Shown wherever patches are made or applied.
constexpr const char* kPatchHeaderNote =
    "Patches describe the image without its 512-byte copier header, the form in which patches are shared; "
    "applying a patch to a headered image keeps its header.";

struct PatchFileResult {
    bool ok = false;
    std::string error;   // why nothing was written
    std::string warning; // written, but no restore point could be kept
};

// Makes the patch that turns `original` into `modified` and writes it to
// `patchPath` through the atomic save.
PatchFileResult CreatePatchFile(const std::string& original, const std::string& modified, const std::string& patchPath,
                                PatchFormat format);

// Applies the patch (BPS or IPS, by its signature) to the image and writes
// the result to `outPath` through the atomic save. When `outPath` exists
// (the image itself, usually) it is kept as a restore point first, and all
// but the newest `restorePoints` are deleted (0: none deleted). Nothing is
// written unless the whole patch applied and, for BPS, every checksum held.
PatchFileResult ApplyPatchFile(const std::string& image, const std::string& patchPath, const std::string& outPath,
                               int restorePoints);

// What `patch info` prints: format, sizes, checksums and record counts,
// one "name: value" per line. False, with the reason, for a damaged patch.
bool DescribePatch(std::span<const uint8_t> patch, std::string& text, std::string& error);

} // namespace quorvex
