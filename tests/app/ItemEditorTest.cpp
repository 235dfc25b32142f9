// The Items Editor on the synthetic images of both releases: its pages in
// order with screenshots, the stat and evade nibbles, captions by kind,
// byte 21 as value and flags, the shop byte, the description buttons with
// their refusals and the repair offer, and Cancel.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QtTest>

#include "AppTestMain.h"
#include "AppTestModal.h"
#include "AppTestSupport.h"
#include "DialogEditor.h"
#include "EditorRegistry.h"
#include "ItemEd.h"
#include "ItemMiscPage.h"
#include "MessageService.h"
#include "PageParts.h"
#include "RareItemsPage.h"
#include "RegItemsAdvPage.h"
#include "RegItemsPage.h"
#include "SheetOnImage.h"
#include "ShopsPage.h"
#include "TextPage.h"
#include "controls/FieldControls.h"
#include "controls/Settings.h"
#include "editors/ItemTables.h"
#include "rom/RomData.h"

using namespace quorvex;

class ItemEditorTest : public QObject {
    Q_OBJECT
private:
    TestFolders m_folders;
    using Fixture = SheetOnImage<CItemEd>;

private slots:
    void initTestCase() { QVERIFY(m_folders.Ready()); }

    void registeredOnTheItemEditorCommand() { QCOMPARE(int(EditorRegistry().count(EditorCommand::ItemEditor)), 1); }

    void pagesOfBothReleasesWithScreenshots()
    {
        for (const QString& variant : {QString("us10-headerless"), QString("jp")}) {
            Fixture fx(m_folders, variant);
            CItemEd& sheet = fx.Open("m_itemIdx", 20);
            QCOMPARE(sheet.windowTitle(), QString("Quorvex: Items Editor"));
            QVERIFY(fx.messages.Log().isEmpty());
            const QStringList titles = {"Reg. Items", "Reg. Items (adv.)", "Shops", "Rare Items", "Misc.",
                                        "Morph packs", "Tools Anim.", "Items Anim.", "Weapon Anim."};
            QCOMPARE(TabTitles(sheet.Tabs()), titles);
            QCOMPARE(sheet.Items()->Current(), 20);
            QVERIFY(!sheet.Items()->Description()->text().isEmpty());
            // The Japanese release's item type names are not known: the
            // page says so and renames nothing.
            QCOMPARE(sheet.Misc()->Rename()->isEnabled(), variant != "jp");
            QCOMPARE(sheet.Misc()->Note()->text().isEmpty(), variant != "jp");
            sheet.resize(1100, 760);
            sheet.show();
            QVERIFY(ShootEachTab(sheet, sheet.Tabs(), "ItemEditor_" + variant + "_"));
            sheet.reject();
        }
    }

    void statAndEvadeNibbles()
    {
        Fixture fx(m_folders);
        uint8_t* rec = ItemRecord(fx.Rom(), 30);
        rec[16] = 0x9F;
        rec[26] = 0x6B;
        CItemEd& sheet = fx.Open("m_itemIdx", 30);
        CRegItemsPage* p = sheet.Items();
        QCOMPARE(p->SliderText("speed")->text(), QString("-1"));
        QCOMPARE(p->SliderText("vigor")->text(), QString("-7"));
        QCOMPARE(p->Slider("speed")->value(), 6);
        QCOMPARE(p->Slider("vigor")->value(), 0);
        QCOMPARE(p->SliderText("magic_block")->text(), QString("-10"));
        QCOMPARE(p->SliderText("evade")->text(), QString("NA"));
        QCOMPARE(p->Slider("magic_block")->value(), 7);
        p->Slider("speed")->setValue(10); // +2
        QCOMPARE(p->SliderText("speed")->text(), QString("+2"));
        p->Slider("evade")->setValue(3); // -50
        QCOMPARE(p->SliderText("evade")->text(), QString("-50"));
        p->Select(31);
        QCOMPARE(rec[16], uint8_t(0x2F));
        QCOMPARE(rec[26], uint8_t(0x6A));
        QVERIFY(sheet.Edited());
        sheet.accept();
    }

    void captionsFollowTheKindAcrossBothItemPages()
    {
        Fixture fx(m_folders);
        uint8_t* rec = ItemRecord(fx.Rom(), 40);
        rec[0] = static_cast<uint8_t>((rec[0] & 0xF0) | 6);
        CItemEd& sheet = fx.Open("m_itemIdx", 40);
        CRegItemsPage* p = sheet.Items();
        QCOMPARE(p->PowerLabel()->text(), QString("Give/lift HP/MP"));
        QCOMPARE(p->HitLabel()->text(), QString("Bit wize"));
        p->Kind()->setCurrentIndex(1); // weapon
        QCOMPARE(p->PowerLabel()->text(), QString("Bat power"));
        sheet.Tabs()->setCurrentWidget(sheet.Advanced());
        CRegItemsAdvPage* adv = sheet.Advanced();
        QCOMPARE(adv->Current(), 40);
        QCOMPARE(rec[0] & 0x0F, 1);
        QCOMPARE(adv->List("byte19")->horizontalHeaderItem(0)->text(), QString("Properties"));
        QCOMPARE(adv->List("elements")->horizontalHeaderItem(0)->text(), QString("Attack"));
        QCOMPARE(adv->List("byte19")->item(6, 0)->text(), QString("Two hand"));
        adv->Select(41 - 1 + 1); // another item on the advanced page ...
        sheet.Tabs()->setCurrentWidget(sheet.Items()); // ... is the one the first page shows
        QCOMPARE(p->Current(), 41);
        sheet.reject();
    }

    void byte21IsAValueAndFlags()
    {
        Fixture fx(m_folders);
        uint8_t* rec = ItemRecord(fx.Rom(), 50);
        rec[21] = 0x10;
        CItemEd& sheet = fx.Open("m_itemIdx", 50);
        CRegItemsPage* p = sheet.Items();
        QCOMPARE(p->Hit()->text(), QString("16"));
        QCOMPARE(p->ItemStatus()->Column(0).Cell(4), true);
        emit p->ItemStatus()->cellClicked(0, 1);
        QCOMPARE(p->Hit()->text(), QString("17"));
        p->Select(51);
        QCOMPARE(rec[21], uint8_t(0x11));
        sheet.reject();
    }

    void shopByteD3()
    {
        Fixture fx(m_folders);
        ShopRecord(fx.Rom(), 12)[0] = 0xD3;
        CItemEd& sheet = fx.Open("m_shopIdx", 12);
        CShopsPage* s = sheet.Shops();
        QCOMPARE(s->Kind()->currentText(), QString("3: item"));
        QCOMPARE(s->Pricing()->currentText(), QString("2: 2x"));
        QVERIFY(s->Unused(6)->isChecked());
        QVERIFY(s->Unused(7)->isChecked());
        s->Kind()->setCurrentIndex(1);
        s->Unused(7)->setChecked(false);
        s->Select(13);
        QCOMPARE(ShopRecord(fx.Rom(), 12)[0], uint8_t(1 | 2 << 3 | 1 << 6));
        sheet.accept();
        QCOMPARE(QuorvexSettings().value("Settings/m_shopIdx").toInt(), 13);
    }

    void descriptionButtonOpensTheTextEditorOnTheItem()
    {
        Fixture fx(m_folders);
        CItemEd& sheet = fx.Open("m_itemIdx", 77);
        int selected = -1;
        WhenModal<CTextEditorDia> watch([&](CTextEditorDia* dlg) {
            selected = dlg->Page()->Selected();
            QVERIFY(SaveScreenshot(*dlg, "ItemEditor_DescriptionTextEditor"));
            dlg->reject();
        });
        QTest::mouseClick(sheet.Items()->DescriptionButton(), Qt::LeftButton);
        QVERIFY(watch.Seen());
        QCOMPARE(selected, 77);
        sheet.reject();
    }

    void repairOfferedForTheGamesOwnDescriptions()
    {
        Fixture fx(m_folders);
        RomData& rd = fx.Rom();
        rd.romFlags |= kFlagItemDescPtrPrint | kFlagItemDescTextPrint | kFlagItemDescAnomaly;
        CItemEd& sheet = fx.Open("m_itemIdx", 165);
        // No: nothing changes.
        QTest::mouseClick(sheet.Items()->DescriptionButton(), Qt::LeftButton);
        QCOMPARE(fx.messages.Log().size(), 1);
        QCOMPARE(fx.messages.Log()[0].kind, QString("question"));
        QCOMPARE(fx.messages.Log()[0].text, QString::fromLatin1(kItemDescRepairQuestion));
        QVERIFY(rd.romFlags & kFlagItemDescTextPrint);
        // Yes: repaired, then the text editor opens.
        fx.messages.Clear();
        fx.messages.QueueAnswer(true);
        WhenModal<CTextEditorDia> watch([](CTextEditorDia* dlg) { dlg->accept(); });
        QTest::mouseClick(sheet.Items()->DescriptionButton(), Qt::LeftButton);
        QVERIFY(watch.Seen());
        QCOMPARE((rd.romFlags & kFlagItemDescTextPrint), 0u);
        QVERIFY(!sheet.Items()->Description()->text().contains("Tools command"));
        QVERIFY(sheet.Edited());
        sheet.reject(); // no question is queued: the edits stay
    }

    void repairRefusedForTheJapaneseReleaseAndChangedText()
    {
        for (const QString& variant : {QString("jp"), QString("us10-headerless")}) {
            Fixture fx(m_folders, variant);
            // The Japanese text with the fingerprints would still not be
            // repaired; the North American text has lost its own (bit 4).
            fx.Rom().romFlags |= kFlagItemDescPtrPrint | kFlagItemDescAnomaly |
                                 (variant == "jp" ? uint32_t(kFlagItemDescTextPrint) : 0u);
            CItemEd& sheet = fx.Open();
            QTest::mouseClick(sheet.Items()->DescriptionButton(), Qt::LeftButton);
            QCOMPARE(fx.messages.Log().size(), 1);
            QCOMPARE(fx.messages.Log()[0].kind, QString("error"));
            QCOMPARE(fx.messages.Log()[0].text, QString::fromLatin1(kItemDescProblem));
            sheet.reject();
        }
    }

    void rareItemDescriptionsAndTheirRefusal()
    {
        for (const QString& variant : {QString("us10-headerless"), QString("jp")}) {
            Fixture fx(m_folders, variant);
            CItemEd& sheet = fx.Open("m_rareItmIdx", 4);
            int selected = -1;
            WhenModal<CTextEditorDia> watch([&](CTextEditorDia* dlg) {
                selected = dlg->Page()->Selected();
                dlg->reject();
            });
            QTest::mouseClick(sheet.RareItems()->DescriptionButton(), Qt::LeftButton);
            const bool seen = watch.Seen();
            if (variant == "jp") {
                QVERIFY(!seen);
                QCOMPARE(fx.messages.Log().size(), 1);
                QVERIFY(fx.messages.Log()[0].text.contains("does not know where this ROM version keeps"));
                QVERIFY(sheet.RareItems()->Description()->text().contains("does not know where"));
            } else {
                QVERIFY(seen);
                QCOMPARE(selected, 4);
                QVERIFY(!sheet.RareItems()->Description()->text().isEmpty());
            }
            sheet.reject();
        }
    }

    void cancelPutsTheTablesBack()
    {
        Fixture fx(m_folders);
        const std::vector<uint8_t> records = fx.Rom().editors.items.records.bytes;
        CItemEd& sheet = fx.Open("m_itemIdx", 3);
        sheet.Items()->Slider("stamina")->setValue(15);
        sheet.Items()->Select(4);
        QVERIFY(fx.Rom().editors.items.records.bytes != records);
        fx.messages.QueueAnswer(true);
        sheet.reject();
        fx.Close();
        QCOMPARE(fx.messages.Log().last().text, QString::fromLatin1(kDiscardChangesQuestion));
        QVERIFY(fx.Rom().editors.items.records.bytes == records);
    }
};

QUORVEX_APP_TEST(ItemEditorTest)
#include "ItemEditorTest.moc"
