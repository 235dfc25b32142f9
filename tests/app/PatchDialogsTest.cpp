// Patches and restore points in the program, offscreen: the File menu
// entries, "Create Patch", "Apply Patch" (with the save-changes question and
// the reopen), "Restore Points", the options' restore point count, and the
// one warning when no restore point can be kept.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>
#include <functional>

#include "AppTestMain.h"
#include "AppTestSupport.h"
#include "ApplyPatchDia.h"
#include "CreatePatchDia.h"
#include "MainFrame.h"
#include "MessageService.h"
#include "OptionsDia.h"
#include "QuorvexApp.h"
#include "QuorvexDoc.h"
#include "RestorePointsDia.h"
#include "SyntheticImage.h"
#include "controls/FileField.h"
#include "rom/Bps.h"
#include "rom/RestorePoints.h"

namespace {

void Shot(QWidget* w, const QString& name)
{
    QVERIFY(w->grab().save(QStringLiteral(QUORVEX_SCREENSHOT_DIR "/") + name));
}

std::vector<uint8_t> Bytes(const QByteArray& a) { return std::vector<uint8_t>(a.begin(), a.end()); }

// Runs `body` on the dialog of type D once it is the active modal window.
template <typename D>
void WhenShown(QObject* context, std::function<void(D*)> body)
{
    QTimer::singleShot(0, context, [body] {
        QTRY_VERIFY(qobject_cast<D*>(QApplication::activeModalWidget()));
        body(qobject_cast<D*>(QApplication::activeModalWidget()));
    });
}

} // namespace

class PatchDialogsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_settingsDir;
    QTemporaryDir m_files;

    QString Image(const QString& name, const QString& variant = QStringLiteral("us10-headerless"))
    {
        const QString path = m_files.filePath(name);
        QFile::remove(path);
        QDir(path + QStringLiteral(".restore")).removeRecursively();
        if (!quorvex::synth::WriteSyntheticImage(ToCorePath(path), VariantOptions(variant)))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    // Changes morph pack 7's first item in the open document.
    static void Edit(CQuorvexDocument& doc, uint8_t value)
    {
        doc.Rom().editors.morphPacks.bytes[7 * 4] = value;
        doc.SetModifiedFlag();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_settingsDir.isValid());
        QVERIFY(m_files.isValid());
        IsolateSettings(m_settingsDir.path());
    }

    void init() { QSettings(QStringLiteral("Orvan Soft"), QStringLiteral("Quorvex")).clear(); }

    void optionsKeepTheRestorePointCount()
    {
        QCOMPARE(quorvex_options::ReadRestorePoints(), 10);
        {
            COptionsDia dlg;
            QCOMPARE(dlg.RestorePointsBox()->value(), 10);
            dlg.RestorePointsBox()->setValue(3);
            dlg.show();
            Shot(&dlg, QStringLiteral("options-restore-points.png"));
            dlg.accept();
        }
        QCOMPARE(QSettings(QStringLiteral("Orvan Soft"), QStringLiteral("Quorvex"))
                     .value(QStringLiteral("Options/RestorePoints"))
                     .toInt(),
                 3);
        {
            COptionsDia dlg;
            QCOMPARE(dlg.RestorePointsBox()->value(), 3);
            dlg.RestorePointsBox()->setValue(0);
            QCOMPARE(dlg.RestorePointsBox()->text(), QStringLiteral("None"));
            dlg.reject(); // Cancel writes nothing
        }
        QCOMPARE(quorvex_options::ReadRestorePoints(), 3);
        quorvex_options::WriteRestorePoints(-4);
        QCOMPARE(quorvex_options::ReadRestorePoints(), 0);
    }

    void fileMenuEntriesNeedAnImage()
    {
        ScopedRecordingMessages messages;
        CQuorvexApp app;
        QVERIFY(app.InitInstance({QStringLiteral("quorvex")}, QuietStartup()));
        CMainFrame* frame = app.MainFrame();
        // (The menu's entries and their order: MainWindowTest.)
        for (QAction* a : {frame->CreatePatchAction(), frame->ApplyPatchAction(), frame->RestorePointsAction()})
            QVERIFY(!a->isEnabled());
        QVERIFY(frame->OpenDocumentFile(Image(QStringLiteral("menu.smc"))));
        for (QAction* a : {frame->CreatePatchAction(), frame->ApplyPatchAction(), frame->RestorePointsAction()})
            QVERIFY(a->isEnabled());
    }

    void createPatch()
    {
        ScopedRecordingMessages messages;
        const QString original = Image(QStringLiteral("original.smc"));
        const QString modified = Image(QStringLiteral("modified.smc"), QStringLiteral("us10-headered"));
        CCreatePatchDia dlg(modified);
        QCOMPARE(dlg.PatchField()->Path(), m_files.filePath(QStringLiteral("modified.bps")));
        // The file name follows the format and the format the file name.
        dlg.IpsButton()->setChecked(true);
        QCOMPARE(dlg.PatchField()->Path(), m_files.filePath(QStringLiteral("modified.ips")));
        dlg.PatchField()->SetPath(m_files.filePath(QStringLiteral("hack.bps")));
        QVERIFY(dlg.BpsButton()->isChecked());

        dlg.CreateButton()->click();
        QCOMPARE(messages.LastText(), QStringLiteral("Choose the original image!!"));
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        dlg.OriginalField()->SetPath(original);
        dlg.show();
        Shot(&dlg, QStringLiteral("create-patch.png"));
        dlg.CreateButton()->click();
        QCOMPARE(messages.LastKind(), QStringLiteral("information"));
        QCOMPARE(messages.LastText(),
                 QStringLiteral("`%1' created").arg(QFileInfo(m_files.filePath(QStringLiteral("hack.bps"))).absoluteFilePath()));
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        // The headered image is described without its header.
        const auto a = Bytes(FileBytes(original));
        auto b = Bytes(FileBytes(modified));
        b.erase(b.begin(), b.begin() + 0x200);
        QVERIFY(Bytes(FileBytes(m_files.filePath(QStringLiteral("hack.bps")))) == quorvex::CreateBps(a, b));
    }

    void applyPatchAsksToSaveAndReopens()
    {
        ScopedRecordingMessages messages;
        const QString original = Image(QStringLiteral("apply-original.smc"));
        const QString target = Image(QStringLiteral("apply-target.smc"));
        {
            CQuorvexDocument doc;
            QVERIFY(doc.OnOpenDocument(target, nullptr));
            Edit(doc, 0x42);
            QVERIFY(doc.OnSaveDocument(nullptr));
        }
        QDir(target + QStringLiteral(".restore")).removeRecursively();
        const QString patch = m_files.filePath(QStringLiteral("apply.bps"));
        {
            QFile f(patch);
            QVERIFY(f.open(QIODevice::WriteOnly));
            const auto bytes = quorvex::CreateBps(Bytes(FileBytes(original)), Bytes(FileBytes(target)));
            f.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
        }

        CQuorvexApp app;
        QVERIFY(app.InitInstance({QStringLiteral("quorvex")}, QuietStartup()));
        CMainFrame* frame = app.MainFrame();
        QVERIFY(frame->OpenDocumentFile(original));
        Edit(*app.Document(), 0x11); // an unsaved edit: the question comes first
        messages.QueueAnswer(MessageService::Answer::Yes);
        WhenShown<CApplyPatchDia>(this, [&](CApplyPatchDia* dlg) {
            QVERIFY(!dlg->ApplyButton()->isEnabled());
            dlg->PatchField()->SetPath(m_files.filePath(QStringLiteral("missing.bps")));
            QCOMPARE(dlg->InfoBox()->toPlainText(), QStringLiteral("Choose a BPS or IPS patch."));
            dlg->PatchField()->SetPath(original); // not a patch
            QCOMPARE(dlg->InfoBox()->toPlainText(), QStringLiteral("Not a BPS or IPS patch!!"));
            QVERIFY(!dlg->ApplyButton()->isEnabled());
            dlg->PatchField()->SetPath(patch);
            QVERIFY(dlg->InfoBox()->toPlainText().startsWith(QStringLiteral("format: BPS\nsource size: 3145728")));
            QVERIFY(dlg->ApplyButton()->isEnabled());
            Shot(dlg, QStringLiteral("apply-patch.png"));
            dlg->ApplyButton()->click();
            // Refused: the dialog stays open with the message shown.
            QVERIFY(dlg->isVisible());
            dlg->reject();
        });
        frame->ApplyPatchAction()->trigger();
        // The saved edit made the patch's source wrong: refused, nothing written.
        QCOMPARE(messages.Log().front().kind, QStringLiteral("yesnocancel"));
        QCOMPARE(messages.LastKind(), QStringLiteral("error"));
        QVERIFY(messages.LastText().startsWith(QStringLiteral("This patch is for another image: it expects CRC32")));
        QTRY_VERIFY(!QApplication::activeModalWidget());

        // Back to the original bytes, then the patch applies and the image reopens.
        QFile::remove(original);
        Image(QStringLiteral("apply-original.smc"));
        QVERIFY(frame->OpenDocumentFile(original));
        messages.Clear();
        WhenShown<CApplyPatchDia>(this, [&](CApplyPatchDia* dlg) {
            dlg->PatchField()->SetPath(patch);
            dlg->ApplyButton()->click();
        });
        frame->ApplyPatchAction()->trigger();
        QVERIFY(messages.Log().isEmpty());
        QCOMPARE(FileBytes(original), FileBytes(target));
        QCOMPARE(app.Document()->Rom().editors.morphPacks.bytes[7 * 4], uint8_t(0x42));
        QVERIFY(!app.Document()->IsModified());
        QCOMPARE(quorvex::ListRestorePoints(ToCorePath(original)).size(), size_t(1));
    }

    void restorePointsListAndRestore()
    {
        ScopedRecordingMessages messages;
        const QString path = Image(QStringLiteral("restore.smc"));
        const QByteArray first = FileBytes(path);
        CQuorvexApp app;
        QVERIFY(app.InitInstance({QStringLiteral("quorvex")}, QuietStartup()));
        CMainFrame* frame = app.MainFrame();
        QVERIFY(frame->OpenDocumentFile(path));
        Edit(*app.Document(), 0x21);
        frame->SaveAction()->trigger();
        Edit(*app.Document(), 0x22);
        frame->SaveAction()->trigger();
        QVERIFY(messages.Log().isEmpty());

        WhenShown<CRestorePointsDia>(this, [&](CRestorePointsDia* dlg) {
            QTreeWidget* list = dlg->List();
            QCOMPARE(list->topLevelItemCount(), 2);
            QCOMPARE(list->topLevelItem(0)->text(2), QStringLiteral("morph_packs 7"));
            QCOMPARE(list->topLevelItem(1)->text(2), QStringLiteral("morph_packs 7"));
            QVERIFY(!dlg->EmptyLabel()->isVisible());
            dlg->show();
            Shot(dlg, QStringLiteral("restore-points.png"));
            // The oldest: the image as it was opened.
            list->setCurrentItem(list->topLevelItem(1));
            messages.QueueAnswer(false);
            dlg->RestoreButton()->click();
            QCOMPARE(messages.LastKind(), QStringLiteral("question"));
            QVERIFY(dlg->isVisible()); // No keeps everything as it is
            messages.QueueAnswer(true);
            dlg->RestoreButton()->click();
        });
        frame->RestorePointsAction()->trigger();
        QVERIFY(messages.LastText().startsWith(QStringLiteral("Put the image back as it was at ")));
        QCOMPARE(FileBytes(path), first);
        QCOMPARE(app.Document()->Rom().editors.morphPacks.bytes[7 * 4], uint8_t(first[0x47F40 + 7 * 4]));
        // The image before the restore is the newest restore point now.
        const auto points = quorvex::ListRestorePoints(ToCorePath(path));
        QCOMPARE(points.size(), size_t(3));
        QCOMPARE(FileBytes(FromCoreText(points[0].path))[0x47F40 + 7 * 4], char(0x22));
    }

    void restorePointsDialogWithoutAny()
    {
        quorvex_options::WriteRestorePoints(0);
        const QString path = Image(QStringLiteral("none.smc"));
        CRestorePointsDia dlg(path, 0);
        QCOMPARE(dlg.List()->topLevelItemCount(), 0);
        QVERIFY(!dlg.RestoreButton()->isEnabled());
        QCOMPARE(dlg.EmptyLabel()->text(), QStringLiteral("No restore points: they are turned off in the options."));
        dlg.show();
        Shot(&dlg, QStringLiteral("restore-points-none.png"));
        // And a save keeps none.
        CQuorvexDocument doc;
        QVERIFY(doc.OnOpenDocument(path, nullptr));
        Edit(doc, 0x30);
        QVERIFY(doc.OnSaveDocument(nullptr));
        QVERIFY(!QFileInfo::exists(path + QStringLiteral(".restore")));
    }

    void aRestorePointFailureIsToldOnce()
    {
        ScopedRecordingMessages messages;
        const QString path = Image(QStringLiteral("blocked.smc"));
        QFile blocker(path + QStringLiteral(".restore"));
        QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the folder should go
        blocker.close();
        CQuorvexDocument doc;
        QVERIFY(doc.OnOpenDocument(path, nullptr));
        for (uint8_t v : {0x51, 0x52}) {
            Edit(doc, v);
            QVERIFY(doc.OnSaveDocument(nullptr));
        }
        QCOMPARE(int(messages.Log().size()), 1);
        QCOMPARE(messages.LastKind(), QStringLiteral("warning"));
        QVERIFY(messages.LastText().startsWith(QStringLiteral("Quorvex could not keep a restore point")));
        QCOMPARE(FileBytes(path)[0x47F40 + 7 * 4], char(0x52)); // both saves happened
    }
};

QUORVEX_APP_TEST(PatchDialogsTest)
#include "PatchDialogsTest.moc"
