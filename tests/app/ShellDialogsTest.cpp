// The shell's dialogs, offscreen: options bits, the ROM Expansion Tool over
// real files (and through the main view), the about box, the wait dialog,
// the splash window, and the Yes/No/Cancel question of the message service.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "AppTestMain.h"
#include "AboutDlg.h"
#include "MainFrame.h"
#include "MessageService.h"
#include "OptionsDia.h"
#include "QuorvexApp.h"
#include "QuorvexDoc.h"
#include "QuorvexView.h"
#include "RomExpDia.h"
#include "SplashWnd.h"
#include "AppTestSupport.h"
#include "SyntheticImage.h"
#include "WaitDlg.h"

using quorvex::synth::SynthOptions;

namespace {

void Shot(QWidget* w, const QString& name)
{
    w->adjustSize();
    QVERIFY(w->grab().save(QStringLiteral(QUORVEX_SCREENSHOT_DIR "/") + name));
}

} // namespace

class ShellDialogsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_settingsDir;
    QTemporaryDir m_files;

    QString Image(const QString& variant, const QString& name)
    {
        return WriteImageFile(m_files.filePath(name), VariantOptions(variant));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_settingsDir.isValid());
        QVERIFY(m_files.isValid());
        IsolateSettings(m_settingsDir.path());
    }

    void init() { QSettings(QStringLiteral("Orvan Soft"), QStringLiteral("Quorvex")).clear(); }

    // Options ------------------------------------------------------------

    void optionsDefaultAndEnabling()
    {
        COptionsDia dlg;
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Quorvex options"));
        QVERIFY(!dlg.NoLogoBox()->isChecked());
        for (QCheckBox* c : {dlg.RedBox(), dlg.GreenBox(), dlg.BlueBox()}) {
            QVERIFY(!c->isChecked());
            QVERIFY(!c->isEnabled());
        }
        QCOMPARE(dlg.NoLogoBox()->text(), QStringLiteral("No background logo"));
        QCOMPARE(dlg.RedBox()->text(), QStringLiteral("Use red"));
        QCOMPARE(dlg.GreenBox()->text(), QStringLiteral("Use green"));
        QCOMPARE(dlg.BlueBox()->text(), QStringLiteral("Use blue"));
        dlg.NoLogoBox()->setChecked(true);
        for (QCheckBox* c : {dlg.RedBox(), dlg.GreenBox(), dlg.BlueBox()})
            QVERIFY(c->isEnabled());
        dlg.NoLogoBox()->setChecked(false);
        QVERIFY(!dlg.RedBox()->isEnabled());
    }

    void optionsWriteAndRestoreBits()
    {
        // Bits 12 and up belong to others and survive; the four boxes map to
        // bits 0-3.
        quorvex_options::WriteOptions(0x3000 | quorvex_options::kNoBackgroundLogo | quorvex_options::kUseBlue);
        {
            COptionsDia dlg;
            QVERIFY(dlg.NoLogoBox()->isChecked());
            QVERIFY(dlg.BlueBox()->isChecked());
            QVERIFY(!dlg.GreenBox()->isChecked());
            QVERIFY(!dlg.RedBox()->isChecked());
            QVERIFY(dlg.RedBox()->isEnabled());
            dlg.show();
            Shot(&dlg, QStringLiteral("options.png"));
            QTest::mouseClick(dlg.RedBox(), Qt::LeftButton, {}, QPoint(4, dlg.RedBox()->height() / 2));
            dlg.BlueBox()->setChecked(false);
            QVERIFY(dlg.RedBox()->isChecked());
            dlg.accept();
        }
        QCOMPARE(quorvex_options::ReadOptions(), 0x3000 | 0x1 | 0x8);
        {
            COptionsDia dlg;
            QVERIFY(dlg.RedBox()->isChecked());
            QVERIFY(!dlg.BlueBox()->isChecked());
            dlg.GreenBox()->setChecked(true);
            dlg.NoLogoBox()->setChecked(false);
            dlg.reject(); // Cancel writes nothing
        }
        QCOMPARE(quorvex_options::ReadOptions(), 0x3000 | 0x1 | 0x8);
        {
            COptionsDia dlg;
            dlg.NoLogoBox()->setChecked(false);
            dlg.GreenBox()->setChecked(true); // kept even while greyed out
            QCOMPARE(dlg.Value(), 0x3000 | 0x4 | 0x8);
            dlg.accept();
        }
        QCOMPARE(quorvex_options::ReadOptions(), 0x3000 | 0x4 | 0x8);
    }

    void optionsFromTheMenu()
    {
        ScopedRecordingMessages messages;
        CQuorvexApp app;
        CQuorvexApp::StartupOptions quiet;
        quiet.allowSplash = false;
        quiet.showWindow = false;
        QVERIFY(app.InitInstance({QStringLiteral("quorvex")}, quiet));
        QTimer::singleShot(0, this, [] {
            QTRY_VERIFY(qobject_cast<COptionsDia*>(QApplication::activeModalWidget()));
            auto* dlg = qobject_cast<COptionsDia*>(QApplication::activeModalWidget());
            dlg->NoLogoBox()->setChecked(true);
            dlg->GreenBox()->setChecked(true);
            dlg->accept();
        });
        app.MainFrame()->OptionsAction()->trigger();
        QCOMPARE(quorvex_options::ReadOptions(), 0x1 | 0x4);
    }

    // ROM Expansion Tool ------------------------------------------------

    void expansionArithmetic()
    {
        using quorvex::kImageSize24;
        using quorvex::kImageSize28;
        using quorvex::kImageSize32;
        QCOMPARE(CRomExpDia::ExpansionBytes(kImageSize24, 28), 0x80000u);
        QCOMPARE(CRomExpDia::ExpansionBytes(kImageSize24, 32), 0x100000u);
        QCOMPARE(CRomExpDia::ExpansionBytes(kImageSize28, 32), 0x80000u);
        QCOMPARE(CRomExpDia::ExpansionBytes(kImageSize28, 28), 0u);
        QCOMPARE(CRomExpDia::ExpansionBytes(kImageSize32, 32), 0u);
        QCOMPARE(CRomExpDia::ExpansionBytes(-1, 32), 0u);
        QCOMPARE(CRomExpDia::ExpansionBytes(kImageSize24, 24), 0u);

        uint8_t v = 0;
        QVERIFY(CRomExpDia::ParseFillValue(QString(), v));
        QCOMPARE(v, uint8_t(0xFF));
        QVERIFY(CRomExpDia::ParseFillValue(QStringLiteral("0"), v));
        QCOMPARE(v, uint8_t(0));
        QVERIFY(CRomExpDia::ParseFillValue(QStringLiteral("a5"), v));
        QCOMPARE(v, uint8_t(0xA5));
        QVERIFY(CRomExpDia::ParseFillValue(QStringLiteral(" 7 "), v));
        QCOMPARE(v, uint8_t(7));
        QVERIFY(!CRomExpDia::ParseFillValue(QStringLiteral("100"), v));
        QVERIFY(!CRomExpDia::ParseFillValue(QStringLiteral("G1"), v));
        QVERIFY(!CRomExpDia::ParseFillValue(QStringLiteral("-1"), v));

        QCOMPARE(CRomExpDia::SizeLabelText(kImageSize24), QStringLiteral("Current ROM size: 24Mbit"));
        QCOMPARE(CRomExpDia::SizeLabelText(kImageSize28), QStringLiteral("Current ROM size: 28Mbit"));
        QCOMPARE(CRomExpDia::SizeLabelText(kImageSize32), QStringLiteral("Current ROM size: 32Mbit"));
        QCOMPARE(CRomExpDia::SizeLabelText(0x300201), QStringLiteral("Current ROM size: ??Mbit"));
    }

    void expandTo32WithZeroFill()
    {
        ScopedRecordingMessages messages;
        const QString path = Image(QStringLiteral("us10-headerless"), QStringLiteral("to32.smc"));
        const QByteArray before = FileBytes(path);
        QCOMPARE(before.size(), 0x300000);
        CQuorvexDocument doc;
        QVERIFY(doc.OnOpenDocument(path, nullptr));
        CRomExpDia dlg(doc.Rom());
        QCOMPARE(dlg.windowTitle(), QStringLiteral("ROM Expansion Tool"));
        QCOMPARE(dlg.SizeLabel()->text(), QStringLiteral("Current ROM size: 24Mbit"));
        QCOMPARE(dlg.FillEdit()->text(), QStringLiteral("FF"));
        QVERIFY(dlg.Expand28Button()->isEnabled());
        QVERIFY(dlg.Expand32Button()->isEnabled());
        dlg.show();
        Shot(&dlg, QStringLiteral("rom-expansion.png"));

        dlg.FillEdit()->setText(QStringLiteral("00"));
        messages.QueueAnswer(true);
        QTest::mouseClick(dlg.Expand32Button(), Qt::LeftButton);
        QCOMPARE(messages.Log().size(), 1);
        QCOMPARE(messages.LastKind(), QStringLiteral("question"));
        QCOMPARE(messages.LastText(), QString::fromLatin1(kExpandQuestion));
        QVERIFY(messages.LastText().endsWith(QStringLiteral("\n\nDo you want to expand your ROM?")));

        const QByteArray after = FileBytes(path);
        QCOMPARE(after.size(), 0x300000 + 1048576);
        QCOMPARE(after.left(before.size()), before);
        QCOMPARE(after.mid(before.size()), QByteArray(1048576, '\0'));
        QCOMPARE(dlg.SizeLabel()->text(), QStringLiteral("Current ROM size: 32Mbit"));
        QVERIFY(!dlg.Expand28Button()->isEnabled());
        QVERIFY(!dlg.Expand32Button()->isEnabled());
        QVERIFY(dlg.OkButton()->isEnabled());
        QVERIFY(!doc.IsModified()); // the file grew at once; no edit to save
        QCOMPARE(doc.Rom().imageSize, quorvex::kImageSize32);
    }

    void expandInTwoStepsOnAHeaderedImage()
    {
        ScopedRecordingMessages messages;
        const QString path = Image(QStringLiteral("us10-headered"), QStringLiteral("steps.smc"));
        const QByteArray before = FileBytes(path);
        QCOMPARE(before.size(), 0x300200);
        CQuorvexDocument doc;
        QVERIFY(doc.OnOpenDocument(path, nullptr));
        CRomExpDia dlg(doc.Rom());

        // The fill field takes hexadecimal digits only, two at most.
        dlg.FillEdit()->clear();
        QTest::keyClicks(dlg.FillEdit(), QStringLiteral("zA5x7"));
        QCOMPARE(dlg.FillEdit()->text(), QStringLiteral("A5"));

        messages.QueueAnswer(true);
        QTest::mouseClick(dlg.Expand28Button(), Qt::LeftButton);
        QByteArray after = FileBytes(path);
        QCOMPARE(after.size(), 0x300200 + 0x80000);
        QCOMPARE(after.left(before.size()), before);
        QCOMPARE(after.mid(before.size()), QByteArray(0x80000, char(0xA5)));
        QCOMPARE(dlg.SizeLabel()->text(), QStringLiteral("Current ROM size: 28Mbit"));
        QVERIFY(!dlg.Expand28Button()->isEnabled());
        QVERIFY(dlg.Expand32Button()->isEnabled());

        // An empty field is the default fill, FF.
        dlg.FillEdit()->clear();
        messages.QueueAnswer(true);
        QTest::mouseClick(dlg.Expand32Button(), Qt::LeftButton);
        after = FileBytes(path);
        QCOMPARE(after.size(), 0x400200);
        QCOMPARE(after.mid(0x380200), QByteArray(0x80000, char(0xFF)));
        QCOMPARE(dlg.SizeLabel()->text(), QStringLiteral("Current ROM size: 32Mbit"));
        QVERIFY(!dlg.Expand32Button()->isEnabled());
    }

    void answeringNoAppendsNothing()
    {
        ScopedRecordingMessages messages;
        const QString path = Image(QStringLiteral("us-28"), QStringLiteral("no.smc"));
        const QByteArray before = FileBytes(path);
        CQuorvexDocument doc;
        QVERIFY(doc.OnOpenDocument(path, nullptr));
        CRomExpDia dlg(doc.Rom());
        QCOMPARE(dlg.SizeLabel()->text(), QStringLiteral("Current ROM size: 28Mbit"));
        QVERIFY(!dlg.Expand28Button()->isEnabled());
        messages.QueueAnswer(false);
        QTest::mouseClick(dlg.Expand32Button(), Qt::LeftButton);
        QCOMPARE(messages.LastKind(), QStringLiteral("question"));
        QCOMPARE(FileBytes(path), before);
        QCOMPARE(dlg.SizeLabel()->text(), QStringLiteral("Current ROM size: 28Mbit"));
    }

    void unacceptedSizeOffersNothing()
    {
        ScopedRecordingMessages messages;
        CQuorvexDocument doc;
        QVERIFY(doc.OnOpenDocument(Image(QStringLiteral("odd-size"), QStringLiteral("odd.smc")), nullptr));
        CRomExpDia dlg(doc.Rom());
        QCOMPARE(dlg.SizeLabel()->text(), QStringLiteral("Current ROM size: ??Mbit"));
        QVERIFY(!dlg.Expand28Button()->isEnabled());
        QVERIFY(!dlg.Expand32Button()->isEnabled());
    }

    void aVanishedFileIsReportedAndNothingChanges()
    {
        ScopedRecordingMessages messages;
        const QString path = Image(QStringLiteral("us10-headerless"), QStringLiteral("vanish.smc"));
        CQuorvexDocument doc;
        QVERIFY(doc.OnOpenDocument(path, nullptr));
        QVERIFY(QFile::remove(path));
        CRomExpDia dlg(doc.Rom());
        messages.QueueAnswer(true);
        QTest::mouseClick(dlg.Expand28Button(), Qt::LeftButton);
        QCOMPARE(messages.LastKind(), QStringLiteral("error"));
        QVERIFY(!messages.LastText().isEmpty());
        QVERIFY(!QFile::exists(path));
        QCOMPARE(doc.Rom().imageSize, quorvex::kImageSize24);
        QCOMPARE(dlg.SizeLabel()->text(), QStringLiteral("Current ROM size: 24Mbit"));
        QVERIFY(dlg.OkButton()->isEnabled());
    }

    void expandFromTheMainViewRefreshesTheReport()
    {
        ScopedRecordingMessages messages;
        const QString path = Image(QStringLiteral("us10-headerless"), QStringLiteral("view.smc"));
        CQuorvexApp app;
        CQuorvexApp::StartupOptions quiet;
        quiet.allowSplash = false;
        quiet.showWindow = false;
        QVERIFY(app.InitInstance({QStringLiteral("quorvex"), path}, quiet));
        CMainFrame* frame = app.MainFrame();
        QVERIFY(frame->View()->ReportText().contains(QStringLiteral("Cart size: 24 Mbit\n")));
        QVERIFY(frame->View()->ReportText().contains(QStringLiteral("ROM is expanded: no\n")));

        messages.QueueAnswer(true);
        QTimer::singleShot(0, this, [] {
            QTRY_VERIFY(qobject_cast<CRomExpDia*>(QApplication::activeModalWidget()));
            auto* dlg = qobject_cast<CRomExpDia*>(QApplication::activeModalWidget());
            dlg->FillEdit()->setText(QStringLiteral("00"));
            QTest::mouseClick(dlg->Expand32Button(), Qt::LeftButton);
            QTest::mouseClick(dlg->OkButton(), Qt::LeftButton);
        });
        QTest::mouseClick(frame->View()->ExpandButton(), Qt::LeftButton);
        QCOMPARE(FileBytes(path).size(), 0x400000);
        const QString report = frame->View()->ReportText();
        QVERIFY2(report.contains(QStringLiteral("Cart size: 32 Mbit\n")), qPrintable(report));
        QVERIFY(report.contains(QStringLiteral("ROM is expanded: yes\n")));
        QVERIFY(!frame->View()->ExpandButton()->isEnabled());
        QVERIFY(!frame->isWindowModified());

        // And the expanded image opens again as a 32 Mbit image whose saves
        // keep its length.
        QVERIFY(frame->OpenDocumentFile(path));
        QVERIFY(frame->View()->ReportText().contains(QStringLiteral("Cart size: 32 Mbit\n")));
        app.Document()->SetModifiedFlag(true);
        frame->SaveAction()->trigger();
        QCOMPARE(FileBytes(path).size(), 0x400000);
        QCOMPARE(messages.LastKind(), QStringLiteral("question"));
    }

    // About, wait, splash -----------------------------------------------

    void aboutBox()
    {
        ScopedRecordingMessages messages;
        CQuorvexDocument doc;
        {
            CAboutDlg dlg(doc.Rom());
            QCOMPARE(dlg.windowTitle(), QStringLiteral("About Quorvex Multi Edit"));
            QCOMPARE(dlg.VersionLabel()->text(), QStringLiteral("Quorvex Version 6.7.1, 32-bit"));
            QVERIFY(dlg.RomNameLabel()->isHidden());
        }
        QVERIFY(doc.OnOpenDocument(Image(QStringLiteral("us11"), QStringLiteral("about.smc")), nullptr));
        {
            CAboutDlg dlg(doc.Rom());
            QVERIFY(!dlg.RomNameLabel()->isHidden());
            QVERIFY(dlg.RomNameLabel()->text().startsWith(QStringLiteral("FINAL FANTASY 3")));
            QCOMPARE(dlg.RomVersionLabel()->text(), QStringLiteral("Version 1.1"));
            dlg.show();
            Shot(&dlg, QStringLiteral("about.png"));
        }
        QVERIFY(doc.OnOpenDocument(Image(QStringLiteral("unknown-title"), QStringLiteral("about2.smc")), nullptr));
        {
            CAboutDlg dlg(doc.Rom());
            QVERIFY(dlg.RomNameLabel()->isHidden());
        }
    }

    void waitDialog()
    {
        CWaitDlg dlg(QStringLiteral("Reading monsters..."));
        QCOMPARE(dlg.CaptionLabel()->text(), QStringLiteral("Reading monsters..."));
        dlg.show();
        dlg.SetRange(0, 10);
        dlg.StepIt();
        dlg.StepIt(2);
        QCOMPARE(dlg.Pos(), 3);
        dlg.SetPos(99);
        QCOMPARE(dlg.Pos(), 10);
        dlg.SetPos(-5);
        QCOMPARE(dlg.Pos(), 0);
        dlg.SetRange(5, 1); // a backwards range becomes empty, not inverted
        QCOMPARE(dlg.Progress()->minimum(), 5);
        QCOMPARE(dlg.Progress()->maximum(), 5);
        dlg.SetRange(0, 4);
        dlg.SetPos(2);
        dlg.SetCaption(QStringLiteral("Drawing formations..."));
        QCOMPARE(dlg.CaptionLabel()->text(), QStringLiteral("Drawing formations..."));
        Shot(&dlg, QStringLiteral("wait.png"));
    }

    void splashClosesByItselfOrOnAClick()
    {
        QPointer<CSplashWnd> timed = CSplashWnd::ShowSplashScreen(QStringLiteral("Quorvex Version 6.7.1, 32-bit"), 150);
        QVERIFY(timed);
        QVERIFY(timed->isVisible());
        QVERIFY(timed->windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(timed->grab().save(QStringLiteral(QUORVEX_SCREENSHOT_DIR "/splash.png")));
        QTRY_VERIFY_WITH_TIMEOUT(timed.isNull(), 3000);

        QPointer<CSplashWnd> clicked = CSplashWnd::ShowSplashScreen(QStringLiteral("v"), 60000);
        QVERIFY(clicked);
        QTest::mouseClick(clicked.data(), Qt::LeftButton);
        QTRY_VERIFY(clicked.isNull());

        // Start-up shows one and the program carries on underneath it.
        ScopedRecordingMessages messages;
        CQuorvexApp app;
        CQuorvexApp::StartupOptions o;
        o.splashTimeoutMs = 100;
        o.showWindow = false;
        QVERIFY(app.InitInstance({QStringLiteral("quorvex")}, o));
        QTRY_VERIFY_WITH_TIMEOUT(
            [] {
                for (QWidget* w : QApplication::topLevelWidgets())
                    if (qobject_cast<CSplashWnd*>(w))
                        return false;
                return true;
            }(),
            3000);
    }

    void toolbarIconSheet()
    {
        // All command icons side by side, to look at them together.
        const QStringList names = {"quorvex", "open",  "save",  "monster", "item",  "colosseum", "formation", "battle",
                                   "sound",   "actor", "spell", "dialog",  "tile",  "about",     "options"};
        QImage sheet(names.size() * 56 + 8, 64, QImage::Format_ARGB32);
        sheet.fill(QColor(0xf0, 0xf0, 0xf0));
        QPainter p(&sheet);
        for (int i = 0; i < names.size(); ++i) {
            const QIcon icon(QStringLiteral(":/icons/%1.svg").arg(names[i]));
            QVERIFY2(!icon.isNull() && !icon.pixmap(48, 48).isNull(), qPrintable(names[i]));
            icon.paint(&p, QRect(8 + i * 56, 8, 48, 48));
        }
        p.end();
        QVERIFY(sheet.save(QStringLiteral(QUORVEX_SCREENSHOT_DIR "/icons.png")));
    }

    // Message service ------------------------------------------------------

    void recordingYesNoCancel()
    {
        ScopedRecordingMessages messages;
        QCOMPARE(MessageService::Instance().QuestionYesNoCancel(QStringLiteral("a")), MessageService::Answer::Cancel);
        messages.QueueAnswer(MessageService::Answer::No);
        messages.QueueAnswer(true); // the Yes/No queue is separate
        QCOMPARE(MessageService::Instance().QuestionYesNoCancel(QStringLiteral("b")), MessageService::Answer::No);
        QVERIFY(MessageService::Instance().Question(QStringLiteral("c")));
        QCOMPARE(messages.Log().size(), 3);
        QCOMPARE(messages.Log()[0].kind, QStringLiteral("yesnocancel"));
        QCOMPARE(messages.Log()[2].kind, QStringLiteral("question"));
    }
};

QUORVEX_APP_TEST(ShellDialogsTest)
#include "ShellDialogsTest.moc"
