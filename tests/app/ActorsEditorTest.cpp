// The Actors Editor driven offscreen on the demo image: the startup page
// (run success, clamped fields, copy and paste, the remembered actor), the
// natural magic levels, the evolution page's views, edits, quick info,
// export and import, the chart and the wizard, the technique names and
// lores, the rages, the toolbar command, Cancel restoring every table, and
// a screenshot of each page, the chart and the wizard.
#include <QCheckBox>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QValueAxis>
#include <QtTest>

#include "AppTestMain.h"
#include "AppTestSupport.h"
#include "MessageService.h"
#include "RenSmallDia.h"
#include "actors/StartupActors.h"
#include "actors/StartupHpMpExpPage.h"
#include "actors/StartupMagic.h"
#include "actors/StartupRagePage.h"
#include "actors/StartupSheet.h"
#include "actors/StatupBlitzSwtechPage.h"
#include "actors/WizHpmpexpDia.h"
#include "controls/FieldControls.h"
#include "rom/Document.h"
#include "rom/TableDiff.h"

using namespace quorvex;

namespace {


void Type(QLineEdit* field, const QString& text)
{
    field->selectAll();
    QTest::keyClicks(field, text);
}

void Shot(QWidget& w, const QString& name) { QVERIFY(w.grab().save(QString(QUORVEX_SCREENSHOT_DIR) + "/" + name)); }

uint16_t ExpWord(const RomData& rd, int row)
{
    return static_cast<uint16_t>(rd.actors.experience.bytes[2 * row] | (rd.actors.experience.bytes[2 * row + 1] << 8));
}

} // namespace

class ActorsEditorTest : public QObject {
    Q_OBJECT

private:
    CQuorvexDoc m_doc;
    RomData& Rd() { return m_doc.Rom(); }
    uint8_t ActorByte(int actor, int byte) { return Rd().actors.startup.bytes[static_cast<size_t>(actor * 22 + byte)]; }

private slots:
    void initTestCase()
    {
        IsolateSettings(QDir::tempPath() + "/quorvex_actors_editor_settings");
        QuorvexSettings().remove(QStringLiteral("Settings"));
        const QString path = QDir::tempPath() + "/quorvex_actors_editor_test.smc";
        QVERIFY(synth::WriteSyntheticImage(path.toStdString()));
        QVERIFY(m_doc.OnOpenDocument(path.toStdString()).ok);
    }

    void pagesAndScreenshots()
    {
        QuorvexSettings().setValue(QStringLiteral("Settings/ActStUpIdx"), 64); // past the last actor: actor 0
        CStartupSheet sheet(m_doc);
        sheet.show();
        QCOMPARE(sheet.windowTitle(), QString("Actors Editor"));
        const QStringList tabs = {"Actors Startup", "Natural Magic", "Actors Evolution", "Blitz, Sw. tech && Lores",
                                  "Rage"};
        QCOMPARE(TabTitles(sheet.Tabs()), tabs);
        QCOMPARE(PageOf<CStartupActors>(sheet.Tabs(), 0)->Current(), 0);
        const char* const shots[] = {"actors_startup.png", "actors_natural_magic.png", "actors_evolution.png",
                                     "actors_techniques.png", "actors_rage.png"};
        for (int i = 0; i < tabs.size(); ++i) {
            sheet.Tabs()->setCurrentIndex(i);
            Shot(sheet, shots[i]);
        }
        PageOf<CStartupActors>(sheet.Tabs(), 0)->Selector()->setValue(12);
        sheet.accept();
        QCOMPARE(IndexSetting("ActStUpIdx").Get(64), 12);
        QVERIFY(m_doc.IsModified());
    }

    void startupFieldsRunSuccessAndClamps()
    {
        CStartupSheet sheet(m_doc);
        sheet.show();
        auto* page = PageOf<CStartupActors>(sheet.Tabs(), 0);
        QCOMPARE(page->Current(), 12);
        page->Selector()->setValue(7);
        QVERIFY(page->Selector()->hasFocus() || !sheet.isActiveWindow());
        // Run success: 6 is kept as code 3 and shown back as 2; 2-5 come back unchanged.
        const int shownBack[][2] = {{6, 2}, {2, 2}, {3, 3}, {4, 4}, {5, 5}};
        for (const auto& r : shownBack) {
            Type(page->RunSuccess(), QString::number(r[0]));
            page->Selector()->setValue(8);
            page->Selector()->setValue(7);
            QCOMPARE(page->RunSuccess()->text(), QString::number(r[1]));
            QCOMPARE(ActorByte(7, 21) & 3, 5 - r[1]);
        }
        const uint8_t flags = ActorByte(7, 21);
        Type(page->Stat(2), "1234567"); // vigor: five characters read, clamped to 255
        Type(page->Stat(0), "-5");      // extra HP
        page->LevelFactor()->setCurrentIndex(3);
        page->Flag(2)->setChecked(!page->Flag(2)->isChecked());
        page->Command(1)->setCurrentIndex(17);
        page->Equipment(5)->setCurrentIndex(200);
        page->Selector()->setValue(8);
        QCOMPARE(ActorByte(7, 6), uint8_t(255));
        QCOMPARE(ActorByte(7, 0), uint8_t(0));
        QCOMPARE((ActorByte(7, 21) >> 2) & 3, 3);
        QCOMPARE(ActorByte(7, 21) & 0x40, (flags & 0x40) ^ 0x40);
        QCOMPARE(ActorByte(7, 21) & 0xB3, flags & 0xB3); // the run code and the other flags stay
        QCOMPARE(ActorByte(7, 3), uint8_t(17));
        QCOMPARE(ActorByte(7, 20), uint8_t(200));
        sheet.accept();
    }

    void copyAndPasteAWholeActor()
    {
        CStartupSheet sheet(m_doc);
        sheet.show();
        auto* page = PageOf<CStartupActors>(sheet.Tabs(), 0);
        QVERIFY(!page->PasteButton()->isEnabled());
        page->Selector()->setValue(3);
        page->Copy();
        QVERIFY(page->PasteButton()->isEnabled());
        page->Selector()->setValue(40);
        page->Paste();
        const auto& a = Rd().actors.startup.bytes;
        QVERIFY(std::equal(a.begin() + 3 * 22, a.begin() + 4 * 22, a.begin() + 40 * 22));
        QCOMPARE(Rd().names.actorNames.Get(40), Rd().names.actorNames.Get(3));
        QCOMPARE(page->Stat(2)->text(), QString::number(a[3 * 22 + 6]));
        QVERIFY(sheet.Edited());
        sheet.accept();
    }

    void naturalMagicLevelsKeepToOneToNinetyNine()
    {
        CStartupSheet sheet(m_doc);
        sheet.show();
        auto* page = PageOf<CStartupMagic>(sheet.Tabs(), 1);
        QCOMPARE(page->Actor(0)->text(), QString::fromStdWString(Rd().names.actorNames.Decode(0, Rd().romType)));
        QCOMPARE(page->Actor(1)->text(), QString::fromStdWString(Rd().names.actorNames.Decode(6, Rd().romType)));
        page->Actor(1)->click();
        QCOMPARE(page->Current(), 1);
        Type(page->Level(0), "0");
        Type(page->Level(15), "150");
        page->Spell(15)->setCurrentIndex(53);
        page->Actor(0)->click();
        const auto& m = Rd().actors.naturalMagic.bytes;
        QCOMPARE(m[32 + 1], uint8_t(1));
        QCOMPARE(m[32 + 31], uint8_t(99));
        QCOMPARE(m[32 + 30], uint8_t(53));
        sheet.accept();
    }

    void evolutionViewsEditsAndQuickInfo()
    {
        CStartupSheet sheet(m_doc);
        sheet.show();
        sheet.Tabs()->setCurrentIndex(2);
        auto* page = PageOf<CStartupHpMpExpPage>(sheet.Tabs(), 2);
        QCOMPARE(page->Chart()->title(), QString("HP Evolution"));
        QCOMPARE(page->Series()->count(), 98);
        QCOMPARE(page->List()->horizontalHeaderItem(0)->text(), QString("HP"));
        QCOMPARE(page->List()->item(97, 1)->text(), QString("99"));

        // Absolute view: a value below the running total stores 0.
        std::vector<uint8_t>& hp = Rd().actors.hpGrowth.bytes;
        page->EditRow(10, QString::number(page->Shown()[9] - 5));
        QCOMPARE(hp[10], uint8_t(0));
        page->List()->item(11, 0)->setText(QString::number(page->Shown()[10] + 7)); // typed into the cell
        QCOMPARE(hp[11], uint8_t(7));
        QVERIFY(sheet.Edited());

        page->TableButton(2)->click();
        page->ViewButton(1)->click();
        QCOMPARE(page->Chart()->title(), QString("Experience Needed"));
        QCOMPARE(page->List()->horizontalHeaderItem(0)->text(), QString("Exp."));
        const auto* axes = page->Chart()->axes(Qt::Vertical).first();
        QCOMPARE(axes->titleText(), QString("Exp. pnts."));
        page->EditRow(4, "100");
        QCOMPARE(ExpWord(Rd(), 4), uint16_t(12));
        QCOMPARE(page->List()->item(4, 0)->text(), QString("96"));
        page->EditRow(5, "600000");
        QCOMPARE(ExpWord(Rd(), 5), uint16_t(65535));
        QCOMPARE(page->List()->item(5, 0)->text(), QString("524280"));
        QCOMPARE(page->Series()->at(5).y(), 524280.0);
        Shot(*page->ChartView(), "actors_evolution_chart.png");

        page->TableButton(1)->click();
        for (int r = 0; r < 98; ++r)
            page->EditRow(r, "0");
        QCOMPARE(page->QuickInfo()->text(),
                 QString("Total at level 99: 0\nMaximum increase was 0 at level 0\nMinimum increase was 0 at level 2"));
        sheet.accept();
    }

    void evolutionExportAndImport()
    {
        ScopedRecordingMessages messages;
        QTemporaryDir dir;
        const QString old = QDir::currentPath();
        QDir::setCurrent(dir.path());
        CStartupSheet sheet(m_doc);
        sheet.show();
        auto* page = PageOf<CStartupHpMpExpPage>(sheet.Tabs(), 2);
        page->SetTable(GrowthTable::Mp);
        page->SetView(GrowthView::Increment);
        page->Export();
        QCOMPARE(messages.LastKind(), QString("information"));
        QCOMPARE(messages.LastText(), QString("`MP_inc.txt' created"));
        QCOMPARE(FileBytes(dir.filePath("MP_inc.txt")),
                 QByteArray::fromStdString(GrowthExportText(Rd(), GrowthTable::Mp, GrowthView::Increment)));

        const std::vector<uint8_t> mp = Rd().actors.mpGrowth.bytes;
        QFile short97(dir.filePath("short.txt"));
        QVERIFY(short97.open(QIODevice::WriteOnly));
        for (int i = 0; i < 97; ++i)
            short97.write("9\n");
        short97.close();
        page->ImportFile(short97.fileName());
        QCOMPARE(messages.LastText(), QString("Only read 97 values / 98, canceling import"));
        QCOMPARE(messages.LastKind(), QString("information"));
        QCOMPARE(Rd().actors.mpGrowth.bytes, mp);
        page->ImportFile(dir.filePath("missing.txt"));
        QCOMPARE(messages.LastKind(), QString("error"));
        QCOMPARE(messages.LastText(), QString("Can't read import file!!"));

        QVERIFY(short97.open(QIODevice::Append));
        short97.write("42\n");
        short97.close();
        page->ImportFile(short97.fileName());
        QCOMPARE(messages.LastText(), QString("Succesfully imported values"));
        QCOMPARE(Rd().actors.mpGrowth.bytes[0], uint8_t(9));
        QCOMPARE(Rd().actors.mpGrowth.bytes[97], uint8_t(42));
        QCOMPARE(page->List()->item(97, 0)->text(), QString("42"));
        sheet.accept();
        QDir::setCurrent(old);
    }

    void evolutionWizardBuildsSegments()
    {
        CStartupSheet sheet(m_doc);
        sheet.show();
        auto* page = PageOf<CStartupHpMpExpPage>(sheet.Tabs(), 2);
        page->SetTable(GrowthTable::Hp);
        page->SetView(GrowthView::Absolute);
        page->OpenWizard();
        CWizHpmpexpDia* wiz = page->Wizard();
        QVERIFY(wiz && wiz->isVisible());
        QVERIFY(!wiz->isModal());
        QCOMPARE(wiz->windowTitle(), QString("Evolution Wizard"));
        page->OpenWizard(); // already open: the same window
        QCOMPARE(page->Wizard(), wiz);

        // Linear from 0 at level 2 to 2400 at level 50: 50 a level.
        wiz->ChooseKind(1);
        wiz->TypeField(CWizHpmpexpDia::kInitial, "0");
        wiz->TypeField(CWizHpmpexpDia::kFinal, "2400");
        wiz->TypeField(CWizHpmpexpDia::kFirst, "2");
        wiz->TypeField(CWizHpmpexpDia::kLast, "50");
        wiz->Apply();
        QCOMPARE(wiz->GainLabel()->text(), QString("50.00000"));
        QCOMPARE(Rd().actors.hpGrowth.bytes[0], uint8_t(0));
        QCOMPARE(Rd().actors.hpGrowth.bytes[48], uint8_t(50));
        // The next segment starts where this one ended.
        QCOMPARE(wiz->FieldEdit(CWizHpmpexpDia::kInitial)->text(), QString("2400"));
        QCOMPARE(wiz->FieldEdit(CWizHpmpexpDia::kFirst)->text(), QString("50"));
        QCOMPARE(wiz->FieldEdit(CWizHpmpexpDia::kLast)->text(), QString("99"));
        // Constant: the final value is not editable; the rest stays at 2400.
        wiz->ChooseKind(0);
        QVERIFY(!wiz->FieldEdit(CWizHpmpexpDia::kFinal)->isEnabled());
        wiz->Apply();
        for (int row = 49; row < 98; ++row)
            QCOMPARE(Rd().actors.hpGrowth.bytes[static_cast<size_t>(row)], uint8_t(0));
        QCOMPARE(page->Shown()[97], 2400);
        // Fields clamp to the table's range when they lose focus.
        wiz->TypeField(CWizHpmpexpDia::kInitial, "123456");
        QCOMPARE(wiz->FieldEdit(CWizHpmpexpDia::kInitial)->text(), QString("9999"));
        wiz->ChooseKind(5);
        wiz->TypeField(CWizHpmpexpDia::kPower, "-40");
        QCOMPARE(wiz->FieldEdit(CWizHpmpexpDia::kPower)->text(), QString("-10"));
        Shot(*wiz, "evolution_wizard.png");

        // The page passes its table on: experience allows 9 999 999.
        page->SetTable(GrowthTable::Exp);
        QCOMPARE(wiz->Model().Table(), GrowthTable::Exp);
        wiz->TypeField(CWizHpmpexpDia::kInitial, "9999999");
        QCOMPARE(wiz->Model().Initial(), 9999999);
        QCOMPARE(wiz->Model().Working(), page->Shown());
        sheet.accept();
        QVERIFY(!page->Wizard() || !page->Wizard()->isVisible());
    }

    void techniqueNamesLevelsAndLores()
    {
        CStartupSheet sheet(m_doc);
        sheet.show();
        auto* page = PageOf<CStatupBlitzSwtechPage>(sheet.Tabs(), 3);
        const auto spell = [this](int i) { return QString::fromStdWString(SpellListText(Rd(), i)); };
        QCOMPARE(page->BlitzName(0)->text(), spell(93));
        QVERIFY(page->SwordName(7)->text().startsWith(spell(92)));
        QCOMPARE(page->Lores()->item(0, 0)->text(), spell(139));
        // A start past 248 shows the names from 248.
        page->ChooseStart(CStatupBlitzSwtechPage::kBlitz, 250);
        QCOMPARE(page->Start(CStatupBlitzSwtechPage::kBlitz)->currentIndex(), 248);
        QCOMPARE(page->BlitzName(0)->text(), spell(248));
        QCOMPARE(page->BlitzName(7)->text(), spell(255));
        page->ChooseStart(CStatupBlitzSwtechPage::kLore, 250);
        QCOMPARE(page->Lores()->item(23, 0)->text(), spell(255));

        Rd().actors.lores.bytes = {0x00, 0x00, 0x00};
        page->Refresh();
        Type(page->BlitzLevel(2), "0");
        Type(page->SwordLevel(5), "777");
        page->Lores()->Column(0).HeaderClick(); // none set: all set
        page->Lores()->Redraw();
        sheet.Tabs()->setCurrentIndex(3);
        Shot(sheet, "actors_techniques_edited.png");
        sheet.accept();
        QCOMPARE(Rd().actors.techniqueLevels.bytes[8 + 2], uint8_t(1));
        QCOMPARE(Rd().actors.techniqueLevels.bytes[5], uint8_t(99));
        QCOMPARE(Rd().actors.lores.bytes, (std::vector<uint8_t>{0xFF, 0xFF, 0xFF}));
    }

    void ragesByMonster()
    {
        CStartupSheet sheet(m_doc);
        sheet.show();
        auto* page = PageOf<CStartupRagePage>(sheet.Tabs(), 4);
        CCheckListControl* list = page->List();
        QCOMPARE(list->rowCount(), 256);
        QCOMPARE(list->item(255, 0)->text(), QString::fromStdWString(Rd().names.monsterNames.Decode(255, Rd().romType)));
        const bool was = list->Column(0).Cell(255);
        list->Column(0).Toggle(255);
        list->Column(0).Toggle(9);
        sheet.accept();
        QCOMPARE((Rd().actors.rages.bytes[31] >> 7) & 1, was ? 0 : 1);
    }

    void cancelRestoresEveryTableAsOpened()
    {
        ScopedRecordingMessages messages;
        const RomData opened = Rd();
        CStartupSheet sheet(m_doc);
        sheet.show();
        auto* actors = PageOf<CStartupActors>(sheet.Tabs(), 0);
        Type(actors->Stat(3), "99");
        actors->Selector()->setValue(actors->Current() + 1);
        PageOf<CStartupMagic>(sheet.Tabs(), 1)->Spell(3)->setCurrentIndex(7);
        PageOf<CStartupHpMpExpPage>(sheet.Tabs(), 2)->EditRow(0, "250");
        Type(PageOf<CStatupBlitzSwtechPage>(sheet.Tabs(), 3)->SwordLevel(0), "50");
        PageOf<CStartupRagePage>(sheet.Tabs(), 4)->List()->Column(0).Toggle(0);
        WhenOpen<CRenSmallDia>([](CRenSmallDia* dia) {
            QTest::keyClicks(dia, "Bob");
            dia->OkButton()->click();
        });
        actors->Rename();
        QCOMPARE(Rd().names.actorNames.Get(static_cast<uint32_t>(actors->Current()))[0], uint8_t(0x81));
        messages.QueueAnswer(true);
        sheet.reject();
        QCOMPARE(messages.LastText(), QString(kDiscardChangesQuestion));
        QCOMPARE(DiffTables(Rd(), opened), std::vector<std::string>{});
        QCOMPARE(Rd().actors.startup.bytes, opened.actors.startup.bytes);
        QCOMPARE(Rd().actors.naturalMagic.bytes, opened.actors.naturalMagic.bytes);
        QCOMPARE(Rd().actors.hpGrowth.bytes, opened.actors.hpGrowth.bytes);
        QCOMPARE(Rd().actors.techniqueLevels.bytes, opened.actors.techniqueLevels.bytes);
        QCOMPARE(Rd().actors.rages.bytes, opened.actors.rages.bytes);
        QCOMPARE(Rd().names.actorNames.bytes, opened.names.actorNames.bytes);
    }

    void toolbarCommandOpensTheSheet() { QVERIFY(OpensFromToolbar<CStartupSheet>(EditorCommand::ActorEditor, m_doc)); }
};

QUORVEX_APP_TEST(ActorsEditorTest)
#include "ActorsEditorTest.moc"
