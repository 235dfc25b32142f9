// "ROM patch & data location manager" offscreen: its four sections and
// texts, the questions before each operation, the bank lists, the refusals,
// and that a move marks the document modified and reaches the file on save.
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "AppTestMain.h"
#include "AppTestSupport.h"
#include "EditorRegistry.h"
#include "MessageService.h"
#include "RomDataLocDia.h"
#include "SyntheticImage.h"
#include "rom/DataRelocation.h"
#include "rom/Document.h"

using namespace quorvex;

class RomDataLocDiaTest : public QObject {
    Q_OBJECT

private:
    QString m_dir;

    QString Image(const QString& name, const synth::SynthOptions& o)
    {
        const QString path = m_dir + "/" + name + ".smc";
        if (!synth::WriteSyntheticImage(path.toStdString(), o))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }
    static synth::SynthOptions Size(int mbit)
    {
        synth::SynthOptions o;
        o.mbit = mbit;
        return o;
    }
    static QStringList Items(QComboBox* c)
    {
        QStringList l;
        for (int i = 0; i < c->count(); ++i)
            l << c->itemText(i);
        return l;
    }

private slots:
    void initTestCase()
    {
        m_dir = QDir::tempPath() + "/quorvex_data_loc_test";
        QDir(m_dir).removeRecursively();
        QDir().mkpath(m_dir);
        IsolateSettings(m_dir + "/settings");
    }
    void cleanupTestCase() { QDir(m_dir).removeRecursively(); }

    void registersOnTheMainViewButton() { QVERIFY(bool(ExpandedRomManagerLauncher())); }

    void showsTheFourSections()
    {
        CQuorvexDoc doc;
        QVERIFY(doc.OnOpenDocument(Image("at28", Size(28)).toStdString()).ok);
        CRomDataLocDia dlg(doc);
        dlg.show();
        QCOMPARE(dlg.windowTitle(), QString("ROM patch & data location manager"));
        QCOMPARE(dlg.Scripts().box->title(), QString("Quorvex Monster Battle Scripts hack"));
        QCOMPARE(dlg.Dialogue().box->title(), QString("FF3Edit Town Dialog hack"));
        QCOMPARE(dlg.Maps().box->title(), QString("FF3Edit Map Graphic expansion"));
        QCOMPARE(dlg.Names().box->title(), QString("Quorvex Various Text hacks"));
        QCOMPARE(dlg.Scripts().regular->text(), QString("Reg. data loc.: $0F8900-$0FC24F, max 14672 bytes"));
        QCOMPARE(dlg.Scripts().expanded->text(), QString("Exp. data: none"));
        QVERIFY(dlg.Scripts().apply->isEnabled());
        QVERIFY(!dlg.Scripts().remove->isEnabled());
        QVERIFY(!dlg.Scripts().bank->isEnabled());
        QCOMPARE(Items(dlg.Scripts().bank), QStringList({"F0", "F1", "F2", "F3", "F4", "F5", "F6", "F7"}));
        QCOMPARE(dlg.Scripts().bank->currentText(), QString("F6"));
        QCOMPARE(dlg.Names().bank->currentText(), QString("F5"));
        QVERIFY(dlg.Maps().regular->text().startsWith("WoB Map/Tiles: $EED434-$EF324F, "));
        QCOMPARE(dlg.Maps().expanded->text(), QString("Exp. data: none"));
        QVERIFY(dlg.findChild<QLabel*>() != nullptr);
        QVERIFY(dlg.grab().save(QString(QUORVEX_SCREENSHOT_DIR) + "/data_location_manager.png"));
    }

    void movesScriptsAndNamesAfterAskingAndNeverIntoOneBank()
    {
        ScopedRecordingMessages messages;
        const QString path = Image("move28", Size(28));
        CQuorvexDoc doc;
        QVERIFY(doc.OnOpenDocument(path.toStdString()).ok);
        CRomDataLocDia dlg(doc);
        dlg.show();
        // No: nothing moves.
        QTest::mouseClick(dlg.Scripts().apply, Qt::LeftButton);
        QCOMPARE(messages.LastText(), QString::fromLatin1(loctext::kScriptsApplyQuestion));
        QCOMPARE(ScriptLocation(doc.Rom().romFlags), 0u);
        QVERIFY(!doc.IsModified());
        messages.QueueAnswer(true);
        QTest::mouseClick(dlg.Scripts().apply, Qt::LeftButton);
        QCOMPARE(ScriptLocation(doc.Rom().romFlags), 3u);
        QCOMPARE(doc.Rom().scripts.dataBase, 0xF60000u);
        QVERIFY(doc.IsModified());
        QVERIFY(!dlg.Scripts().apply->isEnabled());
        QVERIFY(dlg.Scripts().remove->isEnabled());
        QVERIFY(dlg.Scripts().bank->isEnabled());
        QCOMPARE(dlg.Scripts().expanded->text(), QString("Exp. data loc.: $F60000-$F6FFFF, max 65536 bytes"));

        // Choosing another bank moves the scripts at once.
        const int f7 = dlg.Scripts().bank->findText("F7");
        dlg.Scripts().bank->setCurrentIndex(f7);
        emit dlg.Scripts().bank->activated(f7);
        QCOMPARE(doc.Rom().scripts.dataBase, 0xF70000u);

        // The names may not go where the scripts are: that bank is not offered.
        messages.QueueAnswer(true);
        QTest::mouseClick(dlg.Names().apply, Qt::LeftButton);
        QCOMPARE(doc.Rom().spAttackNameAddr, 0xF50000u);
        QVERIFY(!Items(dlg.Names().bank).contains("F7"));
        QVERIFY(!Items(dlg.Scripts().bank).contains("F5"));
        QCOMPARE(dlg.Names().expanded->text(), QString("Exp. data loc.: $F50000-$F517FF, max 6144 bytes"));
        QVERIFY(dlg.grab().save(QString(QUORVEX_SCREENSHOT_DIR) + "/data_location_manager_moved.png"));

        // The save moves the data; a reopened image reads it back.
        QVERIFY(doc.OnSaveDocument(path.toStdString()).ok);
        CQuorvexDoc again;
        QVERIFY(again.OnOpenDocument(path.toStdString()).ok);
        QCOMPARE(again.Rom().scripts.dataBase, 0xF70000u);
        QCOMPARE(again.Rom().spAttackNameAddr, 0xF50000u);
        QCOMPARE(again.Rom().spAttackNameLen, 16u);

        // Removing asks, and says why it cannot.
        CRomDataLocDia back(again);
        std::vector<uint8_t> big(static_cast<size_t>(again.Rom().scripts.set.Avail() - 100), 0x01);
        big.insert(big.end(), {0xFF, 0xFF});
        QVERIFY(again.Rom().scripts.set.ReplaceScript(9, big));
        messages.QueueAnswer(true);
        QTest::mouseClick(back.Scripts().remove, Qt::LeftButton);
        QCOMPARE(messages.LastKind(), QString("error"));
        QCOMPARE(messages.LastText(), QString::fromLatin1(reloctext::kScriptsTooBig));
        QCOMPARE(ScriptLocation(again.Rom().romFlags), 3u);
        messages.QueueAnswer(true);
        QTest::mouseClick(back.Names().remove, Qt::LeftButton);
        QCOMPARE(messages.Log()[messages.Log().size() - 1].text,
                 QString("Removing patch will truncate strings larger than 10 characters.\nDo you want to remove the "
                         "Quorvex Monster Special Attack names patch?"));
        QCOMPARE(again.Rom().spAttackNameLen, 10u);
    }

    void theDialoguePageNeedsA32MbitImage()
    {
        ScopedRecordingMessages messages;
        CQuorvexDoc doc;
        QVERIFY(doc.OnOpenDocument(Image("dlg28", Size(28)).toStdString()).ok);
        CRomDataLocDia dlg(doc);
        messages.QueueAnswer(true);
        QTest::mouseClick(dlg.Dialogue().apply, Qt::LeftButton);
        QCOMPARE(messages.LastKind(), QString("error"));
        QCOMPARE(messages.LastText(), QString::fromLatin1(reloctext::kDialogueNotFF3us32));
        QVERIFY(!HasThirdPage(doc.Rom().romFlags));

        QVERIFY(doc.OnOpenDocument(Image("dlg32", Size(32)).toStdString()).ok);
        CRomDataLocDia big(doc);
        messages.QueueAnswer(true);
        QTest::mouseClick(big.Dialogue().apply, Qt::LeftButton);
        QCOMPARE(messages.LastText(), QString::fromLatin1(loctext::kDialogueApplyQuestion));
        QVERIFY(HasThirdPage(doc.Rom().romFlags));
        QVERIFY(big.Dialogue().remove->isEnabled());
        QVERIFY(big.Dialogue().expanded->text().startsWith("Exp. data loc.: $F00000-$F0FFFF, "));
        // The third page's bank is no longer offered.
        QVERIFY(!Items(big.Scripts().bank).contains("F0"));
        messages.QueueAnswer(true);
        QTest::mouseClick(big.Dialogue().remove, Qt::LeftButton);
        QCOMPARE(messages.LastText(), QString::fromLatin1(loctext::kDialogueRemoveQuestion));
        QVERIFY(!HasThirdPage(doc.Rom().romFlags));
        QVERIFY(big.grab().save(QString(QUORVEX_SCREENSHOT_DIR) + "/data_location_manager_32.png"));
    }
};

QUORVEX_APP_TEST(RomDataLocDiaTest)
#include "RomDataLocDiaTest.moc"
