// The Magic Spells Editor on the synthetic images of both releases: its
// pages with screenshots, the effect list and its unknown codes, flags
// from their bytes, which description block each spell opens, the esper
// bonus list, and a block with broken pointers.
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

#include "AppTestMain.h"
#include "AppTestModal.h"
#include "AppTestSupport.h"
#include "DialogEditor.h"
#include "EditorRegistry.h"
#include "EsperExtrasPage.h"
#include "MagicEd.h"
#include "MessageService.h"
#include "SheetOnImage.h"
#include "SpellsPage.h"
#include "TextPage.h"
#include "controls/FieldControls.h"
#include "controls/Settings.h"
#include "editors/MagicTables.h"
#include "rom/RomData.h"

using namespace quorvex;

class MagicEditorTest : public QObject {
    Q_OBJECT
private:
    TestFolders m_folders;
    using Fixture = SheetOnImage<CMagicEd>;

    // Clicks the spell's description button: the block and string the text
    // editor opened on (null block: none opened).
    static std::pair<const CFF6DynTextObj*, int> OpenedBy(CSpellsPage* p)
    {
        std::pair<const CFF6DynTextObj*, int> opened{nullptr, -1};
        WhenModal<CTextEditorDia> watch([&](CTextEditorDia* dlg) {
            opened = {dlg->Page()->Logic().Config().block, dlg->Page()->Selected()};
            dlg->reject();
        });
        if (p->DescriptionButton()->isEnabled())
            QTest::mouseClick(p->DescriptionButton(), Qt::LeftButton);
        return opened;
    }

private slots:
    void initTestCase() { QVERIFY(m_folders.Ready()); }

    void registeredOnTheSpellsCommand() { QCOMPARE(int(EditorRegistry().count(EditorCommand::SpellEditor)), 1); }

    void pagesOfBothReleasesWithScreenshots()
    {
        for (const QString& variant : {QString("us10-headerless"), QString("jp")}) {
            Fixture fx(m_folders, variant);
            CMagicEd& sheet = fx.Open("m_spellIdx", 12);
            QCOMPARE(sheet.windowTitle(), QString("Quorvex: Magic Spells Editor"));
            QVERIFY(fx.messages.Log().isEmpty());
            const QStringList titles = {"Spells", "Esper Extras", "Animations"};
            QCOMPARE(TabTitles(sheet.Tabs()), titles);
            QCOMPARE(sheet.Spells()->Current(), 12);
            QVERIFY(!sheet.Spells()->Description()->text().isEmpty());
            QCOMPARE(sheet.Espers()->Quote()->text().isEmpty(), variant == "jp");
            sheet.resize(1200, 820);
            sheet.show();
            QVERIFY(ShootEachTab(sheet, sheet.Tabs(), "MagicEditor_" + variant + "_"));
            sheet.reject();
        }
    }

    void effectListAndFlags()
    {
        Fixture fx(m_folders);
        uint8_t* rec = SpellRecord(fx.Rom(), 33);
        rec[9] = 0x14;
        rec[3] = 0x41;
        CMagicEd& sheet = fx.Open("m_spellIdx", 33);
        CSpellsPage* p = sheet.Spells();
        QCOMPARE(p->Effects()->currentRow(), 0x14);
        QCOMPARE(p->Effects()->item(0x14, 0)->text(), QString("? (0x14)"));
        QCOMPARE(p->Effects()->item(0x1B, 0)->text(), QString("Drains HP"));
        QCOMPARE(p->Effects()->item(0x1B, 1)->text(), QString("Drain"));
        CCheckListControl* damage = p->List("damage_type");
        QCOMPARE(damage->item(0, 0)->text(), QString("Can use outside battle"));
        QCOMPARE(damage->item(6, 0)->text(), QString("Caster dies"));
        for (int r = 0; r < 8; ++r)
            QCOMPARE(damage->Column(0).Cell(r), r == 0 || r == 6);
        QCOMPARE(p->List("targeting")->item(0, 0)->text(), QString("Cursor moveable"));
        QCOMPARE(p->List("elements")->item(0, 0)->text(), QString("Fire"));
        // Choosing another effect row stores byte 9.
        p->Effects()->selectRow(0x1C);
        p->Select(34);
        QCOMPARE(rec[9], uint8_t(0x1C));
        QCOMPARE(rec[3], uint8_t(0x41));
        sheet.accept();
        QCOMPARE(QuorvexSettings().value("Settings/SpellFxIdx").toInt(), SpellRecord(fx.Rom(), 34)[9]);
    }

    void eachSpellOpensItsBlock()
    {
        Fixture fx(m_folders);
        MagicTables& m = fx.Rom().editors.magic;
        CMagicEd& sheet = fx.Open();
        CSpellsPage* p = sheet.Spells();
        const struct {
            int spell, block, index;
        } opens[] = {{54, kEsperAttackDesc, 0}, {139, kLoreDesc, 0}, {5, kMagicDesc, 5}, {162, kLoreDesc, 23}};
        for (const auto& o : opens) {
            p->Select(o.spell);
            const auto opened = OpenedBy(p);
            QCOMPARE(opened.first, &m.spellDescriptions[static_cast<size_t>(o.block)].block);
            QCOMPARE(opened.second, o.index);
        }
        QVERIFY(fx.messages.Log().isEmpty());
        // Spell 92 is the third block's string 7, whose place is not known.
        p->Select(92);
        QVERIFY(p->DescriptionButton()->isEnabled());
        QCOMPARE(OpenedBy(p).first, nullptr);
        QCOMPARE(fx.messages.Log().size(), 1);
        QVERIFY(fx.messages.Log()[0].text.contains("Sword Technique Descriptions"));
        // Spells 81 and 101 have no description: nothing opens.
        fx.messages.Clear();
        for (int spell : {81, 101}) {
            p->Select(spell);
            QVERIFY(!p->DescriptionButton()->isEnabled());
            QVERIFY(!p->OpenDescription());
        }
        // The lore quote button does nothing below 81.
        p->Select(80);
        QVERIFY(!p->OpenLoreQuote());
        QVERIFY(fx.messages.Log().isEmpty());
        sheet.reject();
    }

    void esperBonusFFSelectsTheLastRow()
    {
        Fixture fx(m_folders);
        EsperRecord(fx.Rom(), 4)[10] = 0xFF;
        EsperRecord(fx.Rom(), 5)[10] = 0x03;
        CMagicEd& sheet = fx.Open("EsperExtrasIdx", 4);
        CEsperExtrasPage* e = sheet.Espers();
        QTableWidget* list = e->Bonuses();
        QCOMPARE(list->currentRow(), list->rowCount() - 1);
        QVERIFY(!list->item(3, 0)->text().isEmpty());
        QVERIFY(!list->item(3, 1)->text().isEmpty());
        e->Select(5);
        QCOMPARE(list->currentRow(), 3);
        list->selectRow(list->rowCount() - 1);
        e->Select(6);
        QCOMPARE(EsperRecord(fx.Rom(), 5)[10], uint8_t(0xFF));
        sheet.accept();
    }

    void brokenSpellDescriptionsAreRefused()
    {
        std::vector<uint8_t> bytes = synth::BuildSyntheticImage();
        bytes[0x18CF80 + 2] = 0xF0;
        bytes[0x18CF80 + 3] = 0x7F;
        Fixture fx(m_folders, bytes);
        QVERIFY(fx.doc);
        CMagicEd& sheet = fx.Open();
        sheet.Spells()->Select(7);
        QCOMPARE(OpenedBy(sheet.Spells()).first, nullptr);
        QCOMPARE(fx.messages.Log().size(), 1);
        QCOMPARE(fx.messages.Log()[0].text, QString::fromLatin1(kSpellDescProblem));
        // The esper attacks' own block still opens.
        fx.messages.Clear();
        sheet.Spells()->Select(60);
        QVERIFY(OpenedBy(sheet.Spells()).first != nullptr);
        QVERIFY(fx.messages.Log().isEmpty());
        sheet.reject();
    }
};

QUORVEX_APP_TEST(MagicEditorTest)
#include "MagicEditorTest.moc"
