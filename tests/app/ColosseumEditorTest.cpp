// The Colosseum Betting System Editor driven offscreen on the synthetic
// image: choosing the item bet stores the bet left, the monster's sprite
// follows the monster chosen, the report, the Japanese release without it,
// OK and Cancel.
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "AppTestMain.h"
#include "AppTestSupport.h"
#include "ColosseumPage.h"
#include "ColosseumSetupDia.h"
#include "MessageService.h"
#include "monsters/FormationTables.h"
#include "monsters/Reports.h"
#include "rom/Document.h"

using namespace quorvex;

class ColosseumEditorTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    CQuorvexDoc m_doc;

    RomData& Rd() { return m_doc.Rom(); }
    std::vector<uint8_t> Bet(int i)
    {
        const uint8_t* bet = ColosseumBytes(Rd(), i);
        return std::vector<uint8_t>(bet, bet + 4);
    }

private slots:
    void initTestCase()
    {
        IsolateSettings(m_dir.filePath(QStringLiteral("settings")));
        QuorvexSettings().clear();
        QVERIFY(OpenSyntheticImage(m_doc, m_dir.filePath(QStringLiteral("demo.smc"))));
    }

    void editsABetAndMovesOn()
    {
        ColosseumBytes(Rd(), 9)[0] = 12;
        ColosseumBytes(Rd(), 9)[3] = 0x80;
        CColosseumSetupDia dlg(m_doc);
        dlg.show();
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Quorvex: Colosseum Betting System Editor"));
        QVERIFY(!dlg.Tabs()->tabBar()->isVisible());
        CColosseumPage* page = dlg.Page();
        QCOMPARE(page->ItemBet()->count(), 256);
        QCOMPARE(page->EnemyFought()->count(), 256);
        page->ItemBetSpin()->setValue(9);
        QCOMPARE(page->Current(), 9);
        QCOMPARE(page->ItemBet()->currentIndex(), 9);
        QCOMPARE(page->EnemyFought()->currentIndex(), 12);
        QCOMPARE(page->HexByte3()->text(), QStringLiteral("80"));
        const QImage before = page->Sprite()->pixmap().toImage();
        page->EnemyFought()->setCurrentIndex(200);
        QVERIFY(page->Sprite()->pixmap().toImage() != before);
        page->ItemWon()->setCurrentIndex(33);
        page->HexByte1()->setValue(0xAB);
        QCOMPARE(page->HexByte1()->text(), QStringLiteral("AB"));
        QVERIFY(dlg.grab().save(QStringLiteral(QUORVEX_SCREENSHOT_DIR "/colosseum.png")));
        // Choosing another item stores the bet being left.
        page->ItemBet()->setCurrentIndex(10);
        QCOMPARE(Bet(9), (std::vector<uint8_t>{200, 0xAB, 33, 0x80}));
        QCOMPARE(page->Current(), 10);
        dlg.accept();
        QVERIFY(m_doc.IsModified());
        QCOMPARE(IndexSetting("ColosItmIdx").Get(256), 10);
    }

    void reportAndCancel()
    {
        ScopedRecordingMessages messages;
        const std::vector<uint8_t> opened = Rd().formations.colosseum.bytes;
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir.path()));
        CColosseumSetupDia dlg(m_doc);
        dlg.show();
        CColosseumPage* page = dlg.Page();
        QCOMPARE(page->Current(), 10);
        QVERIFY(page->ReportButton()->isVisible());
        page->EnemyFought()->setCurrentIndex(3);
        page->Report(); // stores the shown bet first
        QCOMPARE(messages.LastText(), QStringLiteral("`ME_Colos.txt' created"));
        QCOMPARE(FileBytes(m_dir.filePath("ME_Colos.txt")).toStdString(), ColosseumReport(Rd()));
        QCOMPARE(int(Bet(10)[0]), 3);
        // Back to the monster shown at opening: stored again after the report.
        page->EnemyFought()->setCurrentIndex(opened[10 * 4]);
        page->ItemBet()->setCurrentIndex(11);
        QCOMPARE(int(Bet(10)[0]), int(opened[10 * 4]));
        QVERIFY(QDir::setCurrent(before));
        page->HexByte3()->setValue(page->HexByte3()->value() ^ 1);
        messages.QueueAnswer(true);
        dlg.reject();
        QCOMPARE(messages.LastText(), QString(kDiscardChangesQuestion));
        QCOMPARE(Rd().formations.colosseum.bytes, opened);
    }

    void theJapaneseReleaseHasNoReport()
    {
        CQuorvexDoc jp;
        const QString path = m_dir.filePath(QStringLiteral("jp.smc"));
        QVERIFY(OpenSyntheticImage(jp, path, VariantOptions(QStringLiteral("jp"))));
        CColosseumSetupDia dlg(jp);
        dlg.show();
        QVERIFY(!dlg.Page()->ReportButton()->isVisible());
        QCOMPARE(dlg.Page()->ItemBet()->count(), 256);
        dlg.reject();
    }
};

QUORVEX_APP_TEST(ColosseumEditorTest)
#include "ColosseumEditorTest.moc"
