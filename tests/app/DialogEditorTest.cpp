// The Dialog Editor driven offscreen on the synthetic image: the three
// pages, apply with an error selection, add, delete all, optimize, the
// keyboard mapping, Cancel and OK, the refusals, and the one-page editor.
#include <QDir>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "AppTestMain.h"
#include "CaptionEdit.h"
#include "DialogEditor.h"
#include "EditorRegistry.h"
#include "MessageService.h"
#include "SyntheticImage.h"
#include "TextPage.h"
#include "WizTextConvDia.h"
#include "controls/FieldControls.h"
#include "rom/Document.h"
#include "text/TextTables.h"

using namespace quorvex;

class DialogEditorTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString Image(const synth::SynthOptions& o, const QString& name)
    {
        const QString path = m_dir.filePath(name);
        synth::WriteSyntheticImage(path.toStdString(), o);
        return path;
    }
    void Shot(QWidget* w, const QString& name)
    {
        QDir().mkpath(QStringLiteral(QUORVEX_SCREENSHOT_DIR));
        w->grab().save(QStringLiteral(QUORVEX_SCREENSHOT_DIR) + QLatin1Char('/') + name);
    }

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Orvan Soft Test"));
        QSettings(QStringLiteral("Orvan Soft"), QStringLiteral("Quorvex")).remove(QStringLiteral("Settings/m_dlgTownIdx"));
    }

    void pagesAndScreenshots()
    {
        CQuorvexDoc doc;
        QVERIFY(doc.OnOpenDocument(Image({}, "a.smc").toStdString()).ok);
        CDialogEditor dlg(doc);
        dlg.show();
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Quorvex: Dialog Editor"));
        QCOMPARE(dlg.Tabs()->count(), 3);
        QCOMPARE(dlg.Tabs()->tabText(0), QStringLiteral("Town Dialogs"));
        QCOMPARE(dlg.Tabs()->tabText(1), QStringLiteral("DTE/MTE Table"));
        QCOMPARE(dlg.Tabs()->tabText(2), QStringLiteral("Location Names"));
        CTextPage* town = dlg.Page(0);
        QCOMPARE(town->List()->rowCount(), doc.Rom().text.townDialogue.Count());
        QCOMPARE(town->List()->horizontalHeaderItem(1)->text(), QStringLiteral("Pointer"));
        town->Select(3);
        Shot(&dlg, "dialog_town.png");
        dlg.Tabs()->setCurrentIndex(1);
        QCOMPARE(dlg.Page(1)->List()->rowCount(), 128);
        QCOMPARE(dlg.Page(1)->List()->horizontalHeaderItem(2)->text(), QStringLiteral("Visual Result"));
        Shot(&dlg, "dialog_dte.png");
        dlg.Tabs()->setCurrentIndex(2);
        QVERIFY(dlg.Page(2)->AddButton()->isVisible());
        Shot(&dlg, "dialog_locnames.png");
        dlg.accept();
        QVERIFY(doc.IsModified());
    }

    void applyErrorAddDeleteOptimize()
    {
        ScopedRecordingMessages messages;
        CQuorvexDoc doc;
        QVERIFY(doc.OnOpenDocument(Image({}, "b.smc").toStdString()).ok);
        CDialogEditor dlg(doc);
        dlg.show();
        CTextPage* town = dlg.Page(0);
        town->Select(5);
        town->Edit()->setPlainText(QStringLiteral("Hello <A2>, how are you?"));
        QTest::keyClick(town->Edit(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(QString::fromStdWString(town->Logic().Decoded(5)), QStringLiteral("Hello <A2>, how are you?"));
        QVERIFY(town->List()->item(5, 2)->text().startsWith(QStringLiteral("Hello")));

        town->Edit()->setPlainText(QStringLiteral("ab<TOOLONGTAG>"));
        town->OnApply();
        QCOMPARE(messages.LastText(), QStringLiteral("Error found in script"));
        QCOMPARE(town->Edit()->textCursor().selectionStart(), 2);
        QCOMPARE(town->Edit()->textCursor().selectionEnd(), 3);

        const int n = town->List()->rowCount();
        town->AddButton()->click();
        QCOMPARE(town->List()->rowCount(), n + 1);
        QCOMPARE(town->Selected(), n);

        town->OptimizeButton()->click();
        QCOMPARE(town->List()->rowCount(), n + 1);

        messages.QueueAnswer(false);
        town->DeleteAllButton()->click();
        QCOMPARE(QString::fromStdWString(town->Logic().Decoded(5)), QStringLiteral("Hello <A2>, how are you?"));
        messages.QueueAnswer(true);
        town->DeleteAllButton()->click();
        QCOMPARE(messages.LastText(),
                 QStringLiteral("This action gets useful before importing a file.\nDo you want to erase all captions?"));
        QCOMPARE(town->Logic().Decoded(5), std::wstring());
        QCOMPARE(town->Remaining()->text(),
                 QStringLiteral("Remaining bytes: %1").arg(doc.Rom().text.townDialogue.FreeBytes()));

        // Cancel asks, then puts the three blocks back as they were when the
        // editor opened.
        messages.QueueAnswer(true);
        dlg.reject();
        QVERIFY(!doc.IsModified());
        QCOMPARE(doc.Rom().text.townDialogue.Count(), n);
        QVERIFY(!doc.Rom().text.townDialogue.GetString(5).empty());
    }

    // The list fill and the long operations show the shared progress
    // window with their captions and close it when done.
    void progressWindow()
    {
        ScopedRecordingMessages messages;
        CQuorvexDoc doc;
        QVERIFY(doc.OnOpenDocument(Image({}, "p.smc").toStdString()).ok);
        CDialogEditor dlg(doc);
        dlg.show();
        CTextPage* town = dlg.Page(0);
        QVERIFY(town->ProgressWindow() != nullptr);
        QCOMPARE(town->ProgressWindow()->Caption(), QStringLiteral("Loading Text List"));
        QVERIFY(!town->ProgressWindow()->isVisible());
        town->OptimizeButton()->click();
        QCOMPARE(town->ProgressWindow()->Caption(), QStringLiteral("Optimizing DTE symbols usage"));
        QVERIFY(!town->ProgressWindow()->isVisible());
        messages.QueueAnswer(true);
        town->DeleteAllButton()->click();
        QCOMPARE(town->ProgressWindow()->Caption(), QStringLiteral("Deleting captions"));
        QVERIFY(!town->ProgressWindow()->isVisible());
        QVERIFY(dlg.findChildren<QProgressDialog*>().isEmpty());
        messages.QueueAnswer(true);
        dlg.reject();
    }

    // Cancel undoes only what was edited since the editor opened: edits an
    // earlier OK kept (not saved to the file yet) stay.
    void cancelKeepsEarlierOkEdits()
    {
        ScopedRecordingMessages messages;
        CQuorvexDoc doc;
        QVERIFY(doc.OnOpenDocument(Image({}, "k.smc").toStdString()).ok);
        const std::vector<uint8_t> original6 = doc.Rom().text.townDialogue.GetString(6);
        const std::vector<uint8_t> dte = std::vector<uint8_t>(doc.Rom().text.dte.bytes.begin(),
                                                              doc.Rom().text.dte.bytes.end());
        {
            CDialogEditor dlg(doc);
            dlg.Page(0)->Select(5);
            dlg.Page(0)->Edit()->setPlainText(QStringLiteral("Kept after OK"));
            dlg.Page(0)->OnApply();
            dlg.accept();
        }
        QVERIFY(doc.IsModified());
        {
            CDialogEditor dlg(doc);
            dlg.Page(0)->Select(6);
            dlg.Page(0)->Edit()->setPlainText(QStringLiteral("Dropped by Cancel"));
            dlg.Page(0)->OnApply();
            dlg.Page(1)->Select(0);
            dlg.Page(1)->Edit()->setPlainText(QStringLiteral("<$41><$42>"));
            dlg.Page(1)->OnApply();
            dlg.Page(2)->Select(1);
            dlg.Page(2)->Edit()->setPlainText(QStringLiteral("Gone"));
            dlg.Page(2)->OnApply();
            messages.QueueAnswer(true);
            dlg.reject();
        }
        CTextPageLogic town(doc.Rom(), TownDialogPageConfig(doc.Rom()));
        QCOMPARE(QString::fromStdWString(town.Decoded(5)), QStringLiteral("Kept after OK"));
        QVERIFY(doc.Rom().text.townDialogue.GetString(6) == original6);
        QVERIFY(std::equal(dte.begin(), dte.end(), doc.Rom().text.dte.bytes.begin()));
        CTextPageLogic names(doc.Rom(), LocationNamesPageConfig(doc.Rom()));
        QVERIFY(names.Decoded(1) != L"Gone");
    }

    void keyboardMapping()
    {
        ScopedRecordingMessages messages;
        CQuorvexDoc doc;
        QVERIFY(doc.OnOpenDocument(Image({}, "c.smc").toStdString()).ok);
        CDialogEditor dlg(doc);
        dlg.show();
        CTextPage* town = dlg.Page(0);
        CWizTextConvDia* map = town->Mapping();
        QVERIFY(!map->isVisible());
        town->OnShowCharTable();
        QVERIFY(map->isVisible());
        QCOMPARE(map->windowTitle(), QStringLiteral("Keyboard Mapping"));
        QCOMPARE(map->List()->rowCount(), 128);
        QCOMPARE(map->List()->item(0x01, 3)->text(), QStringLiteral("ENTER"));
        QCOMPARE(map->List()->item(0x0E, 3)->text(), QStringLiteral("SHIFT+F1"));
        Shot(map, "dialog_keyboard_mapping.png");
        map->List()->item(0x74, 4)->setText(QString(QChar(0x00E9)));
        map->List()->item(0x74, 3)->setText(QStringLiteral("ALT+E"));
        map->ApplyButton()->click();
        QCOMPARE(town->Logic().Table()[0x74].key, 0x0445);
        // The caption editor types the entry with its new key.
        town->Edit()->clear();
        town->Edit()->setFocus();
        QTest::keyClick(town->Edit(), Qt::Key_E, Qt::AltModifier);
        QTest::keyClick(town->Edit(), Qt::Key_F1);
        QCOMPARE(town->Edit()->toPlainText(), QString(QChar(0x00E9)) + QStringLiteral("<A0>"));
        town->OnApply();
        QCOMPARE(town->Logic().StoredBytes(town->Selected()).front(), 0x74);
        map->DoneButton()->click();
        QVERIFY(!map->isVisible());
        messages.QueueAnswer(true);
        dlg.reject();
    }

    void refusalsAndRegistration()
    {
        ScopedRecordingMessages messages;
        QVERIFY(EditorRegistry().count(EditorCommand::DialogEditor) == 1);
        synth::SynthOptions o;
        o.mbit = 28;
        o.dialogue = synth::DialogueRoutine::Unknown;
        CQuorvexDoc doc;
        QVERIFY(doc.OnOpenDocument(Image(o, "d.smc").toStdString()).ok);
        EditorRegistry()[EditorCommand::DialogEditor](nullptr, doc);
        QCOMPARE(messages.LastKind(), QStringLiteral("error"));
        QCOMPARE(messages.LastText(),
                 QStringLiteral("Dialog routine unrecognised. Quorvex cannot work with the potentially reformated data."));
        doc.Rom().romFlags = (doc.Rom().romFlags & ~kFlagDialogUnknown) | kFlagTownDlgPtrs;
        CDialogEditor::Run(nullptr, doc);
        QCOMPARE(messages.LastText(),
                 QStringLiteral("Dialog routine pointers were hand hex. edited. Quorvex cannot work with the reformated data."));
    }

    void textEditorCancelRestores()
    {
        ScopedRecordingMessages messages;
        CQuorvexDoc doc;
        QVERIFY(doc.OnOpenDocument(Image({}, "e.smc").toStdString()).ok);
        const std::vector<uint8_t> before = doc.Rom().text.monsterDialogue.Data();
        CTextEditorDia dlg(doc, BattleBigPageConfig(doc.Rom()));
        dlg.show();
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Quorvex: Text Editor"));
        dlg.Page()->Select(0);
        dlg.Page()->Edit()->setPlainText(QStringLiteral("Changed<P>"));
        dlg.Page()->OnApply();
        QVERIFY(doc.Rom().text.monsterDialogue.Data() != before);
        Shot(&dlg, "text_editor_big_quotes.png");
        messages.QueueAnswer(true);
        dlg.reject();
        QVERIFY(doc.Rom().text.monsterDialogue.Data() == before);
    }

    // Cancel after the repair of the game's own small battle messages brings
    // back the block and the fingerprint bit the repair cleared, so the next
    // editor asks again instead of refusing.
    void textEditorCancelRestoresRepairedBattleMessages()
    {
        ScopedRecordingMessages messages;
        CQuorvexDoc doc;
        QVERIFY(doc.OnOpenDocument(Image({}, "r.smc").toStdString()).ok);
        RomData& rd = doc.Rom();
        CFF6DynTextObj& b = rd.text.battleMessages;
        // String 0x11 runs over every other string: more bytes in use than
        // the block holds, as in the game's own block.
        std::vector<uint8_t> data(static_cast<size_t>(b.Size()), 0x85), ptrs;
        data[static_cast<size_t>(b.Size()) - 1] = 0x00;
        for (int i = 0; i < 256; ++i) {
            const uint16_t p =
                static_cast<uint16_t>(b.Base() + (i == 0x11 ? 0x100u : static_cast<unsigned>(b.Size()) - 2));
            ptrs.push_back(static_cast<uint8_t>(p));
            ptrs.push_back(static_cast<uint8_t>(p >> 8));
        }
        b.LoadFrom16(ptrs, data);
        QVERIFY(b.FreeBytes() < 0);
        rd.romFlags |= kFlagBtlMsgPtrPrint | kFlagBtlMsgTextPrint;
        const std::vector<uint8_t> before = b.Data();
        CTextEditorDia dlg(doc, BattleSmallPageConfig(rd));
        dlg.Page()->Select(0);
        dlg.Page()->Edit()->setPlainText(QStringLiteral("Hi"));
        messages.QueueAnswer(true);
        dlg.Page()->OnApply();
        QCOMPARE(rd.romFlags & kFlagBtlMsgTextPrint, 0u);
        QVERIFY(b.Data() != before);
        messages.QueueAnswer(true);
        dlg.reject();
        QVERIFY(b.Data() == before);
        QCOMPARE(rd.romFlags & kFlagBtlMsgTextPrint, static_cast<uint32_t>(kFlagBtlMsgTextPrint));
    }
};

QUORVEX_APP_TEST(DialogEditorTest)
#include "DialogEditorTest.moc"
