// The script model: splitting, the load status, packing, and the command
// operations with their refusals and byte counts.
#include <gtest/gtest.h>

#include "monsters/BattleScriptSet.h"
#include "rom/RomAddress.h"

namespace quorvex {
namespace {

// A script area with the given scripts laid out one after the other, and
// the pointer table leading to them (monster i gets script i % n).
struct Area {
    std::vector<uint8_t> pointers = std::vector<uint8_t>(kScriptPointerBytes);
    std::vector<uint8_t> data;
    explicit Area(const std::vector<std::vector<uint8_t>>& scripts)
    {
        std::vector<size_t> at;
        for (const auto& s : scripts) {
            at.push_back(data.size());
            data.insert(data.end(), s.begin(), s.end());
        }
        for (int i = 0; i < kBattleScriptCount; ++i)
            WriteLe16(&pointers[2 * static_cast<size_t>(i)], static_cast<uint16_t>(at[static_cast<size_t>(i) % at.size()]));
    }
    void Point(int monster, uint16_t offset) { WriteLe16(&pointers[2 * static_cast<size_t>(monster)], offset); }
    int Load(BattleScriptSet& set, uint32_t capacity)
    {
        set.InitSet(capacity);
        return set.LoadSet(pointers.data(), data.data(), data.size());
    }
};

std::vector<std::vector<uint8_t>> Distinct(size_t extra = 0)
{
    std::vector<std::vector<uint8_t>> v;
    for (int i = 0; i < kBattleScriptCount; ++i) {
        std::vector<uint8_t> s;
        for (size_t k = 0; k < (i == 0 ? extra : 0); ++k)
            s.push_back(0x01);
        s.push_back(static_cast<uint8_t>(i % 0xF0));
        s.push_back(0xFF);
        s.push_back(0xFF);
        v.push_back(s);
    }
    return v;
}

TEST(ScriptModel, OperandCountsByOpcode)
{
    const int expected[16] = {3, 1, 3, 2, 3, 3, 3, 1, 2, 3, 3, 2, 3, 0, 0, 0};
    for (int op = 0; op < 0xF0; ++op)
        EXPECT_EQ(ScriptOperandCount(static_cast<uint8_t>(op)), 0) << op;
    for (int op = 0xF0; op <= 0xFF; ++op)
        EXPECT_EQ(ScriptOperandCount(static_cast<uint8_t>(op)), expected[op - 0xF0]) << op;
}

TEST(ScriptModel, SplitStopsAtTheSecondBreakAndCountsOperands)
{
    struct Row {
        std::vector<uint8_t> bytes;
        int commands; // -1: cannot be split
        int length;
    };
    const Row rows[] = {
        {{0xFF, 0xFF}, 2, 2},
        {{0xFF, 0xFF, 0x12, 0x34}, 2, 2},
        {{0x00, 0xFF, 0xFF}, 3, 3},
        // Operands that look like break points are operands.
        {{0xF0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, 3, 6},
        {{0xFC, 0x05, 0xFF, 0x00, 0xFF, 0xF1, 0xFF, 0xFF}, 4, 8},
        {{0xFF}, -1, 0},
        {{0x01, 0x02}, -1, 0},
        // The last command's operands run past the bytes.
        {{0xFF, 0xF2, 0x00}, -1, 0},
        {{}, -1, 0},
    };
    for (const Row& r : rows) {
        BattleScript s;
        const bool ok = s.Split(r.bytes);
        EXPECT_EQ(ok, r.commands >= 0);
        if (!ok) {
            EXPECT_EQ(s.Bytes(), (std::vector<uint8_t>{0xFF, 0xFF})) << "a failed split changes nothing";
            continue;
        }
        EXPECT_EQ(s.CommandCount(), r.commands);
        EXPECT_EQ(s.Length(), r.length);
        size_t sum = 0;
        for (int k = 0; k < s.CommandCount(); ++k)
            sum += s.CommandLength(k);
        EXPECT_EQ(sum, static_cast<size_t>(r.length));
        EXPECT_EQ(s.CommandLength(s.CommandCount()), kNoCommand);
    }
}

TEST(ScriptModel, LoadStatus)
{
    BattleScriptSet set;
    Area good(Distinct());
    EXPECT_EQ(good.Load(set, kScriptSpaceOwn), kScriptsGood);
    EXPECT_EQ(set.Used(), 3u * kBattleScriptCount);
    EXPECT_EQ(set.Avail(), static_cast<int64_t>(kScriptSpaceOwn) - 3 * kBattleScriptCount);

    // Shared pointers count the shared script twice: fine while it fits...
    Area shared(Distinct(400));
    shared.Point(5, 0);
    EXPECT_EQ(shared.Load(set, kScriptSpaceOwn), kScriptsGood);
    EXPECT_EQ(set.ScriptLength(5), set.ScriptLength(0));
    // ... over capacity when it does not.
    EXPECT_EQ(shared.Load(set, 3u * kBattleScriptCount + 400 + 10), kScriptsOverCapacity);

    // A pointer past the data, or into bytes that never end a script.
    Area runsOff(Distinct());
    runsOff.Point(383, static_cast<uint16_t>(runsOff.data.size()));
    EXPECT_EQ(runsOff.Load(set, kScriptSpaceOwn), kScriptsUnsplittable);
    runsOff.Point(383, static_cast<uint16_t>(runsOff.data.size() - 1));
    EXPECT_EQ(runsOff.Load(set, kScriptSpaceOwn), kScriptsUnsplittable);
    // The scripts before the faulty one are kept, the rest become FF FF,
    // and used stays the sum of what the set holds.
    runsOff.Point(100, static_cast<uint16_t>(runsOff.data.size()));
    EXPECT_EQ(runsOff.Load(set, kScriptSpaceOwn), kScriptsUnsplittable);
    EXPECT_EQ(set.ScriptLength(99), 3);
    EXPECT_EQ(set.ScriptLength(100), 2);
    EXPECT_EQ(set.Used(), 3u * 100 + 2u * (kBattleScriptCount - 100));
}

TEST(ScriptModel, MagRoaderDefectNeedsBothSigns)
{
    // Script 243 keeps 17 bytes and runs into 12 of script 244: the area
    // holds exactly the capacity, the scripts count 12 more.
    std::vector<std::vector<uint8_t>> scripts = Distinct();
    scripts[243] = std::vector<uint8_t>(16, 0x02);
    scripts[243].push_back(0xFF);
    scripts[244] = std::vector<uint8_t>(11, 0x03);
    scripts[244].insert(scripts[244].end(), {0xFF, 0x04, 0xFF});
    Area a(scripts);
    const uint32_t capacity = static_cast<uint32_t>(a.data.size());
    BattleScriptSet set;
    EXPECT_EQ(a.Load(set, capacity), kScriptsMagRoader);
    EXPECT_EQ(set.ScriptLength(243), 29);
    EXPECT_EQ(set.Avail(), -12);
    // 12 bytes over, but another script: no defect to repair.
    EXPECT_EQ(a.Load(set, capacity + 1), kScriptsOverCapacity);
    EXPECT_EQ(a.Load(set, capacity - 1), kScriptsOverCapacity);
}

TEST(ScriptModel, PackLaysScriptsOutInOrderAndDeletingMovesLaterPointers)
{
    Area a(Distinct(5));
    BattleScriptSet set;
    ASSERT_EQ(a.Load(set, kScriptSpaceOwn), kScriptsGood);
    std::vector<uint8_t> data, pointers;
    set.PackSet(data, pointers);
    ASSERT_EQ(data.size(), kScriptSpaceRelocated);
    EXPECT_TRUE(std::equal(a.data.begin(), a.data.end(), data.begin()));
    EXPECT_EQ(data[a.data.size()], 0xFF);
    EXPECT_EQ(pointers, a.pointers);

    // Deleting two one-byte commands of script 0 moves every later pointer down by two.
    ASSERT_EQ(set.DeleteCommand(0, 0), 1);
    ASSERT_EQ(set.DeleteCommand(0, 0), 1);
    std::vector<uint8_t> after, afterPointers;
    set.PackSet(after, afterPointers);
    EXPECT_EQ(ReadLe16(&afterPointers[0]), 0);
    for (int i = 1; i < kBattleScriptCount; ++i)
        EXPECT_EQ(ReadLe16(&afterPointers[2 * static_cast<size_t>(i)]), ReadLe16(&pointers[2 * static_cast<size_t>(i)]) - 2)
            << i;

    // Packed bytes load back into the same set.
    BattleScriptSet again;
    again.InitSet(kScriptSpaceOwn);
    EXPECT_EQ(again.LoadSet(afterPointers.data(), after.data(), after.size()), kScriptsGood);
    EXPECT_TRUE(again == set);
    EXPECT_EQ(again.Used(), set.Used());
}

TEST(ScriptModel, InsertAndDeleteRefusals)
{
    BattleScriptSet set;
    set.InitSet(kScriptSpaceOwn);
    const uint32_t used = set.Used();
    EXPECT_EQ(used, 768u); // 384 scripts FF FF
    const uint8_t f0[] = {0xF0, 0x01, 0x02, 0x03};
    // Before the final 0xFF is allowed, after it is not.
    EXPECT_EQ(set.InsertCommand(7, 2, f0), -1);
    EXPECT_EQ(set.InsertCommand(7, 1, f0), 4);
    EXPECT_EQ(set.Used(), used + 4);
    EXPECT_EQ(set.Script(7).Bytes(), (std::vector<uint8_t>{0xFF, 0xF0, 0x01, 0x02, 0x03, 0xFF}));
    EXPECT_EQ(set.InsertCommand(7, -1, f0), -1);
    // Only the command's own bytes count: 0x80 takes no operand.
    const uint8_t plain[] = {0x80, 0x12};
    EXPECT_EQ(set.InsertCommand(7, 0, plain), 1);
    EXPECT_EQ(set.CommandCount(7), 4);

    EXPECT_EQ(set.DeleteCommand(7, 4), -1);
    EXPECT_EQ(set.DeleteCommand(8, 0), -1); // two commands: nothing may go
    EXPECT_EQ(set.DeleteCommand(7, 2), 4);
    EXPECT_EQ(set.Used(), used + 1);
    EXPECT_EQ(set.CommandLength(7, 0), 1);
    EXPECT_EQ(set.CommandLength(7, 9), kNoCommand);

    set.EraseScript(7);
    EXPECT_EQ(set.Used(), used);
    EXPECT_FALSE(set.ReplaceScript(9, std::vector<uint8_t>{0x01, 0xFF}));
    EXPECT_EQ(set.Used(), used);
    EXPECT_TRUE(set.ReplaceScript(9, std::vector<uint8_t>{0x01, 0xFF, 0xFF, 0x44}));
    EXPECT_EQ(set.Used(), used + 1);
}

} // namespace
} // namespace quorvex
