// Files the windows write, driven offscreen: File > "Save As..." writes a
// copy with the edits through the all-or-nothing save and continues on it,
// asks before replacing another file (a replaced image is kept as a
// restore point); exports ask before replacing a file and name the full
// path of what they created.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "AppTestMain.h"
#include "AppTestSupport.h"
#include "MainFrame.h"
#include "MessageService.h"
#include "QuorvexApp.h"
#include "QuorvexDoc.h"
#include "TilesStudioDia.h"
#include "controls/ExportFile.h"
#include "rom/Document.h"
#include "rom/RestorePoints.h"

class SaveAsAndExportsTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_settingsDir;
    QTemporaryDir m_files;

    QString Image(const QString& name)
    {
        return WriteImageFile(m_files.filePath(name), VariantOptions(QStringLiteral("us10-headered")));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_settingsDir.isValid());
        QVERIFY(m_files.isValid());
        IsolateSettings(m_settingsDir.path());
    }

    // The menu command through its dialog: the edited image goes to the new
    // name, the one it came from keeps its bytes, and the window, the next
    // save and the recent files follow the new name.
    void saveAsThroughTheMenu()
    {
        ScopedRecordingMessages messages;
        const QString from = Image(QStringLiteral("from.smc"));
        const QByteArray original = FileBytes(from);
        const QString to = m_files.filePath(QStringLiteral("copy.smc"));
        CQuorvexApp app;
        QVERIFY(app.InitInstance({QStringLiteral("quorvex"), from}, QuietStartup()));
        CMainFrame* frame = app.MainFrame();
        CQuorvexDocument* doc = app.Document();
        QVERIFY(frame->SaveAsAction()->isEnabled());
        QCOMPARE(frame->SaveAsAction()->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+S")));
        doc->Rom().monsters.monsters.bytes[3] ^= 0x5A;
        doc->SetModifiedFlag(true);

        bool sawDialog = false;
        QTimer::singleShot(0, this, [&] {
            QTRY_VERIFY(qobject_cast<QFileDialog*>(QApplication::activeModalWidget()));
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            sawDialog = dialog->acceptMode() == QFileDialog::AcceptSave &&
                        dialog->testOption(QFileDialog::DontConfirmOverwrite) &&
                        dialog->objectName() == QStringLiteral("saveAsDialog");
            dialog->selectFile(to);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        frame->SaveAsAction()->trigger();
        QVERIFY(sawDialog);
        QVERIFY(messages.Log().isEmpty());
        QCOMPARE(doc->PathName(), QFileInfo(to).absoluteFilePath());
        QCOMPARE(QString::fromStdString(doc->Rom().path), QFileInfo(to).absoluteFilePath());
        QVERIFY(!doc->IsModified());
        QCOMPARE(frame->windowTitle(), QStringLiteral("copy.smc[*] - Quorvex"));
        QCOMPARE(FileBytes(from), original);
        const QByteArray copy = FileBytes(to);
        QCOMPARE(copy.size(), original.size());
        QVERIFY(copy != original);
        QVERIFY(frame->RecentFileActions().size() >= 1);
        QCOMPARE(frame->RecentFileActions().front()->data().toString(), QFileInfo(to).absoluteFilePath());

        // Save goes to the new name now.
        doc->Rom().monsters.monsters.bytes[4] ^= 0x01;
        doc->SetModifiedFlag(true);
        frame->SaveAction()->trigger();
        QCOMPARE(FileBytes(from), original);
        QVERIFY(FileBytes(to) != copy);
    }

    // Another file under the chosen name: asked first (No keeps it), and
    // once replaced it is kept as a restore point.
    void saveAsOverAnotherFileAsks()
    {
        ScopedRecordingMessages messages;
        const QString from = Image(QStringLiteral("a.smc"));
        const QString other = Image(QStringLiteral("other.smc"));
        QFile f(other);
        QVERIFY(f.open(QIODevice::ReadWrite));
        f.seek(0x300);
        f.write("\x12\x34", 2);
        f.close();
        const QByteArray otherBytes = FileBytes(other);
        CQuorvexApp app;
        QVERIFY(app.InitInstance({QStringLiteral("quorvex"), from}, QuietStartup()));
        CMainFrame* frame = app.MainFrame();

        QVERIFY(!frame->SaveDocumentAs(other));
        QCOMPARE(messages.LastKind(), QStringLiteral("question"));
        QCOMPARE(messages.LastText(), QStringLiteral("`%1' already exists.\nDo you want to replace it?")
                                          .arg(QDir::toNativeSeparators(QFileInfo(other).absoluteFilePath())));
        QCOMPARE(FileBytes(other), otherBytes);
        QCOMPARE(app.Document()->PathName(), QFileInfo(from).absoluteFilePath());

        messages.QueueAnswer(true);
        QVERIFY(frame->SaveDocumentAs(other));
        QCOMPARE(FileBytes(other), FileBytes(from));
        const auto points = quorvex::ListRestorePoints(ToCorePath(other));
        QCOMPARE(points.size(), size_t(1));
        QCOMPARE(FileBytes(QString::fromStdString(points[0].path)), otherBytes);

        // Its own name is a plain save: no question.
        messages.Clear();
        QVERIFY(frame->SaveDocumentAs(other));
        QVERIFY(messages.Log().isEmpty());
    }

    // A folder that does not exist: an error, and the document stays on
    // its image with its edits.
    void aFailedSaveAsKeepsTheDocument()
    {
        ScopedRecordingMessages messages;
        const QString from = Image(QStringLiteral("b.smc"));
        CQuorvexApp app;
        QVERIFY(app.InitInstance({QStringLiteral("quorvex"), from}, QuietStartup()));
        app.Document()->SetModifiedFlag(true);
        QVERIFY(!app.MainFrame()->SaveDocumentAs(m_files.filePath(QStringLiteral("missing/x.smc"))));
        QCOMPARE(messages.LastKind(), QStringLiteral("error"));
        QCOMPARE(app.Document()->PathName(), QFileInfo(from).absoluteFilePath());
        QVERIFY(app.Document()->IsModified());
        QVERIFY(!QFile::exists(m_files.filePath(QStringLiteral("missing/x.smc"))));
    }

    // Tiles Studio's exports: the full path in the message; a second export
    // of the same file asks first and No leaves it alone.
    void exportsAskAndNameTheFullPath()
    {
        ScopedRecordingMessages messages;
        quorvex::CQuorvexDoc doc;
        QVERIFY(doc.OnOpenDocument(ToCorePath(Image(QStringLiteral("c.smc")))).ok);
        CTilesStudioDia dia(doc);
        dia.SetBackground(12);
        const QString bmp = m_files.filePath(QStringLiteral("bckj012.bmp"));
        QVERIFY(dia.SaveBackground(m_files.path()));
        QCOMPARE(messages.LastText(),
                 QStringLiteral("`%1' created").arg(QDir::toNativeSeparators(QFileInfo(bmp).absoluteFilePath())));
        QFile::resize(bmp, 10);
        QVERIFY(!dia.SaveBackground(m_files.path()));
        QCOMPARE(messages.LastKind(), QStringLiteral("question"));
        QCOMPARE(messages.LastText(), ReplaceQuestion(bmp));
        QCOMPARE(QFileInfo(bmp).size(), qint64(10));
        messages.QueueAnswer(true);
        QVERIFY(dia.SaveBackground(m_files.path()));
        QVERIFY(QFileInfo(bmp).size() > 10);
    }

    void severalFilesAskOnce()
    {
        ScopedRecordingMessages messages;
        const QStringList paths{m_files.filePath(QStringLiteral("s1.png")), m_files.filePath(QStringLiteral("s2.png")),
                                m_files.filePath(QStringLiteral("s3.png"))};
        QVERIFY(MayReplaceFiles(paths, nullptr));
        QVERIFY(messages.Log().isEmpty());
        for (const QString& p : paths.mid(0, 2)) {
            QFile f(p);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QVERIFY(!MayReplaceFiles(paths, nullptr));
        QCOMPARE(messages.Log().size(), 1);
        QVERIFY(messages.LastText().startsWith(QStringLiteral("2 of these files already exist in `")));
    }
};

QUORVEX_APP_TEST(SaveAsAndExportsTest)
#include "SaveAsAndExportsTest.moc"
