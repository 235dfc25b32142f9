#include "text/TextTables.h"

#include "rom/PatchDetect.h"
#include "rom/RomData.h"

namespace quorvex {

namespace {

// Reference digests of the North American release's own blocks. When both
// digests of a block match, its editor may repair the game's own text.
constexpr const char* kBtlMsgPtrDigest = "f89229198e5bb14afa1f600b5ace85f1";
constexpr const char* kBtlMsgTextDigest = "509143682bd900b1b419fc49dbe5efe4";
constexpr const char* kItemDescPtrDigest = "705b6e1818d616cc6d869702d58c7827";
constexpr const char* kItemDescTextDigest = "643714014c3d4e68d2e6344009b91525";

void SetFlag(RomData& rd, uint32_t bit, bool on)
{
    rd.romFlags = on ? (rd.romFlags | bit) : (rd.romFlags & ~bit);
}

} // namespace

void LoadBattleTexts(ImageFile& f, RomData& rd)
{
    TextTables& t = rd.text;
    if (rd.romType == kRomFF6j) {
        t.battleMsgPointers.Load(f, 0xFE000, 0x200);
        t.battleMsgText.Load(f, 0xFE400, 0x1000);
    } else {
        t.battleMsgPointers.Load(f, 0xFDFE0, 0x200);
        t.battleMsgText.Load(f, 0xFE1E0, 0x1270);
    }
    t.monsterDlgPointers.Load(f, 0x10D000, 0x200);
    t.monsterDlgText.Load(f, 0x10D200, 0x2B00);
    SetFlag(rd, kFlagBtlMsgPtrPrint, DigestMatches(t.battleMsgPointers.bytes, kBtlMsgPtrDigest));
    SetFlag(rd, kFlagBtlMsgTextPrint, DigestMatches(t.battleMsgText.bytes, kBtlMsgTextDigest));
}

void StoreBattleTexts(ImageFile& f, RomData& rd)
{
    TextTables& t = rd.text;
    for (RawTable* r : {&t.battleMsgPointers, &t.battleMsgText, &t.monsterDlgPointers, &t.monsterDlgText})
        r->Store(f);
}

void LoadItemDescriptions(ImageFile& f, RomData& rd)
{
    TextTables& t = rd.text;
    t.itemDescPointers.Load(f, 0x2D6400, 0x200);
    if (rd.romType == kRomFF6j)
        t.itemDescText.Load(f, 0x186E00, 0x1000);
    else
        t.itemDescText.Load(f, 0x2D7AA0, 0x13A0);
    SetFlag(rd, kFlagItemDescPtrPrint, DigestMatches(t.itemDescPointers.bytes, kItemDescPtrDigest));
    SetFlag(rd, kFlagItemDescTextPrint, DigestMatches(t.itemDescText.bytes, kItemDescTextDigest));
}

void StoreItemDescriptions(ImageFile& f, RomData& rd)
{
    rd.text.itemDescPointers.Store(f);
    rd.text.itemDescText.Store(f);
}

void LoadDialogue(ImageFile& f, RomData& rd)
{
    TextTables& t = rd.text;
    const bool jp = rd.romType == kRomFF6j;
    if (jp) {
        t.dteTable.Load(f, 0x8BB0, 24 * 2);
        t.dteTableJpData.Load(f, 0x8BE0, 108);
    } else {
        t.dteTable.Load(f, 0xDFA0, 128 * 2);
        t.dteTableJpData.Clear();
    }
    t.townDlgPointers.Load(f, 0xCE600, 4 + 3326 * 2);
    t.townDlgData.Load(f, 0xD0000, jp ? 0x1B000 : 0x1F100);
    const bool thirdPage = (rd.romFlags & (kFlagDialogFF3Edit | kFlagDialogUnknown)) == kFlagDialogFF3Edit;
    if (thirdPage && f.HoldsRom(0x300000, 0x10000))
        t.townDlgThirdPage.Load(f, 0x300000, 0x10000);
    else
        t.townDlgThirdPage.Clear();
    t.locNamePointers.Load(f, 0x268400, 96 * 2);
    if (jp)
        t.locNameData.Load(f, 0x2684C0, 0x2C0);
    else
        t.locNameData.Load(f, 0xEF100, 0x500);
}

void StoreDialogue(ImageFile& f, RomData& rd)
{
    TextTables& t = rd.text;
    for (RawTable* r : {&t.dteTable, &t.dteTableJpData, &t.townDlgPointers, &t.townDlgData, &t.townDlgThirdPage,
                        &t.locNamePointers, &t.locNameData})
        r->Store(f);
}

uint32_t ThirdPageUsedBytes(const RomData& rd)
{
    return static_cast<uint32_t>(rd.text.townDlgThirdPage.bytes.size());
}

} // namespace quorvex
