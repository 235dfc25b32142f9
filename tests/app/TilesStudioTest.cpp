// Tiles Studio and the shared field controls on the synthetic image.
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QtTest>

#include "AppTestMain.h"
#include "EditorRegistry.h"
#include "MessageService.h"
#include "SyntheticImage.h"
#include "TilesStudioDia.h"
#include "controls/FieldControls.h"
#include "rom/Document.h"

using namespace quorvex;

class TilesStudioTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_path = (m_dir.path() + "/demo.smc").toStdString();
        QVERIFY(synth::WriteSyntheticImage(m_path));
        QVERIFY(m_doc.OnOpenDocument(m_path).ok);
        QDir().mkpath(QUORVEX_SCREENSHOT_DIR);
    }

    void showsRecordSpriteAndBackground()
    {
        CTilesStudioDia dia(m_doc);
        dia.SetMonster(50);
        dia.SetBackground(0);
        dia.show();
        QVERIFY(dia.RecordText().startsWith("Struct: <"));
        QVERIFY(dia.RecordText().contains("Nb colors: 16"));
        QVERIFY(dia.BackgroundText().startsWith("gfx 1 idx: 0x00 (may or may not be compressed),"));
        QVERIFY(dia.BackgroundText().contains("Line 1 data: "));
        QVERIFY(dia.grab().save(QUORVEX_SCREENSHOT_DIR "/TilesStudio.png"));
        dia.SetMonster(9999); // clamps
        QCOMPARE(dia.Monster(), 415);
    }

    void savesBmpFiles()
    {
        ScopedRecordingMessages messages;
        CTilesStudioDia dia(m_doc);
        dia.SetBackground(12);
        QVERIFY(dia.SaveBackground(m_dir.path()));
        QCOMPARE(messages.LastText(), QString("`%1' created").arg(QFileInfo(m_dir.path() + "/bckj012.bmp").absoluteFilePath()));
        QCOMPARE(QFile(m_dir.path() + "/bckj012.bmp").size(), qint64(54 + 256 * 152 * 3));
        QVERIFY(dia.SaveTileset(m_dir.path()));
        QCOMPARE(messages.LastText(),
                 QString("`%1' created").arg(QFileInfo(m_dir.path() + "/tileset012.bmp").absoluteFilePath()));
        QVERIFY(!dia.SaveBackground(m_dir.path() + "/missing/folder"));
        QCOMPARE(messages.LastKind(), QString("error"));
        QCOMPARE(messages.LastText(), QString("Can't create file!!"));
    }

    void registeredForTileEditor() { QVERIFY(EditorRegistry().count(EditorCommand::TileEditor) == 1); }

    void numberAndHexFields()
    {
        CNumberField f({0, 256});
        f.setText("1234567");
        QCOMPARE(f.Read(), 255);
        QCOMPARE(f.text(), QString("255"));
        QCOMPARE(f.cursorPosition(), 3);
        f.setText("-5");
        QCOMPARE(f.Read(), 0);
        CHexField h(4);
        h.SetValue(0xbeef);
        QCOMPARE(h.text(), QString("BEEF"));
        h.setText("");
        QCOMPARE(h.Read(), -1);
    }

    void checkListClicks()
    {
        CCheckListControl list({"Fire", "Ice", "Bolt"}, {"Absorb", "Weak"});
        list.show();
        QCOMPARE(list.item(1, 1)->text(), QString("0"));
        emit list.cellClicked(1, 1);
        QCOMPARE(list.item(1, 1)->text(), QString("1"));
        emit list.horizontalHeader()->sectionClicked(2); // all "0": sets all
        QCOMPARE(list.item(0, 2)->text(), QString("1"));
        QCOMPARE(list.item(2, 2)->text(), QString("1"));
        emit list.horizontalHeader()->sectionClicked(1); // one "1": clears all
        QCOMPARE(list.item(1, 1)->text(), QString("0"));
        uint8_t bits = 0;
        list.CommitColumn(1, &bits, 1, DefaultCheckMap(3));
        QCOMPARE(int(bits), 7);
        bits = 2;
        list.LoadColumn(0, &bits, 1, DefaultCheckMap(3));
        QCOMPARE(list.item(1, 1)->text(), QString("1"));
        QVERIFY(list.grab().save(QUORVEX_SCREENSHOT_DIR "/CheckList.png"));
    }

    void progressWindowCaption()
    {
        CProgressWindow w;
        w.Callback()("Loading Monster List", 3, 10);
        QCOMPARE(w.Caption(), QString("Loading Monster List"));
        QVERIFY(w.isVisible());
    }

private:
    QTemporaryDir m_dir;
    std::string m_path;
    CQuorvexDoc m_doc;
};

QUORVEX_APP_TEST(TilesStudioTest)
#include "TilesStudioTest.moc"
