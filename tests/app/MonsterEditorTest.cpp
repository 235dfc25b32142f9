// The Monsters Editor on the synthetic images of both releases: the pages
// in their order, the Specs page storing exactly the bits its controls own,
// the edge cases of the monster records, OK and Cancel, a broken quote
// block, the sprite export, and what a save after editing changes; with
// screenshots of every page.
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include "AppTestMain.h"
#include "AppTestSupport.h"
#include "EditorRegistry.h"
#include "MessageService.h"
#include "MonsterEd.h"
#include "MonsterSpecsPage.h"
#include "MstQutsPage.h"
#include "SheetOnImage.h"
#include "TextPage.h"
#include "CaptionEdit.h"
#include "controls/FF6Combo.h"
#include "controls/FieldControls.h"
#include "controls/Settings.h"
#include "controls/SpinField.h"
#include "graphics/MonsterRender.h"
#include "monsters/MonsterRecords.h"
#include "rom/Document.h"
#include "text/DialogEditor.h"
#include "text/TextTables.h"

using namespace quorvex;

namespace {

uint8_t* Stats(CQuorvexDoc& doc, int m) { return MonsterStats(doc.Rom(), m); }

// Types into a number field and leaves it, as the user would.
void TypeInto(CNumberField* field, const QString& text)
{
    field->selectAll();
    QTest::keyClicks(field, text);
    emit field->editingFinished();
}

void ClickCell(CCheckListControl* list, int row, int stateColumn)
{
    emit list->cellClicked(row, stateColumn + 1);
}

} // namespace

class MonsterEditorTest : public QObject {
    Q_OBJECT
private:
    TestFolders m_folders;
    using Fixture = SheetOnImage<CMonsterEd>;

    std::unique_ptr<CQuorvexDoc> Open(const QString& variant) { return m_folders.Open(variant); }

private slots:
    void initTestCase() { QVERIFY(m_folders.Ready()); }

    void registeredOnTheMonsterEditorCommand() { QCOMPARE(int(EditorRegistry().count(EditorCommand::MonsterEditor)), 1); }

    void pagesOfBothReleasesWithScreenshots()
    {
        for (const QString& variant : {QString("us10-headerless"), QString("jp")}) {
            Fixture fx(m_folders, variant);
            CMonsterEd& sheet = fx.Open("PrevSmst", 57);
            QCOMPARE(sheet.windowTitle(), QString("Quorvex: Monsters Editor"));
            QVERIFY(fx.messages.Log().isEmpty());
            const QStringList titles = {"Specs", "Battle Script", "Enemy Specials Anim.", "Small Quotes", "Big Quotes"};
            QCOMPARE(TabTitles(sheet.Tabs()), titles);
            sheet.resize(1180, 760);
            sheet.show();
            CMonsterSpecsPage* specs = sheet.Specs();
            QCOMPARE(specs->Current(), 57);
            // The sprite is drawn: the picture has pixels other than black.
            const QImage sprite = specs->SpriteImage();
            QVERIFY(!sprite.isNull());
            int lit = 0;
            for (int y = 0; y < sprite.height(); ++y)
                for (int x = 0; x < sprite.width(); ++x)
                    lit += (sprite.pixel(x, y) & 0xFFFFFF) != 0;
            QVERIFY(lit > 100);
            // Names come in the game's font: the selector's items are pictures.
            QVERIFY(!specs->Selector()->itemIcon(57).isNull());
            QVERIFY(!specs->ItemCombo(0)->itemIcon(3).isNull());
            QVERIFY(!specs->ControlCombo(0)->itemIcon(0xEE).isNull());
            QVERIFY(specs->AttackName()->pixmap().width() > 0);
            QCOMPARE(specs->ReportButton()->isVisibleTo(specs), variant != "jp");
            QVERIFY(ShootEachTab(sheet, sheet.Tabs(), "MonsterEditor_" + variant + "_"));
            sheet.reject();
        }
    }

    void opensOnTheRememberedMonsterClamped()
    {
        auto doc = Open("us10-headerless");
        for (auto [stored, shown] : {std::pair{-4, 0}, std::pair{1000, 383}, std::pair{200, 200}}) {
            IndexSetting("PrevSmst").Set(stored);
            CMonsterEd sheet(*doc);
            QCOMPARE(sheet.Specs()->Current(), shown);
            sheet.Specs()->Select(12);
            sheet.accept();
            QCOMPARE(QuorvexSettings().value("Settings/PrevSmst").toInt(), 12);
        }
    }

    void morphByteShowsPackRateAndFollowingLabel()
    {
        auto doc = Open("us10-headerless");
        Stats(*doc, 9)[17] = 0xE5;
        IndexSetting("PrevSmst").Set(9);
        CMonsterEd sheet(*doc);
        CMonsterSpecsPage* p = sheet.Specs();
        QCOMPARE(p->MorphPack()->Edit()->text(), QString("5"));
        QCOMPARE(p->MorphRate()->Edit()->text(), QString("7"));
        QCOMPARE(p->MorphRateLabel()->text(), QString("0"));
        p->MorphRate()->Step(-1);
        QCOMPARE(p->MorphRateLabel()->text(), QString("3.25"));
        QCOMPARE(Stats(*doc, 9)[17], uint8_t(0xC5)); // stored at once, the pack bits kept
        TypeInto(p->MorphPack()->Edit(), "99");
        QCOMPARE(p->MorphPack()->Edit()->text(), QString("31"));
        QCOMPARE(Stats(*doc, 9)[17], uint8_t(0xDF));
        TypeInto(p->MorphRate()->Edit(), "0");
        QCOMPARE(p->MorphRateLabel()->text(), QString("99.609375"));
        sheet.accept();
        QCOMPARE(Stats(*doc, 9)[17], uint8_t(0x1F));
    }

    void fieldsClampWhenTheyLoseTheFocusAndStoreAtOnce()
    {
        auto doc = Open("us10-headerless");
        IndexSetting("PrevSmst").Set(30);
        CMonsterEd sheet(*doc);
        CMonsterSpecsPage* p = sheet.Specs();
        const std::vector<uint8_t> before(Stats(*doc, 30), Stats(*doc, 30) + 32);
        TypeInto(p->NumberField("hp"), "70000");
        QCOMPARE(p->NumberField("hp")->text(), QString("65535"));
        QCOMPARE(Stats(*doc, 30)[8], uint8_t(0xFF));
        QCOMPARE(Stats(*doc, 30)[9], uint8_t(0xFF));
        TypeInto(p->NumberField("speed"), "1234567"); // five characters are read: 12345
        QCOMPARE(p->NumberField("speed")->text(), QString("255"));
        TypeInto(p->NumberField("level"), "-5");
        QCOMPARE(p->NumberField("level")->text(), QString("0"));
        for (int b = 0; b < 32; ++b)
            if (b != 0 && b != 8 && b != 9 && b != 16)
                QCOMPARE(Stats(*doc, 30)[b], before[static_cast<size_t>(b)]);
        QCOMPARE(Stats(*doc, 30)[0], uint8_t(255));
        QCOMPARE(Stats(*doc, 30)[16], uint8_t(0));
        QVERIFY(sheet.Edited());
    }

    void checkListsStoreTheirOwnBits()
    {
        auto doc = Open("us10-headerless");
        uint8_t* rec = Stats(*doc, 41);
        for (int b = 18; b < 31; ++b)
            rec[b] = 0;
        IndexSetting("PrevSmst").Set(41);
        CMonsterEd sheet(*doc);
        CMonsterSpecsPage* p = sheet.Specs();
        ClickCell(p->Statuses(), 16, 0); // start with Float
        p->Select(42);
        QCOMPARE(rec[29], uint8_t(0x01));
        QCOMPARE(rec[22], uint8_t(0x00));
        p->Select(41);
        ClickCell(p->Statuses(), 16, 1); // blocks Dance
        ClickCell(p->Statuses(), 16, 0); // no longer starts floating
        for (int row : {1, 3, 5, 19, 20, 21, 22}) // the "?" rows
            ClickCell(p->Flags(), row, 0);
        ClickCell(p->Elements(), 2, 2); // weak to lightning
        p->Select(42);
        QCOMPARE(rec[22], uint8_t(0x01));
        QCOMPARE(rec[29], uint8_t(0x00));
        QCOMPARE(rec[18], uint8_t(0x2A));
        QCOMPARE(rec[19], uint8_t(0x00));
        QCOMPARE(rec[30], uint8_t(0x78));
        QCOMPARE(rec[25], uint8_t(0x04));
        QCOMPARE(rec[23], uint8_t(0));
        QCOMPARE(rec[24], uint8_t(0));
        // A header click sets a column that has no "1", a second clears it.
        p->Select(41);
        emit p->Elements()->horizontalHeader()->sectionClicked(1);
        p->Select(42);
        QCOMPARE(rec[23], uint8_t(0xFF));
    }

    void rageCommandsOnlyForTheFirst256Monsters()
    {
        auto doc = Open("us10-headerless");
        const std::vector<uint8_t> rage = doc->Rom().monsters.rageCommands.bytes;
        IndexSetting("PrevSmst").Set(255);
        CMonsterEd sheet(*doc);
        CMonsterSpecsPage* p = sheet.Specs();
        QVERIFY(p->RageLabel()->isVisibleTo(p));
        p->Select(256);
        QVERIFY(!p->RageLabel()->isVisibleTo(p));
        QVERIFY(!p->RageCombo(0)->isVisibleTo(p) && !p->RageCombo(1)->isVisibleTo(p));
        TypeInto(p->NumberField("gold"), "4");
        p->Select(383);
        QVERIFY(!p->RageLabel()->isVisibleTo(p));
        sheet.accept();
        QCOMPARE(doc->Rom().monsters.rageCommands.bytes, rage);
        // Monster 255's rage commands are edited like the others.
        CMonsterEd again(*doc);
        again.Specs()->Select(255);
        again.Specs()->RageCombo(1)->setCurrentIndex(0xF0);
        again.accept();
        QCOMPARE(doc->Rom().monsters.rageCommands.bytes[511], uint8_t(0xF0));
    }

    void combosAndSpecialAttackStoreTheirBytes()
    {
        auto doc = Open("us10-headerless");
        IndexSetting("PrevSmst").Set(5);
        Stats(*doc, 5)[31] = 0x05;
        CMonsterEd sheet(*doc);
        CMonsterSpecsPage* p = sheet.Specs();
        QCOMPARE(p->EffectCombo()->currentText(), QString("Imp"));
        p->EffectCombo()->setCurrentIndex(49);
        p->UndodgeableBox()->setChecked(true);
        p->AnimCombo()->setCurrentIndex(0xFF);
        p->NormalLookCombo()->setCurrentIndex(1);
        p->ItemCombo(3)->setCurrentIndex(0x20);
        p->ControlCombo(2)->setCurrentIndex(0x33);
        p->SketchCombo(1)->setCurrentIndex(0x44);
        QCOMPARE(p->AnimCombo()->itemText(0), QString::fromStdString(AttackAnimListText(0)));
        sheet.accept();
        RomData& rd = doc->Rom();
        QCOMPARE(Stats(*doc, 5)[31], uint8_t(0x80 | 49));
        QCOMPARE(rd.monsters.specialAnims.bytes[5], uint8_t(0xFF));
        QCOMPARE(Stats(*doc, 5)[26], uint8_t(1));
        QCOMPARE(rd.monsters.monsterItems.bytes[5 * 4 + 3], uint8_t(0x20));
        QCOMPARE(rd.monsters.controlCommands.bytes[5 * 4 + 2], uint8_t(0x33));
        QCOMPARE(rd.monsters.sketchCommands.bytes[5 * 2 + 1], uint8_t(0x44));
    }

    void cancelRestoresTheTablesAsTheSheetOpened()
    {
        Fixture fx(m_folders);
        // An earlier editor's OK, not saved: Cancel must keep it.
        Stats(*fx.doc, 0)[0] = 0x77;
        const RomData opened = fx.Rom();
        CMonsterEd& sheet = fx.Open("PrevSmst", 0);
        sheet.show();
        TypeInto(sheet.Specs()->NumberField("speed"), "1");
        ClickCell(sheet.Specs()->Statuses(), 3, 1);
        fx.messages.QueueAnswer(false);
        sheet.reject();
        QVERIFY(sheet.isVisible()); // the user kept the edits
        QCOMPARE(fx.messages.LastText(), QString(kDiscardChangesQuestion));
        fx.messages.QueueAnswer(true);
        sheet.reject();
        QCOMPARE(fx.Rom().monsters.monsters.bytes, opened.monsters.monsters.bytes);
        QCOMPARE(Stats(*fx.doc, 0)[0], uint8_t(0x77));
        QVERIFY(!fx.doc->IsModified());
    }

    void aQuoteAppliedCountsAsAnEditOfTheSheet()
    {
        Fixture fx(m_folders);
        const std::vector<uint8_t> opened = fx.Rom().text.monsterDialogue.Data();
        CMonsterEd& sheet = fx.Open();
        auto* quotes = qobject_cast<CMstQutsPage*>(sheet.Page("Big Quotes"));
        QVERIFY(quotes);
        CTextPage* text = quotes->TextPage();
        text->Select(2);
        text->Edit()->setPlainText(QStringLiteral("Kweh!"));
        text->OnApply();
        QVERIFY(fx.Rom().text.monsterDialogue.Data() != opened);
        fx.messages.QueueAnswer(true);
        sheet.reject();
        QCOMPARE(fx.messages.LastText(), QString(kDiscardChangesQuestion));
        QCOMPARE(fx.Rom().text.monsterDialogue.Data(), opened);
    }

    void brokenQuotePointersLeaveThatPageOut()
    {
        std::vector<uint8_t> img = synth::BuildSyntheticImage(VariantOptions("us10-headerless"));
        const TextBlockPlace dlg = MonsterDialoguePlace(1);
        // The last quote runs off the end of its text area.
        std::fill(img.begin() + dlg.text + dlg.size - 40, img.begin() + dlg.text + dlg.size, uint8_t(0x85));
        const uint16_t ptr = static_cast<uint16_t>(dlg.base + dlg.size - 20);
        img[dlg.pointers + 2 * 255] = static_cast<uint8_t>(ptr);
        img[dlg.pointers + 2 * 255 + 1] = static_cast<uint8_t>(ptr >> 8);
        Fixture fx(m_folders, img);
        QVERIFY(fx.doc);
        CMonsterEd& sheet = fx.Open();
        QCOMPARE(fx.messages.Log().size(), 1);
        QCOMPARE(fx.messages.Log()[0].kind, QString("error"));
        QCOMPARE(fx.messages.Log()[0].text, QString(kBigQuotesProblem));
        QCOMPARE(sheet.Tabs()->count(), 4);
        QVERIFY(sheet.Page("Small Quotes") && !sheet.Page("Big Quotes"));
        TypeInto(sheet.Specs()->NumberField("mp"), "12");
        sheet.accept();
        QCOMPARE(Stats(*fx.doc, sheet.Specs()->Current())[10], uint8_t(12));
    }

    void aBattleScriptPageTakesTheSecondPlace()
    {
        auto doc = Open("us10-headerless");
        // A page about one monster starts on the Specs page's monster and
        // follows its selection.
        class ScriptPage : public QWidget, public CSheetPage {
        public:
            int monster = -1;
        };
        MonsterScriptPageFactory() = [](CMonsterEd& sheet) -> QWidget* {
            auto* page = new ScriptPage;
            page->monster = sheet.Specs()->Current();
            QObject::connect(sheet.Specs(), &CMonsterSpecsPage::MonsterChanged, page, [page](int i) { page->monster = i; });
            return page;
        };
        IndexSetting("PrevSmst").Set(17);
        {
            CMonsterEd sheet(*doc);
            QCOMPARE(sheet.Tabs()->tabText(1), QString("Battle Script"));
            QCOMPARE(sheet.Tabs()->count(), 5);
            auto* page = static_cast<ScriptPage*>(sheet.Page("Battle Script"));
            QCOMPARE(page->monster, 17);
            sheet.Specs()->Select(300);
            QCOMPARE(page->monster, 300);
        }
        // A script set that cannot be edited: the factory gives no page.
        MonsterScriptPageFactory() = [](CMonsterEd&) -> QWidget* { return nullptr; };
        {
            CMonsterEd sheet(*doc);
            QCOMPARE(sheet.Tabs()->tabText(1), QString("Enemy Specials Anim."));
        }
        MonsterScriptPageFactory() = nullptr;
    }

    void spriteExportIsTheCommandLinesPicture()
    {
        Fixture fx(m_folders);
        CMonsterEd& sheet = fx.Open("PrevSmst", 51);
        const QString path = m_folders.Images() + "/mst051.bmp";
        QVERIFY(sheet.Specs()->ExportSprite(path));
        QCOMPARE(fx.messages.LastText(), QString("`%1' created").arg(path));
        CFF6Bitmap bmp;
        RenderMonster(fx.Rom(), 51, bmp, 1);
        const std::vector<uint8_t> expected = bmp.BmpBytes();
        QCOMPARE(FileBytes(path), QByteArray(reinterpret_cast<const char*>(expected.data()), static_cast<qsizetype>(expected.size())));
        QVERIFY(!sheet.Specs()->ExportSprite(m_folders.Images() + "/no/such/folder/mst051.bmp"));
        QCOMPARE(fx.messages.LastText(), QString("Can't create file!!"));
    }

    void japaneseReleaseHidesTheReportAndHasShortAttackNames()
    {
        auto doc = Open("jp");
        CMonsterEd sheet(*doc);
        QVERIFY(!sheet.Specs()->ReportButton()->isVisibleTo(sheet.Specs()));
        QCOMPARE(GetNameList(doc->Rom(), NameListId::SpecialAttack).nameLen, 8u);
        QCOMPARE(sheet.Specs()->AttackName()->pixmap().width(), 8 * 8 * kNamePictureScale);
    }

    void editAndSaveWritesOnlyTheSheetsTables()
    {
        auto doc = Open("us10-headerless");
        const QString path = QString::fromStdString(doc->Rom().path);
        const QByteArray before = FileBytes(path);
        IndexSetting("PrevSmst").Set(100);
        CMonsterEd sheet(*doc);
        CMonsterSpecsPage* p = sheet.Specs();
        for (const char* key : {"speed", "hp", "gold", "level"})
            TypeInto(p->NumberField(key), "3");
        ClickCell(p->Statuses(), 0, 0);
        ClickCell(p->Flags(), 23, 0);
        p->ItemCombo(0)->setCurrentIndex(1);
        p->RageCombo(0)->setCurrentIndex(2);
        p->ControlCombo(3)->setCurrentIndex(3);
        p->SketchCombo(0)->setCurrentIndex(4);
        p->AnimCombo()->setCurrentIndex(5);
        sheet.accept();
        QVERIFY(doc->OnSaveDocument(path.toStdString()).ok);
        const QByteArray after = FileBytes(path);
        QCOMPARE(after.size(), before.size());
        // The monster statistics, items, special-attack looks and commands.
        const std::pair<uint32_t, uint32_t> owned[] = {
            {0xF0000, 384 * 32}, {0xF3000, 384 * 4}, {0xF37C0, 384}, {0xF3D00, 384 * 4}, {0xF4300, 384 * 2}, {0xF4600, 256 * 2}};
        int changed = 0;
        for (qsizetype i = 0; i < after.size(); ++i) {
            if (after[i] == before[i])
                continue;
            ++changed;
            bool inside = false;
            for (const auto& [start, size] : owned)
                inside = inside || (static_cast<uint32_t>(i) >= start && static_cast<uint32_t>(i) < start + size);
            QVERIFY2(inside, qPrintable(QString("byte 0x%1 changed").arg(i, 0, 16)));
        }
        QVERIFY(changed >= 8);
    }
};

QUORVEX_APP_TEST(MonsterEditorTest)
#include "MonsterEditorTest.moc"
