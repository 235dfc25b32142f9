// Which banks the data location manager offers and accepts, its refusals,
// and the texts it shows.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "monsters/BattleScriptEditor.h"
#include "rom/DataRelocation.h"
#include "rom/Document.h"
#include "rom/RelocationView.h"

namespace quorvex {
namespace {

struct Opened {
    test::TempDir dir;
    CQuorvexDoc doc;
    explicit Opened(const synth::SynthOptions& o) { EXPECT_TRUE(doc.OnOpenDocument(test::WriteImage(dir, o)).ok); }
    RomData& Rd() { return doc.Rom(); }
};

synth::SynthOptions Size(int mbit)
{
    synth::SynthOptions o;
    o.mbit = mbit;
    return o;
}

std::vector<int> Banks(int from, int to)
{
    std::vector<int> v;
    for (int b = from; b <= to; ++b)
        v.push_back(b);
    return v;
}

TEST(BankRules, ListsRunFromTheFirstFreeBankToTheImageEnd)
{
    Opened at28(Size(28));
    EXPECT_EQ(ExpandedBankCount(at28.Rd()), 8);
    EXPECT_EQ(FirstFreeBankIndex(at28.Rd()), 0);
    EXPECT_EQ(OfferedScriptBanks(at28.Rd()), Banks(0xF0, 0xF7));
    EXPECT_EQ(InitialScriptBank(at28.Rd()), 0x360200u);
    EXPECT_EQ(InitialAttackNameBank(at28.Rd()), 0x350200u);
    // F7 is the last bank of a 28 Mbit image; F8 is not there.
    EXPECT_TRUE(ApplyScriptRelocation(at28.Rd(), BankHeadered(0xF7)).ok);
    EXPECT_EQ(at28.Rd().scripts.dataBase, 0xF70000u);
    const RelocationResult f8 = ApplyScriptRelocation(at28.Rd(), BankHeadered(0xF8));
    EXPECT_FALSE(f8.ok);
    EXPECT_TRUE(f8.silent);
    EXPECT_EQ(at28.Rd().scripts.dataBase, 0xF70000u);
    // Not the start of a bank, or below the expanded section.
    EXPECT_FALSE(ApplyScriptRelocation(at28.Rd(), BankHeadered(0xF6) + 0x100).ok);
    EXPECT_FALSE(ApplyScriptRelocation(at28.Rd(), BankHeadered(0xEF)).ok);

    Opened at32(Size(32));
    EXPECT_EQ(OfferedAttackNameBanks(at32.Rd()), Banks(0xF0, 0xFF));
    EXPECT_EQ(InitialScriptBank(at32.Rd()), 0x3E0200u);
    EXPECT_EQ(InitialAttackNameBank(at32.Rd()), 0x3D0200u);

    Opened at24(Size(24));
    EXPECT_TRUE(OfferedScriptBanks(at24.Rd()).empty());
    EXPECT_EQ(InitialScriptBank(at24.Rd()), 0u);
}

TEST(BankRules, TheThirdPageAndExpandedMapBlocksKeepTheirBanks)
{
    Opened third(test::Variant("dialog-ff3edit"));
    ASSERT_TRUE(HasThirdPage(third.Rd().romFlags));
    const int first = FirstFreeBankIndex(third.Rd());
    EXPECT_GE(first, 1);
    EXPECT_EQ(OfferedScriptBanks(third.Rd()).front(), 0xF0 + first);
    const RelocationResult r = ApplyScriptRelocation(third.Rd(), BankHeadered(0xF0));
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.silent);
    EXPECT_EQ(r.message, "Bank F0 holds the 3rd Town Dialog page or world map data.\nPlease choose another bank.");
    EXPECT_FALSE(ApplyAttackNameRelocation(third.Rd(), BankHeadered(0xF0)).ok);
    EXPECT_EQ(ScriptLocation(third.Rd().romFlags), 0u);

    Opened maps(test::Variant("map-gfx-expanded"));
    EXPECT_GE(FirstFreeBankIndex(maps.Rd()), 1);
    EXPECT_FALSE(ApplyScriptRelocation(maps.Rd(), BankHeadered(0xF0)).ok);
    EXPECT_TRUE(ApplyScriptRelocation(maps.Rd(), BankHeadered(0xF0 + FirstFreeBankIndex(maps.Rd()))).ok);
}

TEST(BankRules, ScriptsAndLongNamesNeverShareABank)
{
    Opened o(Size(28));
    RomData& rd = o.Rd();
    ASSERT_TRUE(ApplyAttackNameRelocation(rd, BankHeadered(0xF5)).ok);
    EXPECT_EQ(AttackNameBanksInUse(rd), std::vector<int>{0xF5});
    const std::vector<int> offered = OfferedScriptBanks(rd);
    EXPECT_EQ(std::count(offered.begin(), offered.end(), 0xF5), 0);
    const RelocationResult r = ApplyScriptRelocation(rd, BankHeadered(0xF5));
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message,
              "Bank F5 holds the Monster Special Attack names.\nPlease choose another bank for the Battle Scripts.");
    EXPECT_EQ(ScriptLocation(rd.romFlags), 0u);

    ASSERT_TRUE(ApplyScriptRelocation(rd, BankHeadered(0xF6)).ok);
    const RelocationResult n = ApplyAttackNameRelocation(rd, BankHeadered(0xF6));
    EXPECT_FALSE(n.ok);
    EXPECT_EQ(n.message,
              "Bank F6 holds the Battle Scripts.\nPlease choose another bank for the Monster Special Attack names.");
    EXPECT_EQ(rd.spAttackNameAddr, 0xF50000u);
    const std::vector<int> names = OfferedAttackNameBanks(rd);
    EXPECT_EQ(std::count(names.begin(), names.end(), 0xF6), 0);
    // Nor may the third page come to a bank a relocation holds.
    Opened at32(Size(32));
    ASSERT_TRUE(ApplyScriptRelocation(at32.Rd(), BankHeadered(0xF0)).ok);
    const RelocationResult d = ApplyDialogueExpansion(at32.Rd());
    EXPECT_FALSE(d.ok);
    EXPECT_EQ(d.message, reloctext::kF0Taken);
}

TEST(BankRules, RemovingTheScriptBankNeedsTheScriptsToFitTheGameArea)
{
    Opened o(Size(28));
    BattleScriptSet& set = o.Rd().scripts.set;
    ASSERT_TRUE(ApplyScriptRelocation(o.Rd(), BankHeadered(0xF6)).ok);
    // Grow script 10 until the set uses exactly 14672 bytes, then one more.
    std::vector<uint8_t> big(static_cast<size_t>(kScriptSpaceOwn - set.Used() + set.ScriptLength(10) - 2), 0x01);
    big.insert(big.end(), {0xFF, 0xFF});
    ASSERT_TRUE(set.ReplaceScript(10, big));
    ASSERT_EQ(set.Used(), kScriptSpaceOwn);
    big.insert(big.begin(), 0x02);
    ASSERT_TRUE(set.ReplaceScript(10, big));
    const RelocationResult r = RemoveScriptRelocation(o.Rd());
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, "The Battle Script are using more bytes than what was initialy allocated.\nCannot revert "
                         "to original Battle Script location.");
    EXPECT_EQ(ScriptLocation(o.Rd().romFlags), 3u);
    big.erase(big.begin());
    ASSERT_TRUE(set.ReplaceScript(10, big));
    EXPECT_TRUE(RemoveScriptRelocation(o.Rd()).ok);
    EXPECT_EQ(set.Capacity(), kScriptSpaceOwn);
    EXPECT_EQ(o.Rd().scripts.dataBase, kScriptDataBaseOwn);
}

TEST(BankRules, ScriptsThatCannotBeReadWholeStayWhereTheyAre)
{
    synth::SynthOptions shared = test::Variant("scripts-shared-jp");
    shared.mbit = 28;
    Opened o(shared);
    ASSERT_EQ(o.Rd().scripts.set.Status(), kScriptsOverCapacity);
    const RelocationResult r = ApplyScriptRelocation(o.Rd(), BankHeadered(0xF6));
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, scripttext::kCannotCompile);
    EXPECT_EQ(ScriptLocation(o.Rd().romFlags), 0u);
}

TEST(BankRules, ForeignScriptPatchesMoveButAreNotRemoved)
{
    Opened ostik(test::Variant("scripts-bank-f0"));
    RomData& rd = ostik.Rd();
    ASSERT_TRUE(rd.romFlags & kFlagScriptWarned);
    EXPECT_EQ(ScriptBanksInUse(rd), std::vector<int>{0xF0});
    EXPECT_EQ(RemoveScriptRelocation(rd).message, reloctext::kNotOurScriptPatch);
    ASSERT_TRUE(ApplyScriptRelocation(rd, BankHeadered(0xF6)).ok);
    EXPECT_FALSE(rd.romFlags & kFlagScriptWarned);
    EXPECT_EQ(rd.scripts.pointerBase, 0xCF8400u);
}

TEST(ManagerText, ShowsEachSectionAsTheWindowDoes)
{
    Opened o(Size(28));
    RomData& rd = o.Rd();
    RelocationView v = BuildRelocationView(rd, InitialScriptBank(rd), InitialAttackNameBank(rd));
    EXPECT_TRUE(v.scripts.applyEnabled);
    EXPECT_FALSE(v.scripts.removeEnabled);
    EXPECT_FALSE(v.scripts.bankEnabled);
    EXPECT_EQ(v.scripts.selectedBank, 0xF6);
    EXPECT_TRUE(v.dialogue.applyEnabled); // the button follows the routine; the size is checked on Apply
    const std::string text = RelocationStatusText(v);
    const std::string expected =
        "Quorvex Monster Battle Scripts hack\n"
        "Reg. data loc.: $0F8900-$0FC24F, max 14672 bytes\n"
        "Exp. data: none\n"
        "Bank used: F6\n"
        "FF3Edit Town Dialog hack\n"
        "Exp. data: none\n";
    EXPECT_EQ(text.substr(0, expected.size()), expected);
    EXPECT_NE(text.find("FF3Edit Map Graphic expansion\nRegular section usage:\nWoB Map/Tiles: $EED434-$EF324F, "),
              std::string::npos);
    EXPECT_NE(text.find("/24092 bytes\nWoR Map/Tiles: $EF4A46-$EF9D16, "), std::string::npos);
    EXPECT_NE(text.find("/21201 bytes\nMini maps: $EFE49B-$EFED25, "), std::string::npos);
    EXPECT_NE(text.find("/2187 bytes\nExpanded section usage:\nExp. data: none\n"), std::string::npos);
    EXPECT_TRUE(text.ends_with("Quorvex Various Text hacks\nReg. data loc.: $0FD2D0-$0FE1CF, max 3840 bytes\n"
                               "Exp. data: none\nBank used: F5\n"));

    ASSERT_TRUE(ApplyScriptRelocation(rd, BankHeadered(0xF6)).ok);
    ASSERT_TRUE(ApplyAttackNameRelocation(rd, BankHeadered(0xF5)).ok);
    v = BuildRelocationView(rd, InitialScriptBank(rd), InitialAttackNameBank(rd));
    EXPECT_FALSE(v.scripts.applyEnabled);
    EXPECT_TRUE(v.scripts.removeEnabled);
    EXPECT_TRUE(v.scripts.bankEnabled);
    EXPECT_EQ(v.scripts.regular, "Reg. data loc.: $0F8900-$1088FF, 0/14672 bytes\n");
    EXPECT_EQ(v.scripts.expanded, "Exp. data loc.: $F60000-$F6FFFF, max 65536 bytes\n");
    EXPECT_EQ(v.names.regular, "Reg. data loc.: $0FD2D0-$0FEACF, max 0 bytes\n");
    EXPECT_EQ(v.names.expanded, "Exp. data loc.: $F50000-$F517FF, max 6144 bytes\n");
    EXPECT_EQ(std::count(v.scripts.banks.begin(), v.scripts.banks.end(), 0xF5), 0);

    Opened ostik(test::Variant("scripts-bank-f0"));
    v = BuildRelocationView(ostik.Rd(), InitialScriptBank(ostik.Rd()), InitialAttackNameBank(ostik.Rd()));
    EXPECT_TRUE(v.scripts.applyEnabled);
    EXPECT_EQ(v.scripts.regular, "Reg. data loc.: $0F8900-$0FC24F, 0/14672 bytes\n");
    EXPECT_EQ(v.scripts.expanded, "Exp. data loc.: $F00000-???, max ??? bytes\n");

    Opened third(test::Variant("dialog-ff3edit"));
    v = BuildRelocationView(third.Rd(), 0, 0);
    EXPECT_TRUE(v.dialogue.removeEnabled);
    EXPECT_FALSE(v.dialogue.applyEnabled);
    EXPECT_EQ(v.dialogue.expanded,
              "Exp. data loc.: $F00000-$F0FFFF, " + std::to_string(ThirdPageUsedBytes(third.Rd())) + "/65536 bytes\n");
}

} // namespace
} // namespace quorvex
