// The tag codec in both directions, its limits and its error results.
#include <gtest/gtest.h>

#include "text/TextCodec.h"

namespace quorvex {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes EncD(const std::wstring& t, uint32_t max = kEncodeMaxBytes)
{
    EncodeResult r = EncodeDialogue(t, DialogueCharTable(), max);
    EXPECT_FALSE(r.IsError()) << "error at " << r.ErrorPos();
    return r.bytes;
}
Bytes EncB(const std::wstring& t)
{
    EncodeResult r = EncodeBattle(t, BattleCharTable(), kEncodeMaxBytes);
    EXPECT_FALSE(r.IsError()) << "error at " << r.ErrorPos();
    return r.bytes;
}
std::wstring DecD(const Bytes& b, uint8_t romType = 1) { return DecodeDialogue(b, DialogueCharTable(), romType).text; }
std::wstring DecB(const Bytes& b) { return DecodeBattle(b, &BattleCharTable()).text; }

TEST(CharTables, BuiltInEntriesAndKeys)
{
    const CharTable& d = DialogueCharTable();
    EXPECT_EQ(d[0x00].text, L"<EOC>");
    EXPECT_EQ(d[0x01].key, vk::kReturn);
    EXPECT_EQ(d[0x02].text, L"<A0>");
    EXPECT_EQ(d[0x02].key, vk::kF1);
    EXPECT_EQ(d[0x0D].text, L"<A11>");
    EXPECT_EQ(d[0x0E].key, kKeyShift | vk::kF1);
    EXPECT_EQ(d[0x13].key, kKeyCtrl | vk::kReturn);
    EXPECT_EQ(d[0x20].text, L"A");
    EXPECT_EQ(d[0x20].key, kKeyShift | 'A');
    EXPECT_EQ(d[0x3A].text, L"a");
    EXPECT_EQ(d[0x3A].key, 'A');
    EXPECT_EQ(d[0x54].text, L"0");
    EXPECT_EQ(d[0x79].text, L"\u00B1");
    EXPECT_TRUE(d[0x74].Empty());
    EXPECT_EQ(d[0x74].key, kKeyShift | vk::kSubtract);
    EXPECT_EQ(d[0x7F].text, L" ");
    EXPECT_TRUE(d[0x80].Empty());
    EXPECT_TRUE(d[0x100].Empty());
    EXPECT_EQ(d[0x100].key, kNoKey);

    const CharTable& b = BattleCharTable();
    EXPECT_EQ(b[0x80].text, L"A");
    EXPECT_EQ(b[0x9A].text, L"a");
    EXPECT_EQ(b[0xB4].text, L"0");
    EXPECT_TRUE(b[0xD4].Empty());
    EXPECT_TRUE(b[0xD5].Empty());
    EXPECT_TRUE(b[0xDF].Empty());
    EXPECT_TRUE(b[0x03].Empty());
    EXPECT_TRUE(b[0x20].Empty());
    EXPECT_EQ(b[0xFF].text, L" ");
    EXPECT_EQ(b[0x07].text, L"<P>");

    const CharTable& m = MenuCharTable();
    EXPECT_TRUE(m[0x7F].Empty());
    EXPECT_EQ(m[0xC1].text, L":");
    EXPECT_EQ(m[0xC2].text, L"\"");
    EXPECT_EQ(m[0xC6].text, L",");
    EXPECT_EQ(m[0xCF].text, L"*");
    EXPECT_EQ(m[0xD6].text, L"<ADL>");
    EXPECT_EQ(m[0xEA].text, L"<MG>");
    EXPECT_EQ(m[0xF8].text, L"<G8>");
    EXPECT_EQ(m[0xFE].text, L" ");
    EXPECT_EQ(m[0xFF].text, L"<EOS>");
    const CharTable& j = MenuCharTableJp();
    EXPECT_EQ(j[0xFF].text, L"<EOS>");
    EXPECT_TRUE(j[0x80].Empty());
}

TEST(CharTables, NullTextAndKeyLookup)
{
    EXPECT_TRUE(IsNullText(L"null"));
    EXPECT_TRUE(IsNullText(L"NuLl"));
    EXPECT_FALSE(IsNullText(L"NULL "));
    CharEntry e;
    e.SetText(std::wstring(80, L'x'));
    EXPECT_EQ(e.text.size(), kCharTextMax);

    const CharTable& d = DialogueCharTable();
    EXPECT_EQ(FindEntryForKey(d, kKeyCtrl | vk::kReturn, kStyleDialogue, 1), 0x13);
    EXPECT_EQ(FindEntryForKey(d, vk::kSpace, kStyleDialogue, 1), 0x7F);
    const CharTable& b = BattleCharTable();
    // Battle characters live above 0x80: only found when all 256 are searched.
    EXPECT_EQ(FindEntryForKey(b, kKeyShift | 'A', kStyleBattle, 1), 0x80);
    EXPECT_EQ(FindEntryForKey(b, kKeyShift | 'A', kStyleDialogue, 1), -1);
    CharTable k = b;
    k[0x100 + 5].key = kKeyAlt | 'K';
    EXPECT_EQ(FindEntryForKey(k, kKeyAlt | 'K', kStyleBattle, 1), -1);
    EXPECT_EQ(FindEntryForKey(k, kKeyAlt | 'K', kStyleBattle, 2), 0x105);
}

TEST(DialogueCodec, EndOfPageImpliesOneLineBreak)
{
    EXPECT_EQ(EncD(L"Hi<EOP>\nthere"), (Bytes{0x27, 0x42, 0x13, 0x4D, 0x41, 0x3E, 0x4B, 0x3E}));
    EXPECT_EQ(EncD(L"Hi<EOP>\n\nthere"), (Bytes{0x27, 0x42, 0x13, 0x01, 0x4D, 0x41, 0x3E, 0x4B, 0x3E}));
    EXPECT_EQ(EncD(L"Hi<EOP>\r\nthere"), (Bytes{0x27, 0x42, 0x13, 0x4D, 0x41, 0x3E, 0x4B, 0x3E}));
    // A line break at the very start is always written.
    EXPECT_EQ(EncD(L"\nA"), (Bytes{0x01, 0x20}));
    // Decoding puts the implied line break back.
    EXPECT_EQ(DecD({0x27, 0x42, 0x13, 0x4D, 0x00}), L"Hi<EOP>\nt");
    EXPECT_EQ(DecD({0x13, 0x01, 0x20}), L"<EOP>\n\nA");
    EXPECT_EQ(EncD(DecD({0x13, 0x01, 0x20})), (Bytes{0x13, 0x01, 0x20}));
}

TEST(DialogueCodec, DelayCode)
{
    EXPECT_EQ(EncD(L"<D4>"), (Bytes{0x16, 0x04, 0x12}));
    EXPECT_EQ(DecD({0x16, 0x04, 0x12}), L"<D4>");
    EXPECT_EQ(EncD(L"<D$10>"), (Bytes{0x16, 0x10, 0x12}));
    EXPECT_EQ(DecD({0x16, 0x10, 0x12}), L"<D16>");
    // Without its trailing 0x12 decoding stops at the offending byte.
    DecodeResult r = DecodeDialogue(Bytes{0x20, 0x16, 0x04, 0x20, 0x21}, DialogueCharTable(), 1);
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.text, L"A");
    // Operand or trailing byte cut off: truncated.
    EXPECT_EQ(DecodeDialogue(Bytes{0x16}, DialogueCharTable(), 1).status, kDecodeTruncated);
    EXPECT_EQ(DecodeDialogue(Bytes{0x16, 0x04}, DialogueCharTable(), 1).status, kDecodeTruncated);
    // The named <D> is a different code.
    EXPECT_EQ(EncD(L"<D>"), (Bytes{0x10}));
}

TEST(DialogueCodec, OperandTags)
{
    EXPECT_EQ(EncD(L"<e$0a>"), (Bytes{0x11, 0x0A}));
    EXPECT_EQ(EncD(L"<E10>"), (Bytes{0x11, 0x0A}));
    EXPECT_EQ(DecD({0x11, 0xAB}), L"<E$AB>");
    EXPECT_EQ(EncD(L"<S3>"), (Bytes{0x14, 0x03}));
    EXPECT_EQ(EncD(L"<S$FF>"), (Bytes{0x14, 0xFF}));
    EXPECT_EQ(EncD(L"<A0><A13><A14>"), (Bytes{0x02, 0x0F, 0x10}));
    EXPECT_EQ(DecD({0x02, 0x0F}), L"<A0><A13>");
    EXPECT_EQ(EncD(L"<EOP><C><N><I><S><OP$12><OP$17><OP$18>"),
              (Bytes{0x13, 0x15, 0x19, 0x1A, 0x1B, 0x12, 0x17, 0x18}));
    EXPECT_EQ(EncD(L"<eop><c>"), (Bytes{0x13, 0x15}));
    EXPECT_EQ(DecD({0x15, 0x19, 0x1A, 0x1B, 0x12, 0x17, 0x18}), L"<C><N><I><S><OP$12><OP$17><OP$18>");
    EXPECT_EQ(DecodeDialogue(Bytes{0x11}, DialogueCharTable(), 1).status, kDecodeTruncated);
}

TEST(DialogueCodec, OperandLimits)
{
    const CharTable& d = DialogueCharTable();
    EXPECT_EQ(EncD(L"<E255>"), (Bytes{0x11, 0xFF}));
    EXPECT_TRUE(EncodeDialogue(L"<E256>", d).IsError());
    EXPECT_TRUE(EncodeDialogue(L"<D$100>", d).IsError());
    EXPECT_TRUE(EncodeDialogue(L"<S>x", d).IsError() == false);
    EncodeResult r = EncodeDialogue(L"ab<A15>", d);
    ASSERT_TRUE(r.IsError());
    EXPECT_EQ(r.ErrorPos(), 2u);
    EXPECT_EQ(r.ErrorEnd(), 3u);
    EXPECT_EQ(r.result, 0x30002u);
    EXPECT_TRUE(EncodeDialogue(L"<A$01>", d).IsError());
    EXPECT_TRUE(EncodeDialogue(L"<Exy>", d).IsError());
    EXPECT_TRUE(EncodeDialogue(L"<E>", d).IsError());
    EXPECT_TRUE(EncodeDialogue(L"<E$>", d).IsError());
    EXPECT_TRUE(EncodeDialogue(L"<$G1>", d).IsError());
}

TEST(DialogueCodec, UnknownAndOverlongTags)
{
    const CharTable& d = DialogueCharTable();
    EXPECT_EQ(EncD(L"A<XYZ>B"), (Bytes{0x20, 0x21}));
    EncodeResult r = EncodeDialogue(L"Hi <TOOLONGTAG>", d);
    ASSERT_TRUE(r.IsError());
    EXPECT_EQ(r.ErrorPos(), 3u);
    // A "<" with no ">" at all.
    r = EncodeDialogue(L"x<", d);
    ASSERT_TRUE(r.IsError());
    EXPECT_EQ(r.ErrorPos(), 1u);
    // The 8-character limit counts the "<": <BK1$00> is exactly 8.
    EXPECT_EQ(EncD(L"<BK1$00>"), (Bytes{0x1C, 0x00}));
}

TEST(DialogueCodec, EndOfCodeStopsEncoding)
{
    EncodeResult r = EncodeDialogue(L"AB<EOC>CD", DialogueCharTable());
    EXPECT_EQ(r.bytes, (Bytes{0x20, 0x21, 0x00}));
    EXPECT_EQ(r.result, 3u);
    EXPECT_EQ(DecD({0x20, 0x00, 0x21}), L"A");
    EXPECT_EQ(DecD({0x00, 0x21}), L"");
}

TEST(DialogueCodec, RawCodes)
{
    EXPECT_EQ(DecD({0x80, 0xFF, 0x74}), L"<$80><$FF><$74>");
    EXPECT_EQ(EncD(L"<$80><$ff><$74>"), (Bytes{0x80, 0xFF, 0x74}));
    for (int c = 0x20; c < 0x100; ++c) {
        const Bytes one{static_cast<uint8_t>(c)};
        EXPECT_EQ(EncD(DecD(one)), one) << c;
    }
}

TEST(DialogueCodec, SpaceRun)
{
    EXPECT_EQ(DecD({0x14, 0x03}, 1), L"   ");
    // Other releases use entry 0xFF, empty in the built-in table.
    EXPECT_EQ(DecD({0x14, 0x02}, 2), L"<$FF><$FF>");
    CharTable t = DialogueCharTable();
    t[0xFF].SetText(L"_");
    EXPECT_EQ(DecodeDialogue(Bytes{0x14, 0x02}, t, 2).text, L"__");
    EXPECT_EQ(DecD({0x14, 0x00, 0x20}), L"A");
    EXPECT_EQ(DecodeDialogue(Bytes{0x14}, DialogueCharTable(), 1).status, kDecodeTruncated);
}

TEST(DialogueCodec, KanjiBanks)
{
    EXPECT_EQ(DecD({0x1C, 0x00, 0x1F, 0xAB}), L"<BK1$00><BK4$AB>");
    EXPECT_EQ(EncD(L"<BK1$00><bk4$ab>"), (Bytes{0x1C, 0x00, 0x1F, 0xAB}));
    EXPECT_EQ(DecodeDialogue(Bytes{0x1D}, DialogueCharTable(), 1).status, kDecodeTruncated);
    EncodeResult r = EncodeDialogue(L"ab<BK5$00>", DialogueCharTable());
    ASSERT_TRUE(r.IsError());
    EXPECT_EQ(r.ErrorPos(), 4u);
    // A three-digit value no longer fits the 8-character tag limit.
    r = EncodeDialogue(L"ab<BK1$100>", DialogueCharTable());
    ASSERT_TRUE(r.IsError());
    EXPECT_EQ(r.ErrorPos(), 2u);
    EXPECT_TRUE(EncodeDialogue(L"<BK1>", DialogueCharTable()).IsError());
    // A user-filled Kanji entry is found by character search and written as
    // prefix and code; the characters after it are kept.
    CharTable t = DialogueCharTable();
    t.At(2, 0x34).SetText(L"\u6F22");
    EXPECT_EQ(EncodeDialogue(L"\u6F22A", t).bytes, (Bytes{0x1D, 0x34, 0x20}));
}

TEST(DialogueCodec, CharacterErrorsAndLimits)
{
    EncodeResult r = EncodeDialogue(L"Caf\u00E9", DialogueCharTable());
    ASSERT_TRUE(r.IsError());
    EXPECT_EQ(r.ErrorPos(), 3u);
    EXPECT_TRUE(r.bytes.empty());
    // Too long: the size needed is returned at once.
    r = EncodeDialogue(L"ABCDE", DialogueCharTable(), 3);
    EXPECT_EQ(r.result, 4u);
    EXPECT_TRUE(r.TooLong(3));
    EXPECT_EQ(r.bytes.size(), 3u);
    r = EncodeDialogue(L"AB<D4>", DialogueCharTable(), 4);
    EXPECT_EQ(r.result, 5u);
    r = EncodeDialogue(L"ABC", DialogueCharTable(), 3);
    EXPECT_EQ(r.result, 3u);
    EXPECT_FALSE(r.TooLong(3));
    EXPECT_EQ(EncodeDialogue(L"", DialogueCharTable()).result, 0u);
}

// A fault beyond the 16 bits of the packed result still reads as an error
// (a wrapped position would have read as a byte count).
TEST(DialogueCodec, ErrorFarIntoALongText)
{
    std::wstring text;
    for (int i = 0; i < 13107; ++i)
        text += L"<XYZ>"; // consumed silently: the fault lies at 65535
    EncodeResult r = EncodeDialogue(text + L"\u00E9", DialogueCharTable());
    ASSERT_TRUE(r.IsError());
    EXPECT_EQ(r.ErrorPos(), 0xFFFEu);
    EXPECT_EQ(r.ErrorEnd(), 0xFFFFu);
    r = EncodeBattle(text + L"<XYZ><XYZ>\u00E9", BattleCharTable(), 0x20000);
    ASSERT_TRUE(r.IsError());
    EXPECT_EQ(r.ErrorPos(), 0xFFFEu);
    EXPECT_TRUE(r.bytes.empty());
    // Below the limit the position is exact.
    EXPECT_EQ(MakeEncodeError(0xFFFD), 0xFFFEFFFDu);
}

TEST(BattleCodec, Tags)
{
    EXPECT_EQ(EncB(L"<A$01>"), (Bytes{0x02, 0x01}));
    EXPECT_EQ(EncB(L"<A1><D$40><B7><I$ff><S10>"), (Bytes{0x02, 0x01, 0x06, 0x40, 0x0C, 0x07, 0x0E, 0xFF, 0x0F, 0x0A}));
    EXPECT_EQ(EncB(L"<F><D><P>"), (Bytes{0x04, 0x05, 0x07}));
    EXPECT_EQ(DecB({0x02, 0x01, 0x06, 0x40, 0x0C, 0x07, 0x0E, 0xFF, 0x0F, 0x0A}),
              L"<A$01><D$40><B$07><I$FF><S$0A>");
    EXPECT_EQ(DecB({0x04, 0x05, 0x07}), L"<F><D><P>");
    EXPECT_EQ(DecB({0x80, 0x9A, 0xFF, 0xB4}), L"Aa 0");
    EXPECT_EQ(EncB(L"Aa 0"), (Bytes{0x80, 0x9A, 0xFF, 0xB4}));
    // Always a line break, even after <P>.
    EXPECT_EQ(EncB(L"<P>\nA"), (Bytes{0x07, 0x01, 0x80}));
    EXPECT_EQ(DecB({0x1E, 0x12}), L"<BK3$12>");
    EXPECT_EQ(EncB(L"<BK3$12>"), (Bytes{0x1E, 0x12}));
    EXPECT_EQ(EncB(L"<E5>x"), (Bytes{0xB1})); // unknown letter tag dropped
    EXPECT_TRUE(EncodeBattle(L"<A256>", BattleCharTable()).IsError());
    EXPECT_TRUE(EncodeBattle(L"<A>", BattleCharTable()).IsError());
    EncodeResult r = EncodeBattle(L"<P><EOC>zz", BattleCharTable());
    EXPECT_EQ(r.bytes, (Bytes{0x07, 0x00}));
    EXPECT_EQ(r.result, 2u);
}

TEST(BattleCodec, TruncatedOperandsAndRawCodes)
{
    for (uint8_t code : {0x02, 0x06, 0x0C, 0x0E, 0x0F, 0x1C}) {
        DecodeResult r = DecodeBattle(Bytes{0x80, code}, &BattleCharTable());
        EXPECT_EQ(r.status, kDecodeTruncated) << int(code);
        EXPECT_EQ(r.text, L"A");
    }
    EXPECT_EQ(DecB({0x03, 0x20, 0xDF}), L"<$03><$20><$DF>");
    for (int c = 0x03; c < 0x100; ++c) {
        if (c == 0x06 || c == 0x0C || c == 0x0E || c == 0x0F || (c >= 0x1C && c <= 0x1F))
            continue;
        const Bytes one{static_cast<uint8_t>(c)};
        EXPECT_EQ(EncB(DecB(one)), one) << c;
    }
}

TEST(BattleCodec, DefaultTableByRelease)
{
    const Bytes b{0x80, 0x07, 0x02, 0x05};
    EXPECT_EQ(DecodeBattle(b, nullptr, 1).text, L"A<P><A$05>");
    EXPECT_EQ(DecodeBattle(b, nullptr, 2).text, L"<$80><P><A$05>");
}

TEST(NameCodec, Names)
{
    EXPECT_EQ(DecodeName(Bytes{0x8E, 0xA9, 0xAC, 0xFF, 0xFF, 0xFF}, 1), L"Ops");
    EXPECT_EQ(DecodeName(Bytes{0xFF, 0x80}, 1), L" A");
    EXPECT_EQ(DecodeName(Bytes{0x80, 0x00, 0x81}, 1), L"A");
    EXPECT_EQ(DecodeName(Bytes{0xD8, 0x80, 0x10}, 1), L"<WD>A<$10>");
    EXPECT_EQ(DecodeName(Bytes{0x80, 0x81}, 2), L"<$80><$81>");
    EXPECT_EQ(DecodeName(Bytes{0xFF, 0x81}, 2), L"<$FF><$81>");
    EXPECT_EQ(DecodeName(nullptr, 4, 1), L"");
    // Only `length` bytes are read.
    const uint8_t raw[] = {0x80, 0x81, 0x82};
    EXPECT_EQ(DecodeName(raw, 2, 1), L"AB");
}

TEST(CaptionEditor, DefaultInsertions)
{
    const CharTable& d = DialogueCharTable();
    EXPECT_EQ(DefaultInsertion(d, 0x01, kStyleDialogue), L"\n");
    EXPECT_EQ(DefaultInsertion(d, 0x11, kStyleDialogue), L"<E$00>");
    EXPECT_EQ(DefaultInsertion(d, 0x14, kStyleDialogue), L"<S1>");
    EXPECT_EQ(DefaultInsertion(d, 0x16, kStyleDialogue), L"<D1>");
    EXPECT_EQ(DefaultInsertion(d, 0x1C, kStyleDialogue), L"<BK1$00>");
    EXPECT_EQ(DefaultInsertion(d, 0x1F, kStyleDialogue), L"<BK4$00>");
    EXPECT_EQ(DefaultInsertion(d, 0x74, kStyleDialogue), L"<$74>");
    EXPECT_EQ(DefaultInsertion(d, 0x13, kStyleDialogue), L"<EOP>");
    EXPECT_EQ(DefaultInsertion(d, 0x20, kStyleDialogue), L"A");
    EXPECT_EQ(DefaultInsertion(d, 0x203, kStyleDialogue), L"<BK2$03>");
    CharTable t = d;
    t[0x21].SetText(L"Null");
    EXPECT_EQ(DefaultInsertion(t, 0x21, kStyleDialogue), L"<$21>");
    const CharTable& b = BattleCharTable();
    EXPECT_EQ(DefaultInsertion(b, 0x02, kStyleBattle), L"<A$00>");
    EXPECT_EQ(DefaultInsertion(b, 0x06, kStyleBattle), L"<D$40>");
    EXPECT_EQ(DefaultInsertion(b, 0x0C, kStyleName), L"<B$40>");
    EXPECT_EQ(DefaultInsertion(b, 0x0E, kStyleBattle), L"<I$40>");
    EXPECT_EQ(DefaultInsertion(b, 0x0F, kStyleBattle), L"<S$40>");
    EXPECT_EQ(DefaultInsertion(b, 0x1D, kStyleBattle), L"<BK2$00>");
    EXPECT_EQ(DefaultInsertion(b, 0x01, kStyleBattle), L"\n");
    EXPECT_EQ(DefaultInsertion(b, 0x07, kStyleBattle), L"<P>");
    EXPECT_EQ(DefaultInsertion(b, -1, kStyleBattle), L"");
    EXPECT_EQ(DefaultInsertion(b, kCharTableSize, kStyleBattle), L"");
}

TEST(Utf8, RoundTripAndBadInput)
{
    const std::wstring w = L"A\u00B1\u6F22";
    EXPECT_EQ(Utf8ToWide(WideToUtf8(w)), w);
    EXPECT_EQ(Utf8ToWide("a\xC3"), std::wstring(L"a\uFFFD"));
    EXPECT_EQ(Utf8ToWide("\xFF"), std::wstring(L"\uFFFD"));
}

// Random byte strings never crash the decoders, and what they decode
// completely encodes back to the same bytes (space runs aside: they expand).
TEST(CodecFuzz, RandomStringsDecodeAndReencode)
{
    uint32_t s = 12345;
    auto next = [&s] {
        s ^= s << 13;
        s ^= s >> 17;
        s ^= s << 5;
        return s;
    };
    for (int round = 0; round < 3000; ++round) {
        Bytes b(next() % 40);
        for (uint8_t& x : b) {
            x = static_cast<uint8_t>(next());
            if (x == 0x14 || x == 0x00)
                x = 0x20;
        }
        DecodeResult d = DecodeDialogue(b, DialogueCharTable(), 1);
        if (d.status == kDecodeComplete) {
            EncodeResult e = EncodeDialogue(d.text, DialogueCharTable(), 10000);
            ASSERT_FALSE(e.IsError());
            EXPECT_EQ(e.bytes, b);
        }
        DecodeResult bd = DecodeBattle(b, &BattleCharTable());
        if (bd.status == kDecodeComplete) {
            EncodeResult e = EncodeBattle(bd.text, BattleCharTable(), 10000);
            ASSERT_FALSE(e.IsError());
            EXPECT_EQ(e.bytes, b);
        }
        (void)DecodeName(b, 1);
        (void)DecodeName(b, 2);
    }
}

} // namespace
} // namespace quorvex
