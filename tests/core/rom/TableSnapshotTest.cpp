// Cancel in an editor puts back the tables as they were when it opened,
// including edits an earlier editor's OK kept but that were never saved.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "rom/Document.h"
#include "rom/TableSnapshot.h"

namespace quorvex {
namespace {

TEST(TableSnapshot, RestoresUnsavedEditsOfEarlierEditorsAndDropsLaterOnes)
{
    test::TempDir dir;
    CQuorvexDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(test::WriteImage(dir)).ok);
    RomData& rd = doc.Rom();
    // An earlier editor's OK: kept in the document, not in the file.
    rd.monsters.monsters.bytes[8] ^= 0x5A;
    rd.names.itemNames.bytes[0] ^= 0x01;
    const RomData kept = rd;

    TableSnapshot opened(rd);
    rd.monsters.monsters.bytes[8] ^= 0xFF;
    rd.names.itemNames.bytes[0] = 0x80;
    rd.text.townDialogue.ReplaceString(0, {0x41, 0x00});
    rd.romFlags ^= 0x40;
    opened.Restore(rd);

    EXPECT_EQ(rd.monsters.monsters.bytes, kept.monsters.monsters.bytes);
    EXPECT_EQ(rd.names.itemNames.bytes, kept.names.itemNames.bytes);
    EXPECT_EQ(rd.text.townDialogue.Data(), kept.text.townDialogue.Data());
    EXPECT_EQ(rd.romFlags, kept.romFlags);
    // Name pictures drawn during the edit may show the cancelled names.
    for (int l = 0; l < kPreprocListCount; ++l)
        EXPECT_FALSE(rd.names.preproc.IsDrawn(static_cast<PreprocList>(l)));
}

} // namespace
} // namespace quorvex
