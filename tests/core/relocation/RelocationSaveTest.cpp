// Moving data into the expanded section and back, followed by a save: the
// save writes the data at its new place and exactly the code bytes the game
// reads the place from, nothing else; a reopened image reads the placement
// back; removing the relocation and saving again restores the game's own
// placement, code included.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "monsters/BattleScriptTables.h"
#include "rom/AttackNameRoutine.h"
#include "rom/DataRelocation.h"
#include "rom/Document.h"
#include "rom/PatchDetect.h"
#include "rom/WorldMaps.h"

namespace quorvex {
namespace {

// A range of ROM offsets a save may change: [from, from + size).
struct Range {
    uint32_t from;
    uint32_t size;
};

// The first ROM offset outside every range at which the two images differ;
// -1 when there is none.
int64_t FirstStrayChange(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b, bool headered,
                         const std::vector<Range>& allowed)
{
    EXPECT_EQ(a.size(), b.size());
    const size_t skip = headered ? 0x200 : 0;
    for (size_t i = skip; i < std::min(a.size(), b.size()); ++i) {
        if (a[i] == b[i])
            continue;
        const uint64_t rom = i - skip;
        bool ok = false;
        for (const Range& r : allowed)
            ok = ok || (rom >= r.from && rom < uint64_t{r.from} + r.size);
        if (!ok)
            return static_cast<int64_t>(rom);
    }
    return -1;
}

std::vector<Range> ScriptCodeRanges(uint8_t romType)
{
    const ScriptOperandPlaces p = ScriptOperands(romType);
    return {{p.pointerBase, 3}, {p.dataBase[0], 3}, {p.dataBase[1], 3}, {p.dataBase[2], 3}, {p.dataBase[3], 3}};
}

struct Image {
    test::TempDir dir;
    std::string path;
    std::vector<uint8_t> original;
    bool headered = false;
    explicit Image(const synth::SynthOptions& o) : path(test::WriteImage(dir, o)), original(test::ReadFileBytes(path)),
                                                   headered(o.headered) {}
    std::unique_ptr<CQuorvexDoc> Open() const
    {
        auto doc = std::make_unique<CQuorvexDoc>();
        EXPECT_TRUE(doc->OnOpenDocument(path).ok);
        return doc;
    }
    std::vector<uint8_t> Bytes() const { return test::ReadFileBytes(path); }
    std::vector<uint8_t> Rom(uint32_t from, uint32_t n) const
    {
        const std::vector<uint8_t> b = Bytes();
        const size_t at = from + (headered ? 0x200 : 0);
        return std::vector<uint8_t>(b.begin() + static_cast<long>(at), b.begin() + static_cast<long>(at + n));
    }
};

synth::SynthOptions Options(uint8_t romType, int mbit, bool headered)
{
    synth::SynthOptions o;
    o.romType = romType;
    o.mbit = mbit;
    o.headered = headered;
    return o;
}

struct ScriptCase {
    uint8_t romType;
    int mbit;
    bool headered;
    int bank;
};

class ScriptRelocation : public ::testing::TestWithParam<ScriptCase> {};

TEST_P(ScriptRelocation, MovesTheScriptsPatchesTheBasesAndComesBack)
{
    const ScriptCase c = GetParam();
    Image img(Options(c.romType, c.mbit, c.headered));
    const uint32_t bankRom = static_cast<uint32_t>(c.bank - 0xC0) << 16;
    BattleScriptSet scripts;
    {
        auto doc = img.Open();
        RomData& rd = doc->Rom();
        scripts = rd.scripts.set;
        ASSERT_EQ(scripts.Status(), kScriptsGood);
        const RelocationResult r = ApplyScriptRelocation(rd, BankHeadered(c.bank));
        ASSERT_TRUE(r.ok) << r.message;
        EXPECT_EQ(rd.scripts.dataBase, static_cast<uint32_t>(c.bank) << 16);
        EXPECT_EQ(rd.scripts.set.Capacity(), kScriptSpaceRelocated);
        EXPECT_EQ(ScriptLocation(rd.romFlags), 3u);
        ASSERT_TRUE(doc->OnSaveDocument(img.path).ok);
    }
    // Only the bank and the five code operands changed.
    std::vector<Range> allowed = ScriptCodeRanges(c.romType);
    allowed.push_back({bankRom, kScriptSpaceRelocated});
    const std::vector<uint8_t> moved = img.Bytes();
    EXPECT_EQ(FirstStrayChange(img.original, moved, c.headered, allowed), -1);
    // The bank holds the scripts packed from its start, then 0xFF.
    std::vector<uint8_t> area, pointers;
    scripts.PackSet(area, pointers);
    EXPECT_EQ(img.Rom(bankRom, kScriptSpaceRelocated), area);
    EXPECT_EQ(img.Rom(0xF8400, kScriptPointerBytes), pointers);
    for (const Range& op : ScriptCodeRanges(c.romType)) {
        const std::vector<uint8_t> v = img.Rom(op.from, 3);
        const uint32_t want = op.from == ScriptOperands(c.romType).pointerBase ? kScriptPtrBaseOwn
                                                                                : static_cast<uint32_t>(c.bank) << 16;
        EXPECT_EQ(ReadLe24(v.data()), want) << std::hex << op.from;
    }
    {
        auto doc = img.Open();
        RomData& rd = doc->Rom();
        EXPECT_EQ(ScriptLocation(rd.romFlags), 3u);
        EXPECT_EQ(rd.scripts.dataBase, static_cast<uint32_t>(c.bank) << 16);
        EXPECT_EQ(rd.scripts.set.Capacity(), kScriptSpaceRelocated);
        EXPECT_EQ(rd.scripts.set.Status(), kScriptsGood);
        EXPECT_TRUE(rd.scripts.set == scripts);
        // Saving again without edits changes nothing.
        ASSERT_TRUE(doc->OnSaveDocument(img.path).ok);
        EXPECT_EQ(img.Bytes(), moved);

        const RelocationResult r = RemoveScriptRelocation(rd);
        ASSERT_TRUE(r.ok) << r.message;
        ASSERT_TRUE(doc->OnSaveDocument(img.path).ok);
    }
    // Back at the game's own place with the game's own bases; the bank keeps
    // the copy it was given.
    EXPECT_EQ(FirstStrayChange(img.original, img.Bytes(), c.headered, {{bankRom, kScriptSpaceRelocated}}), -1);
    auto doc = img.Open();
    EXPECT_EQ(ScriptLocation(doc->Rom().romFlags), 0u);
    EXPECT_EQ(doc->Rom().scripts.dataBase, kScriptDataBaseOwn);
    EXPECT_TRUE(doc->Rom().scripts.set == scripts);
}

INSTANTIATE_TEST_SUITE_P(Releases, ScriptRelocation,
                         ::testing::Values(ScriptCase{1, 28, false, 0xF6}, ScriptCase{1, 32, true, 0xFE},
                                           ScriptCase{2, 28, true, 0xF7}, ScriptCase{2, 32, false, 0xF1}),
                         [](const auto& info) {
                             const ScriptCase& c = info.param;
                             return std::string(c.romType == 1 ? "us" : "jp") + std::to_string(c.mbit) +
                                    (c.headered ? "_headered" : "");
                         });

TEST(AttackNameRelocation, MovesTheNamesRewritesTheRoutineAndComesBack)
{
    for (const int mbit : {28, 32}) {
        for (const uint8_t version : {0, 1}) {
            synth::SynthOptions o = Options(1, mbit, version == 1);
            o.version = version;
            Image img(o);
            const int bank = mbit == 28 ? 0xF5 : 0xFD;
            const uint32_t bankRom = static_cast<uint32_t>(bank - 0xC0) << 16;
            const uint32_t routine = AttackNameRoutineOffset(version);
            NameList before;
            {
                auto doc = img.Open();
                RomData& rd = doc->Rom();
                before = rd.names.specialAttackNames;
                ASSERT_EQ(before.nameLen, 10u);
                ASSERT_TRUE(ApplyAttackNameRelocation(rd, BankHeadered(bank)).ok);
                ASSERT_TRUE(doc->OnSaveDocument(img.path).ok);
            }
            EXPECT_EQ(FirstStrayChange(img.original, img.Bytes(), o.headered,
                                       {{bankRom, 384 * 16}, {routine, kAttackNameRoutineSize}}),
                      -1);
            const std::vector<uint8_t> code = img.Rom(routine, kAttackNameRoutineSize);
            const AttackNamePlacement p = ReadAttackNameRoutine(code.data());
            EXPECT_EQ(p.bits, kFlagAttackNamesB);
            EXPECT_EQ(p.address, static_cast<uint32_t>(bank) << 16);
            {
                auto doc = img.Open();
                RomData& rd = doc->Rom();
                EXPECT_EQ(rd.romFlags & (kFlagAttackNamesA | kFlagAttackNamesB), kFlagAttackNamesB);
                EXPECT_EQ(rd.spAttackNameAddr, static_cast<uint32_t>(bank) << 16);
                ASSERT_EQ(rd.spAttackNameLen, 16u);
                for (uint32_t i = 0; i < 384; ++i) {
                    const std::vector<uint8_t> longName = rd.names.specialAttackNames.Get(i);
                    std::vector<uint8_t> expected = before.Get(i);
                    expected.resize(16, 0xFF);
                    ASSERT_EQ(longName, expected) << i;
                }
                ASSERT_TRUE(RemoveAttackNameRelocation(rd).ok);
                ASSERT_TRUE(doc->OnSaveDocument(img.path).ok);
            }
            EXPECT_EQ(FirstStrayChange(img.original, img.Bytes(), o.headered, {{bankRom, 384 * 16}}), -1);
            auto doc = img.Open();
            EXPECT_EQ(doc->Rom().spAttackNameAddr, kAttackNamesOwnAddr);
            EXPECT_EQ(doc->Rom().names.specialAttackNames.bytes, before.bytes);
        }
    }
}

TEST(DialogueExpansion, AddsTheThirdPageAndTakesItAway)
{
    Image img(Options(1, 32, true));
    std::vector<std::vector<uint8_t>> strings;
    {
        auto doc = img.Open();
        RomData& rd = doc->Rom();
        for (int i = 0; i < rd.text.townDialogue.Count(); ++i)
            strings.push_back(rd.text.townDialogue.GetString(i));
        ASSERT_TRUE(ApplyDialogueExpansion(rd).ok);
        EXPECT_TRUE(HasThirdPage(rd.romFlags));
        EXPECT_EQ(rd.text.townDialogue.Size(), kTownDlgSizeThird);
        ASSERT_TRUE(doc->OnSaveDocument(img.path).ok);
    }
    // The dialogue, its pointers and indexes, the routine, and the world-map
    // blocks laid out after the third page.
    const std::vector<Range> dialogue = {{kTownDlgSplit, 4 + 2 * kTownDlgSlots},
                                         {kTownDlgData, kTownDlgSize},
                                         {kThirdPageRom, kThirdPageSize},
                                         {kThirdPageIndexes, 11},
                                         {kDialogueRoutine, 38},
                                         {kMapGfxPointerTable, 96},
                                         {SnesToRom(kWobArea.snesStart), kWobArea.size},
                                         {SnesToRom(kWorArea.snesStart), kWorArea.size},
                                         {SnesToRom(kMiniMapArea.snesStart), kMiniMapArea.size}};
    EXPECT_EQ(FirstStrayChange(img.original, img.Bytes(), true, dialogue), -1);
    auto check = [&](bool third) {
        auto doc = img.Open();
        RomData& rd = doc->Rom();
        EXPECT_EQ(HasThirdPage(rd.romFlags), third);
        EXPECT_EQ(rd.text.townDialogue.Size(), third ? kTownDlgSizeThird : kTownDlgSize);
        EXPECT_EQ(rd.text.townDialogue.Count(), static_cast<int>(strings.size()));
        for (int i = 0; i < rd.text.townDialogue.Count(); ++i)
            EXPECT_EQ(rd.text.townDialogue.GetString(i), strings[static_cast<size_t>(i)]) << i;
        return doc;
    };
    {
        auto doc = check(true);
        ASSERT_TRUE(RemoveDialogueExpansion(doc->Rom()).ok);
        ASSERT_TRUE(doc->OnSaveDocument(img.path).ok);
    }
    check(false);
    EXPECT_EQ(FirstStrayChange(img.original, img.Bytes(), true, dialogue), -1);
}

TEST(Relocation, At24MbitNothingMovesAndNothingIsWrittenPastTheEnd)
{
    // The name routine of this image points into a bank a 24 Mbit file does
    // not have: nothing is read from there, and a save writes nothing there.
    synth::SynthOptions o;
    o.attackNames = synth::AttackNameRoutine::ExpA;
    Image img(o);
    auto doc = img.Open();
    RomData& rd = doc->Rom();
    EXPECT_FALSE(rd.names.specialAttackNames.loaded);
    const uint32_t flags = rd.romFlags;
    const RelocationResult s = ApplyScriptRelocation(rd, BankHeadered(0xF6));
    EXPECT_FALSE(s.ok);
    EXPECT_TRUE(s.silent);
    EXPECT_EQ(s.message, reloctext::kNotExpanded);
    EXPECT_FALSE(ApplyAttackNameRelocation(rd, BankHeadered(0xF5)).ok);
    EXPECT_FALSE(ApplyDialogueExpansion(rd).ok);
    EXPECT_EQ(rd.romFlags, flags);
    EXPECT_EQ(rd.scripts.dataBase, kScriptDataBaseOwn);
    doc->SetModifiedFlag();
    ASSERT_TRUE(doc->OnSaveDocument(img.path).ok);
    EXPECT_EQ(img.Bytes(), img.original);
}

} // namespace
} // namespace quorvex
