// Patch detection and the status report, variant by variant.
#include <gtest/gtest.h>

#include <sstream>

#include "TestSupport.h"
#include "rom/Document.h"
#include "rom/PatchDetect.h"

using namespace quorvex;
using quorvex::test::TempDir;

namespace {

struct Opened {
    TempDir dir;
    CQuorvexDoc doc;
    OpenResult result;
    std::string path;
};

std::unique_ptr<Opened> Open(const synth::SynthOptions& o)
{
    auto p = std::make_unique<Opened>();
    p->path = test::WriteImage(p->dir, o);
    p->result = p->doc.OnOpenDocument(p->path);
    EXPECT_TRUE(p->result.ok) << p->result.error;
    return p;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::stringstream ss(text);
    std::string line;
    while (std::getline(ss, line))
        lines.push_back(line);
    return lines;
}

} // namespace

TEST(StatusReport, CleanImageLineByLine)
{
    auto o = Open({});
    EXPECT_EQ(BuildStatusReport(o->doc.Rom()),
              "ROM internal name: \"FINAL FANTASY 3      \"\n"
              "FF3us, Version: 1.0\n"
              "Cart size: 24 Mbit\n"
              "ROM is expanded: no\n"
              "ROM is header-less: yes\n"
              "Patch already applied: none\n"
              "\n");
    EXPECT_TRUE(CanExpand(o->doc.Rom()));
    EXPECT_FALSE(CanManageExpanded(o->doc.Rom()));
    EXPECT_TRUE(o->result.warning.empty());
}

TEST(StatusReport, ReleaseSizeAndHeaderLines)
{
    struct Case {
        const char* variant;
        const char* release;
        const char* size;
        const char* expanded;
        const char* headerless;
        bool canExpand, canManage;
    } cases[] = {
        {"us11-headered", "FF3us, Version: 1.1", "Cart size: 24 Mbit", "ROM is expanded: no", "ROM is header-less: no", true, false},
        {"jp", "FF6j, Version: 1.0", "Cart size: 24 Mbit", "ROM is expanded: no", "ROM is header-less: yes", true, false},
        {"us-28", "FF3us, Version: 1.0", "Cart size: 28 Mbit", "ROM is expanded: yes", "ROM is header-less: yes", true, true},
        {"us-32-headered", "FF3us, Version: 1.0", "Cart size: 32 Mbit", "ROM is expanded: yes", "ROM is header-less: no", false, true},
        {"odd-size", "FF3us, Version: 1.0", "Cart size: ?? Mbit", "ROM is expanded: yes", "ROM is header-less: no", false, false},
        {"unknown-title", "Unkown type, Version: 1.0", "Cart size: 24 Mbit", "ROM is expanded: no", "ROM is header-less: yes", true, false},
    };
    for (const Case& c : cases) {
        auto o = Open(test::Variant(c.variant));
        const auto lines = Lines(BuildStatusReport(o->doc.Rom()));
        ASSERT_EQ(lines.size(), 7u) << c.variant;
        EXPECT_EQ(lines[1], c.release) << c.variant;
        EXPECT_EQ(lines[2], c.size) << c.variant;
        EXPECT_EQ(lines[3], c.expanded) << c.variant;
        EXPECT_EQ(lines[4], c.headerless) << c.variant;
        EXPECT_EQ(lines[6], "") << c.variant;
        EXPECT_EQ(CanExpand(o->doc.Rom()), c.canExpand) << c.variant;
        EXPECT_EQ(CanManageExpanded(o->doc.Rom()), c.canManage) << c.variant;
    }
}

TEST(StatusReport, PatchLineOfEachVariant)
{
    struct Case {
        const char* variant;
        const char* patches;
    } cases[] = {
        {"us10-headerless", "none"},
        {"dialog-ff3edit", "FF3Edit dialog"},
        {"dialog-unknown", "Unknown dialog hack"},
        {"attack-names-a", "Mst. sp. attack exp."},
        {"attack-names-b", "Mst. sp. attack exp."},
        {"attack-names-unknown", "Unkn. mst. sp. attack hack"},
        {"scripts-overflow-24", "Halbrec mst AI"},
        {"scripts-overflow-28", "Halbrec mst AI"},
        {"scripts-bank-f0", "Ostik mst AI"},
        {"scripts-relocated", "Quorvex mst AI"},
        {"missing-minimap", "Mini-map(s) corrupted"},
        {"missing-mapdata", "Map(s) data corrupted"},
        {"missing-maptiles", "Map(s) tiles corrupted"},
        {"map-gfx-expanded", "FF3Edit gfx map"},
        {"jp", "none"},
    };
    for (const Case& c : cases) {
        auto o = Open(test::Variant(c.variant));
        const auto lines = Lines(BuildStatusReport(o->doc.Rom()));
        ASSERT_GE(lines.size(), 6u);
        EXPECT_EQ(lines[5], std::string("Patch already applied: ") + c.patches) << c.variant;
    }
}

TEST(StatusReport, SeveralPatchesAreListedInTheirOrder)
{
    synth::SynthOptions opts;
    opts.mbit = 32;
    opts.scriptLocation = 1;
    opts.attackNames = synth::AttackNameRoutine::ExpA;
    opts.dialogue = synth::DialogueRoutine::FF3Edit;
    opts.missingMap = synth::MissingMapBlock::MapTiles;
    auto o = Open(opts);
    const std::string report = BuildStatusReport(o->doc.Rom());
    // Listed patches end with the one closing line feed; only "none" has its own.
    const std::string line = "Patch already applied: Mst. sp. attack exp., Halbrec mst AI, FF3Edit dialog, "
                             "Map(s) tiles corrupted\n";
    ASSERT_GE(report.size(), line.size());
    EXPECT_EQ(report.substr(report.size() - line.size()), line) << report;
}

TEST(Detect, AttackNamePlaceAndWidth)
{
    struct Case {
        const char* variant;
        uint32_t addr, len, bits;
    } cases[] = {
        {"us10-headerless", 0xCFD0D0, 10, 0},
        {"us11", 0xCFD0D0, 10, 0},
        {"attack-names-a", 0xF50000, 16, kFlagAttackNamesA},
        {"attack-names-b", 0xF51000, 16, kFlagAttackNamesB},
        {"attack-names-unknown", 0, 0, kFlagAttackNamesA | kFlagAttackNamesB},
        {"jp", 0xCFD400, 8, 0},
    };
    for (const Case& c : cases) {
        auto o = Open(test::Variant(c.variant));
        const RomData& rd = o->doc.Rom();
        EXPECT_EQ(rd.spAttackNameAddr, c.addr) << c.variant;
        EXPECT_EQ(rd.spAttackNameLen, c.len) << c.variant;
        EXPECT_EQ(rd.romFlags & (kFlagAttackNamesA | kFlagAttackNamesB), c.bits) << c.variant;
        EXPECT_EQ(rd.names.specialAttackNames.bytes.size(), 384u * c.len) << c.variant;
    }
}

TEST(Detect, BattleScriptWarningsAndStoreBlock)
{
    auto halbrec24 = Open(test::Variant("scripts-overflow-24"));
    EXPECT_EQ(halbrec24->result.warning,
              "Halbrec Monster AI patch was detected.\nIn order to save edited battle script with Quorvex,\n"
              "follow these steps:\n   1) Expand the ROM to 28MBit or 32MBit\n   2) Move battle script (Manage "
              "Expanded ROM menu)\n   3) Restart Quorvex\n");
    EXPECT_TRUE(halbrec24->doc.Rom().romFlags & kFlagScriptWarned);

    auto halbrec28 = Open(test::Variant("scripts-overflow-28"));
    EXPECT_EQ(halbrec28->result.warning,
              "Halbrec Monster AI patch was detected.\nIn order to save edited battle script with Quorvex,\n"
              "follow these steps:\n   1) Move battle script (Manage expanded ROM menu)\n   2) Restart Quorvex\n");

    auto ostik = Open(test::Variant("scripts-bank-f0"));
    EXPECT_EQ(ostik->result.warning,
              "Ostik Monster AI patch was detected.\nIn order to save edited battle script with Quorvex,\n"
              "follow these steps:\n   1) Move battle script (Manage expanded ROM menu)\n   2) Restart Quorvex\n");
    EXPECT_EQ(ostik->doc.Rom().scripts.set.Capacity(), kScriptSpaceRelocated);

    // A blocked store writes nothing even when the scripts were edited.
    const auto before = test::ReadFileBytes(ostik->path);
    ostik->doc.Rom().scripts.set.EraseScript(0);
    ASSERT_TRUE(ostik->doc.OnSaveDocument(ostik->path).ok);
    EXPECT_EQ(test::ReadFileBytes(ostik->path), before);

    auto own = Open({});
    EXPECT_EQ(own->doc.Rom().scripts.set.Capacity(), kScriptSpaceOwn);
    EXPECT_EQ(own->doc.Rom().scripts.dataBase, kScriptDataBaseOwn);
    EXPECT_GT(own->doc.Rom().scripts.set.Used(), 384u * 2);
    EXPECT_LE(own->doc.Rom().scripts.set.Used(), kScriptSpaceOwn);
    EXPECT_FALSE(own->doc.Rom().romFlags & kFlagScriptWarned);

    auto relocated = Open(test::Variant("scripts-relocated"));
    EXPECT_EQ(relocated->doc.Rom().scripts.dataBase, 0xFE0000u);
    EXPECT_TRUE(relocated->result.warning.empty());
}

TEST(Detect, OverflowStartsAboveTheGameOwnSpace)
{
    TempDir dir;
    const std::string path = test::WriteImage(dir);
    auto bytes = test::ReadFileBytes(path);
    // Last script pointer exactly at the end of the game's own area: not an overflow.
    bytes[0xF8400 + 2 * 383] = 0x50;
    bytes[0xF8400 + 2 * 383 + 1] = 0x39;
    test::WriteFileBytes(path, bytes);
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path).ok);
    EXPECT_EQ(ScriptLocation(doc.Rom().romFlags), 0u);
    bytes[0xF8400 + 2 * 383] = 0x51;
    test::WriteFileBytes(path, bytes);
    ASSERT_TRUE(doc.OnOpenDocument(path).ok);
    EXPECT_EQ(ScriptLocation(doc.Rom().romFlags), 1u);
}

TEST(Detect, UnexpandedImageNeverReportsDialogueOrMapPatches)
{
    TempDir dir;
    const std::string path = test::WriteImage(dir);
    auto bytes = test::ReadFileBytes(path);
    std::copy(kDialogueRoutineFF3Edit, kDialogueRoutineFF3Edit + 38, bytes.begin() + 0x7FBF);
    bytes[0x2EB200 + 2] = 0xF1; // first map pointer into bank $F1
    test::WriteFileBytes(path, bytes);
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path).ok);
    EXPECT_EQ(doc.Rom().romFlags & (kFlagDialogFF3Edit | kFlagDialogUnknown | kFlagFF3EditMapGfx), 0u);
}

TEST(Detect, WorldMapBlocksAreReadAndDecompressed)
{
    auto o = Open({});
    const RomData& rd = o->doc.Rom();
    for (int b = 0; b < kWorldBlockCount; ++b) {
        ASSERT_FALSE(rd.maps.blocks[b].empty()) << b;
        EXPECT_EQ(rd.maps.blocks[b].size(), ReadLe16(rd.maps.blocks[b].data()) + 2u) << b;
        EXPECT_FALSE(rd.maps.unpacked[b].empty()) << b;
    }
    EXPECT_EQ(rd.maps.unpacked[kWobMapData].size(), 65536u);
    auto missing = Open(test::Variant("missing-minimap"));
    EXPECT_TRUE(missing->doc.Rom().maps.blocks[kWorMiniMap].empty());
    EXPECT_FALSE(missing->doc.Rom().maps.blocks[kWobMiniMap].empty());
}

TEST(Detect, Md5Fingerprints)
{
    EXPECT_EQ(Md5Hex({}), "d41d8cd98f00b204e9800998ecf8427e");
    const std::vector<uint8_t> abc = {'a', 'b', 'c'};
    EXPECT_TRUE(DigestMatches(abc, "900150983CD24FB0D6963F7D28E17F72"));
    EXPECT_FALSE(DigestMatches(abc, "900150983cd24fb0d6963f7d28e17f73"));
    // The synthetic image's text is not the game's: its fingerprints never match.
    auto o = Open({});
    EXPECT_EQ(o->doc.Rom().romFlags & (kFlagBtlMsgPtrPrint | kFlagBtlMsgTextPrint | kFlagItemDescPtrPrint |
                                       kFlagItemDescTextPrint),
              0u);
}
