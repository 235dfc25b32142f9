// The Battle Editor driven offscreen on the demo image: the remembered
// pages, the command check list, MagiTek captions and the targeting popup,
// the blitz length byte, dance backgrounds that match no entry, renaming a
// status, the toolbar command, Cancel restoring every table, and a
// screenshot of each page.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include "AppTestMain.h"
#include "AppTestSupport.h"
#include "BackgroundPickerDia.h"
#include "MessageService.h"
#include "RenSmallDia.h"
#include "battle/BattleBlitzPage.h"
#include "battle/BattleBtlCmdsAttr.h"
#include "battle/BattleDances.h"
#include "battle/BattleEdSheet.h"
#include "battle/BattleEdStatusPage.h"
#include "battle/BattleMtekPage.h"
#include "battle/BlitzSequenceView.h"
#include "controls/FF6Combo.h"
#include "controls/FieldControls.h"
#include "controls/RecordSelector.h"
#include "controls/TargetingPopup.h"
#include "rom/Document.h"
#include "rom/TableDiff.h"

using namespace quorvex;

namespace {


void ClickCell(QTableWidget* t, int row, int column)
{
    t->scrollToItem(t->item(row, column));
    QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->visualItemRect(t->item(row, column)).center());
}

void Shot(QWidget& w, const QString& name) { QVERIFY(w.grab().save(QString(QUORVEX_SCREENSHOT_DIR) + "/" + name)); }

} // namespace

class BattleEditorTest : public QObject {
    Q_OBJECT

private:
    CQuorvexDoc m_doc;
    RomData& Rd() { return m_doc.Rom(); }

private slots:
    void initTestCase()
    {
        IsolateSettings(QDir::tempPath() + "/quorvex_battle_editor_settings");
        QuorvexSettings().remove(QStringLiteral("Settings"));
        const QString path = QDir::tempPath() + "/quorvex_battle_editor_test.smc";
        QVERIFY(synth::WriteSyntheticImage(path.toStdString()));
        QVERIFY(m_doc.OnOpenDocument(path.toStdString()).ok);
    }

    void pagesInOrderOnTheirRememberedRecords()
    {
        IndexSetting("m_btlCmdIdx").Set(5);
        IndexSetting("m_btlBlitzIdx").Set(40); // past the last blitz: the last one
        IndexSetting("m_btlDanceIdx").Set(3);
        IndexSetting("m_btlStatusIdx").Set(31);
        CBattleEdSheet sheet(m_doc);
        sheet.show();
        QCOMPARE(sheet.windowTitle(), QString("Quorvex: Battle Editor"));
        const QStringList tabs = {"Battle Cmds.", "MagiTek", "Blitz", "Dances", "Status", "Animations 1",
                                  "Animations 2"};
        QCOMPARE(TabTitles(sheet.Tabs()), tabs);
        QCOMPARE(PageOf<CBattleBtlCmdsAttr>(sheet.Tabs(), 0)->Current(), 5);
        QCOMPARE(PageOf<CBattleBtlCmdsAttr>(sheet.Tabs(), 0)->Selector()->Spin()->value(), 5);
        QCOMPARE(PageOf<CBattleBlitzPage>(sheet.Tabs(), 2)->Current(), 7);
        QCOMPARE(PageOf<CBattleDances>(sheet.Tabs(), 3)->Current(), 3);
        QCOMPARE(PageOf<CBattleEdStatusPage>(sheet.Tabs(), 4)->Current(), 31);
        const char* const shots[] = {"battle_commands.png", "battle_magitek.png", "battle_blitz.png",
                                     "battle_dances.png", "battle_status.png", "battle_animations1.png",
                                     "battle_animations2.png"};
        for (int i = 0; i < tabs.size(); ++i) {
            sheet.Tabs()->setCurrentIndex(i);
            Shot(sheet, shots[i]);
        }
        PageOf<CBattleEdStatusPage>(sheet.Tabs(), 4)->Selector()->Spin()->setValue(2);
        sheet.accept();
        QCOMPARE(IndexSetting("m_btlStatusIdx").Get(32), 2);
        QCOMPARE(IndexSetting("m_btlBlitzIdx").Get(8), 7);
    }

    void commandCheckListShowsAndStoresBothBytes()
    {
        std::vector<uint8_t>& cmds = Rd().battle.commands.bytes;
        cmds[2 * 9] = 0x05;
        cmds[2 * 9 + 1] = 0x80;
        IndexSetting("m_btlCmdIdx").Set(9);
        CBattleEdSheet sheet(m_doc);
        sheet.show();
        auto* page = PageOf<CBattleBtlCmdsAttr>(sheet.Tabs(), 0);
        CCheckListControl* list = page->List();
        QCOMPARE(list->rowCount(), 16);
        QCOMPARE(list->item(0, 0)->text(), QString("Can be used by Gogo"));
        QCOMPARE(list->item(15, 0)->text(), QString("Randomize selection"));
        QCOMPARE(list->horizontalHeaderItem(0)->text(), QString("Attribute"));
        const QString shown[16] = {"1", "0", "1", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "1"};
        for (int r = 0; r < 16; ++r)
            QCOMPARE(list->item(r, 1)->text(), shown[r]);
        ClickCell(list, 0, 1);  // attributes bit 0 off
        ClickCell(list, 14, 1); // targeting bit 6 on
        page->Selector()->Spin()->setValue(10);
        QCOMPARE(cmds[18], uint8_t(0x04));
        QCOMPARE(cmds[19], uint8_t(0xC0));
        QVERIFY(sheet.Edited());
        sheet.accept();
    }

    void magitekCaptionsAndTheTargetingPopup()
    {
        std::vector<uint8_t>& mt = Rd().battle.magitek.bytes;
        const uint8_t targets[4] = {0x44, 0xC0, 0x48, 0x08};
        for (int s = 0; s < 4; ++s)
            mt[static_cast<size_t>(s)] = targets[s];
        mt[8 + 2] = 0x77; // an attack no choice lists
        CBattleEdSheet sheet(m_doc);
        sheet.show();
        auto* page = PageOf<CBattleMtekPage>(sheet.Tabs(), 1);
        const char* captions[4] = {"everyone", "random", "enemies", "allies"};
        for (int s = 0; s < 4; ++s)
            QCOMPARE(page->TargetingButton(s)->text(), QString(captions[s]));
        QCOMPARE(page->FirstAttack(2)->currentIndex(), -1);
        QCOMPARE(page->OtherAttack(7)->currentText(), QString("(none)"));

        // Slot 3 (0x08): checking "Cursor starts on enemy" makes it 0x48.
        QTimer::singleShot(0, [] {
            CTargetingPopup* popup = CTargetingPopup::Open();
            QVERIFY(popup);
            QCOMPARE(popup->Bit(3)->isChecked(), true);
            popup->Bit(6)->click();
            QCOMPARE(popup->Summary()->text(), QString("Targets: enemies (0x48)"));
            QVERIFY(popup->grab().save(QString(QUORVEX_SCREENSHOT_DIR) + "/targeting_popup.png"));
            popup->accept();
        });
        page->EditTargeting(3);
        QCOMPARE(mt[3], uint8_t(0x48));
        QCOMPARE(page->TargetingButton(3)->text(), QString("enemies"));
        // Esc keeps the old value.
        QTimer::singleShot(0, [] {
            CTargetingPopup* popup = CTargetingPopup::Open();
            QVERIFY(popup);
            popup->Bit(2)->click();
            QTest::keyClick(popup, Qt::Key_Escape);
        });
        page->EditTargeting(3);
        QCOMPARE(mt[3], uint8_t(0x48));

        page->OtherAttack(1)->setCurrentIndex(5);
        sheet.accept();
        QCOMPARE(mt[16 + 1], uint8_t(5));
        QCOMPARE(mt[8 + 2], uint8_t(0x77)); // never chosen, never stored
    }

    void blitzLengthByteAndDrawing()
    {
        CBattleEdSheet sheet(m_doc);
        sheet.show();
        auto* page = PageOf<CBattleBlitzPage>(sheet.Tabs(), 2);
        page->Selector()->Spin()->setValue(4);
        std::vector<uint8_t>& b = Rd().battle.blitzInputs.bytes;
        for (int k = 0; k < 11; ++k)
            page->ChoosePress(k, 1 + k % 14);
        QCOMPARE(b[4 * 12 + 11], uint8_t(22));
        QCOMPARE(page->Sequence()->Presses().size(), size_t(11));
        page->ChoosePress(3, 0);
        QCOMPARE(b[4 * 12 + 11], uint8_t(6));
        QCOMPARE(page->Sequence()->Presses(), (std::vector<int>{1, 2, 3}));
        sheet.Tabs()->setCurrentIndex(2);
        Shot(sheet, "battle_blitz_edited.png");
        sheet.accept();
    }

    void danceBackgroundsThatMatchNoEntryShowTheFirst()
    {
        std::vector<uint8_t>& bg = Rd().battle.danceBackgrounds.bytes;
        bg[1] = 0xFF;
        bg[2] = 0x77;
        CBattleEdSheet sheet(m_doc);
        sheet.show();
        auto* page = PageOf<CBattleDances>(sheet.Tabs(), 3);
        for (int d : {1, 2}) {
            page->Selector()->Spin()->setValue(d);
            QCOMPARE(page->Display()->currentIndex(), 0);
            QCOMPARE(page->Display()->currentText(), QString("WoB - Forest"));
            QVERIFY(!page->Preview()->pixmap().isNull());
        }
        QCOMPARE(bg[2], uint8_t(0x77)); // shown, not stored
        page->ChooseDisplay(54);      // "???"
        QCOMPARE(bg[2], uint8_t(0xFF));
        page->ChooseDisplay(6);
        QCOMPARE(bg[2], uint8_t(47)); // Narshe
        // The thumbnails picker moves the choice to the background picked.
        WhenOpen<CBackgroundPickerDia>([](CBackgroundPickerDia* picker) {
            picker->List()->setCurrentRow(2);
            picker->accept();
        });
        page->PickThumbnail();
        QCOMPARE(bg[2], uint8_t(2));
        QCOMPARE(page->Display()->currentIndex(), 2);
        page->Move(0)->setCurrentIndex(200);
        page->Selector()->Spin()->setValue(0);
        QCOMPARE(Rd().battle.danceMoves.bytes[2 * 4], uint8_t(200));
        sheet.accept();
    }

    void renamingAStatus()
    {
        CBattleEdSheet sheet(m_doc);
        sheet.show();
        auto* page = PageOf<CBattleEdStatusPage>(sheet.Tabs(), 4);
        page->Selector()->Spin()->setValue(6);
        WhenOpen<CRenSmallDia>([](CRenSmallDia* dia) {
            QTest::keyClicks(dia, "Doom");
            dia->OkButton()->click();
        });
        page->Rename();
        const std::vector<uint8_t> doom = {0x83, 0xA8, 0xA8, 0xA6, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
        QCOMPARE(Rd().names.statusNames.Get(6), doom);
        QCOMPARE(page->Selector()->Combo()->itemText(6), QString("Doom"));
        QVERIFY(sheet.Edited());
        sheet.accept();
    }

    void cancelRestoresEveryTableAsOpened()
    {
        ScopedRecordingMessages messages;
        const RomData opened = Rd();
        CBattleEdSheet sheet(m_doc);
        sheet.show();
        PageOf<CBattleBlitzPage>(sheet.Tabs(), 2)->ChoosePress(0, 9);
        PageOf<CBattleBlitzPage>(sheet.Tabs(), 2)->ChoosePress(1, 0);
        ClickCell(PageOf<CBattleBtlCmdsAttr>(sheet.Tabs(), 0)->List(), 3, 1);
        PageOf<CBattleDances>(sheet.Tabs(), 3)->ChooseDisplay(10);
        PageOf<CBattleMtekPage>(sheet.Tabs(), 1)->FirstAttack(0)->setCurrentIndex(9);
        messages.QueueAnswer(true);
        sheet.reject();
        QCOMPARE(messages.LastText(), QString(kDiscardChangesQuestion));
        QCOMPARE(DiffTables(Rd(), opened), std::vector<std::string>{});
        QCOMPARE(Rd().battle.blitzInputs.bytes, opened.battle.blitzInputs.bytes);
        QCOMPARE(Rd().battle.commands.bytes, opened.battle.commands.bytes);
        QCOMPARE(Rd().battle.danceBackgrounds.bytes, opened.battle.danceBackgrounds.bytes);
        QCOMPARE(Rd().battle.magitek.bytes, opened.battle.magitek.bytes);
    }

    void toolbarCommandOpensTheSheet() { QVERIFY(OpensFromToolbar<CBattleEdSheet>(EditorCommand::BattleEditor, m_doc)); }
};

QUORVEX_APP_TEST(BattleEditorTest)
#include "BattleEditorTest.moc"
