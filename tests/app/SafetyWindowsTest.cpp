// The windows under hostile input and atomic replacement: an image title
// holding control bytes is shown with visible escapes wherever it appears,
// and a save or an expansion of a file with other names (hard links) says
// in the status bar that those names keep the old bytes.
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

#include "AppTestMain.h"
#include "AboutDlg.h"
#include "AppTestSupport.h"
#include "MainFrame.h"
#include "MessageService.h"
#include "QuorvexApp.h"
#include "QuorvexDoc.h"
#include "QuorvexView.h"
#include "RomExpDia.h"
#include "SyntheticImage.h"

namespace {

bool HasControlCharacter(const QString& text)
{
    for (QChar c : text)
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0))
            return true;
    return false;
}

} // namespace

class SafetyWindowsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_settingsDir;
    QTemporaryDir m_files;

    QString Image(const quorvex::synth::SynthOptions& o, const QString& name)
    {
        return WriteImageFile(m_files.filePath(name), o);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_settingsDir.isValid());
        QVERIFY(m_files.isValid());
        IsolateSettings(m_settingsDir.path());
    }

    void controlBytesOfTheTitleAreShownAsEscapes()
    {
        ScopedRecordingMessages messages;
        quorvex::synth::SynthOptions o;
        o.title = "FINAL FANTASY 3\x1B[2J\x7F\n";
        // A file name may hold control characters too.
        const QString path = Image(o, QStringLiteral("bell\x07.smc"));
        CQuorvexApp app;
        QVERIFY(app.InitInstance({QStringLiteral("quorvex"), path}, QuietStartup()));
        CMainFrame* frame = app.MainFrame();

        const QString report = frame->View()->ReportText();
        QVERIFY2(report.startsWith(QStringLiteral("ROM internal name: \"FINAL FANTASY 3\\x1B[2J\\x7F\\x0A\"\n")),
                 qPrintable(report));
        QVERIFY(!HasControlCharacter(QString(report).remove(QLatin1Char('\n'))));
        QCOMPARE(frame->windowTitle(), QStringLiteral("bell\\x07.smc[*] - Quorvex"));

        CAboutDlg about(app.Document()->Rom(), frame);
        QCOMPARE(about.RomNameLabel()->text(), QStringLiteral("FINAL FANTASY 3\\x1B[2J\\x7F\\x0A"));
        QCOMPARE(about.RomNameLabel()->textFormat(), Qt::PlainText);
        about.resize(420, 200);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QVERIFY(about.grab().save(QStringLiteral(QUORVEX_SCREENSHOT_DIR "/about-control-title.png")));
        about.hide();
        frame->hide();
    }

    void otherNamesOfTheFileAreToldAboutInTheStatusBar()
    {
        ScopedRecordingMessages messages;
        const QString path = Image({}, QStringLiteral("linked.smc"));
        const QString other = m_files.filePath(QStringLiteral("second.smc"));
        QVERIFY(::link(ToCorePath(path).c_str(), ToCorePath(other).c_str()) == 0);
        const QByteArray before = FileBytes(path);
        CQuorvexApp app;
        QVERIFY(app.InitInstance({QStringLiteral("quorvex"), path}, QuietStartup()));
        CMainFrame* frame = app.MainFrame();
        app.Document()->Rom().monsters.monsters.bytes[0] ^= 1;
        app.Document()->SetModifiedFlag(true);
        frame->SaveAction()->trigger();
        QVERIFY(messages.Log().isEmpty());
        const QString shown = frame->statusBar()->currentMessage();
        QVERIFY2(shown.contains(QStringLiteral("1 other name (a hard link)")), qPrintable(shown));
        QVERIFY(shown.contains(QStringLiteral("keep the old bytes")));
        QCOMPARE(FileBytes(other), before);
        QVERIFY(FileBytes(path) != before);

        // The expansion replaces the file the same way.
        const QString third = m_files.filePath(QStringLiteral("third.smc"));
        QVERIFY(::link(ToCorePath(path).c_str(), ToCorePath(third).c_str()) == 0);
        frame->statusBar()->clearMessage();
        CRomExpDia expand(app.Document()->Rom(), frame);
        messages.QueueAnswer(true);
        expand.Expand28Button()->click();
        QCOMPARE(messages.LastKind(), QStringLiteral("question"));
        QCOMPARE(FileBytes(path).size(), 0x380000);
        QCOMPARE(FileBytes(third).size(), 0x300000);
        QVERIFY(frame->statusBar()->currentMessage().contains(QStringLiteral("other name")));
        frame->hide();
    }
};

QUORVEX_APP_TEST(SafetyWindowsTest)
#include "SafetyWindowsTest.moc"
