#pragma once
// The menu descriptions of the item and magic editors: texts packed one
// after the other in an area of their own, with a table of 16-bit pointers
// that are offsets into that area. Each block has a place per release; where
// a release's place is not known, the block is neither read nor written (its
// bytes stay exactly as they are) and its editor says it cannot edit it.
//
// A block whose pointers lead outside its text (a string without an end,
// found when it is read) sets its own problem bit in romFlags. Such a block
// is written back exactly as it was read, and nothing changes it.
#include <cstdint>
#include <functional>
#include <string>

#include "rom/RawTable.h"
#include "rom/TableDesc.h"
#include "text/DynTextObj.h"
#include "text/TextTables.h"

namespace quorvex {

struct RomData;

struct DescriptionBlock {
    CFF6DynTextObj block;
    RawTable pointersRaw; // the bytes as read
    RawTable textRaw;
    bool known = false;   // the block's place is known in this release
};

// `place` null: the place is not known in this release (nothing is read).
void LoadDescriptionBlock(ImageFile& f, RomData& rd, DescriptionBlock& d, const TextBlockPlace* place,
                          uint32_t problemBit);
void StoreDescriptionBlock(ImageFile& f, const RomData& rd, const DescriptionBlock& d, uint32_t problemBit);

// What the text editor of a description block is refused with: "" when it
// opens. A block whose strings already need more bytes than it has cannot be
// edited either: any change would have to overflow it.
std::string DescriptionRefusal(const RomData& rd, const CFF6DynTextObj& block, bool known, uint32_t problemBit,
                               const char* problemMessage, const char* what);
// The refusal for a block whose place this release does not have.
std::string UnknownPlaceMessage(const char* what);

// Where the description of record i lies: its block and string. A null
// block: the record has none.
struct DescriptionSlot {
    CFF6DynTextObj* block = nullptr;
    int index = 0;
};
using DescriptionLocator = std::function<DescriptionSlot(RomData& rd, int record)>;
// Why the description cannot be changed ("" when it can).
using DescriptionRefusalFn = std::function<std::string(const RomData& rd, int record)>;

// A description as a text field of a table, in the tag language of its text
// kind. A new text goes through the text editor's own Apply, so it is
// checked (encoding, length, free bytes) exactly as the editor checks it.
FieldDesc DescriptionField(std::string key, int32_t kind, DescriptionLocator locate, DescriptionRefusalFn refusal);

// A fixed-size text record (a battle quote) as a text field: a text that does
// not fit the record is refused instead of being cut. `record` gives the
// record's bytes, or null when the image has none.
FieldDesc FixedTextField(std::string key, int32_t kind, int32_t recordSize, RecordBytesFn record);

} // namespace quorvex
