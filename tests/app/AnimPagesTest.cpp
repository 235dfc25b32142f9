// The reusable pages other editors add to their sheets: the 14-byte and
// 8-byte battle animation pages in every mode, and the morph packs page.
// Driven offscreen in a plain sheet on the synthetic images, with
// screenshots.
#include <QApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "AppTestMain.h"
#include "AppTestSupport.h"
#include "C14ByteAnimPage.h"
#include "C8ByteAnimPage.h"
#include "MessageService.h"
#include "MorphPackEd.h"
#include "TestFolders.h"
#include "controls/FF6Combo.h"
#include "controls/FieldControls.h"
#include "controls/PaletteEditDlg.h"
#include "controls/PaletteStrip.h"
#include "controls/Settings.h"
#include "controls/SpinField.h"
#include "rom/Document.h"

using namespace quorvex;

namespace {

void TypeInto(QLineEdit* field, const QString& text)
{
    field->selectAll();
    QTest::keyClicks(field, text);
    emit field->editingFinished();
}

std::vector<uint8_t> RecordOf(RomData& rd, AnimMode mode, int i)
{
    const uint8_t* r = AnimRecord(rd, mode, i);
    return std::vector<uint8_t>(r, r + AnimInfo(mode).recordSize);
}

} // namespace

class AnimPagesTest : public QObject {
    Q_OBJECT
private:
    TestFolders m_folders;

    std::unique_ptr<CQuorvexDoc> Open(const QString& variant) { return m_folders.Open(variant); }
    static void Shot(QWidget& w, const QString& name) { QVERIFY(SaveScreenshot(w, name)); }

private slots:
    void initTestCase() { QVERIFY(m_folders.Ready()); }

    void everyModeOfBothReleasesWithScreenshots()
    {
        const AnimMode modes[] = {AnimMode::Spells, AnimMode::Tools,   AnimMode::Items,        AnimMode::Block1,
                                  AnimMode::Block2, AnimMode::Weapons, AnimMode::EnemySpecials};
        for (const QString& variant : {QString("us10-headerless"), QString("jp")}) {
            auto doc = Open(variant);
            CEditorSheet sheet(*doc, "Test Sheet");
            for (AnimMode m : modes) {
                CAnimPage* page = AnimInfo(m).recordSize == 14 ? static_cast<CAnimPage*>(new C14ByteAnimPage(&sheet, m))
                                                                : new C8ByteAnimPage(&sheet, m);
                sheet.AddPage(page, QString::fromLatin1(AnimInfo(m).table));
                QCOMPARE(page->Selector()->count(), AnimRecordCount(m));
                QCOMPARE(page->PaletteCount(), AnimInfo(m).recordSize == 14 ? 3 : 2);
                // The strips show the palettes the record names.
                const uint8_t* rec = AnimRecord(doc->Rom(), m, page->Current());
                const int pal = rec[AnimInfo(m).recordSize == 14 ? 6 : 2];
                QCOMPARE(page->Strip(0)->Colours(), AnimPalette(doc->Rom(), pal));
            }
            sheet.resize(760, 420);
            sheet.show();
            QVERIFY(ShootEachTab(sheet, sheet.Tabs(), "AnimPage_" + variant + "_"));
            // Spells, tools, items and weapons are named in the game's font.
            auto* spells = static_cast<CAnimPage*>(sheet.Tabs()->widget(0));
            QVERIFY(!spells->Selector()->itemIcon(3).isNull());
            auto* tools = static_cast<CAnimPage*>(sheet.Tabs()->widget(1));
            QVERIFY(!tools->Selector()->itemIcon(0).isNull());
            QCOMPARE(tools->Selector()->itemText(8), QString("8: ?"));
            auto* block1 = static_cast<CAnimPage*>(sheet.Tabs()->widget(3));
            QCOMPARE(block1->Selector()->itemText(0), QString("0: Tritoch Cinematic Animations"));
            sheet.reject();
        }
    }

    void rememberedIndexTakesItsLowByte()
    {
        auto doc = Open("us10-headerless");
        QuorvexSettings().setValue("Settings/m_magAnimIdx", 300);
        QuorvexSettings().setValue("Settings/m_itemAnimIdx", 100);
        CEditorSheet sheet(*doc, "Test Sheet");
        auto* spells = new C14ByteAnimPage(&sheet, AnimMode::Spells);
        auto* items = new C14ByteAnimPage(&sheet, AnimMode::Items);
        sheet.AddPage(spells, kAnimPageCaption);
        sheet.AddPage(items, kAnimPageCaption);
        QCOMPARE(spells->Current(), 44);
        QCOMPARE(items->Current(), 22);
        QCOMPARE(spells->IndexField()->Edit()->text(), QString("44"));
        spells->Select(200);
        sheet.accept();
        QCOMPARE(QuorvexSettings().value("Settings/m_magAnimIdx").toInt(), 200);
        QCOMPARE(QuorvexSettings().value("Settings/m_itemAnimIdx").toInt(), 22);
    }

    void fieldsReadAsTheConventionsSay()
    {
        auto doc = Open("us10-headerless");
        QuorvexSettings().setValue("Settings/m_btl1AnimIdx", 5);
        CEditorSheet sheet(*doc, "Test Sheet");
        auto* page = new C14ByteAnimPage(&sheet, AnimMode::Block1);
        sheet.AddPage(page, "Animations 1");
        const std::vector<uint8_t> before = RecordOf(doc->Rom(), AnimMode::Block1, 5);
        TypeInto(page->IndexHex(1), "");      // empty: the old value stays
        TypeInto(page->IndexHex(2), "zz");    // does not parse: the old value stays
        TypeInto(page->IndexHex(3), "beef");
        TypeInto(page->SoundField(), "300");  // clamped to the byte's range
        TypeInto(page->Byte10Field(), "7");
        TypeInto(page->PaletteField(2)->Edit(), "250");
        page->Select(6);
        const std::vector<uint8_t> after = RecordOf(doc->Rom(), AnimMode::Block1, 5);
        QCOMPARE(after[2], before[2]);
        QCOMPARE(after[3], before[3]);
        QCOMPARE(after[4], before[4]);
        QCOMPARE(after[5], before[5]);
        QCOMPARE(after[11], uint8_t(0xEF));
        QCOMPARE(after[12], uint8_t(0xBE));
        QCOMPARE(after[9], uint8_t(255));
        QCOMPARE(after[10], uint8_t(7));
        QCOMPARE(after[8], uint8_t(239));
        QCOMPARE(after[13], before[13]);
        page->Select(5);
        QCOMPARE(page->IndexHex(3)->text(), QString("BEEF"));
        QCOMPARE(page->PaletteField(2)->Edit()->text(), QString("239"));
    }

    void copyingAToolAndPastingItInASpellChangesAllFourteenBytes()
    {
        auto doc = Open("us10-headerless");
        AnimClipboard(14) = {};
        uint8_t* tool = AnimRecord(doc->Rom(), AnimMode::Tools, 2);
        uint8_t* spell = AnimRecord(doc->Rom(), AnimMode::Spells, 9);
        for (int b = 0; b < 14; ++b)
            tool[b] = static_cast<uint8_t>(b * 3), spell[b] = static_cast<uint8_t>(0xF0 | b);
        {
            CEditorSheet items(*doc, "Item Sheet");
            auto* tools = new C14ByteAnimPage(&items, AnimMode::Tools);
            items.AddPage(tools, kAnimPageCaption);
            QVERIFY(!tools->PasteButton()->isEnabled());
            tools->Select(2);
            tools->CopyButton()->click();
            QVERIFY(tools->PasteButton()->isEnabled());
            items.accept();
        }
        // Another editor, later in the run: the buffer is still there.
        CEditorSheet spells(*doc, "Spell Sheet");
        auto* page = new C14ByteAnimPage(&spells, AnimMode::Spells);
        spells.AddPage(page, kAnimPageCaption);
        QVERIFY(page->PasteButton()->isEnabled());
        page->Select(9);
        page->PasteButton()->click();
        QVERIFY(spells.Edited());
        QCOMPARE(page->SpeedField()->text(), QString::number(13 * 3));
        for (int b = 0; b < 14; ++b)
            QCOMPARE(spell[b], uint8_t(b * 3));
        // The 8-byte pages have their own buffer.
        auto* weapons = new C8ByteAnimPage(&spells, AnimMode::Weapons);
        spells.AddPage(weapons, kAnimPageCaption);
        QCOMPARE(weapons->PasteButton()->isEnabled(), AnimClipboard(8).full);
    }

    void editingPaletteFiveChangesEveryRecordThatUsesIt()
    {
        ScopedRecordingMessages messages;
        auto doc = Open("us10-headerless");
        AnimRecord(doc->Rom(), AnimMode::Spells, 1)[6] = 5;
        AnimRecord(doc->Rom(), AnimMode::Spells, 2)[7] = 5;
        AnimRecord(doc->Rom(), AnimMode::Spells, 2)[6] = 6;
        CEditorSheet sheet(*doc, "Spell Sheet");
        auto* page = new C14ByteAnimPage(&sheet, AnimMode::Spells);
        sheet.AddPage(page, kAnimPageCaption);
        sheet.show();
        page->Select(1);
        const std::vector<SnesColor> six = AnimPalette(doc->Rom(), 6);
        // "Edit": the palette dialog on the 8 colours, made all red, OK.
        QTimer::singleShot(0, [] {
            auto* dlg = qobject_cast<CPaletteEditDlg*>(QApplication::activeModalWidget());
            QVERIFY(dlg);
            dlg->SetEditAll(false);
            dlg->SelectRows({3});
            dlg->SetComponent(ColorComponent::Red, 31);
            dlg->SetComponent(ColorComponent::Green, 0);
            dlg->SetComponent(ColorComponent::Blue, 0);
            dlg->accept();
        });
        page->EditButton(0)->click();
        QCOMPARE(AnimPalette(doc->Rom(), 5)[3], SnesColor(0x001F));
        QVERIFY(sheet.Edited());
        page->Select(2);
        QCOMPARE(page->Strip(1)->Colours(), AnimPalette(doc->Rom(), 5));
        QCOMPARE(page->Strip(0)->Colours(), six);
        // A colour edited in another row's strip (here through the strip's
        // own signal, as a double click on it ends) is written at once too.
        std::vector<SnesColor> edited = six;
        edited[7] = 0x03E0;
        emit page->Strip(0)->coloursEdited(edited);
        QCOMPARE(AnimPalette(doc->Rom(), 6), edited);
        Shot(sheet, "AnimPage_palette_edited");
        // Cancel puts the palettes back.
        messages.QueueAnswer(true);
        sheet.reject();
        QCOMPARE(AnimPalette(doc->Rom(), 6), six);
    }

    void eightByteFlagsAreAColumnOfBits()
    {
        auto doc = Open("jp");
        QuorvexSettings().setValue("Settings/m_wpnAnimIdx", 92);
        uint8_t* rec = AnimRecord(doc->Rom(), AnimMode::Weapons, 92);
        rec[5] = 0x00;
        CEditorSheet sheet(*doc, "Item Sheet");
        auto* page = new C8ByteAnimPage(&sheet, AnimMode::Weapons);
        sheet.AddPage(page, kAnimPageCaption);
        QCOMPARE(page->Current(), 92);
        emit page->Flags()->cellClicked(7, 1);
        emit page->Flags()->cellClicked(3, 1);
        TypeInto(page->RightHand(), "7f");
        sheet.accept();
        QCOMPARE(rec[5], uint8_t(0x88));
        QCOMPARE(rec[0], uint8_t(0x7F));
        emit page->Flags()->horizontalHeader()->sectionClicked(1); // some are "1": all to "0"
        page->Select(0);
        QCOMPARE(rec[5], uint8_t(0x00));
    }

    void morphPacksPage()
    {
        auto doc = Open("us10-headerless");
        QuorvexSettings().setValue("Settings/m_morphPackIdx", 40);
        CEditorSheet sheet(*doc, "Item Sheet");
        auto* page = new CMorphPackEd(&sheet);
        sheet.AddPage(page, "Morph packs");
        QCOMPARE(page->Current(), 31);
        page->IndexField()->Step(-1);
        QCOMPARE(page->Current(), 30);
        page->ItemCombo(2)->setCurrentIndex(0x42);
        QVERIFY(!page->ItemCombo(2)->itemIcon(0x42).isNull());
        sheet.resize(420, 260);
        sheet.show();
        Shot(sheet, "MorphPacks_us10-headerless");
        sheet.accept();
        QCOMPARE(doc->Rom().editors.morphPacks.bytes[30 * 4 + 2], uint8_t(0x42));
        QCOMPARE(QuorvexSettings().value("Settings/m_morphPackIdx").toInt(), 30);
    }
};

QUORVEX_APP_TEST(AnimPagesTest)
#include "AnimPagesTest.moc"
