#include "editors/DescriptionBlock.h"

#include <map>

#include "rom/RomData.h"
#include "text/TextPage.h"

namespace quorvex {

namespace {

void SetFlag(RomData& rd, uint32_t bit, bool on) { rd.romFlags = on ? (rd.romFlags | bit) : (rd.romFlags & ~bit); }

// The table a text page of this kind decodes with, made once per kind and
// release (a table export of every description would otherwise build one
// per string).
const CharTable& PageTable(int32_t kind, uint8_t romType)
{
    static std::map<std::pair<int32_t, uint8_t>, CharTable> tables;
    auto it = tables.find({kind, romType});
    if (it == tables.end())
        it = tables.emplace(std::make_pair(kind, romType), DefaultPageTable(kind, romType)).first;
    return it->second;
}

std::string Decode(const RomData& rd, int32_t kind, const std::vector<uint8_t>& bytes)
{
    return WideToUtf8(DecodeBattle(bytes, &PageTable(kind, rd.romType), rd.romType).text);
}

// The outcome of the text editor's Apply as a reason ("" when applied).
std::string ApplyError(const ApplyOutcome& o)
{
    if (o.applied)
        return {};
    if (o.selStart >= 0)
        return o.message.text + " (character " + std::to_string(o.selStart + 1) + ")";
    return o.message.text.empty() ? std::string("cannot be changed") : o.message.text;
}

} // namespace

void LoadDescriptionBlock(ImageFile& f, RomData& rd, DescriptionBlock& d, const TextBlockPlace* place,
                          uint32_t problemBit)
{
    d = DescriptionBlock{};
    SetFlag(rd, problemBit, false);
    if (!place)
        return;
    d.known = true;
    const int flags = LoadTextBlock16(f, *place, d.block, d.pointersRaw, d.textRaw);
    SetFlag(rd, problemBit, (flags & kTextUnterminated) != 0);
}

void StoreDescriptionBlock(ImageFile& f, const RomData& rd, const DescriptionBlock& d, uint32_t problemBit)
{
    if (d.known)
        StoreTextBlock16(f, d.block, d.pointersRaw, d.textRaw, (rd.romFlags & problemBit) != 0);
}

std::string UnknownPlaceMessage(const char* what)
{
    return Format("Quorvex does not know where this ROM version keeps the %s.\nSorry, Quorvex can't edit them.", what);
}

std::string DescriptionRefusal(const RomData& rd, const CFF6DynTextObj& block, bool known, uint32_t problemBit,
                               const char* problemMessage, const char* what)
{
    if (!known || block.Empty())
        return UnknownPlaceMessage(what);
    if ((rd.romFlags & problemBit) != 0 || block.FreeBytes() < 0)
        return problemMessage;
    return {};
}

FieldDesc DescriptionField(std::string key, int32_t kind, DescriptionLocator locate, DescriptionRefusalFn refusal)
{
    FieldDesc f;
    f.key = std::move(key);
    f.kind = FieldKind::Text;
    f.present = [locate](const RomData& rd, int i) { return locate(const_cast<RomData&>(rd), i).block != nullptr; };
    f.getText = [locate, kind](const RomData& rd, int i) {
        const DescriptionSlot s = locate(const_cast<RomData&>(rd), i);
        return s.block ? Decode(rd, kind, s.block->GetString(s.index)) : std::string();
    };
    f.setText = [locate, refusal, kind](RomData& rd, int i, const std::string& text) {
        const DescriptionSlot s = locate(rd, i);
        if (!s.block)
            return std::string("this record has no description");
        if (std::string why = refusal(rd, i); !why.empty())
            return why;
        TextPageConfig c;
        c.block = s.block;
        c.kind = kind;
        CTextPageLogic page(rd, c);
        return ApplyError(page.Apply(s.index, Utf8ToWide(text)));
    };
    return f;
}

FieldDesc FixedTextField(std::string key, int32_t kind, int32_t recordSize, RecordBytesFn record)
{
    FieldDesc f;
    f.key = std::move(key);
    f.kind = FieldKind::Text;
    f.present = [record](const RomData& rd, int i) { return record(const_cast<RomData&>(rd), i) != nullptr; };
    f.getText = [record, kind, recordSize](const RomData& rd, int i) {
        const uint8_t* r = record(const_cast<RomData&>(rd), i);
        if (!r)
            return std::string();
        // The 0xFF bytes that fill the record are not part of the text.
        int32_t len = recordSize;
        while (len > 0 && r[len - 1] == 0xFF)
            --len;
        return Decode(rd, kind, std::vector<uint8_t>(r, r + len));
    };
    f.setText = [record, kind, recordSize](RomData& rd, int i, const std::string& text) {
        uint8_t* r = record(rd, i);
        if (!r)
            return std::string("this image holds no such text");
        const std::vector<uint8_t> old(r, r + recordSize);
        TextPageConfig c;
        c.fixed = true;
        c.records = r;
        c.recordCount = 1;
        c.recordSize = recordSize;
        c.kind = kind;
        CTextPageLogic page(rd, c);
        const ApplyOutcome o = page.Apply(0, Utf8ToWide(text));
        if (o.applied && o.message.text == pagetext::kTrimmed) {
            std::copy(old.begin(), old.end(), r);
            return "\"" + text + "\" does not fit: this text holds " + std::to_string(recordSize) + " bytes";
        }
        return ApplyError(o);
    };
    return f;
}

} // namespace quorvex
