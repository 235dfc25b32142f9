#include <gtest/gtest.h>

#include "rom/RomAddress.h"

using namespace quorvex;

TEST(Address, ConversionsBetweenTheFourSystems)
{
    EXPECT_EQ(SnesToRom(0xCF8400), 0xF8400u);
    EXPECT_EQ(RomToHeadered(SnesToRom(0xCF8400)), 0xF8600u);
    EXPECT_EQ(HeaderedToSnes(0x310200), 0xF10000u);
    EXPECT_EQ(SnesToHeadered(0xF00000), 0x300200u);
    EXPECT_EQ(FileOffset(RomToHeadered(0xFFC0), true), 0xFFC0u);
    EXPECT_EQ(FileOffset(RomToHeadered(0xFFC0), false), 0x101C0u);
}

TEST(Address, TwentyFourBitTablesRoundTrip)
{
    const uint8_t raw[6] = {0x34, 0xD4, 0xEE, 0x00, 0x00, 0xF0};
    const auto v = Read24BitTable(raw, 2);
    ASSERT_EQ(v.size(), 2u);
    EXPECT_EQ(v[0], 0xEED434u);
    EXPECT_EQ(v[1], 0xF00000u);
    uint8_t back[6] = {};
    Write24BitTable({0xEED434, 0x12F00000}, back); // only the three low bytes are kept
    EXPECT_EQ(0, memcmp(back, raw, 6));
}
