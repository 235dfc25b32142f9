#include "rom/RomData.h"

#include <cstring>

#include "rom/SafeReplace.h"

namespace quorvex {

void ResetRomData(RomData& rd)
{
    rd.path.clear();
    rd.internalName = kNoRomLoaded;
    rd.imageSize = -1;
    rd.version = 0;
    rd.romType = kRomUnknown;
    rd.romFlags = 0;
    rd.spAttackNameAddr = 0;
    rd.spAttackNameLen = 0;
    rd.mapGfxPointers.fill(0);
    // Special attack names are loaded from a place detection finds, or not
    // at all: start from empty names.
    rd.names.specialAttackNames.bytes.assign(384 * 16, 0xFF);
    rd.names.specialAttackNames.romOffset = 0;
}

namespace {

// The title in the 8-bit code page (Latin-1), as UTF-8.
std::string TitleText(const uint8_t* raw, size_t n)
{
    std::string s;
    for (size_t i = 0; i < n && raw[i] != 0; ++i) {
        const uint8_t c = raw[i];
        if (c < 0x80) {
            s += static_cast<char>(c);
        } else {
            s += static_cast<char>(0xC0 | (c >> 6));
            s += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return s;
}

} // namespace

void IdentifyImage(ImageFile& f, RomData& rd, const std::string& path)
{
    // A file whose length is a whole number of 4 KiB pages has no copier header.
    const bool headerless = (f.Length() & 0xFFF) == 0;
    rd.romFlags = headerless ? (rd.romFlags | kFlagHeaderless) : (rd.romFlags & ~kFlagHeaderless);
    f.SetHeaderless(headerless);
    rd.path = path;

    uint8_t title[21];
    f.ReadRom(0xFFC0, title, sizeof title);
    rd.internalName = TitleText(title, sizeof title);
    f.ReadRom(0xFFDB, &rd.version, 1);

    // Only the first 15 characters decide; the comparison is case-sensitive.
    if (std::memcmp(title, "FINAL FANTASY 3", 15) == 0)
        rd.romType = kRomFF3us;
    else if (std::memcmp(title, "FINAL FANTASY 6", 15) == 0)
        rd.romType = kRomFF6j;
    else
        rd.romType = kRomUnknown;

    // Name pictures drawn for the previous image are stale now.
    rd.names.preproc.Reset();
}

int32_t EvaluateImageSize(int64_t fileLength, RomData& rd)
{
    const int64_t size = fileLength + (rd.IsHeaderless() ? 0x200 : 0);
    rd.imageSize = (size == kImageSize24 || size == kImageSize28 || size == kImageSize32)
                       ? static_cast<int32_t>(size)
                       : -1;
    return rd.imageSize;
}

const char* ImageSizeText(int32_t imageSize)
{
    switch (imageSize) {
    case kImageSize24: return "24";
    case kImageSize28: return "28";
    case kImageSize32: return "32";
    default: return "??";
    }
}

bool ExpandImage(RomData& rd, uint32_t count, uint8_t fill, std::string* errorText, std::string* noticeText)
{
    // The bytes are appended to a copy that replaces the image only when
    // all of them were written: a full disk or a killed process never
    // leaves an image of a size between the accepted ones.
    int64_t length = 0;
    const ReplaceResult r = RewriteImageFile(rd.path, rd.IsHeaderless(), [&](ImageFile& f) {
        f.Append(count, fill);
        length = f.Length();
    });
    if (errorText)
        *errorText = r.error;
    if (noticeText)
        *noticeText = r.notice;
    if (!r.ok)
        return false;
    EvaluateImageSize(length, rd);
    return true;
}

} // namespace quorvex
