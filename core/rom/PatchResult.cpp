#include "rom/PatchResult.h"

#include <zlib.h>

#include <cstdio>

namespace quorvex {

namespace {

template <typename... Args>
std::string Format(const char* format, Args... args)
{
    char buf[320];
    std::snprintf(buf, sizeof buf, format, args...);
    return buf;
}

unsigned long long U(uint64_t v) { return static_cast<unsigned long long>(v); }

} // namespace

uint32_t Crc32(const uint8_t* bytes, size_t size)
{
    // zlib takes at most a uInt per call; images are far smaller, but a
    // patch read from anywhere need not be.
    uLong crc = crc32(0L, Z_NULL, 0);
    while (size > 0) {
        const uInt n = size > 0x40000000u ? 0x40000000u : static_cast<uInt>(size);
        crc = crc32(crc, bytes, n);
        bytes += n;
        size -= n;
    }
    return static_cast<uint32_t>(crc);
}

std::string PatchMessage(const PatchResult& r)
{
    switch (r.status) {
    case PatchStatus::Ok:
        return {};
    case PatchStatus::NotAPatch:
        return "Not a BPS or IPS patch!!";
    case PatchStatus::Truncated:
        return Format("The patch is damaged: it ends too early (at byte %llu).", U(r.at));
    case PatchStatus::BadPatchChecksum:
        return Format("The patch is damaged: its CRC32 is %08llX, but it says %08llX.", U(r.actual), U(r.expected));
    case PatchStatus::BadNumber:
        return Format("The patch is damaged: the number at byte %llu is too large.", U(r.at));
    case PatchStatus::WrongSource:
        return Format("This patch is for another image: it expects CRC32 %08llX (%llu bytes), but this image "
                      "(without copier header) has CRC32 %08llX (%llu bytes).",
                      U(r.expected), U(r.expectedSize), U(r.actual), U(r.actualSize));
    case PatchStatus::ActionPastSource:
        return Format("The patch is damaged: the action at byte %llu reads past the end of the original.", U(r.at));
    case PatchStatus::ActionPastTarget:
        return Format("The patch is damaged: the action at byte %llu writes past the end of the result.", U(r.at));
    case PatchStatus::BadTargetCopy:
        return Format("The patch is damaged: the action at byte %llu copies from a part of the result not yet "
                      "written.",
                      U(r.at));
    case PatchStatus::TargetShort:
        return Format("The patch is damaged: its actions end after %llu of the result's %llu bytes.", U(r.actual),
                      U(r.expected));
    case PatchStatus::BadTargetChecksum:
        return Format("The patch is damaged: the result's CRC32 is %08llX, but the patch says %08llX.", U(r.actual),
                      U(r.expected));
    case PatchStatus::TooLarge:
        return Format("The patch describes a result of %llu bytes, more than Quorvex handles (%llu bytes).",
                      U(r.actual), U(kMaxPatchedSize));
    case PatchStatus::IpsBeyondLimit:
        return Format("The images differ at offset 0x%llX, beyond the 16 MiB an IPS patch can reach: use BPS.",
                      U(r.at));
    case PatchStatus::IpsEmptyRun:
        return Format("The patch is damaged: the run-length record at byte %llu has length 0.", U(r.at));
    case PatchStatus::TrailingBytes:
        return Format("The patch is damaged: %llu unexpected bytes follow its end marker.", U(r.actual));
    }
    return "The patch is damaged.";
}

} // namespace quorvex
