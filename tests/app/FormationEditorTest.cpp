// The Monsters Formations Editor driven offscreen on the synthetic image:
// the three pages through their edge cases (the empty slot 0x1FF,
// formation 520, pack 300, zones 0x90 and 0x10, Play music), copy and
// paste, the report, OK and Cancel, with a screenshot of every page.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "AppTestMain.h"
#include "AppTestSupport.h"
#include "EditorRegistry.h"
#include "FormPackPage.h"
#include "FormThumbnailsDia.h"
#include "FormZoningPage.h"
#include "FormationPicture.h"
#include "MessageService.h"
#include "MonstFormEd.h"
#include "MonstFormPage.h"
#include "MonsterEd.h"
#include "MonsterSpecsPage.h"
#include "ZoneMiniMap.h"
#include "controls/FieldControls.h"
#include "monsters/FormationTables.h"
#include "monsters/Reports.h"
#include "rom/Document.h"

using namespace quorvex;

namespace {

std::vector<uint8_t> Bytes(const uint8_t* p, size_t n) { return std::vector<uint8_t>(p, p + n); }

// Pixels that differ between two pictures of the same size.
int Differing(const QPixmap& a, const QPixmap& b)
{
    const QImage x = a.toImage(), y = b.toImage();
    if (x.size() != y.size())
        return -1;
    int n = 0;
    for (int r = 0; r < x.height(); ++r)
        for (int c = 0; c < x.width(); ++c)
            n += x.pixel(c, r) != y.pixel(c, r);
    return n;
}

void Type(CNumberField* field, const QString& text)
{
    field->selectAll();
    QTest::keyClicks(field, text);
    emit field->editingFinished();
}

} // namespace

class FormationEditorTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    CQuorvexDoc m_doc;

    void Shot(QWidget* w, const char* name)
    {
        QVERIFY(w->grab().save(QStringLiteral(QUORVEX_SCREENSHOT_DIR "/") + QLatin1String(name)));
    }
    RomData& Rd() { return m_doc.Rom(); }

private slots:
    void initTestCase()
    {
        IsolateSettings(m_dir.filePath(QStringLiteral("settings")));
        QuorvexSettings().clear();
        QVERIFY(OpenSyntheticImage(m_doc, m_dir.filePath(QStringLiteral("demo.smc"))));
    }

    void pagesShowTheFormationsOnTheirBackground()
    {
        CMonstFormEd sheet(m_doc);
        sheet.resize(1100, 760);
        sheet.show();
        QCOMPARE(sheet.windowTitle(), QStringLiteral("Quorvex: Monsters Formations Editor"));
        QCOMPARE(sheet.Tabs()->count(), 3);
        QCOMPARE(sheet.Tabs()->tabText(0), QStringLiteral("Formations"));
        QCOMPARE(sheet.Tabs()->tabText(1), QStringLiteral("Packs"));
        QCOMPARE(sheet.Tabs()->tabText(2), QStringLiteral("Zoning"));

        CMonstFormPage* page = sheet.FormationsPage();
        page->BackgroundList()->setCurrentIndex(1); // "WoB - Desert"
        // A formation with monsters: the preview differs from its background.
        int shown = 0;
        for (int f = 0; f < kFormationCount && !shown; ++f) {
            const uint8_t* rec = FormationBytes(Rd(), f);
            if ((rec[1] & 1) && FormationSlotMonster(rec, 0) < kFormationMonsterLimit)
                shown = f;
        }
        page->IndexSpin()->setValue(shown);
        QCOMPARE(page->Current(), shown);
        const QPixmap preview = page->Preview()->pixmap();
        QCOMPARE(preview.width(), 256);
        QVERIFY(Differing(preview, FormationPixmap(Rd(), -1, 3, 1)) > 200);
        QCOMPARE(page->SlotMonster(0)->currentIndex(), FormationSlotMonster(FormationBytes(Rd(), shown), 0));
        Shot(&sheet, "formation_formations.png");

        sheet.Tabs()->setCurrentIndex(1);
        sheet.PacksPage()->Select(3);
        QVERIFY(!sheet.PacksPage()->Picture(0)->pixmap().isNull());
        Shot(&sheet, "formation_packs.png");

        sheet.Tabs()->setCurrentIndex(2);
        CFormZoningPage* zones = sheet.ZoningPage();
        zones->Select(0x12);
        zones->OverlayNames()->setChecked(true);
        zones->RealBackground()->setChecked(true);
        Shot(&sheet, "formation_zoning.png");
        sheet.accept();
    }

    void theEmptySlotAndIllegalMonsters()
    {
        uint8_t* rec = FormationBytes(Rd(), 40);
        rec[1] = 0x3F;
        for (int s = 0; s < 6; ++s)
            SetFormationSlotMonster(rec, s, s == 0 ? kEmptySlotMonster : 400 + s);
        CMonstFormEd sheet(m_doc);
        CMonstFormPage* page = sheet.FormationsPage();
        page->Select(40);
        QCOMPARE(page->SlotMonster(0)->currentIndex(), 511);
        QCOMPARE(page->SlotMonster(0)->count(), 512);
        // Nothing is drawn for them: the preview is the background alone.
        QCOMPARE(Differing(page->Preview()->pixmap(), FormationPixmap(Rd(), -1, PreviewBackground(), 1)), 0);
        sheet.reject();
    }

    void formation520AndTheMusicAndEventSwitches()
    {
        CMonstFormEd sheet(m_doc);
        CMonstFormPage* page = sheet.FormationsPage();
        page->Select(520);
        QVERIFY(!page->MagicPoints()->isEnabled());
        QCOMPARE(page->OptionBox("wont_appear_on_veldt")->text(), QStringLiteral("?"));
        uint8_t* opt = FormationOptionBytes(Rd(), 520);
        const bool veldt = opt[3] & 2;
        page->OptionBox("wont_appear_on_veldt")->setChecked(!veldt);
        QCOMPARE(bool(opt[3] & 2), !veldt);
        page->Select(20);
        QVERIFY(page->MagicPoints()->isEnabled());
        QCOMPARE(page->OptionBox("wont_appear_on_veldt")->text(), QStringLiteral("Won't appear on Veldt"));
        Type(page->MagicPoints(), QStringLiteral("300")); // clamped, stored when the field is left
        QCOMPARE(int(Rd().formations.magicPoints.bytes[20]), 255);
        QCOMPARE(page->MagicPoints()->text(), QStringLiteral("255"));

        opt = FormationOptionBytes(Rd(), 20);
        page->PlayMusic()->setChecked(true);
        QVERIFY(!(opt[3] & 0x80));
        QVERIFY(page->MusicList()->isEnabled());
        page->MusicList()->setCurrentIndex(4);
        QCOMPARE((opt[3] >> 3) & 7, 4);
        page->PlayMusic()->setChecked(false);
        QVERIFY(opt[3] & 0x80);
        QVERIFY(!page->MusicList()->isEnabled());
        page->OptionBox("special_event")->setChecked(false);
        QVERIFY(!page->EventList()->isEnabled());
        page->OptionBox("special_event")->setChecked(true);
        QVERIFY(page->EventList()->isEnabled());
        QVERIFY(opt[1] & 0x80);
        sheet.accept();
    }

    void slotsMouldCopyAndPaste()
    {
        CMonstFormEd sheet(m_doc);
        CMonstFormPage* page = sheet.FormationsPage();
        page->Select(5);
        page->MouldSpin()->setValue(12);
        page->SlotMonster(2)->setCurrentIndex(300);
        page->SlotPresent(2)->setChecked(true);
        page->SlotX(2)->setValue(9);
        page->SlotY(2)->setValue(4);
        const uint8_t* rec = FormationBytes(Rd(), 5);
        QCOMPARE(rec[0] >> 4, 12);
        QCOMPARE(FormationSlotMonster(rec, 2), 300);
        QVERIFY(rec[1] & 4);
        QCOMPARE(int(rec[8 + 2]), 0x94);
        // Back to the first choice: the record follows again.
        page->SlotMonster(2)->setCurrentIndex(7);
        QCOMPARE(FormationSlotMonster(rec, 2), 7);

        QVERIFY(!page->PasteButton()->isEnabled());
        page->Copy();
        QVERIFY(page->PasteButton()->isEnabled());
        const uint8_t magic6 = Rd().formations.magicPoints.bytes[6];
        page->Select(6);
        page->Paste();
        QCOMPARE(Bytes(FormationBytes(Rd(), 6), 15), Bytes(FormationBytes(Rd(), 5), 15));
        QCOMPARE(Bytes(FormationOptionBytes(Rd(), 6), 4), Bytes(FormationOptionBytes(Rd(), 5), 4));
        QCOMPARE(Rd().formations.magicPoints.bytes[6], magic6);
        QCOMPARE(page->MouldSpin()->value(), 12);
        sheet.accept();
        QCOMPARE(IndexSetting("PrevMstTmp").Get(kFormationCount), 6);
    }

    void reportAndThumbnails()
    {
        ScopedRecordingMessages messages;
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir.path()));
        CMonstFormEd sheet(m_doc);
        CMonstFormPage* page = sheet.FormationsPage();
        page->Select(9);
        page->SlotX(0)->setValue(3);
        page->Report();
        QCOMPARE(messages.LastKind(), QStringLiteral("information"));
        QCOMPARE(messages.LastText(), QStringLiteral("`ME_Form.txt' created"));
        QCOMPARE(FileBytes(m_dir.filePath("ME_Form.txt")).toStdString(), FormationReport(Rd()));
        page->SaveBmp();
        QCOMPARE(messages.LastText(), QStringLiteral("`mform009.bmp' created"));
        QVERIFY(QFile::exists(m_dir.filePath("mform009.bmp")));

        // The monster report's button is on the Monsters Editor's Specs page.
        {
            CMonsterEd monsters(m_doc);
            QPushButton* button = monsters.Specs()->ReportButton();
            QVERIFY(button->isEnabled());
            button->click();
            QCOMPARE(messages.LastText(), QStringLiteral("`ME_Monst.txt' created"));
            QCOMPARE(FileBytes(m_dir.filePath("ME_Monst.txt")).toStdString(), MonsterReport(Rd()));
        }
        QVERIFY(QDir::setCurrent(before));

        CFormThumbnailsDia thumbs(Rd(), 9, 7, &sheet);
        QCOMPARE(thumbs.List()->count(), kFormationCount);
        QCOMPARE(thumbs.Selected(), 9);
        thumbs.List()->setCurrentRow(77);
        QCOMPARE(thumbs.Selected(), 77);
        sheet.accept();
    }

    void packsOfFourAndOfTwo()
    {
        uint8_t* hand = PackBytes(Rd(), 301);
        hand[0] = 0xFF;
        hand[1] = 0x7F; // formation 32767, no random bit: a hand edit
        const std::vector<uint8_t> handKept = Bytes(hand, 4);
        CMonstFormEd sheet(m_doc);
        CFormPackPage* packs = sheet.PacksPage();
        packs->Select(3);
        for (int e = 0; e < 4; ++e)
            QVERIFY(packs->EntryShown(e));
        QCOMPARE(packs->ProbabilityLabel(3)->text(), QStringLiteral("Probability: 1/16"));
        packs->Select(300);
        QVERIFY(packs->EntryShown(1));
        QVERIFY(!packs->EntryShown(2));
        QCOMPARE(packs->ProbabilityLabel(0)->text(), QStringLiteral("Probability: 3/4"));
        QCOMPARE(packs->ProbabilityLabel(1)->text(), QStringLiteral("Probability: 1/4"));
        Type(packs->FormationField(1), QStringLiteral("42"));
        packs->RandomBox(1)->setChecked(true);
        const uint8_t* p300 = &Rd().formations.packsOfTwo.bytes[(300 - 256) * 4];
        QCOMPARE(int(p300[2]), 42);
        QCOMPARE(int(p300[3]), 0x80);
        // Shown as it is, kept unless the user changes it.
        packs->Select(301);
        QCOMPARE(packs->FormationField(0)->text(), QStringLiteral("32767"));
        packs->Select(300);
        QCOMPARE(Bytes(hand, 4), handKept);
        packs->Select(301);
        Type(packs->FormationField(0), QStringLiteral("9999"));
        QCOMPARE(PackEntry(Rd(), 301, 0), 575);
        sheet.accept();
        QCOMPARE(IndexSetting("MstFrmPackIdx").Get(kPackCount), 301);

        IndexSetting("MstFrmPackIdx").Set(600);
        CMonstFormEd again(m_doc);
        QCOMPARE(again.PacksPage()->Current(), 0);
        again.reject();
    }

    void zonesRatesWorldsAndMinimap()
    {
        Rd().formations.zoneRates.bytes[0x90] = 0xC0;
        Rd().formations.zoneRates.bytes[0x10] = 0xC0;
        CMonstFormEd sheet(m_doc);
        CFormZoningPage* zones = sheet.ZoningPage();
        zones->Select(0x90);
        QCOMPARE(zones->RateList(3)->currentText(), QStringLiteral("Even More Encounter"));
        QCOMPARE(zones->RateList(0)->currentText(), QStringLiteral("Normal Encounter"));
        QVERIFY(zones->WorldButton(2)->isChecked());
        zones->Select(0x10);
        QCOMPARE(zones->RateList(0)->currentText(), QStringLiteral("No Encounter"));
        QCOMPARE(zones->RateList(3)->currentText(), QStringLiteral("Normal Encounter"));
        QVERIFY(zones->WorldButton(0)->isChecked());
        zones->RateList(1)->setCurrentIndex(2);
        QCOMPARE(int(Rd().formations.zoneRates.bytes[0x10]), 0xE0);
        Type(zones->PackField(2), QStringLiteral("77"));
        QCOMPARE(int(Rd().formations.zonePacks.bytes[0x10 * 4 + 2]), 77);

        zones->WorldButton(1)->click();
        QCOMPARE(zones->Current(), 0x50);
        // Area 19: column 3, row 2 of the minimap.
        QTest::mouseClick(zones->MiniMap(), Qt::LeftButton, {}, QPoint(3 * 8 + 4, 2 * 8 + 4));
        QCOMPARE(zones->Current(), 0x53);
        zones->WorldButton(2)->click();
        QCOMPARE(zones->Current(), 0x93);
        QTest::mouseClick(zones->MiniMap(), Qt::LeftButton, {}, QPoint(60, 60));
        QCOMPARE(zones->Current(), 0xBF);
        sheet.accept();
        QCOMPARE(IndexSetting("MstZoning1Idx").Get(kZoneCount), 0xBF);
    }

    void packPicturesFollowTheFormationsPage()
    {
        ScopedRecordingMessages messages;
        messages.QueueAnswer(true);
        CMonstFormEd sheet(m_doc);
        sheet.PacksPage()->Select(3);
        const int formation = PackEntry(Rd(), 3, 0) & kPackFormationMask;
        CMonstFormPage* page = sheet.FormationsPage();
        page->Select(formation);
        for (int s = 0; s < 6; ++s)
            page->SlotPresent(s)->setChecked(false);
        sheet.Tabs()->setCurrentIndex(1);
        QCOMPARE(Differing(sheet.PacksPage()->Picture(0)->pixmap(), FormationPixmap(Rd(), -1, -1, 2)), 0);
        sheet.reject();
    }

    void cancelRestoresEveryTableAsOpened()
    {
        ScopedRecordingMessages messages;
        const RomData opened = Rd();
        CMonstFormEd sheet(m_doc);
        sheet.show();
        sheet.FormationsPage()->Select(11);
        sheet.FormationsPage()->SlotY(1)->setValue((sheet.FormationsPage()->SlotY(1)->value() + 1) % 16);
        sheet.PacksPage()->Select(12);
        Type(sheet.PacksPage()->FormationField(0), QStringLiteral("13"));
        sheet.ZoningPage()->Select(14);
        sheet.ZoningPage()->RateList(0)->setCurrentIndex((sheet.ZoningPage()->RateList(0)->currentIndex() + 1) % 4);
        sheet.reject(); // asked, answered No: still open
        QCOMPARE(messages.LastText(), QString(kDiscardChangesQuestion));
        QVERIFY(sheet.isVisible());
        messages.QueueAnswer(true);
        sheet.reject();
        QVERIFY(!sheet.isVisible());
        QCOMPARE(Rd().formations.records.bytes, opened.formations.records.bytes);
        QCOMPARE(Rd().formations.packsOfFour.bytes, opened.formations.packsOfFour.bytes);
        QCOMPARE(Rd().formations.zoneRates.bytes, opened.formations.zoneRates.bytes);
    }

    void registeredOnTheToolbar()
    {
        QCOMPARE(int(EditorRegistry().count(EditorCommand::FormationEditor)), 1);
        QCOMPARE(int(EditorRegistry().count(EditorCommand::ColosseumEditor)), 1);
    }
};

QUORVEX_APP_TEST(FormationEditorTest)
#include "FormationEditorTest.moc"
