// Name lists in the image, the names editor's rules and the name pictures.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "graphics/Tiles.h"
#include "rom/Document.h"
#include "rom/PreprocRomData.h"
#include "text/DteTable.h"
#include "text/NameEditor.h"
#include "text/TextCodec.h"

namespace quorvex {
namespace {

using Bytes = std::vector<uint8_t>;

synth::SynthOptions Variant(const std::string& name)
{
    for (const auto& v : synth::AllVariants())
        if (v.name == name)
            return v.options;
    ADD_FAILURE() << "no variant " << name;
    return {};
}

TEST(NameEditorRules, RenameToDog)
{
    NameEditor e(Bytes{0x8E, 0xA9, 0xAC, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
    EXPECT_EQ(e.Cursor(), 3);
    EXPECT_EQ(e.RemainingText(), "Remaining Bytes: 7");
    EXPECT_TRUE(e.Type(L'D'));
    EXPECT_TRUE(e.Type(L'o'));
    EXPECT_TRUE(e.Type(L'g'));
    EXPECT_EQ(e.NewName(), (Bytes{0x83, 0xA8, 0xA0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(e.Remaining(), 7);
}

TEST(NameEditorRules, EleventhCharacterOverwritesTheTenth)
{
    NameEditor e(Bytes(10, 0xFF));
    EXPECT_EQ(e.Remaining(), 10);
    for (wchar_t ch : std::wstring(L"ABCDEFGHIJK"))
        e.Type(ch);
    EXPECT_EQ(e.NewName().back(), 0x8A); // K
    EXPECT_EQ(e.NewName()[8], 0x88);     // I
    EXPECT_EQ(e.Remaining(), 0);
    e.AddCode(0xC5);
    EXPECT_EQ(e.NewName().back(), 0xC5);
    EXPECT_EQ(e.NewName().size(), 10u);
}

TEST(NameEditorRules, BackspaceFirstEditsInPlace)
{
    const Bytes old{0x80, 0x81, 0x82, 0xFF, 0xFF};
    NameEditor e(old);
    e.Backspace();
    EXPECT_EQ(e.NewName(), (Bytes{0x80, 0x81, 0xFF, 0xFF, 0xFF}));
    e.Type(L'z');
    EXPECT_EQ(e.NewName(), (Bytes{0x80, 0x81, 0xB3, 0xFF, 0xFF}));
    // Backspace at the start does nothing.
    NameEditor s(Bytes(3, 0xFF));
    s.Backspace();
    EXPECT_EQ(s.Cursor(), 0);
    EXPECT_EQ(s.NewName(), Bytes(3, 0xFF));
    // Reset brings back the old name and the first-keystroke rule.
    e.Reset();
    EXPECT_EQ(e.NewName(), old);
    EXPECT_EQ(e.Remaining(), 2);
    e.Type(L'Q');
    EXPECT_EQ(e.NewName(), (Bytes{0x90, 0xFF, 0xFF, 0xFF, 0xFF}));
    e.Cancel();
    EXPECT_EQ(e.NewName(), old);
}

TEST(NameEditorRules, TypingTableAndFontKinds)
{
    EXPECT_EQ(TypedNameCode(L'A'), 0x80);
    EXPECT_EQ(TypedNameCode(L'z'), 0xB3);
    EXPECT_EQ(TypedNameCode(L'9'), 0xBD);
    EXPECT_EQ(TypedNameCode(L'"'), 0xC2);
    EXPECT_EQ(TypedNameCode(L'\''), 0xC3);
    EXPECT_EQ(TypedNameCode(L'-'), 0xC4);
    EXPECT_EQ(TypedNameCode(L','), 0xC6);
    EXPECT_EQ(TypedNameCode(L'@'), 0xD0);
    EXPECT_EQ(TypedNameCode(L'='), 0xD2);
    EXPECT_EQ(TypedNameCode(L' '), 0xFE);
    EXPECT_EQ(TypedNameCode(L'&'), -1);
    EXPECT_EQ(TypedNameCode(L'\u00E9'), -1);
    // Every typed code decodes back to the character typed.
    for (wchar_t ch : std::wstring(L"AZaz09!?/:\"'-.,;#+()%~*= ")) {
        const uint8_t code = static_cast<uint8_t>(TypedNameCode(ch));
        EXPECT_EQ(DecodeName(&code, 1, 1) == L" " ? L' ' : DecodeName(&code, 1, 1)[0], ch) << int(ch);
    }
    NameEditor small(Bytes(4, 0xFF));
    EXPECT_EQ(small.FirstGridCode(), 0x80);
    EXPECT_EQ(small.GridCount(), 128);
    EXPECT_FALSE(small.Type(L'&'));
    EXPECT_FALSE(small.Edited());
    NameEditor other(Bytes{0x41, 0x42, 0xFF}, NameFontKind::DeleteOnly);
    EXPECT_EQ(other.FirstGridCode(), 0x20);
    EXPECT_EQ(other.GridCount(), 224);
    EXPECT_FALSE(other.Type(L'A'));
    EXPECT_EQ(other.NewName(), (Bytes{0x41, 0x42, 0xFF}));
    other.Backspace();
    EXPECT_EQ(other.NewName(), (Bytes{0x41, 0xFF, 0xFF}));
    // A zero-length field takes nothing and never crashes.
    NameEditor none(Bytes{});
    none.Type(L'A');
    none.Backspace();
    EXPECT_EQ(none.Remaining(), 0);
}

TEST(NameLists, MadeUpMonsterEntries)
{
    test::TempDir dir;
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(test::WriteImage(dir)).ok);
    const NameList& m = doc.Rom().names.monsterNames;
    EXPECT_EQ(m.count, 512u);
    EXPECT_EQ(m.stored, 384u);
    EXPECT_EQ(m.nameLen, 10u);
    EXPECT_EQ(m.Get(400), (Bytes{0x88, 0xA5, 0xA5, 0x9E, 0xA0, 0xC5, 0xB4, 0xB1, 0xBD, 0xB4}));
    EXPECT_EQ(m.Decode(400, 1), L"Illeg.0x90");
    EXPECT_EQ(m.Decode(384, 1), L"Illeg.0x80");
    EXPECT_EQ(m.Decode(394, 1), L"Illeg.0x8A");
    EXPECT_TRUE(m.Get(512).empty());

    CQuorvexDoc jp;
    ASSERT_TRUE(jp.OnOpenDocument(test::WriteImage(dir, Variant("jp"), "jp.smc")).ok);
    const NameList& j = jp.Rom().names.monsterNames;
    EXPECT_EQ(j.nameLen, 8u);
    EXPECT_EQ(j.count, 512u);
    const Bytes last = j.Get(511);
    EXPECT_EQ(Bytes(last.begin() + 5, last.end()), Bytes(3, 0xFF));
    EXPECT_NE(last[4], 0xFF);
}

TEST(NameLists, LengthsAndPositionsByRelease)
{
    test::TempDir dir;
    struct Case {
        const char* variant;
        uint32_t item, spell, esper, attack, special, rareItem;
    } cases[] = {{"us10-headerless", 13, 7, 8, 10, 10, 13}, {"jp", 9, 5, 8, 8, 8, 12}, {"attack-names-a", 13, 7, 8, 10, 16, 13}};
    for (const Case& c : cases) {
        CQuorvexDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(test::WriteImage(dir, Variant(c.variant), std::string(c.variant) + ".smc")).ok);
        const NameListTables& n = doc.Rom().names;
        EXPECT_EQ(n.itemNames.nameLen, c.item) << c.variant;
        EXPECT_EQ(n.spellNames.nameLen, c.spell) << c.variant;
        EXPECT_EQ(n.esperNames.nameLen, c.esper) << c.variant;
        EXPECT_EQ(n.attackNames.nameLen, c.attack) << c.variant;
        EXPECT_EQ(n.specialAttackNames.nameLen, c.special) << c.variant;
        EXPECT_EQ(n.rareItemNames.nameLen, c.rareItem) << c.variant;
        EXPECT_EQ(n.actorNames.nameLen, 6u);
        EXPECT_EQ(n.itemNames.count, 256u);
        EXPECT_EQ(n.spellNames.count, 54u);
        EXPECT_EQ(n.esperNames.count, 27u);
        EXPECT_EQ(n.attackNames.count, 175u);
        EXPECT_EQ(n.rareItemNames.count, 20u);
        EXPECT_EQ(n.actorNames.count, 64u);
        EXPECT_EQ(n.specialAttackNames.count, 384u);
    }
    // An unknown change to the name routine: no special attack names at all.
    CQuorvexDoc unk;
    ASSERT_TRUE(unk.OnOpenDocument(test::WriteImage(dir, Variant("attack-names-unknown"), "unk.smc")).ok);
    EXPECT_FALSE(unk.Rom().names.specialAttackNames.loaded);
}

TEST(NameLists, SetPadsAndCuts)
{
    NameList l;
    l.nameLen = 4;
    l.count = 2;
    l.bytes.assign(8, 0x80);
    EXPECT_TRUE(l.Set(1, Bytes{0x81}));
    EXPECT_EQ(l.Get(1), (Bytes{0x81, 0xFF, 0xFF, 0xFF}));
    EXPECT_TRUE(l.Set(0, Bytes{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(l.Get(0), (Bytes{1, 2, 3, 4}));
    EXPECT_FALSE(l.Set(2, Bytes{1}));
    EXPECT_EQ(l.Data(2), nullptr);
    EXPECT_EQ(l.Decode(7, 1), L"");
}

// Every name of every synthetic variant decodes completely (no raw codes in
// the North American release) and, typed back in the names editor, gives the
// same bytes.
TEST(NameLists, EverySyntheticNameRoundTrips)
{
    test::TempDir dir;
    int checked = 0;
    for (const auto& v : synth::AllVariants()) {
        if (v.options.romType != 1 || !v.options.title.empty())
            continue;
        CQuorvexDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(test::WriteImage(dir, v.options)).ok) << v.name;
        const RomData& rd = doc.Rom();
        for (NameListId id : {NameListId::Monster, NameListId::Spell, NameListId::Esper, NameListId::Attack,
                              NameListId::RareItem, NameListId::Actor, NameListId::SpecialAttack, NameListId::Item}) {
            const NameList& l = GetNameList(rd, id);
            for (uint32_t i = 0; l.loaded && i < l.stored; ++i) {
                const std::wstring text = l.Decode(i, 1);
                if (l.Get(i)[0] == 0xFF)
                    continue; // a blank slot shows as one space
                EXPECT_EQ(text.find(L"<$"), std::wstring::npos) << v.name << " " << i;
                // Item and spell icons are chosen in the grid, not typed.
                std::wstring typed = text;
                Bytes expect = l.Get(i);
                if (!typed.empty() && typed[0] == L'<') {
                    typed = typed.substr(typed.find(L'>') + 1);
                    expect.erase(expect.begin());
                    expect.push_back(0xFF);
                }
                NameEditor e(l.Get(i));
                if (typed.empty())
                    continue;
                ASSERT_TRUE(TypeName(e, typed)) << v.name << " " << i;
                EXPECT_EQ(e.NewName(), expect) << v.name << " " << i;
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 1000);
}

// The battle-family text blocks of the synthetic image: every string decodes
// and re-encodes to the same bytes.
TEST(TextRoundTrip, SyntheticBattleBlocks)
{
    test::TempDir dir;
    const std::string path = test::WriteImage(dir);
    ImageFile f;
    ASSERT_EQ(f.OpenForReading(path), ImageFile::OpenStatus::Ok);
    f.SetHeaderless(true);
    struct Block {
        uint32_t ptrs, text, size;
    } blocks[] = {{0xFDFE0, 0xFE1E0, 0x1270}, {0x10D000, 0x10D200, 0x2B00}, {0x2D6400, 0x2D7AA0, 0x13A0}};
    int strings = 0;
    for (const Block& b : blocks) {
        const Bytes ptr = f.ReadRom(b.ptrs, 0x200);
        const Bytes text = f.ReadRom(b.text, b.size);
        for (int s = 0; s < 256; ++s) {
            const uint32_t p = static_cast<uint32_t>(ptr[2 * s] | (ptr[2 * s + 1] << 8)) - (b.text & 0xFFFF);
            if (p >= b.size)
                continue;
            size_t end = p;
            while (end < b.size && text[end] != 0)
                ++end;
            const Bytes str(text.begin() + p, text.begin() + static_cast<long>(end));
            const DecodeResult d = DecodeBattle(str, &BattleCharTable());
            if (d.status != kDecodeComplete)
                continue;
            const EncodeResult e = EncodeBattle(d.text, BattleCharTable(), 0xFFFF);
            ASSERT_FALSE(e.IsError());
            EXPECT_EQ(e.bytes, str) << std::hex << b.text << " string " << s;
            ++strings;
        }
    }
    EXPECT_GT(strings, 0);
}

// The same bytes with every space run 14 n written out as n spaces: what a
// decoded space run encodes back to.
Bytes SpellOutSpaceRuns(const Bytes& s, uint8_t romType)
{
    Bytes out;
    for (size_t i = 0; i < s.size(); ++i) {
        const uint8_t c = s[i];
        if (c == 0x14 && i + 1 < s.size()) {
            out.insert(out.end(), s[i + 1], DialogueSpace(romType));
            ++i;
            continue;
        }
        out.push_back(c);
        // Operands are copied as they are, whatever their value.
        size_t operands = 0;
        if (c == 0x11 || (c >= 0x1C && c <= 0x1F))
            operands = 1;
        else if (c == 0x16)
            operands = 2;
        for (size_t k = 0; k < operands && i + 1 < s.size(); ++k)
            out.push_back(s[++i]);
    }
    return out;
}

// Every string of every text block of the synthetic images, as the document
// holds them: decoded with its family's codec and encoded back, it gives
// the same bytes (town dialogue and location names after their dual or
// multiple tiles are expanded).
TEST(TextRoundTrip, EveryStringOfEverySyntheticImage)
{
    test::TempDir dir;
    int dialogue = 0;
    int battle = 0;
    for (const auto& v : synth::AllVariants()) {
        CQuorvexDoc doc;
        if (!doc.OnOpenDocument(test::WriteImage(dir, v.options)).ok)
            continue;
        const RomData& rd = doc.Rom();
        if (rd.romType != 1 && rd.romType != 2)
            continue;
        for (const CFF6DynTextObj* block : {&rd.text.townDialogue, &rd.text.locationNames}) {
            for (int i = 0; i < block->Count(); ++i) {
                const Bytes plain = ExpandDialogue(block->GetString(i), rd.text.dte, &rd.text.multiTile, rd.romType);
                const DecodeResult d = DecodeDialogue(plain, DialogueCharTable(), rd.romType);
                ASSERT_EQ(d.status, kDecodeComplete) << v.name << " string " << i;
                const EncodeResult e = EncodeDialogue(d.text, DialogueCharTable(), 0xFFFF);
                ASSERT_FALSE(e.IsError()) << v.name << " string " << i;
                EXPECT_EQ(e.bytes, SpellOutSpaceRuns(plain, rd.romType)) << v.name << " string " << i;
                ++dialogue;
            }
        }
        for (const CFF6DynTextObj* block :
             {&rd.text.battleMessages, &rd.text.monsterDialogue, &rd.text.itemDescriptions}) {
            for (int i = 0; i < block->Count(); ++i) {
                const Bytes s = block->GetString(i);
                const DecodeResult d = DecodeBattle(s, &BattleCharTable(), rd.romType);
                ASSERT_EQ(d.status, kDecodeComplete) << v.name << " string " << i;
                const EncodeResult e = EncodeBattle(d.text, BattleCharTable(), 0xFFFF);
                ASSERT_FALSE(e.IsError()) << v.name << " string " << i;
                EXPECT_EQ(e.bytes, s) << v.name << " string " << i;
                ++battle;
            }
        }
    }
    EXPECT_GT(dialogue, 1000);
    EXPECT_GT(battle, 500);
}

TEST(NamePictures, DrawnInTheSmallFontOnFirstUse)
{
    // A font whose glyph 0x80 is solid colour 3 and glyph 0x81 has one dot.
    Bytes font(kSmallFontBytes, 0);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            SetTilePixel2bpp(font.data(), 0x80, x, y, 3);
    SetTilePixel2bpp(font.data(), 0x81, 2, 5, 1);
    const Bytes name{0x80, 0x81, 0xFF};
    NamePicture p = DrawNamePicture(name.data(), name.size(), font);
    EXPECT_EQ(p.width, 24);
    EXPECT_EQ(p.height, 8);
    EXPECT_EQ(p.At(0, 0), kDefaultNameColors[3]);
    EXPECT_EQ(p.At(8 + 2, 5), kDefaultNameColors[1]);
    EXPECT_EQ(p.At(8 + 3, 5), kDefaultNameColors[0]);
    // A short font draws the missing glyphs as paper.
    const Bytes tiny(16, 0xFF);
    p = DrawNamePicture(name.data(), name.size(), tiny);
    EXPECT_EQ(p.At(0, 0), kDefaultNameColors[0]);

    test::TempDir dir;
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(test::WriteImage(dir)).ok);
    RomData& rd = doc.Rom();
    EXPECT_FALSE(rd.names.preproc.IsDrawn(PreprocList::Monster));
    std::vector<std::string> captions;
    int last = -1;
    const NamePicture* pic = GetNamePicture(rd, PreprocList::Monster, 3, [&](const char* c, int done, int total) {
        if (captions.empty() || captions.back() != c)
            captions.push_back(c);
        last = done;
        EXPECT_EQ(total, 512);
    });
    ASSERT_NE(pic, nullptr);
    EXPECT_EQ(pic->width, 80);
    EXPECT_EQ(captions, std::vector<std::string>{"Loading Monster List"});
    EXPECT_EQ(last, 512);
    EXPECT_EQ(GetNamePicture(rd, PreprocList::Monster, 512), nullptr);
    EXPECT_EQ(GetNamePicture(rd, PreprocList::Monster, -1), nullptr);
    ASSERT_NE(GetNamePicture(rd, PreprocList::Spell, 255), nullptr);
    EXPECT_EQ(GetNamePicture(rd, PreprocList::Spell, 256), nullptr);
    EXPECT_EQ(GetNamePicture(rd, PreprocList::Blitz, 0), nullptr);
    // Opening again throws the pictures away.
    ASSERT_TRUE(doc.OnOpenDocument(rd.path).ok);
    EXPECT_FALSE(rd.names.preproc.IsDrawn(PreprocList::Monster));
    // Lists fed by other editors.
    rd.names.preproc.DrawList(PreprocList::Blitz, 100, [](int) { return Bytes{0x80}; }, font);
    ASSERT_NE(rd.names.preproc.Picture(PreprocList::Blitz, 7), nullptr);
    EXPECT_EQ(rd.names.preproc.Picture(PreprocList::Blitz, 8), nullptr);
    EXPECT_EQ(GetPreprocListInfo(PreprocList::Consumable).caption, std::string("Loading Comsumable Item List"));
}

TEST(NameLists, SaveWritesOnlyWhatWasRead)
{
    test::TempDir dir;
    const std::string path = test::WriteImage(dir);
    const Bytes before = test::ReadFileBytes(path);
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path).ok);
    RomData& rd = doc.Rom();
    // Renaming a made-up monster changes nothing in the file.
    rd.names.monsterNames.Set(450, Bytes{0x80, 0x80});
    ASSERT_TRUE(doc.OnSaveDocument(path).ok);
    EXPECT_EQ(test::ReadFileBytes(path), before);
    // Renaming monster 7 changes only its ten bytes.
    NameEditor e(rd.names.monsterNames.Get(7));
    TypeName(e, L"Dog");
    rd.names.monsterNames.Set(7, e.NewName());
    ASSERT_TRUE(doc.OnSaveDocument(path).ok);
    const Bytes after = test::ReadFileBytes(path);
    ASSERT_EQ(after.size(), before.size());
    for (size_t i = 0; i < after.size(); ++i)
        if (after[i] != before[i]) {
            EXPECT_GE(i, 0xFC050u + 70);
            EXPECT_LT(i, 0xFC050u + 80);
        }
    EXPECT_EQ(Bytes(after.begin() + 0xFC050 + 70, after.begin() + 0xFC050 + 80),
              (Bytes{0x83, 0xA8, 0xA0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
}

} // namespace
} // namespace quorvex
