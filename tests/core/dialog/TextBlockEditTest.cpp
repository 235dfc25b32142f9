// Runs of string replacements packed once: the packed layout's sums
// against plain ones, and a run against replacing strings one at a time
// (which packs after every string), on the third-page dialogue of a real
// layout and on small blocks with a made-up rule.
#include <gtest/gtest.h>

#include <functional>

#include "TestSupport.h"
#include "rom/Document.h"
#include "text/TextBlockEdit.h"
#include "text/TextPage.h"
#include "text/TextTables.h"

using namespace quorvex;
using quorvex::test::TempDir;

namespace {

struct Rand {
    uint32_t s;
    uint32_t Next()
    {
        s ^= s << 13;
        s ^= s >> 17;
        s ^= s << 5;
        return s;
    }
    uint32_t Below(uint32_t n) { return Next() % n; }
};

// The first slot ending past `limit`, by walking the sizes.
int FirstEndingPastByWalk(const std::vector<uint32_t>& sizes, uint64_t limit)
{
    uint64_t end = 0;
    for (size_t i = 0; i < sizes.size(); ++i) {
        end += sizes[i];
        if (end > limit)
            return static_cast<int>(i);
    }
    return static_cast<int>(sizes.size());
}

// The one-at-a-time reference: replace, then take it back when the rule
// fails (the block is packed either way).
bool ReplaceOneAtATime(CFF6DynTextObj& b, int i, const std::vector<uint8_t>& bytes,
                       const std::function<bool(const CFF6DynTextObj&)>& rule)
{
    const std::vector<uint8_t> old = b.GetString(i);
    if (b.ReplaceString(i, bytes) != 0)
        return false;
    if (rule && !rule(b)) {
        b.ReplaceString(i, old);
        return false;
    }
    return true;
}

} // namespace

TEST(PackedTextLayout, OffsetsAndFirstSlotPastALimitMatchPlainSums)
{
    Rand r{0xC0FFEE};
    for (size_t n : {size_t(0), size_t(1), size_t(2), size_t(7), size_t(64), size_t(1000), size_t(3326)}) {
        std::vector<uint32_t> sizes(n);
        for (auto& s : sizes)
            s = 1 + r.Below(60);
        PackedTextLayout lay(sizes);
        for (int round = 0; round < 4; ++round) {
            uint64_t sum = 0;
            for (size_t i = 0; i <= n; ++i) {
                ASSERT_EQ(lay.Offset(static_cast<int>(i)), sum) << n << " " << i;
                if (i < n)
                    sum += sizes[i];
            }
            ASSERT_EQ(lay.Total(), sum);
            for (uint64_t limit : {uint64_t(0), uint64_t(1), sum / 3, sum / 2 + 1, sum - 1, sum, sum + 5}) {
                EXPECT_EQ(lay.FirstSlotEndingPast(limit), FirstEndingPastByWalk(sizes, limit)) << n << " " << limit;
            }
            // Every slot boundary and the byte after it.
            for (size_t i = 0; i < n; i += 1 + n / 50) {
                const uint64_t end = lay.Offset(static_cast<int>(i) + 1);
                EXPECT_EQ(lay.FirstSlotEndingPast(end), FirstEndingPastByWalk(sizes, end));
                EXPECT_EQ(lay.FirstSlotEndingPast(end - 1), static_cast<int>(i));
            }
            // Change some sizes and look again.
            for (size_t k = 0; k < n / 3 + 1 && n > 0; ++k) {
                const int i = static_cast<int>(r.Below(static_cast<uint32_t>(n)));
                sizes[static_cast<size_t>(i)] = 1 + r.Below(300);
                lay.SetSize(i, sizes[static_cast<size_t>(i)]);
                EXPECT_EQ(lay.Size(i), sizes[static_cast<size_t>(i)]);
            }
        }
    }
}

// On the third-page layout of the FF3Edit expansion: random captions, some
// growing past the two pages, go in as a run and one at a time; both refuse
// the same captions and leave the same bytes.
TEST(TextBlockEdit, RunMatchesOneAtATimeOnTheThirdPageLayout)
{
    TempDir dir;
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(test::WriteImage(dir, test::Variant("dialog-ff3edit"))).ok);
    const RomData& rd = doc.Rom();
    ASSERT_TRUE(HasThirdPage(rd.romFlags));
    const uint32_t flags = rd.romFlags;
    CFF6DynTextObj run, one;
    run.CopyFrom(rd.text.townDialogue);
    one.CopyFrom(rd.text.townDialogue);

    TextBlockEdit edit(run, [flags](const PackedTextLayout& p) { return TownDialogueFits(p, flags); });
    const auto rule = [flags](const CFF6DynTextObj& b) { return TownDialogueFits(b, flags); };
    Rand r{77};
    int refused = 0, taken = 0;
    for (int k = 0; k < 400; ++k) {
        const int i = static_cast<int>(r.Below(static_cast<uint32_t>(run.Count())));
        std::vector<uint8_t> bytes(r.Below(3) == 0 ? 400 + r.Below(900) : r.Below(40), static_cast<uint8_t>(0x80 + k % 50));
        const bool a = edit.Replace(i, bytes);
        const bool b = ReplaceOneAtATime(one, i, bytes, rule);
        ASSERT_EQ(a, b) << "replacement " << k << " of string " << i;
        if (a) {
            ++taken;
            ASSERT_EQ(edit.String(i), bytes);
        } else {
            ++refused;
        }
    }
    EXPECT_GT(taken, 100);
    EXPECT_GT(refused, 10) << taken; // the page filled up
    edit.Commit();
    EXPECT_EQ(run.Data(), one.Data());
    EXPECT_EQ(run.Pointers(), one.Pointers());
    EXPECT_EQ(LayOutThirdPage(run).usedBytes, LayOutThirdPage(PackedTextLayout(run)).usedBytes);
    EXPECT_EQ(LayOutThirdPage(run).firstSlot, LayOutThirdPage(PackedTextLayout(run)).firstSlot);
    EXPECT_LT(LayOutThirdPage(run).firstSlot, run.Count());
}

TEST(TextBlockEdit, BlockSizeLimitAndNothingTakenLeavesTheBlockAsItWas)
{
    // Three strings, not packed: "AB" at 10, "C" at 2, "" at 0; 16 bytes.
    CFF6DynTextObj b;
    b.Init(kScanPlain, 3, 16, 4, 0x100);
    std::vector<uint8_t> data(16, 0xFF);
    data[0x0] = 0x00;
    data[0x2] = 'C';
    data[0x3] = 0x00;
    data[0xA] = 'A';
    data[0xB] = 'B';
    data[0xC] = 0x00;
    b.LoadFrom32(std::vector<uint32_t>{0x10A, 0x102, 0x100, 0x100}, data);
    const std::vector<uint8_t> before = b.Data();

    TextBlockEdit edit(b);
    EXPECT_EQ(edit.String(0), (std::vector<uint8_t>{'A', 'B'}));
    EXPECT_FALSE(edit.Replace(3, {'x'})); // not a string
    EXPECT_FALSE(edit.Replace(-1, {'x'}));
    // 16 bytes hold 3 + 2 for the other two strings, so 10 bytes and a
    // terminator for the third, not 11.
    EXPECT_FALSE(edit.Replace(2, std::vector<uint8_t>(11, 'z')));
    edit.Commit();
    EXPECT_EQ(b.Data(), before);
    EXPECT_EQ(b.Pointer(0), 0x10Au);

    EXPECT_TRUE(edit.Replace(2, std::vector<uint8_t>(10, 'z')));
    EXPECT_FALSE(edit.Replace(1, {'C', 'D'})); // one byte short now
    EXPECT_TRUE(edit.Replace(0, {}));           // frees two
    EXPECT_TRUE(edit.Replace(1, {'C', 'D'}));
    edit.Commit();
    const std::vector<uint8_t> expect = {0x00, 'C', 'D', 0x00, 'z', 'z', 'z', 'z', 'z', 'z', 'z', 'z', 'z', 'z', 0x00, 0xFF};
    EXPECT_EQ(b.Data(), expect);
    EXPECT_EQ(b.Pointer(0), 0x100u);
    EXPECT_EQ(b.Pointer(1), 0x101u);
    EXPECT_EQ(b.Pointer(2), 0x104u);
}

// A whole script goes in as one run: every caption stored, the third page
// laid out as the block's own pointers say.
TEST(TextBlockEdit, PageImportOfAWholeScriptStoresEveryCaption)
{
    TempDir dir;
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(test::WriteImage(dir, test::Variant("dialog-ff3edit"))).ok);
    RomData& rd = doc.Rom();
    CTextPageLogic page(rd, TownDialogPageConfig(rd));
    const std::string script = page.ExportText();
    CFF6DynTextObj original;
    original.CopyFrom(rd.text.townDialogue);
    page.DeleteAll();
    for (int i = 0; i < rd.text.townDialogue.Count(); ++i)
        ASSERT_TRUE(rd.text.townDialogue.GetString(i).empty()) << i;
    const PageMessage m = page.ImportText(script);
    EXPECT_EQ(m.text, "Script imported without errors.");
    EXPECT_TRUE(page.ImportChanged());
    for (int i = 0; i < original.Count(); ++i)
        ASSERT_EQ(rd.text.townDialogue.GetString(i), original.GetString(i)) << i;
    EXPECT_TRUE(TownDialogueFits(rd.text.townDialogue, rd.romFlags));
}
