// The text block: length scan, free bytes, validation, rebuild on replace
// and add, export and copy; dual-tile expansion and compression.
#include <gtest/gtest.h>

#include <random>

#include "text/DteTable.h"
#include "text/DynTextObj.h"

using namespace quorvex;

namespace {

std::vector<uint8_t> Ptr16(std::initializer_list<uint16_t> values)
{
    std::vector<uint8_t> out;
    for (uint16_t v : values) {
        out.push_back(static_cast<uint8_t>(v));
        out.push_back(static_cast<uint8_t>(v >> 8));
    }
    return out;
}

// Checks the invariant of an edited block.
void ExpectPacked(const CFF6DynTextObj& b)
{
    int64_t offset = 0;
    for (int i = 0; i < b.Count(); ++i) {
        ASSERT_EQ(b.Pointer(i), b.Base() + static_cast<uint32_t>(offset)) << "slot " << i;
        if (i > 0) {
            ASSERT_GT(b.Pointer(i), b.Pointer(i - 1));
        }
        const int len = b.StringLength(i);
        ASSERT_GE(len, 0);
        ASSERT_EQ(b.Data()[static_cast<size_t>(offset + len)], 0x00);
        offset += len + 1;
    }
    for (int64_t k = offset; k < b.Size(); ++k)
        ASSERT_EQ(b.Data()[static_cast<size_t>(k)], 0xFF) << "byte " << k;
    ASSERT_EQ(b.FreeBytes(), b.Size() - offset);
    ASSERT_EQ(b.Validate(), 0);
}

} // namespace

TEST(TextBlock, LengthScanFollowsTheOperandRule)
{
    const std::vector<uint8_t> data = {0x11, 0x00, 0x05, 0x00};
    CFF6DynTextObj b;
    b.Init(kScanDialogue, 1, 4, 1, 0);
    b.LoadFrom16(Ptr16({0}), data);
    EXPECT_EQ(b.StringLength(0), 3);
    b.Init(kScanBattle, 1, 4, 1, 0);
    b.LoadFrom16(Ptr16({0}), data);
    EXPECT_EQ(b.StringLength(0), 1);
    b.Init(kScanPlain, 1, 4, 1, 0);
    b.LoadFrom16(Ptr16({0}), {0x14, 0x00, 0x01, 0x00});
    EXPECT_EQ(b.StringLength(0), 1);
    // Battle codes with an operand: a 0x00 operand does not end the string.
    for (uint8_t code : {0x02, 0x06, 0x0C, 0x0E, 0x0F, 0x1C}) {
        b.Init(kScanBattle, 1, 4, 1, 0);
        b.LoadFrom16(Ptr16({0}), {code, 0x00, 0x85, 0x00});
        EXPECT_EQ(b.StringLength(0), 3) << int(code);
    }
}

TEST(TextBlock, LengthOfMissingOrRunawayStrings)
{
    CFF6DynTextObj b;
    b.Init(kScanDialogue, 3, 6, 4, 0x100);
    b.LoadFrom16(Ptr16({0x100, 0x0FF, 0x106, 0x102}), {0x41, 0x00, 0x42, 0x43, 0x44, 0x11});
    EXPECT_EQ(b.StringLength(0), 1);
    EXPECT_EQ(b.StringLength(1), -1); // before the data
    EXPECT_EQ(b.StringLength(2), -1); // past it
    EXPECT_EQ(b.StringLength(3), -1); // slot beyond count
    EXPECT_EQ(b.StringLength(-1), -1);
    b.Init(kScanDialogue, 1, 6, 1, 0);
    b.LoadFrom16(Ptr16({2}), {0x41, 0x00, 0x42, 0x43, 0x44, 0x11});
    EXPECT_EQ(b.StringLength(0), -1); // runs off the end, last byte an operand code
    // Long strings are measured whole.
    std::vector<uint8_t> longData(3000, 0x41);
    longData[2500] = 0x00;
    b.Init(kScanDialogue, 1, 3000, 1, 0);
    b.LoadFrom16(Ptr16({0}), longData);
    EXPECT_EQ(b.StringLength(0), 2500);
}

TEST(TextBlock, FreeBytesAndReplaceEdgeCase)
{
    // Size 10 with strings of lengths 3 and 4: 1 byte free.
    CFF6DynTextObj b;
    b.Init(kScanDialogue, 2, 10, 2, 0);
    EXPECT_EQ(b.LoadFrom16(Ptr16({0, 4}), {1, 2, 3, 0, 4, 5, 6, 7, 0, 0xFF}), 0);
    EXPECT_EQ(b.FreeBytes(), 1);
    const std::vector<uint8_t> five = {9, 9, 9, 9, 9};
    EXPECT_EQ(b.ReplaceString(0, five.data(), 5), -1);
    EXPECT_EQ(b.FreeBytes(), 1);
    EXPECT_EQ(b.GetString(0), (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_EQ(b.ReplaceString(0, five.data(), 4), 0);
    EXPECT_EQ(b.FreeBytes(), 0);
    EXPECT_EQ(b.GetString(1), (std::vector<uint8_t>{4, 5, 6, 7}));
    EXPECT_EQ(b.Pointer(1), 5u);
    EXPECT_EQ(b.ReplaceString(2, five.data(), 1), -1); // not a string
    EXPECT_EQ(b.ReplaceString(0, five.data(), -1), -1);
}

TEST(TextBlock, ValidationFlags)
{
    CFF6DynTextObj b;
    // In order and terminated.
    b.Init(kScanDialogue, 3, 8, 3, 0);
    EXPECT_EQ(b.LoadFrom16(Ptr16({0, 2, 4}), {1, 0, 2, 0, 3, 0, 0xFF, 0xFF}), 0);
    // A string running past the next pointer.
    EXPECT_EQ(b.LoadFrom16(Ptr16({0, 1, 4}), {1, 2, 0, 0, 3, 0, 0xFF, 0xFF}), kTextRunsPastNext);
    // Shared pointers are fine.
    EXPECT_EQ(b.LoadFrom16(Ptr16({0, 0, 2}), {1, 0, 3, 0, 0xFF, 0xFF, 0xFF, 0xFF}), 0);
    // Out of order.
    EXPECT_EQ(b.LoadFrom16(Ptr16({2, 0, 4}), {1, 0, 2, 0, 3, 0, 0xFF, 0xFF}) & kTextOutOfOrder, kTextOutOfOrder);
    // Outside the data.
    EXPECT_EQ(b.LoadFrom16(Ptr16({0, 40, 4}), {1, 0, 2, 0, 3, 0, 0xFF, 0xFF}) & kTextUnterminated, kTextUnterminated);
    // The last string without terminator counts too.
    EXPECT_EQ(b.LoadFrom16(Ptr16({0, 2, 4}), {1, 0, 2, 0, 3, 4, 5, 6}) & kTextUnterminated, kTextUnterminated);
    // Short inputs read as 0xFF: no terminator.
    EXPECT_EQ(b.LoadFrom16(Ptr16({0}), {1}) & kTextUnterminated, kTextUnterminated);
}

TEST(TextBlock, RebuildGivesSharedStringsTheirOwnCopy)
{
    CFF6DynTextObj b;
    b.Init(kScanDialogue, 3, 12, 4, 0x8000);
    b.LoadFrom16(Ptr16({0x8000, 0x8000, 0x8003, 0x1234}), {7, 7, 0, 8, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
    EXPECT_EQ(b.FreeBytes(), 12 - 3 - 3 - 2);
    EXPECT_EQ(b.ReplaceString(2, std::vector<uint8_t>{9, 9}), 0);
    EXPECT_EQ(b.GetString(0), (std::vector<uint8_t>{7, 7}));
    EXPECT_EQ(b.GetString(1), (std::vector<uint8_t>{7, 7}));
    EXPECT_EQ(b.GetString(2), (std::vector<uint8_t>{9, 9}));
    EXPECT_EQ(b.Pointer(1), 0x8003u);
    EXPECT_EQ(b.Pointer(3), 0x1234u); // unused slot keeps its value
    ExpectPacked(b);
}

TEST(TextBlock, AddStringRules)
{
    CFF6DynTextObj b;
    b.Init(kScanDialogue, 0, 3, 2, 0x10);
    EXPECT_EQ(b.AddString(), 0);
    EXPECT_EQ(b.Count(), 1);
    EXPECT_EQ(b.Pointer(0), 0x10u);
    EXPECT_EQ(b.AddString(), 0);
    EXPECT_EQ(b.AddString(), -1); // every slot in use
    b.Init(kScanDialogue, 1, 3, 4, 0);
    b.LoadFrom16(Ptr16({0}), {5, 6, 0});
    EXPECT_EQ(b.AddString(), -2); // no byte left
    // A block as loaded, not packed: the new string lands in free space.
    b.Init(kScanDialogue, 2, 8, 3, 0);
    b.LoadFrom16(Ptr16({4, 0}), {1, 0, 0xFF, 0xFF, 2, 2, 0, 0xFF});
    EXPECT_EQ(b.AddString(), 0);
    EXPECT_EQ(b.GetString(0), (std::vector<uint8_t>{2, 2}));
    EXPECT_EQ(b.GetString(1), (std::vector<uint8_t>{1}));
    EXPECT_EQ(b.GetString(2), std::vector<uint8_t>{});
    ExpectPacked(b);
}

TEST(TextBlock, RandomReplaceAndAddKeepTheInvariants)
{
    std::mt19937 rng(1234);
    for (int mode : {0, 1, 2}) {
        CFF6DynTextObj b;
        b.Init(mode, 5, 300, 60, mode == 1 ? 0xE1E0 : 0);
        std::vector<uint8_t> data(300, 0xFF), ptrs;
        for (int i = 0; i < 5; ++i) {
            data[static_cast<size_t>(i) * 3] = 0x41;
            data[static_cast<size_t>(i) * 3 + 1] = 0x00;
            const uint16_t p = static_cast<uint16_t>(b.Base() + static_cast<uint32_t>(i) * 3);
            ptrs.push_back(static_cast<uint8_t>(p));
            ptrs.push_back(static_cast<uint8_t>(p >> 8));
        }
        b.LoadFrom16(ptrs, data);
        std::vector<std::vector<uint8_t>> model(5, std::vector<uint8_t>{0x41});
        for (int step = 0; step < 600; ++step) {
            const int free = b.FreeBytes();
            if (rng() % 5 == 0) {
                const int r = b.AddString();
                if (b.Count() - (r == 0 ? 1 : 0) >= 60)
                    EXPECT_EQ(r, -1);
                else if (free < 1)
                    EXPECT_EQ(r, -2);
                else
                    EXPECT_EQ(r, 0);
                if (r == 0)
                    model.push_back({});
            } else {
                const int i = static_cast<int>(rng() % static_cast<unsigned>(b.Count()));
                std::vector<uint8_t> s(rng() % 24);
                for (auto& c : s)
                    c = static_cast<uint8_t>(0x20 + rng() % 0x5F); // no operand codes, no 0x00
                const int before = b.StringLength(i);
                const int r = b.ReplaceString(i, s);
                if (before - static_cast<int>(s.size()) + free < 0) {
                    EXPECT_EQ(r, -1);
                } else {
                    EXPECT_EQ(r, 0);
                    model[static_cast<size_t>(i)] = s;
                }
            }
            ExpectPacked(b);
            ASSERT_EQ(static_cast<size_t>(b.Count()), model.size());
            for (int i = 0; i < b.Count(); ++i)
                ASSERT_EQ(b.GetString(i), model[static_cast<size_t>(i)]);
            ASSERT_GE(b.FreeBytes(), 0);
        }
    }
}

TEST(TextBlock, ExportCopyAndReset)
{
    CFF6DynTextObj b;
    b.Init(kScanBattle, 2, 6, 3, 0xD200);
    b.LoadFrom16(Ptr16({0xD200, 0xD203, 0xABCD}), {0x80, 0x81, 0, 0x82, 0, 0xFF});
    std::vector<uint8_t> data, ptrs;
    b.ExportTo16(data, ptrs);
    EXPECT_EQ(data, (std::vector<uint8_t>{0x80, 0x81, 0, 0x82, 0, 0xFF}));
    EXPECT_EQ(ptrs, Ptr16({0xD200, 0xD203, 0xABCD}));
    EXPECT_EQ(b.Pointer16(2), 0xABCD);
    EXPECT_EQ(b.Pointer16(3), 0xFFFF);
    CFF6DynTextObj c;
    c.CopyFrom(b);
    EXPECT_EQ(c.Data(), b.Data());
    EXPECT_EQ(c.Pointers(), b.Pointers());
    EXPECT_EQ(c.Count(), 2);
    EXPECT_EQ(c.Base(), 0xD200u);
    c.ReplaceString(0, std::vector<uint8_t>{});
    EXPECT_NE(c.Data(), b.Data());
    b.ExtractStrings();
    ASSERT_EQ(b.Strings().size(), 2u);
    EXPECT_EQ(b.Strings()[0], (std::vector<uint8_t>{0x80, 0x81, 0}));
    b.Reset();
    EXPECT_EQ(b.Count(), 0);
    EXPECT_EQ(b.Size(), 0);
    EXPECT_TRUE(b.Empty());
    EXPECT_EQ(b.StringLength(0), -1);
    EXPECT_EQ(b.AddString(), -1);
    // Count above the slots is held to the slots.
    b.Init(0, 9, 4, 2, 0);
    EXPECT_EQ(b.Count(), 2);
}

TEST(Dte, CompressionSpaceRunsAndPairs)
{
    DteTable t;
    EXPECT_FALSE(t.Loaded());
    EXPECT_EQ(CompressDialogue({0x7F, 0x7F, 0x7F}, t, 1), (std::vector<uint8_t>{0x14, 0x03}));
    EXPECT_EQ(CompressDialogue({0x7F}, t, 1), (std::vector<uint8_t>{0x7F}));
    EXPECT_EQ(CompressDialogue({0x41, 0x7F, 0x42}, t, 1), (std::vector<uint8_t>{0x41, 0x7F, 0x42}));
    // Release 2: the space is 0xFF.
    EXPECT_EQ(CompressDialogue({0xFF, 0xFF, 0x7F, 0x7F}, t, 2), (std::vector<uint8_t>{0x14, 0x02, 0x7F, 0x7F}));
    // Runs longer than one operand byte allows.
    std::vector<uint8_t> run(300, 0x7F);
    EXPECT_EQ(CompressDialogue(run, t, 1), (std::vector<uint8_t>{0x14, 0xFF, 0x14, 45}));

    t.Set(0, 0x41, 0x42);
    t.Set(5, 0x42, 0x43);
    t.Set(9, 0x41, 0x42); // a later duplicate never wins
    for (int k = 1; k < kDteEntries; ++k)
        if (k != 5 && k != 9)
            t.Set(k, 0x01, static_cast<uint8_t>(k)); // pairs no text holds
    EXPECT_TRUE(t.Loaded());
    EXPECT_EQ(CompressDialogue({0x41, 0x42, 0x43}, t, 1), (std::vector<uint8_t>{0x80, 0x43}));
    EXPECT_EQ(CompressDialogue({0x44, 0x42, 0x43}, t, 1), (std::vector<uint8_t>{0x44, 0x85}));
    // Operands are never paired.
    EXPECT_EQ(CompressDialogue({0x11, 0x41, 0x42}, t, 1), (std::vector<uint8_t>{0x11, 0x41, 0x42}));
    EXPECT_EQ(CompressDialogue({0x16, 0x41, 0x12, 0x41, 0x42}, t, 1),
              (std::vector<uint8_t>{0x16, 0x41, 0x12, 0x80}));
    EXPECT_EQ(CompressDialogue({0x1C, 0x41, 0x42}, t, 1), (std::vector<uint8_t>{0x1C, 0x41, 0x42}));
    // A delay cut short at the end becomes two spaces.
    EXPECT_EQ(CompressDialogue({0x41, 0x16, 0x05}, t, 2), (std::vector<uint8_t>{0x41, 0x7F, 0x7F}));
    // Release 2: no pairs.
    EXPECT_EQ(CompressDialogue({0x41, 0x42}, t, 2), (std::vector<uint8_t>{0x41, 0x42}));
    EXPECT_EQ(CompressDialogue({}, t, 1), std::vector<uint8_t>{});
}

TEST(Dte, ExpansionUndoesCompression)
{
    DteTable t;
    for (int k = 0; k < kDteEntries; ++k)
        t.Set(k, static_cast<uint8_t>(0x3A + k % 26), static_cast<uint8_t>(k < 26 ? 0x7F : 0x3A + k / 26));
    std::mt19937 rng(99);
    for (int round = 0; round < 300; ++round) {
        std::vector<uint8_t> plain;
        const int n = static_cast<int>(rng() % 60);
        for (int i = 0; i < n; ++i) {
            const unsigned r = rng() % 20;
            if (r == 0) {
                plain.insert(plain.end(), {0x11, static_cast<uint8_t>(rng())});
            } else if (r == 1) {
                plain.insert(plain.end(), {0x16, static_cast<uint8_t>(rng()), 0x12});
            } else if (r < 5) {
                plain.push_back(0x7F);
            } else {
                plain.push_back(static_cast<uint8_t>(0x20 + rng() % 0x5E));
            }
        }
        const std::vector<uint8_t> packed = CompressDialogue(plain, t, 1);
        EXPECT_LE(packed.size(), plain.size());
        // Space runs stay runs: compare after one more expand-compress turn.
        const std::vector<uint8_t> again = CompressDialogue(ExpandDialogue(packed, t, nullptr, 1), t, 1);
        EXPECT_EQ(again, packed);
    }
}

TEST(Dte, ExpansionOfEachRelease)
{
    DteTable t;
    // Without a table codes 0x80-0xFF stay as they are.
    EXPECT_EQ(ExpandDialogue({0x80, 0x41}, t, nullptr, 1), (std::vector<uint8_t>{0x80, 0x41}));
    t.Set(0, 0x41, 0x42);
    t.Set(127, 0x7F, 0x43);
    EXPECT_EQ(ExpandDialogue({0x80, 0xFF, 0x11, 0x80, 0x16, 0x80, 0x12}, t, nullptr, 1),
              (std::vector<uint8_t>{0x41, 0x42, 0x7F, 0x43, 0x11, 0x80, 0x16, 0x80, 0x12}));
    // Kanji prefixes keep their operand.
    EXPECT_EQ(ExpandDialogue({0x1C, 0x80}, t, nullptr, 1), (std::vector<uint8_t>{0x1C, 0x80}));
    // A truncated operand at the end is copied as it is.
    EXPECT_EQ(ExpandDialogue({0x41, 0x11}, t, nullptr, 1), (std::vector<uint8_t>{0x41, 0x11}));

    // Release 2: the multiple-tile block.
    CFF6DynTextObj mte;
    mte.Init(kScanDialogue, 2, 8, 24, 0x8BE0);
    mte.LoadFrom16(Ptr16({0x8BE0, 0x8BE3}), {0x50, 0x51, 0, 0x52, 0, 0xFF, 0xFF, 0xFF});
    EXPECT_EQ(ExpandDialogue({0xD8, 0xD9, 0xDA, 0x80, 0x1D, 0xD8}, t, &mte, 2),
              (std::vector<uint8_t>{0x50, 0x51, 0x52, 0xDA, 0x80, 0x1D, 0xD8}));
}
