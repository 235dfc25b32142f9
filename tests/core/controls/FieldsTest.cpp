// Number, hexadecimal and check-list field rules.
#include <gtest/gtest.h>

#include "controls/Fields.h"

using namespace quorvex;

TEST(NumberField, ReadClampRewrite)
{
    const FieldRange byte{0, 256};
    EXPECT_EQ(ReadNumberField("1234567", byte), 255); // "12345" clamped
    EXPECT_EQ(ReadNumberField("300", byte), 255);
    EXPECT_EQ(ReadNumberField("-5", byte), 0);
    EXPECT_EQ(ReadNumberField("42", byte), 42);
    EXPECT_EQ(ReadNumberField("", byte), 0);
    EXPECT_EQ(ReadNumberField("abc", byte), 0);
    EXPECT_EQ(ReadNumberField("  7x", byte), 7);
    EXPECT_EQ(ReadNumberField("65535", FieldRange{0, 65536}), 65535);
    EXPECT_EQ(ReadNumberField("999999", FieldRange{0, 65536}), 65535); // five characters: 99999
    EXPECT_EQ(ReadNumberField("-20", FieldRange{-10, 11}), -10);
    EXPECT_EQ(ReadNumberField("5", FieldRange{10, 20}), 10);
    EXPECT_EQ(NumberFieldText(ReadNumberField("1234567", byte)), "255");
    uint8_t rec[4] = {};
    StoreFieldValue(rec, 1, 0x1FF);
    EXPECT_EQ(rec[0], 0xFF);
    EXPECT_EQ(rec[1], 0);
    StoreFieldValue(rec, 2, 0x12345);
    EXPECT_EQ(LoadFieldValue(rec, 2), 0x2345);
    StoreFieldValue(rec, 4, -2);
    EXPECT_EQ(LoadFieldValue(rec, 4, true), -2);
    EXPECT_EQ(LoadFieldValue(rec, 1, true), -2);
}

TEST(HexField, FormatAndParse)
{
    EXPECT_EQ(HexFieldText(0xA, 2), "0A");
    EXPECT_EQ(HexFieldText(0xBEEF, 4), "BEEF");
    EXPECT_EQ(HexFieldText(0x1ff, 2), "FF");
    EXPECT_EQ(ReadHexField("1f", 2), 0x1F);
    EXPECT_EQ(ReadHexField(" BEEF ", 4), 0xBEEF);
    EXPECT_EQ(ReadHexField("", 2), -1);
    EXPECT_EQ(ReadHexField("zz", 2), -1);
    EXPECT_EQ(ReadHexField("123", 2), -1);
}

TEST(CheckList, CellsHeaderAndBits)
{
    CheckColumn col(12);
    EXPECT_STREQ(CheckColumn::CellText(col.Cell(0)), "0");
    col.Toggle(3);
    EXPECT_TRUE(col.Cell(3));
    col.Toggle(3);
    EXPECT_FALSE(col.Cell(3));
    col.HeaderClick();
    for (int r = 0; r < 12; ++r)
        EXPECT_TRUE(col.Cell(r));
    col.HeaderClick();
    for (int r = 0; r < 12; ++r)
        EXPECT_FALSE(col.Cell(r));
    col.Toggle(5);
    col.HeaderClick(); // one was set: all cleared
    EXPECT_FALSE(col.Cell(5));
    col.Toggle(99); // outside: ignored
    EXPECT_FALSE(col.Cell(99));

    uint8_t bits[2] = {0x81, 0x0A};
    std::vector<CheckBit> map = DefaultCheckMap(12);
    map[11] = CheckBit{}; // maps to no bit
    col.SetCell(11, true);
    col.Load(bits, 2, map);
    EXPECT_TRUE(col.Cell(0));
    EXPECT_TRUE(col.Cell(7));
    EXPECT_TRUE(col.Cell(9));
    EXPECT_FALSE(col.Cell(8));
    EXPECT_TRUE(col.Cell(11)); // left alone
    col.Toggle(0);
    col.Toggle(8);
    uint8_t outBits[2] = {0x00, 0xF0};
    col.Commit(outBits, 2, map);
    EXPECT_EQ(outBits[0], 0x80);
    EXPECT_EQ(outBits[1], 0xF3); // rows 8-10 written; row 11 unmapped, bits 4-7 untouched
    // A map pointing past the field is ignored.
    std::vector<CheckBit> wild = {{5, 0}, {0, 9}};
    CheckColumn c2(2);
    c2.Commit(outBits, 2, wild);
    c2.Load(outBits, 2, wild);
}

TEST(Progress, Captions)
{
    EXPECT_STREQ(kProgressCaptions[0], "Loading Monster List");
    EXPECT_STREQ(kProgressCaptions[2], "Loading Comsumable Item List");
    EXPECT_STREQ(kProgressCaptions[13], "Loading Text List");
}
