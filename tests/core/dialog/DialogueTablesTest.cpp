// Town dialogue, location names and the other text blocks as the document
// loads and stores them.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "rom/Document.h"
#include "rom/PatchDetect.h"
#include "rom/RomAddress.h"
#include "text/TextPage.h"
#include "text/TextTables.h"

using namespace quorvex;
using quorvex::test::TempDir;

namespace {

std::vector<std::vector<uint8_t>> AllStrings(const CFF6DynTextObj& b)
{
    std::vector<std::vector<uint8_t>> out;
    for (int i = 0; i < b.Count(); ++i)
        out.push_back(b.GetString(i));
    return out;
}

// Rom bytes of an image file (no copier header in these images).
std::vector<uint8_t> Rom(const std::string& path) { return test::ReadFileBytes(path); }

void Patch16(std::vector<uint8_t>& img, uint32_t at, uint16_t v) { WriteLe16(&img[at], v); }

} // namespace

TEST(DialogueLoad, SyntheticImagesLoadCleanly)
{
    TempDir dir;
    for (const char* name : {"us10-headerless", "us10-headered", "jp", "dialog-ff3edit", "us-28"}) {
        CQuorvexDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(test::WriteImage(dir, test::Variant(name), std::string(name) + ".smc")).ok);
        const RomData& rd = doc.Rom();
        SCOPED_TRACE(name);
        EXPECT_EQ(rd.romFlags & (kFlagTownDlgPtrs | kFlagBtlMsgAnomaly | kFlagMstDlgAnomaly | kFlagItemDescAnomaly),
                  0u);
        EXPECT_GE(rd.text.townDialogue.Count(), kTownDlgMinCount);
        EXPECT_GE(rd.text.townDialogue.FreeBytes(), 0);
        EXPECT_GE(rd.text.locationNames.Count(), 73);
        EXPECT_EQ(rd.text.battleMessages.Count(), 256);
        EXPECT_EQ(rd.text.monsterDialogue.Count(), 256);
        EXPECT_EQ(rd.text.itemDescriptions.Count(), 256);
        if (rd.romType == kRomFF6j) {
            EXPECT_FALSE(rd.text.dte.Loaded());
            EXPECT_EQ(rd.text.multiTile.Count(), kMteStrings);
            EXPECT_EQ(rd.text.townDialogue.Count(), kTownDlgMinCount);
            EXPECT_EQ(rd.text.townDialogue.Size(), kTownDlgSizeJp);
        } else {
            EXPECT_TRUE(rd.text.dte.Loaded());
            EXPECT_TRUE(rd.text.multiTile.Empty());
        }
        if (std::string(name) == "dialog-ff3edit") {
            EXPECT_EQ(rd.text.townDialogue.Size(), kTownDlgSizeThird);
            EXPECT_GT(ThirdPageUsedBytes(rd), 0u);
            EXPECT_LE(ThirdPageUsedBytes(rd), kThirdPageSize);
        } else {
            EXPECT_EQ(ThirdPageUsedBytes(rd), 0u);
        }
    }
}

TEST(DialogueLoad, CountRulesOfTheGameRoutine)
{
    TempDir dir;
    std::vector<uint8_t> img = synth::BuildSyntheticImage({});
    for (int i = kTownDlgMinCount; i < kTownDlgSlots; ++i)
        Patch16(img, kTownDlgPointers + 2 * static_cast<uint32_t>(i), 0x1234);
    Patch16(img, kTownDlgPointers + 2 * 3084, 0xFFFF);
    test::WriteFileBytes(dir.File("a.smc"), img);
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(dir.File("a.smc")).ok);
    EXPECT_EQ(doc.Rom().text.townDialogue.Count(), 3084);

    // No unused slot at all: 3325 strings.
    Patch16(img, kTownDlgPointers + 2 * 3084, 0x1234);
    test::WriteFileBytes(dir.File("b.smc"), img);
    ASSERT_TRUE(doc.OnOpenDocument(dir.File("b.smc")).ok);
    EXPECT_EQ(doc.Rom().text.townDialogue.Count(), 3325);
}

TEST(DialogueLoad, SplitIndexAddsTheSecondBank)
{
    TempDir dir;
    std::vector<uint8_t> img = synth::BuildSyntheticImage({});
    Patch16(img, kTownDlgSplit, 0x0C00);
    Patch16(img, kTownDlgPointers + 2 * 0x0BFE, 0x0100);
    Patch16(img, kTownDlgPointers + 2 * 0x0BFF, 0x0200);
    test::WriteFileBytes(dir.File("a.smc"), img);
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(dir.File("a.smc")).ok);
    EXPECT_EQ(doc.Rom().text.townDialogue.Pointer(0x0BFE), 0x0100u);
    EXPECT_EQ(doc.Rom().text.townDialogue.Pointer(0x0BFF), 0x10200u);
    // Those pointers are out of order now: hand edited.
    EXPECT_NE(doc.Rom().romFlags & kFlagTownDlgPtrs, 0u);
}

TEST(DialogueLoad, LocationNameCounts)
{
    TempDir dir;
    std::vector<uint8_t> img = synth::BuildSyntheticImage({});
    for (int i = 0; i < kLocNameSlots; ++i)
        Patch16(img, kLocNamePointers + 2 * static_cast<uint32_t>(i), static_cast<uint16_t>(i));
    std::fill(img.begin() + 0xEF100, img.begin() + 0xEF100 + 96, 0x00);
    test::WriteFileBytes(dir.File("a.smc"), img);
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(dir.File("a.smc")).ok);
    EXPECT_EQ(doc.Rom().text.locationNames.Count(), 96);
    Patch16(img, kLocNamePointers + 2 * 80, 0xFFFF);
    Patch16(img, kLocNamePointers + 2 * 72, 0xFFFF); // below 73: not looked at
    test::WriteFileBytes(dir.File("b.smc"), img);
    ASSERT_TRUE(doc.OnOpenDocument(dir.File("b.smc")).ok);
    EXPECT_EQ(doc.Rom().text.locationNames.Count(), 80);

    // Japanese release: a pointer above 0x9000 ends the list.
    std::vector<uint8_t> jp = synth::BuildSyntheticImage(test::Variant("jp"));
    Patch16(jp, kLocNamePointers + 2 * 75, 0x9001);
    for (int i = 76; i < kLocNameSlots; ++i)
        Patch16(jp, kLocNamePointers + 2 * static_cast<uint32_t>(i), 0x9000);
    test::WriteFileBytes(dir.File("c.smc"), jp);
    ASSERT_TRUE(doc.OnOpenDocument(dir.File("c.smc")).ok);
    EXPECT_EQ(doc.Rom().text.locationNames.Count(), 75);
}

TEST(DialogueSave, GameRoutineRoundTripAfterEdits)
{
    TempDir dir;
    const std::string path = test::WriteImage(dir, {});
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path).ok);
    RomData& rd = doc.Rom();
    CFF6DynTextObj& dlg = rd.text.townDialogue;
    ASSERT_EQ(dlg.ReplaceString(5, std::vector<uint8_t>(300, 0x41)), 0);
    ASSERT_EQ(dlg.ReplaceString(dlg.Count() - 1, std::vector<uint8_t>{0x42, 0x43}), 0);
    ASSERT_EQ(dlg.AddString(), 0);
    ASSERT_EQ(rd.text.locationNames.ReplaceString(0, std::vector<uint8_t>{0x20, 0x80}), 0);
    rd.text.dte.Set(3, 0x20, 0x21);
    const auto dlgStrings = AllStrings(dlg);
    const auto locStrings = AllStrings(rd.text.locationNames);
    ASSERT_TRUE(doc.OnSaveDocument(path).ok);

    const std::vector<uint8_t> img = Rom(path);
    EXPECT_TRUE(std::equal(kDialogueRoutineOwn, kDialogueRoutineOwn + 38, img.begin() + kDialogueRoutine));
    EXPECT_EQ(ReadLe16(&img[kTownDlgSplit + 2]), 0);
    EXPECT_EQ(ReadLe16(&img[kTownDlgPointers + 2 * static_cast<size_t>(dlgStrings.size())]), 0xFFFF);
    CQuorvexDoc again;
    ASSERT_TRUE(again.OnOpenDocument(path).ok);
    EXPECT_EQ(again.Rom().romFlags & kFlagTownDlgPtrs, 0u);
    EXPECT_EQ(AllStrings(again.Rom().text.townDialogue), dlgStrings);
    EXPECT_EQ(AllStrings(again.Rom().text.locationNames), locStrings);
    EXPECT_EQ(again.Rom().text.dte.Entry(3), 0x2120);
}

TEST(DialogueSave, ThirdPageLayoutRoundTrip)
{
    TempDir dir;
    const std::string path = test::WriteImage(dir, test::Variant("dialog-ff3edit"));
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path).ok);
    RomData& rd = doc.Rom();
    ASSERT_TRUE(HasThirdPage(rd.romFlags));
    CFF6DynTextObj& dlg = rd.text.townDialogue;
    // Grow an early string: every later string moves, some into the third page.
    ASSERT_EQ(dlg.ReplaceString(10, std::vector<uint8_t>(900, 0x45)), 0);
    ASSERT_TRUE(TownDialogueFits(dlg, rd.romFlags));
    const ThirdPageLayout lay = LayOutThirdPage(dlg);
    ASSERT_LT(lay.firstSlot, dlg.Count());
    const auto strings = AllStrings(dlg);
    ASSERT_TRUE(doc.OnSaveDocument(path).ok);

    const std::vector<uint8_t> img = Rom(path);
    uint32_t split = 0;
    for (int i = 0; i < kTownDlgSlots; ++i)
        if (dlg.Pointer(i) > 0xFFFF) {
            split = static_cast<uint32_t>(i) + 1;
            break;
        }
    EXPECT_EQ(ReadLe24(&img[kThirdPageIndexes]), 0xCD0000 | split);
    EXPECT_EQ(ReadLe24(&img[kThirdPageIndexes + 3]), 0xCE0000u | static_cast<uint32_t>(lay.firstSlot + 1));
    EXPECT_EQ(ReadLe24(&img[kThirdPageIndexes + 6]), 0xF0FFFFu);
    EXPECT_EQ(ReadLe16(&img[kThirdPageIndexes + 9]), 0x0CFE);
    EXPECT_TRUE(std::equal(kDialogueRoutineFF3Edit, kDialogueRoutineFF3Edit + 38, img.begin() + kDialogueRoutine));
    EXPECT_EQ(ReadLe16(&img[kTownDlgPointers + 2 * 3325]), 0xFFFF);
    EXPECT_EQ(ReadLe16(&img[kTownDlgPointers + 2 * static_cast<size_t>(lay.firstSlot)]), 0);
    // The second page is padded with 0xFF after its last string.
    EXPECT_EQ(img[kTownDlgData + kTownDlgSize - 1], 0xFF);

    CQuorvexDoc again;
    ASSERT_TRUE(again.OnOpenDocument(path).ok);
    EXPECT_EQ(again.Rom().romFlags & kFlagTownDlgPtrs, 0u);
    EXPECT_EQ(AllStrings(again.Rom().text.townDialogue), strings);
    EXPECT_EQ(ThirdPageUsedBytes(again.Rom()), lay.usedBytes);
}

TEST(DialogueSave, ThirdPageWithoutThirdPageStrings)
{
    TempDir dir;
    const std::string path = test::WriteImage(dir, test::Variant("dialog-ff3edit"));
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path).ok);
    CTextPageLogic page(doc.Rom(), TownDialogPageConfig(doc.Rom()));
    page.DeleteAll();
    ASSERT_EQ(doc.Rom().text.townDialogue.ReplaceString(0, std::vector<uint8_t>{0x41, 0x42}), 0);
    const auto strings = AllStrings(doc.Rom().text.townDialogue);
    EXPECT_EQ(ThirdPageUsedBytes(doc.Rom()), 0u);
    ASSERT_TRUE(doc.OnSaveDocument(path).ok);
    const std::vector<uint8_t> img = Rom(path);
    EXPECT_EQ(ReadLe24(&img[kThirdPageIndexes + 3]), 0xCEFFFFu);
    EXPECT_EQ(ReadLe16(&img[kThirdPageIndexes + 6]), 0x0CFE);
    EXPECT_EQ(ReadLe24(&img[kThirdPageIndexes + 8]), 0xFFFFFFu);
    CQuorvexDoc again;
    ASSERT_TRUE(again.OnOpenDocument(path).ok);
    EXPECT_EQ(AllStrings(again.Rom().text.townDialogue), strings);
}

TEST(DialogueSave, ThirdPageNeverOverflows)
{
    TempDir dir;
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(test::WriteImage(dir, test::Variant("dialog-ff3edit"))).ok);
    CTextPageLogic page(doc.Rom(), TownDialogPageConfig(doc.Rom()));
    // Fill until refused: the layout must always fit its 64 KiB page.
    std::wstring big(1200, L'Q');
    int refused = 0;
    for (int i = 0; i < 400 && refused == 0; ++i) {
        const ApplyOutcome r = page.Apply(i, big);
        if (!r.applied) {
            EXPECT_EQ(r.message.text, "Not enough bytes!!");
            ++refused;
        }
        ASSERT_TRUE(TownDialogueFits(doc.Rom().text.townDialogue, doc.Rom().romFlags));
    }
    EXPECT_EQ(refused, 1);
    EXPECT_LE(ThirdPageUsedBytes(doc.Rom()), kThirdPageSize);
}

TEST(DialogueSave, RefusedRoutinesWriteNoDialogue)
{
    TempDir dir;
    const std::string path = test::WriteImage(dir, test::Variant("dialog-unknown"));
    const std::vector<uint8_t> before = Rom(path);
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path).ok);
    EXPECT_TRUE(DialogueRoutineUnknown(doc.Rom().romFlags));
    EXPECT_TRUE(doc.Rom().text.townDialogue.Empty());
    EXPECT_FALSE(doc.Rom().text.dte.Loaded());
    EXPECT_GT(doc.Rom().text.locationNames.Count(), 0);
    ASSERT_TRUE(doc.OnSaveDocument(path).ok);
    EXPECT_EQ(Rom(path), before);
}

TEST(BattleTexts, ProblemBlocksAreWrittenBackUnchanged)
{
    TempDir dir;
    std::vector<uint8_t> img = synth::BuildSyntheticImage({});
    const TextBlockPlace msg = BattleMessagePlace(1);
    // The last message runs off the end of its text area.
    std::fill(img.begin() + msg.text + msg.size - 40, img.begin() + msg.text + msg.size, 0x85);
    Patch16(img, msg.pointers + 2 * 255, static_cast<uint16_t>(msg.base + msg.size - 20));
    test::WriteFileBytes(dir.File("a.smc"), img);
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(dir.File("a.smc")).ok);
    RomData& rd = doc.Rom();
    EXPECT_NE(rd.romFlags & kFlagBtlMsgAnomaly, 0u);
    EXPECT_EQ(rd.romFlags & kFlagMstDlgAnomaly, 0u);
    // Edits of both blocks: only the clean one is written.
    rd.text.battleMessages.ReplaceString(0, std::vector<uint8_t>{0x80});
    ASSERT_EQ(rd.text.monsterDialogue.ReplaceString(0, std::vector<uint8_t>{0x81, 0x82}), 0);
    ASSERT_EQ(rd.text.itemDescriptions.ReplaceString(1, std::vector<uint8_t>{0x83}), 0);
    ASSERT_TRUE(doc.OnSaveDocument(dir.File("a.smc")).ok);
    const std::vector<uint8_t> after = Rom(dir.File("a.smc"));
    EXPECT_TRUE(std::equal(img.begin() + msg.pointers, img.begin() + msg.text + msg.size, after.begin() + msg.pointers));
    CQuorvexDoc again;
    ASSERT_TRUE(again.OnOpenDocument(dir.File("a.smc")).ok);
    EXPECT_EQ(again.Rom().text.monsterDialogue.GetString(0), (std::vector<uint8_t>{0x81, 0x82}));
    EXPECT_EQ(again.Rom().text.itemDescriptions.GetString(1), (std::vector<uint8_t>{0x83}));
}

TEST(BattleTexts, JapanesePlaces)
{
    EXPECT_EQ(BattleMessagePlace(2).pointers, 0xFE000u);
    EXPECT_EQ(BattleMessagePlace(2).size, 0x1000);
    EXPECT_EQ(MonsterDialoguePlace(2).pointers, 0x10FC00u);
    EXPECT_EQ(MonsterDialoguePlace(2).size, 7578);
    // Item descriptions: the text at 0x2D6400 in both releases, the
    // pointers after the North American text, or at 0x186E00.
    EXPECT_EQ(ItemDescriptionPlace(2).text, 0x2D6400u);
    EXPECT_EQ(ItemDescriptionPlace(2).pointers, 0x186E00u);
    EXPECT_EQ(ItemDescriptionPlace(1).text, 0x2D6400u);
    EXPECT_EQ(ItemDescriptionPlace(1).pointers, 0x2D7AA0u);
    EXPECT_EQ(ItemDescriptionPlace(1).size, 0x13A0);
}

// The load ends the game routine's list at the first slot from 3083 on whose
// pointer reads 0xFFFF. Edits that pack a string to start exactly there
// must not lose it and the strings after it on reopening: the save puts one
// filler byte in front of it.
TEST(DialogueSave, StringPackedAtTheListEndMarkerSurvivesReopening)
{
    TempDir dir;
    const std::string path = test::WriteImage(dir, {});
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path).ok);
    RomData& rd = doc.Rom();
    CFF6DynTextObj& dlg = rd.text.townDialogue;
    // String 0 of one byte, strings 1 … 3081 of twenty, string 3082 of 831:
    // string 3083 starts at 0xFFFF.
    const int count = 3090;
    std::vector<uint8_t> data;
    std::vector<uint32_t> ptrs(kTownDlgSlots, 0xFFFF);
    for (int i = 0; i < count; ++i) {
        ptrs[static_cast<size_t>(i)] = static_cast<uint32_t>(data.size());
        const int len = i == 0 ? 1 : i < 3082 ? 20 : i == 3082 ? 831 : 1 + i % 7;
        for (int k = 0; k < len; ++k)
            data.push_back(static_cast<uint8_t>(0x41 + (i + k) % 20));
        data.push_back(0x00);
    }
    dlg.Init(kScanDialogue, count, kTownDlgSize, kTownDlgSlots, 0);
    ASSERT_EQ(dlg.LoadFrom32(ptrs, data), 0);
    // An edit packs the block as it is.
    ASSERT_EQ(dlg.ReplaceString(5, dlg.GetString(5)), 0);
    ASSERT_EQ(dlg.Pointer(3083), 0xFFFFu);
    const auto strings = AllStrings(dlg);
    const int freeBytes = dlg.FreeBytes();
    ASSERT_TRUE(doc.OnSaveDocument(path).ok);

    const std::vector<uint8_t> img = Rom(path);
    EXPECT_EQ(ReadLe16(&img[kTownDlgPointers + 2 * 3083]), 0x0000);
    EXPECT_EQ(ReadLe16(&img[kTownDlgSplit]), 3084);
    CQuorvexDoc again;
    ASSERT_TRUE(again.OnOpenDocument(path).ok);
    const CFF6DynTextObj& back = again.Rom().text.townDialogue;
    EXPECT_EQ(back.Count(), count);
    EXPECT_EQ(back.Pointer(3083), 0x10000u);
    EXPECT_EQ(AllStrings(back), strings);
    EXPECT_EQ(back.FreeBytes(), freeBytes);
    EXPECT_EQ(again.Rom().romFlags & kFlagTownDlgPtrs, 0u);
}
