// The scripts as the document loads and stores them: an area laid out in
// another order than the packed one survives an unedited save byte for
// byte, an edit packs it, hostile bases and pointers load as a status and
// are never written back, and the table-level diff names what changed.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "monsters/BattleScriptTables.h"
#include "rom/Document.h"
#include "rom/TableDiff.h"

namespace quorvex {
namespace {

struct Image {
    test::TempDir dir;
    std::string path = test::WriteImage(dir);
    // Changes bytes of the image file at a ROM offset (the image has no header).
    void Poke(uint32_t rom, const std::vector<uint8_t>& bytes)
    {
        std::vector<uint8_t> b = test::ReadFileBytes(path);
        std::copy(bytes.begin(), bytes.end(), b.begin() + rom);
        test::WriteFileBytes(path, b);
    }
    std::unique_ptr<CQuorvexDoc> Open()
    {
        auto doc = std::make_unique<CQuorvexDoc>();
        EXPECT_TRUE(doc->OnOpenDocument(path).ok);
        return doc;
    }
};

constexpr uint32_t kPointers = 0xF8400;
constexpr uint32_t kArea = 0xF8700;

TEST(ScriptTables, AnUneditedSaveKeepsAnotherLayoutAndAnEditPacksIt)
{
    Image img;
    // Swap the places of scripts 0 and 1: same scripts, another layout.
    auto doc = img.Open();
    const BattleScript s0 = doc->Rom().scripts.set.Script(0);
    const BattleScript s1 = doc->Rom().scripts.set.Script(1);
    std::vector<uint8_t> swapped = s1.Bytes();
    swapped.insert(swapped.end(), s0.Bytes().begin(), s0.Bytes().end());
    img.Poke(kArea, swapped);
    std::vector<uint8_t> ptrs(4);
    WriteLe16(&ptrs[0], s1.Length());
    WriteLe16(&ptrs[2], 0);
    img.Poke(kPointers, ptrs);
    const std::vector<uint8_t> before = test::ReadFileBytes(img.path);

    doc = img.Open();
    ASSERT_EQ(doc->Rom().scripts.set.Status(), kScriptsGood);
    EXPECT_TRUE(doc->Rom().scripts.set.Script(0) == s0);
    doc->SetModifiedFlag();
    ASSERT_TRUE(doc->OnSaveDocument(img.path).ok);
    EXPECT_EQ(test::ReadFileBytes(img.path), before);

    doc->Rom().scripts.set.EraseScript(5);
    ASSERT_TRUE(doc->OnSaveDocument(img.path).ok);
    const std::vector<uint8_t> after = test::ReadFileBytes(img.path);
    EXPECT_EQ(std::vector<uint8_t>(after.begin() + kArea, after.begin() + kArea + s0.Length()), s0.Bytes());
    EXPECT_EQ(ReadLe16(&after[kPointers + 2]), s0.Length());
    auto reopened = img.Open();
    EXPECT_TRUE(reopened->Rom().scripts.set == doc->Rom().scripts.set);
}

TEST(ScriptTables, HostileBasesAndPointersLoadAsAStatusAndAreNeverWritten)
{
    struct Row {
        const char* what;
        uint32_t at;
        std::vector<uint8_t> bytes;
        int status;
    };
    const ScriptOperandPlaces places = ScriptOperands(1);
    const Row rows[] = {
        {"data base outside the image", places.dataBase[0], {0x00, 0x00, 0xFF}, kScriptsUnsplittable},
        {"data base below the ROM", places.dataBase[0], {0x00, 0x00, 0x12}, kScriptsUnsplittable},
        {"pointer table outside", places.pointerBase, {0xF0, 0xFF, 0xFF}, kScriptsUnsplittable},
        {"pointer to the area's last byte", kPointers + 2 * 383, {0xFF, 0xFF}, kScriptsUnsplittable},
        {"two monsters sharing a long script", kPointers + 2 * 10, {0x00, 0x00}, kScriptsGood},
    };
    for (const Row& r : rows) {
        Image img;
        img.Poke(r.at, r.bytes);
        if (std::string(r.what) == "pointer to the area's last byte")
            img.Poke(0xF8700 + 0xFFFF, {0xF0}); // an opcode whose operands run off the area
        const std::vector<uint8_t> before = test::ReadFileBytes(img.path);
        auto doc = img.Open();
        EXPECT_EQ(doc->Rom().scripts.set.Status(), r.status) << r.what;
        if (r.status != kScriptsGood) {
            EXPECT_FALSE(ScriptsWritable(doc->Rom())) << r.what;
            doc->Rom().scripts.set.EraseScript(0);
        }
        doc->SetModifiedFlag();
        ASSERT_TRUE(doc->OnSaveDocument(img.path).ok);
        if (r.status != kScriptsGood) {
            EXPECT_EQ(test::ReadFileBytes(img.path), before) << r.what;
        }
    }
}

TEST(ScriptTables, DiffNamesChangedScriptsAndMovedData)
{
    Image img;
    auto a = img.Open();
    auto b = img.Open();
    EXPECT_TRUE(DiffTables(a->Rom(), b->Rom()).empty());
    b->Rom().scripts.set.EraseScript(3);
    b->Rom().scripts.set.EraseScript(30);
    EXPECT_EQ(DiffTables(a->Rom(), b->Rom()), std::vector<std::string>{"battle scripts 2 scripts"});
    b->Rom().scripts.dataBase = 0xF60000;
    EXPECT_EQ(BattleScriptsDiffer(a->Rom(), b->Rom()), "2 scripts, data at $F60000");
}

} // namespace
} // namespace quorvex
