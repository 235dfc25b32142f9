// Drives the program as a user would, offscreen: start-up with a file on the
// command line, drops, the File menu and its recent files, the status
// report and its buttons for each image size, the toolbar, the save-changes
// question and a failing save.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

#include "AppTestMain.h"
#include "EditorRegistry.h"
#include "MainFrame.h"
#include "MessageService.h"
#include "QuorvexApp.h"
#include "QuorvexDoc.h"
#include "QuorvexView.h"
#include "AppTestSupport.h"
#include "SyntheticImage.h"
#include "rom/PatchDetect.h"

using quorvex::synth::SynthOptions;

namespace {

// Keeps a registry entry as it was around a test that replaces it.
class SavedLauncher {
public:
    explicit SavedLauncher(EditorCommand command) : m_command(command)
    {
        auto it = EditorRegistry().find(command);
        if (it != EditorRegistry().end()) {
            m_had = true;
            m_launcher = it->second;
        }
    }
    ~SavedLauncher()
    {
        if (m_had)
            EditorRegistry()[m_command] = m_launcher;
        else
            EditorRegistry().erase(m_command);
    }

private:
    EditorCommand m_command;
    bool m_had = false;
    EditorLauncher m_launcher;
};

class SavedManagerLauncher {
public:
    SavedManagerLauncher() : m_launcher(ExpandedRomManagerLauncher()) {}
    ~SavedManagerLauncher() { ExpandedRomManagerLauncher() = m_launcher; }

private:
    EditorLauncher m_launcher;
};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_settingsDir;
    QTemporaryDir m_files;

    QString Image(const QString& variant, const QString& name = QString())
    {
        const QString path = m_files.filePath(name.isEmpty() ? variant + QStringLiteral(".smc") : name);
        if (!quorvex::synth::WriteSyntheticImage(ToCorePath(path), VariantOptions(variant)))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    static QStringList ToolbarTips(QToolBar* bar)
    {
        QStringList tips;
        for (QAction* a : bar->actions())
            tips << (a->isSeparator() ? QStringLiteral("|") : a->toolTip().section(QLatin1Char('\n'), 0, 0));
        return tips;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_settingsDir.isValid());
        QVERIFY(m_files.isValid());
        IsolateSettings(m_settingsDir.path());
    }

    void init()
    {
        QSettings(QStringLiteral("Orvan Soft"), QStringLiteral("Quorvex")).clear();
    }

    void commandLineOpensTheImage()
    {
        ScopedRecordingMessages messages;
        const QString path = Image(QStringLiteral("us10-headerless"), QStringLiteral("cmdline.smc"));
        CQuorvexApp app;
        QVERIFY(app.InitInstance({QStringLiteral("quorvex"), path}, QuietStartup()));
        CMainFrame* frame = app.MainFrame();
        QVERIFY(frame);
        QCOMPARE(app.Document()->PathName(), QFileInfo(path).absoluteFilePath());
        QCOMPARE(frame->windowTitle(), QStringLiteral("cmdline.smc[*] - Quorvex"));
        QVERIFY(!frame->isWindowModified());
        const QString report = frame->View()->ReportText();
        QCOMPARE(report, FromCoreText(quorvex::BuildStatusReport(app.Document()->Rom())));
        QVERIFY(report.startsWith(QStringLiteral("ROM internal name: \"FINAL FANTASY 3")));
        QVERIFY(report.contains(QStringLiteral("FF3us, Version: 1.0\n")));
        QVERIFY(report.contains(QStringLiteral("Cart size: 24 Mbit\n")));
        QVERIFY(report.contains(QStringLiteral("ROM is expanded: no\n")));
        QVERIFY(report.contains(QStringLiteral("ROM is header-less: yes\n")));
        QVERIFY(report.endsWith(QStringLiteral("Patch already applied: none\n\n")));
        QCOMPARE(frame->ToolBar()->actions().size(), 15);
        QVERIFY(messages.Log().isEmpty());
        QCOMPARE(app.ExitInstance(), 0);
    }

    void commandLineWithABadFileEndsStartUp()
    {
        ScopedRecordingMessages messages;
        CQuorvexApp app;
        QVERIFY(!app.InitInstance({QStringLiteral("quorvex"), m_files.filePath(QStringLiteral("missing.smc"))}, QuietStartup()));
        QCOMPARE(messages.LastKind(), QStringLiteral("error"));
        QVERIFY(!messages.LastText().isEmpty());
    }

    void aRelativePathStaysValidWhenTheFolderChanges()
    {
        ScopedRecordingMessages messages;
        Image(QStringLiteral("us10-headerless"), QStringLiteral("relative.smc"));
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_files.path()));
        CQuorvexApp app;
        const bool started = app.InitInstance({QStringLiteral("quorvex"), QStringLiteral("relative.smc")}, QuietStartup());
        QVERIFY(QDir::setCurrent(before));
        QVERIFY(started);
        QCOMPARE(app.Document()->PathName(), m_files.filePath(QStringLiteral("relative.smc")));
        QCOMPARE(QString::fromStdString(app.Document()->Rom().path), m_files.filePath(QStringLiteral("relative.smc")));
        app.Document()->SetModifiedFlag(true);
        app.MainFrame()->SaveAction()->trigger();
        QVERIFY(messages.Log().isEmpty());
        QVERIFY(!app.Document()->IsModified());
    }

    void commandLineParsing()
    {
        auto cmd = CQuorvexApp::ParseCommandLine({QStringLiteral("quorvex")});
        QVERIFY(cmd.file.isEmpty());
        QVERIFY(cmd.showSplash);
        cmd = CQuorvexApp::ParseCommandLine(
            {QStringLiteral("quorvex"), QStringLiteral("-nosplash"), QStringLiteral("/tmp/a.smc"), QStringLiteral("b.smc")});
        QCOMPARE(cmd.file, QStringLiteral("/tmp/a.smc"));
        QVERIFY(!cmd.showSplash);
        cmd = CQuorvexApp::ParseCommandLine({QStringLiteral("quorvex"), QStringLiteral("--"), QStringLiteral("-odd.smc")});
        QCOMPARE(cmd.file, QStringLiteral("-odd.smc"));
    }

    void displayCheck()
    {
        QVERIFY(!CQuorvexApp::DisplayIsUsable(4));
        QVERIFY(!CQuorvexApp::DisplayIsUsable(7));
        QVERIFY(CQuorvexApp::DisplayIsUsable(8));
        QVERIFY(CQuorvexApp::DisplayIsUsable(32));

        ScopedRecordingMessages messages;
        CQuorvexApp poor;
        auto options = QuietStartup();
        options.displayDepth = 4;
        QVERIFY(!poor.InitInstance({QStringLiteral("quorvex")}, options));
        QVERIFY(!poor.MainFrame());
        QCOMPARE(messages.Log().size(), 1);
        QCOMPARE(messages.LastKind(), QStringLiteral("error"));
        QCOMPARE(messages.LastText(), QStringLiteral("This program cannot\nwork in a 8-colour screenmode.\nYur computar "
                                                     "sux4r!! buy a new onr!!1"));

        CQuorvexApp fine;
        options.displayDepth = 8;
        QVERIFY(fine.InitInstance({QStringLiteral("quorvex")}, options));
        QVERIFY(fine.MainFrame());
    }

    void noImageState()
    {
        ScopedRecordingMessages messages;
        CQuorvexApp app;
        QVERIFY(app.InitInstance({QStringLiteral("quorvex")}, QuietStartup()));
        CMainFrame* frame = app.MainFrame();
        QCOMPARE(frame->View()->ReportText(), QStringLiteral("No ROM loaded..."));
        QVERIFY(!frame->View()->ExpandButton()->isEnabled());
        QVERIFY(!frame->View()->ManageButton()->isEnabled());
        QCOMPARE(ToolbarTips(frame->ToolBar()),
                 QStringList({QStringLiteral("Open"), QStringLiteral("Save"), QStringLiteral("|"), QStringLiteral("About")}));
        QVERIFY(!frame->SaveAction()->isEnabled());
        QCOMPARE(frame->windowTitle(), QStringLiteral("FF3us[*] - Quorvex"));
        // Saving with nothing open does nothing and says nothing.
        frame->SaveAction()->trigger();
        QVERIFY(messages.Log().isEmpty());
    }

    void dropOpensTheFile()
    {
        ScopedRecordingMessages messages;
        CQuorvexApp app;
        QVERIFY(app.InitInstance({QStringLiteral("quorvex")}, QuietStartup()));
        CMainFrame* frame = app.MainFrame();
        const QString path = Image(QStringLiteral("us-28"), QStringLiteral("dropped.smc"));

        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        enter.setAccepted(false);
        QApplication::sendEvent(frame, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(frame, &drop);
        QVERIFY(drop.isAccepted());
        // The open follows once the drop has returned to the file's source.
        QVERIFY(app.Document()->PathName().isEmpty());
        QTRY_COMPARE(app.Document()->PathName(), QFileInfo(path).absoluteFilePath());
        QCOMPARE(frame->windowTitle(), QStringLiteral("dropped.smc[*] - Quorvex"));
        QVERIFY(frame->View()->ReportText().contains(QStringLiteral("Cart size: 28 Mbit\n")));
        QVERIFY(messages.Log().isEmpty());

        // A folder dropped by mistake is refused with a message; the image
        // stays open.
        QMimeData folder;
        folder.setUrls({QUrl::fromLocalFile(m_files.path())});
        QDragEnterEvent folderEnter(QPoint(20, 20), Qt::CopyAction, &folder, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(frame, &folderEnter);
        QDropEvent folderDrop(QPointF(20, 20), Qt::CopyAction, &folder, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(frame, &folderDrop);
        QTRY_COMPARE(messages.LastKind(), QStringLiteral("error"));
        QCOMPARE(app.Document()->PathName(), QFileInfo(path).absoluteFilePath());

        // Things that are not local files are refused at the door.
        QMimeData text;
        text.setText(QStringLiteral("hello"));
        QDragEnterEvent refused(QPoint(20, 20), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
        refused.setAccepted(false);
        QApplication::sendEvent(frame, &refused);
        QVERIFY(!refused.isAccepted());
        QMimeData web;
        web.setUrls({QUrl(QStringLiteral("https://example.invalid/x.smc"))});
        QDragEnterEvent remote(QPoint(20, 20), Qt::CopyAction, &web, Qt::LeftButton, Qt::NoModifier);
        remote.setAccepted(false);
        QApplication::sendEvent(frame, &remote);
        QVERIFY(!remote.isAccepted());
    }

    void dropOnTheReportReachesTheWindow()
    {
        // Users drop files anywhere on the window, mostly on the big report
        // area; the read-only report must hand the drop on to the frame.
        ScopedRecordingMessages messages;
        CQuorvexApp app;
        auto options = QuietStartup();
        options.showWindow = true;
        QVERIFY(app.InitInstance({QStringLiteral("quorvex")}, options));
        CMainFrame* frame = app.MainFrame();
        QVERIFY(QTest::qWaitForWindowExposed(frame));
        const QString path = Image(QStringLiteral("us-32-headered"), QStringLiteral("onreport.smc"));
        auto* report = frame->View()->findChild<QPlainTextEdit*>(QStringLiteral("statusReport"));
        QVERIFY(report);
        QWidget* target = report->viewport();

        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(30, 30), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        enter.setAccepted(false);
        QApplication::sendEvent(target, &enter);
        QVERIFY(enter.isAccepted());
        QDragMoveEvent move(QPoint(32, 32), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        move.setAccepted(false);
        QApplication::sendEvent(target, &move);
        QVERIFY(move.isAccepted());
        QDropEvent drop(QPointF(32, 32), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        drop.setAccepted(false);
        QApplication::sendEvent(target, &drop);
        QVERIFY(drop.isAccepted());
        QTRY_COMPARE(app.Document()->PathName(), QFileInfo(path).absoluteFilePath());
        QVERIFY(frame->View()->ReportText().contains(QStringLiteral("Cart size: 32 Mbit\n")));
        QVERIFY(messages.Log().isEmpty());

        // Dropping another file on a modified image: the save-changes
        // question comes after the drop has returned, never inside it.
        app.Document()->SetModifiedFlag(true);
        const QString other = Image(QStringLiteral("us-28"), QStringLiteral("onreport2.smc"));
        QMimeData second;
        second.setUrls({QUrl::fromLocalFile(other)});
        QDragEnterEvent enter2(QPoint(30, 30), Qt::CopyAction, &second, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter2);
        QDragMoveEvent move2(QPoint(32, 32), Qt::CopyAction, &second, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &move2);
        QVERIFY(move2.isAccepted());
        QDropEvent drop2(QPointF(32, 32), Qt::CopyAction, &second, Qt::LeftButton, Qt::NoModifier);
        drop2.setAccepted(false);
        messages.QueueAnswer(MessageService::Answer::No);
        QApplication::sendEvent(target, &drop2);
        QVERIFY(drop2.isAccepted());
        QVERIFY(messages.Log().isEmpty());
        QCOMPARE(app.Document()->PathName(), QFileInfo(path).absoluteFilePath());
        QTRY_COMPARE(app.Document()->PathName(), QFileInfo(other).absoluteFilePath());
        QCOMPARE(messages.LastKind(), QStringLiteral("yesnocancel"));
        QVERIFY(!app.Document()->IsModified());
        frame->hide();
    }

    void reportAndButtons_data()
    {
        QTest::addColumn<QString>("variant");
        QTest::addColumn<QString>("cartSize");
        QTest::addColumn<bool>("expand");
        QTest::addColumn<bool>("manage");
        QTest::addColumn<int>("toolbar");
        QTest::newRow("24 Mbit") << "us10-headerless" << "24" << true << false << 15;
        QTest::newRow("24 Mbit headered") << "us10-headered" << "24" << true << false << 15;
        QTest::newRow("28 Mbit") << "us-28" << "28" << true << true << 15;
        QTest::newRow("32 Mbit") << "us-32-headered" << "32" << false << true << 15;
        QTest::newRow("FF6j") << "jp" << "24" << true << false << 15;
        QTest::newRow("unknown title") << "unknown-title" << "24" << true << false << 4;
        QTest::newRow("unaccepted size") << "odd-size" << "??" << false << false << 15;
    }

    void reportAndButtons()
    {
        QFETCH(QString, variant);
        QFETCH(QString, cartSize);
        QFETCH(bool, expand);
        QFETCH(bool, manage);
        QFETCH(int, toolbar);

        SavedManagerLauncher keep;
        ScopedRecordingMessages messages;
        CQuorvexApp app;
        QVERIFY(app.InitInstance({QStringLiteral("quorvex"), Image(variant)}, QuietStartup()));
        CMainFrame* frame = app.MainFrame();
        const QString report = frame->View()->ReportText();
        QCOMPARE(report, FromCoreText(quorvex::BuildStatusReport(app.Document()->Rom())));
        QVERIFY2(report.contains(QStringLiteral("Cart size: %1 Mbit\n").arg(cartSize)), qPrintable(report));
        QCOMPARE(frame->ToolBar()->actions().size(), toolbar);
        QCOMPARE(frame->View()->ExpandButton()->isEnabled(), expand);

        // The data location manager is not part of the program yet: its
        // button stays off whatever the size, and follows the size rule once
        // a manager is registered.
        ExpandedRomManagerLauncher() = nullptr;
        frame->OnInitialUpdate();
        QVERIFY(!frame->View()->ManageButton()->isEnabled());
        int runs = 0;
        ExpandedRomManagerLauncher() = [&runs](QWidget*, quorvex::CQuorvexDoc&) { ++runs; };
        frame->OnInitialUpdate();
        QCOMPARE(frame->View()->ManageButton()->isEnabled(), manage);
        if (manage) {
            QTest::mouseClick(frame->View()->ManageButton(), Qt::LeftButton);
            QCOMPARE(runs, 1);
        }
        if (variant == QLatin1String("unknown-title"))
            QVERIFY(report.contains(QStringLiteral("Unkown type, Version: 1.0\n")));
    }

    void toolbarOrderTooltipsAndPrompts()
    {
        ScopedRecordingMessages messages;
        CQuorvexApp app;
        QVERIFY(app.InitInstance({QStringLiteral("quorvex"), Image(QStringLiteral("us11"))}, QuietStartup()));
        CMainFrame* frame = app.MainFrame();
        QCOMPARE(ToolbarTips(frame->ToolBar()),
                 QStringList({"Open", "Save", "|", "Monster Editor", "Item Editor", "Colosseum Betting System Editor",
                              "Monsters' Formation Editor", "Battle Editor", "Sound/Music Editor", "Actor Editor",
                              "Spells/Esper Editor", "Dialog Editor", "Tile Editor", "|", "About"}));
        const QList<QPair<EditorCommand, QString>> prompts = {
            {EditorCommand::ActorEditor,
             "Edit actors startup values (takes effect on first encounter), abilities and evolution"},
            {EditorCommand::SoundEditor, "Edit sound clips and other things related to audio"},
            {EditorCommand::BattleEditor, "Edit battle related things"},
            {EditorCommand::ColosseumEditor, "Change monster fought and rewards for Colosseum battles"},
            {EditorCommand::DialogEditor, "Edit dialogs and location names"},
            {EditorCommand::ItemEditor,
             "Modify items specs, morph packs patterns (Ragnarok Esper effect) and shops inventory"},
            {EditorCommand::SpellEditor, "Configure the way magic and Espers are supposed to act"},
            {EditorCommand::MonsterEditor, "Change monsters' HP, MP, weak points, battle scripts, ect."},
            {EditorCommand::FormationEditor, "Edit monsters' formations"},
            {EditorCommand::TileEditor, "Edit tiles"},
        };
        for (const auto& [command, prompt] : prompts)
            QCOMPARE(frame->EditorAction(command)->statusTip(), prompt);
        QCOMPARE(frame->OptionsAction()->statusTip(), QStringLiteral("Quorvex options"));
        QCOMPARE(frame->OptionsAction()->toolTip(), QStringLiteral("Options"));
        // Every toolbar command has an icon of its own.
        QSet<qint64> icons;
        for (QAction* a : frame->ToolBar()->actions())
            if (!a->isSeparator()) {
                QVERIFY2(!a->icon().isNull(), qPrintable(a->toolTip()));
                icons.insert(a->icon().pixmap(24, 24).toImage().cacheKey());
            }
        QCOMPARE(icons.size(), 13);

        // Hovering a command shows its prompt in the status bar.
        frame->EditorAction(EditorCommand::TileEditor)->showStatusText(frame);
        QCOMPARE(frame->statusBar()->currentMessage(), QStringLiteral("Edit tiles"));
    }

    void editorCommandsFollowTheirRegistration()
    {
        SavedLauncher keepTiles(EditorCommand::TileEditor);
        SavedLauncher keepMonsters(EditorCommand::MonsterEditor);
        EditorRegistry().erase(EditorCommand::MonsterEditor);
        int runs = 0;
        EditorRegistry()[EditorCommand::TileEditor] = [&runs](QWidget* parent, quorvex::CQuorvexDoc& doc) {
            QVERIFY(parent);
            ++runs;
            doc.SetModifiedFlag(true); // as an editor does on OK
        };

        ScopedRecordingMessages messages;
        CQuorvexApp app;
        QVERIFY(app.InitInstance({QStringLiteral("quorvex"), Image(QStringLiteral("us10-headerless"))}, QuietStartup()));
        CMainFrame* frame = app.MainFrame();
        QAction* tiles = frame->EditorAction(EditorCommand::TileEditor);
        QAction* monsters = frame->EditorAction(EditorCommand::MonsterEditor);
        QVERIFY(tiles->isEnabled());
        QVERIFY(!monsters->isEnabled()); // on the toolbar, but nothing to open yet
        QVERIFY(frame->ToolBar()->actions().contains(monsters));
        monsters->trigger();
        QVERIFY(!frame->isWindowModified());

        tiles->trigger();
        QCOMPARE(runs, 1);
        QVERIFY(app.Document()->IsModified());
        QVERIFY(frame->isWindowModified()); // the title's mark follows at once
        QCOMPARE(frame->windowTitle(), QStringLiteral("us10-headerless.smc[*] - Quorvex"));

        // With an unknown image the editors are neither on the toolbar nor
        // usable from the menu.
        messages.QueueAnswer(MessageService::Answer::No);
        QVERIFY(frame->OpenDocumentFile(Image(QStringLiteral("unknown-title"))));
        QVERIFY(!tiles->isEnabled());
        tiles->trigger();
        QCOMPARE(runs, 1);
    }

    void fileMenuAndOpenDialog()
    {
        ScopedRecordingMessages messages;
        CQuorvexApp app;
        QVERIFY(app.InitInstance({QStringLiteral("quorvex")}, QuietStartup()));
        CMainFrame* frame = app.MainFrame();
        QStringList items;
        for (QAction* a : frame->FileMenu()->actions())
            if (!a->isSeparator() && a->isVisible())
                items << a->text();
        QCOMPARE(items, QStringList({"&Open...", "&Save", "Save &As...", "Create Patch...", "Apply Patch...", "Restore Points...",
                                     "E&xit"}));
        QCOMPARE(frame->OpenAction()->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
        QCOMPARE(frame->SaveAction()->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
        QCOMPARE(CMainFrame::OpenFilters(), QStringList({"ROM SNES Images (*.smc)", "All Files (*.*)"}));

        // File Open: the dialog offers the filters, and choosing a file opens it.
        const QString path = Image(QStringLiteral("us10-headered"), QStringLiteral("chosen.smc"));
        QStringList seenFilters;
        QString seenSuffix;
        QTimer::singleShot(0, this, [&] {
            QTRY_VERIFY(qobject_cast<QFileDialog*>(QApplication::activeModalWidget()));
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            seenFilters = dialog->nameFilters();
            seenSuffix = dialog->defaultSuffix();
            QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFile);
            dialog->selectFile(path);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        frame->OpenAction()->trigger();
        QCOMPARE(seenFilters, CMainFrame::OpenFilters());
        QCOMPARE(seenSuffix, QStringLiteral("smc"));
        QCOMPARE(app.Document()->PathName(), QFileInfo(path).absoluteFilePath());
        QCOMPARE(frame->windowTitle(), QStringLiteral("chosen.smc[*] - Quorvex"));
        QVERIFY(frame->SaveAction()->isEnabled());
    }

    void modifiedDocumentAsksBeforeAnotherOpen()
    {
        ScopedRecordingMessages messages;
        const QString first = Image(QStringLiteral("us10-headerless"), QStringLiteral("first.smc"));
        const QString second = Image(QStringLiteral("jp"), QStringLiteral("second.smc"));
        const QString third = Image(QStringLiteral("us-28"), QStringLiteral("third.smc"));
        const QByteArray firstBytes = FileBytes(first);
        CQuorvexApp app;
        QVERIFY(app.InitInstance({QStringLiteral("quorvex"), first}, QuietStartup()));
        CMainFrame* frame = app.MainFrame();
        CQuorvexDocument* doc = app.Document();

        // Not modified: no question.
        QVERIFY(frame->OpenDocumentFile(first));
        QVERIFY(messages.Log().isEmpty());

        doc->SetModifiedFlag(true);
        QVERIFY(frame->isWindowModified());

        // Cancel: nothing happens.
        messages.QueueAnswer(MessageService::Answer::Cancel);
        QVERIFY(!frame->OpenDocumentFile(second));
        QCOMPARE(messages.LastKind(), QStringLiteral("yesnocancel"));
        QCOMPARE(messages.LastText(), QStringLiteral("Save changes to %1?").arg(QFileInfo(first).absoluteFilePath()));
        QCOMPARE(doc->PathName(), QFileInfo(first).absoluteFilePath());
        QVERIFY(doc->IsModified());

        // No: the edits are dropped and the other image opens.
        messages.Clear();
        messages.QueueAnswer(MessageService::Answer::No);
        QVERIFY(frame->OpenDocumentFile(second));
        QCOMPARE(messages.Log().size(), 1);
        QCOMPARE(doc->PathName(), QFileInfo(second).absoluteFilePath());
        QVERIFY(!doc->IsModified());
        QVERIFY(!frame->isWindowModified());
        QVERIFY(frame->View()->ReportText().contains(QStringLiteral("FF6j, Version: 1.0\n")));
        QCOMPARE(FileBytes(first), firstBytes);

        // Yes: saved first, then the other image opens.
        doc->SetModifiedFlag(true);
        messages.Clear();
        messages.QueueAnswer(MessageService::Answer::Yes);
        QVERIFY(frame->OpenDocumentFile(third));
        QCOMPARE(messages.Log().size(), 1);
        QCOMPARE(doc->PathName(), QFileInfo(third).absoluteFilePath());
        QVERIFY(!doc->IsModified());
    }

    void leavingAModifiedDocumentAsks()
    {
        ScopedRecordingMessages messages;
        CQuorvexApp app;
        auto options = QuietStartup();
        options.showWindow = true;
        QVERIFY(app.InitInstance({QStringLiteral("quorvex"), Image(QStringLiteral("us10-headerless"))}, options));
        CMainFrame* frame = app.MainFrame();
        app.Document()->SetModifiedFlag(true);

        messages.QueueAnswer(MessageService::Answer::Cancel);
        QVERIFY(!frame->close());
        QVERIFY(frame->isVisible());
        QCOMPARE(messages.LastKind(), QStringLiteral("yesnocancel"));

        messages.QueueAnswer(MessageService::Answer::No);
        frame->ExitAction()->trigger();
        QVERIFY(!frame->isVisible());
    }

    void saveWritesAndAFailedSaveKeepsTheMark()
    {
        ScopedRecordingMessages messages;
        const QString path = Image(QStringLiteral("us10-headered"), QStringLiteral("save.smc"));
        const QByteArray before = FileBytes(path);
        CQuorvexApp app;
        QVERIFY(app.InitInstance({QStringLiteral("quorvex"), path}, QuietStartup()));
        CMainFrame* frame = app.MainFrame();
        CQuorvexDocument* doc = app.Document();

        doc->SetModifiedFlag(true);
        frame->SaveAction()->trigger();
        QVERIFY(messages.Log().isEmpty());
        QVERIFY(!doc->IsModified());
        QVERIFY(!frame->isWindowModified());
        QCOMPARE(FileBytes(path), before); // nothing edited: byte-identical

        // The file went away behind our back: the save must say so and keep
        // the document modified, never claim success.
        QVERIFY(QFile::remove(path));
        doc->SetModifiedFlag(true);
        frame->SaveAction()->trigger();
        QCOMPARE(messages.LastKind(), QStringLiteral("error"));
        QVERIFY(!messages.LastText().isEmpty());
        QVERIFY(doc->IsModified());
        QVERIFY(frame->isWindowModified());
        QVERIFY(!QFile::exists(path)); // and no new file was made up

        // Leaving now asks again; answering Yes tries to save, fails, and
        // the program stays.
        messages.Clear();
        messages.QueueAnswer(MessageService::Answer::Yes);
        QVERIFY(!doc->SaveModified(frame));
        QCOMPARE(messages.Log().size(), 2);
        QCOMPARE(messages.Log()[1].kind, QStringLiteral("error"));
    }

    void aFailedOpenKeepsThePreviousImage()
    {
        ScopedRecordingMessages messages;
        const QString good = Image(QStringLiteral("us-32-headered"), QStringLiteral("good.smc"));
        CQuorvexApp app;
        QVERIFY(app.InitInstance({QStringLiteral("quorvex"), good}, QuietStartup()));
        CMainFrame* frame = app.MainFrame();
        const QString report = frame->View()->ReportText();
        QVERIFY(!frame->OpenDocumentFile(m_files.filePath(QStringLiteral("nowhere.smc"))));
        QCOMPARE(messages.LastKind(), QStringLiteral("error"));
        QCOMPARE(app.Document()->PathName(), QFileInfo(good).absoluteFilePath());
        QCOMPARE(frame->View()->ReportText(), report);
        QCOMPARE(frame->windowTitle(), QStringLiteral("good.smc[*] - Quorvex"));

        // A file with the read-only attribute is refused with its own message.
        const QString locked = Image(QStringLiteral("us10-headerless"), QStringLiteral("locked.smc"));
        QVERIFY(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        QVERIFY(!frame->OpenDocumentFile(locked));
        QCOMPARE(messages.LastKind(), QStringLiteral("error"));
        QCOMPARE(messages.LastText(), QStringLiteral("The file has the read-only attribute, Quorvex can't work with it"));
        QCOMPARE(app.Document()->PathName(), QFileInfo(good).absoluteFilePath());
        QCOMPARE(frame->View()->ReportText(), report);
    }

    void theBattleScriptPatchWarningFollowsTheOpen()
    {
        ScopedRecordingMessages messages;
        CQuorvexApp app;
        QVERIFY(app.InitInstance({QStringLiteral("quorvex"), Image(QStringLiteral("scripts-overflow-24"))}, QuietStartup()));
        QCOMPARE(messages.Log().size(), 1);
        QCOMPARE(messages.LastKind(), QStringLiteral("warning"));
        QVERIFY(messages.LastText().startsWith(QStringLiteral("Halbrec Monster AI patch was detected.\n")));
        QVERIFY(messages.LastText().contains(QStringLiteral("1) Expand the ROM to 28MBit or 32MBit")));
        QVERIFY(app.MainFrame()->View()->ReportText().contains(QStringLiteral("Patch already applied: Halbrec mst AI\n")));
    }

    void recentFiles()
    {
        ScopedRecordingMessages messages;
        QStringList paths;
        for (int i = 0; i < 12; ++i)
            paths << Image(QStringLiteral("us10-headerless"), QStringLiteral("recent%1.smc").arg(i));
        {
            CQuorvexApp app;
            QVERIFY(app.InitInstance({QStringLiteral("quorvex")}, QuietStartup()));
            CMainFrame* frame = app.MainFrame();
            QVERIFY(frame->RecentFileActions().isEmpty());
            for (const QString& p : paths)
                QVERIFY(frame->OpenDocumentFile(p));
            QList<QAction*> recent = frame->RecentFileActions();
            QCOMPARE(recent.size(), 10);
            QCOMPARE(recent[0]->data().toString(), QFileInfo(paths[11]).absoluteFilePath());
            QCOMPARE(recent[9]->data().toString(), QFileInfo(paths[2]).absoluteFilePath());
            QVERIFY(recent[0]->text().startsWith(QStringLiteral("&1 ")));
            QVERIFY(recent[9]->text().startsWith(QStringLiteral("1&0 ")));

            // Reopening one moves it to the top without a duplicate.
            QVERIFY(frame->OpenDocumentFile(paths[5]));
            recent = frame->RecentFileActions();
            QCOMPARE(recent.size(), 10);
            QCOMPARE(recent[0]->data().toString(), QFileInfo(paths[5]).absoluteFilePath());
            QCOMPARE(recent[1]->data().toString(), QFileInfo(paths[11]).absoluteFilePath());

            // The menu shows them between Save and Exit.
            QList<QAction*> menu = frame->FileMenu()->actions();
            QVERIFY(menu.indexOf(recent[0]) > menu.indexOf(frame->SaveAction()));
            QVERIFY(menu.indexOf(recent[9]) < menu.indexOf(frame->ExitAction()));

            // Choosing an entry opens it.
            recent[3]->trigger();
            QCOMPARE(app.Document()->PathName(), QFileInfo(paths[9]).absoluteFilePath());
            app.ExitInstance();
        }
        QSettings settings(QStringLiteral("Orvan Soft"), QStringLiteral("Quorvex"));
        QCOMPARE(settings.value(QStringLiteral("Recent File List/File1")).toString(),
                 QFileInfo(paths[9]).absoluteFilePath());
        QVERIFY(!settings.contains(QStringLiteral("Recent File List/File11")));

        // The next start finds the same list; an entry that vanished is
        // reported and dropped when chosen.
        CQuorvexApp again;
        QVERIFY(again.InitInstance({QStringLiteral("quorvex")}, QuietStartup()));
        QList<QAction*> recent = again.MainFrame()->RecentFileActions();
        QCOMPARE(recent.size(), 10);
        QCOMPARE(recent[0]->data().toString(), QFileInfo(paths[9]).absoluteFilePath());
        const QString gone = recent[2]->data().toString();
        QVERIFY(QFile::remove(gone));
        recent[2]->trigger();
        QCOMPARE(messages.LastKind(), QStringLiteral("error"));
        recent = again.MainFrame()->RecentFileActions();
        QCOMPARE(recent.size(), 9);
        for (QAction* a : recent)
            QVERIFY(a->data().toString() != gone);
    }

    void screenshotOfTheMainWindow()
    {
        ScopedRecordingMessages messages;
        const QString path = Image(QStringLiteral("us10-headerless"), QStringLiteral("demo.smc"));
        CQuorvexApp app;
        auto options = QuietStartup();
        options.showWindow = true;
        QVERIFY(app.InitInstance({QStringLiteral("quorvex"), path}, options));
        CMainFrame* frame = app.MainFrame();
        frame->resize(760, 540);
        QVERIFY(QTest::qWaitForWindowExposed(frame));
        QTest::qWait(50);
        const QString file = QStringLiteral(QUORVEX_SCREENSHOT_DIR "/main-window.png");
        QVERIFY(frame->grab().save(file));

        QVERIFY(frame->OpenDocumentFile(Image(QStringLiteral("unknown-title"), QStringLiteral("other.smc"))));
        QTest::qWait(20);
        QVERIFY(frame->grab().save(QStringLiteral(QUORVEX_SCREENSHOT_DIR "/main-window-unknown.png")));
        frame->hide();
    }
};

QUORVEX_APP_TEST(MainWindowTest)
#include "MainWindowTest.moc"
