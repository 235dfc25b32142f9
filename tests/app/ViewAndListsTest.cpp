// The main view and the long lists, driven offscreen: the empty window
// says how to open an image, a file that is not an image of this game says
// so, a disabled editor command says why, a battle-script warning does not
// send the user to a disabled button, the status report wraps long lines,
// text lists use compact rows with Ctrl+F find and Ctrl+G go to index, the
// background picker's labels fit and its preview grows with the window, and
// the Audio Editor's rate buttons line up.
#include <QAction>
#include <QButtonGroup>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTemporaryDir>
#include <QtTest>

#include "AppTestMain.h"
#include "AppTestSupport.h"
#include "AudioEditorDia.h"
#include "BackgroundPickerDia.h"
#include "DialogEditor.h"
#include "EditorRegistry.h"
#include "MainFrame.h"
#include "MessageService.h"
#include "QuorvexApp.h"
#include "QuorvexDoc.h"
#include "QuorvexView.h"
#include "TextPage.h"
#include "controls/ListFindBar.h"
#include "controls/PixelArt.h"
#include "rom/Document.h"

namespace {

void Shot(QWidget* w, const char* name)
{
    QVERIFY(w->grab().save(QStringLiteral(QUORVEX_SCREENSHOT_DIR "/") + QLatin1String(name)));
}

} // namespace

class ViewAndListsTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_settingsDir;
    QTemporaryDir m_files;

private slots:
    void initTestCase()
    {
        QVERIFY(m_settingsDir.isValid());
        QVERIFY(m_files.isValid());
        IsolateSettings(m_settingsDir.path());
    }

    void emptyWindowSaysHowToOpen()
    {
        ScopedRecordingMessages messages;
        CQuorvexApp app;
        QVERIFY(app.InitInstance({QStringLiteral("quorvex")}, QuietStartup()));
        CMainFrame* frame = app.MainFrame();
        frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame));
        QVERIFY(frame->View()->Hint()->isVisible());
        QCOMPARE(frame->View()->Hint()->text(), QStringLiteral("Open an image (Ctrl+O) or drop one here"));
        // A disabled editor command says why.
        QAction* dialog = frame->EditorAction(EditorCommand::DialogEditor);
        QVERIFY(!dialog->isEnabled());
        QCOMPARE(dialog->toolTip(), QStringLiteral("Dialog Editor\nOpen a known image first"));
        QCOMPARE(frame->EditorUnavailableReason(EditorCommand::DialogEditor),
                 QStringLiteral("Open a known image first"));
        Shot(frame, "MainWindow_empty.png");
    }

    // A 0-byte file and random data open as files of unknown release: the
    // view says they are not images of this game, and the editors why.
    void aFileOfAnotherKindSaysSo_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QByteArray noise(0x80000, '\0');
        for (int i = 0; i < noise.size(); ++i)
            noise[i] = static_cast<char>((i * 7919 + (i >> 8) * 31) & 0xFF);
        QTest::newRow("random") << noise;
    }

    void aFileOfAnotherKindSaysSo()
    {
        QFETCH(QByteArray, bytes);
        ScopedRecordingMessages messages;
        const QString path = m_files.filePath(QStringLiteral("other.bin"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
        f.close();
        CQuorvexApp app;
        QVERIFY(app.InitInstance({QStringLiteral("quorvex")}, QuietStartup()));
        CMainFrame* frame = app.MainFrame();
        frame->resize(420, 440);
        frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame));
        QVERIFY(frame->OpenDocumentFile(path));
        QVERIFY(frame->View()->Hint()->isVisible());
        // The whole hint shows (a wrapped label gets the height it needs).
        QTRY_VERIFY(frame->View()->Hint()->height() >= frame->View()->Hint()->heightForWidth(frame->View()->Hint()->width()));
        QCOMPARE(frame->View()->Hint()->text(), QString::fromLatin1(kNotThisGameHint));
        QVERIFY(frame->View()->Hint()->text().contains(QStringLiteral("not an image of")));
        const QString why = frame->EditorUnavailableReason(EditorCommand::TileEditor);
        QVERIFY(why.startsWith(QStringLiteral("Not available for this image: ")));
        QVERIFY(!frame->EditorAction(EditorCommand::TileEditor)->isEnabled());
        QVERIFY(frame->EditorAction(EditorCommand::TileEditor)->toolTip().endsWith(why));
        // The report's long first line (the title bytes, shown as escapes)
        // wraps in the narrow window rather than hiding behind a scroll bar.
        if (!bytes.isEmpty()) {
            auto* report = frame->View()->findChild<QPlainTextEdit*>(QStringLiteral("statusReport"));
            QTRY_VERIFY(report->document()->firstBlock().layout()->lineCount() > 1);
            QVERIFY(!report->horizontalScrollBar()->isVisible());
        }
        Shot(frame, bytes.isEmpty() ? "MainWindow_empty_file.png" : "MainWindow_random_file.png");
    }

    void knownImageHidesTheHintAndWrapsTheReport()
    {
        ScopedRecordingMessages messages;
        const QString path = WriteImageFile(m_files.filePath(QStringLiteral("known.smc")),
                                            VariantOptions(QStringLiteral("us10-headerless")));
        CQuorvexApp app;
        QVERIFY(app.InitInstance({QStringLiteral("quorvex"), path}, QuietStartup()));
        CMainFrame* frame = app.MainFrame();
        frame->resize(520, 420);
        frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame));
        QVERIFY(!frame->View()->Hint()->isVisible());
        auto* report = frame->View()->findChild<QPlainTextEdit*>(QStringLiteral("statusReport"));
        QVERIFY(report);
        QCOMPARE(report->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QVERIFY(!report->horizontalScrollBar()->isVisible());
        QVERIFY(frame->EditorAction(EditorCommand::DialogEditor)->isEnabled());
        QCOMPARE(frame->EditorAction(EditorCommand::DialogEditor)->toolTip(), QStringLiteral("Dialog Editor"));
        Shot(frame, "MainWindow_report_wraps.png");
    }

    // The editor's own refusal of an image shows on its command.
    void anEditorsRefusalIsItsTooltip()
    {
        ScopedRecordingMessages messages;
        const QString path = WriteImageFile(m_files.filePath(QStringLiteral("dlg.smc")),
                                            VariantOptions(QStringLiteral("dialog-unknown")));
        CQuorvexApp app;
        QVERIFY(app.InitInstance({QStringLiteral("quorvex"), path}, QuietStartup()));
        QAction* dialog = app.MainFrame()->EditorAction(EditorCommand::DialogEditor);
        QVERIFY(!dialog->isEnabled());
        QCOMPARE(dialog->toolTip(),
                 QStringLiteral("Dialog Editor\nNot available for this image: Dialog routine unrecognised. Quorvex "
                                "cannot work with the potentially reformated data."));
    }

    // The battle-script warning sends the user to "Manage expanded ROM";
    // while that button stays disabled the warning says so.
    void warningDoesNotPointAtADisabledButton()
    {
        ScopedRecordingMessages messages;
        const QString path = WriteImageFile(m_files.filePath(QStringLiteral("halbrec.smc")),
                                            VariantOptions(QStringLiteral("scripts-overflow-24")));
        CQuorvexApp app;
        QVERIFY(app.InitInstance({QStringLiteral("quorvex"), path}, QuietStartup()));
        QCOMPARE(messages.LastKind(), QStringLiteral("warning"));
        QVERIFY(!app.MainFrame()->View()->ManageButton()->isEnabled());
        QVERIFY(messages.LastText().startsWith(QStringLiteral("Halbrec Monster AI patch was detected.\n")));
        QVERIFY(messages.LastText().endsWith(QString::fromLatin1(kNoManagerNote)));
    }

    // Compact rows: far more than 8 strings show at once; Ctrl+F finds,
    // Ctrl+G goes to an index, and both apply a typed caption first.
    void textListsAreCompactWithFindAndGoTo()
    {
        ScopedRecordingMessages messages;
        quorvex::CQuorvexDoc doc;
        const QString path = WriteImageFile(m_files.filePath(QStringLiteral("text.smc")),
                                            VariantOptions(QStringLiteral("us10-headerless")));
        QVERIFY(doc.OnOpenDocument(ToCorePath(path)).ok);
        CDialogEditor dlg(doc);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        CTextPage* town = dlg.Page(0);
        QTableWidget* list = town->List();
        QVERIFY(list->rowCount() > 100);
        const int rowHeight = list->verticalHeader()->defaultSectionSize();
        QVERIFY(rowHeight <= list->fontMetrics().height() + 6);
        QVERIFY2(list->viewport()->height() / rowHeight >= 14, qPrintable(QString::number(list->viewport()->height())));

        // Ctrl+F, type, Enter: the next row holding the text (any case).
        const QString wanted = list->item(40, 2)->text().left(6).toLower();
        town->Select(0);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_F, Qt::ControlModifier);
        QVERIFY(town->FindBar()->isVisible());
        QCOMPARE(town->FindBar()->CurrentMode(), CListFindBar::Mode::Find);
        QTest::keyClicks(town->FindBar()->Field(), wanted);
        QTest::keyClick(town->FindBar()->Field(), Qt::Key_Return);
        QVERIFY(dlg.isVisible()); // Enter finds, it does not close the editor
        QVERIFY(town->Selected() > 0 && town->Selected() <= 40);
        QVERIFY(list->item(town->Selected(), 2)->text().contains(wanted, Qt::CaseInsensitive));
        Shot(&dlg, "DialogEditor_find.png");
        QTest::keyClicks(town->FindBar()->Field(), QStringLiteral("no such text anywhere"));
        QTest::keyClick(town->FindBar()->Field(), Qt::Key_Return);
        QVERIFY(!town->FindBar()->Field()->toolTip().isEmpty());

        // Ctrl+G: decimal or hexadecimal.
        QTest::keyClick(town->FindBar()->Field(), Qt::Key_G, Qt::ControlModifier);
        QCOMPARE(town->FindBar()->CurrentMode(), CListFindBar::Mode::GoTo);
        QTest::keyClicks(town->FindBar()->Field(), QStringLiteral("0x1F"));
        QTest::keyClick(town->FindBar()->Field(), Qt::Key_Return);
        QCOMPARE(town->Selected(), 0x1F);
        town->FindBar()->Field()->selectAll();
        QTest::keyClicks(town->FindBar()->Field(), QStringLiteral("77"));
        QTest::keyClick(town->FindBar()->Field(), Qt::Key_Enter);
        QCOMPARE(town->Selected(), 77);
        QVERIFY(list->visualItemRect(list->item(77, 0)).intersects(list->viewport()->rect()));
        town->FindBar()->Field()->selectAll();
        QTest::keyClicks(town->FindBar()->Field(), QStringLiteral("999999"));
        QTest::keyClick(town->FindBar()->Field(), Qt::Key_Return);
        QCOMPARE(town->Selected(), 77);
        QCOMPARE(town->FindBar()->Field()->toolTip(), QStringLiteral("No such index"));
        // Esc closes the bar, not the editor.
        QTest::keyClick(town->FindBar()->Field(), Qt::Key_Escape);
        QVERIFY(!town->FindBar()->isVisible());
        QVERIFY(dlg.isVisible());
        QVERIFY(messages.Log().isEmpty());

        QCOMPARE(CListFindBar::ParseIndex(QStringLiteral("$10")), 16L);
        QCOMPARE(CListFindBar::ParseIndex(QStringLiteral("1f")), 31L);
        QCOMPARE(CListFindBar::ParseIndex(QStringLiteral("12")), 12L);
        QCOMPARE(CListFindBar::ParseIndex(QStringLiteral("-3")), -1L);
        QCOMPARE(CListFindBar::ParseIndex(QStringLiteral("x")), -1L);
    }

    // Every label fits under its thumbnail, and a larger window gives a
    // larger preview, by whole pixels.
    void backgroundPickerLabelsAndPreview()
    {
        quorvex::CQuorvexDoc doc;
        const QString path = WriteImageFile(m_files.filePath(QStringLiteral("bg.smc")),
                                            VariantOptions(QStringLiteral("us10-headerless")));
        QVERIFY(doc.OnOpenDocument(ToCorePath(path)).ok);
        CBackgroundPickerDia dia(doc, 47);
        dia.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dia));
        QListWidget* list = dia.List();
        const QFontMetrics fm(list->font());
        const QSize grid = list->gridSize();
        for (int i = 0; i < list->count(); ++i) {
            const QRect text = fm.boundingRect(QRect(0, 0, grid.width() - 8, 1000), Qt::TextWordWrap | Qt::AlignHCenter,
                                               list->item(i)->text());
            QVERIFY2(list->iconSize().height() + text.height() + 4 <= grid.height(), qPrintable(list->item(i)->text()));
        }
        Shot(&dia, "BackgroundPicker_labels.png");
        const QSize small = dia.Preview()->pixmap().deviceIndependentSize().toSize();
        QCOMPARE(small, QSize(256, 152));
        dia.resize(1400, 900);
        QTest::qWait(50);
        const QSize large = dia.Preview()->pixmap().deviceIndependentSize().toSize();
        QVERIFY2(large.width() >= 512, qPrintable(QString::number(large.width())));
        QCOMPARE(large.width() % 256, 0);
        QCOMPARE(large.height() * 256, large.width() * 152);
        Shot(&dia, "BackgroundPicker_large.png");
    }

    // The ten rates and "Custom:" sit in columns whose buttons share their
    // left edge.
    void audioRateButtonsLineUp()
    {
        ScopedRecordingMessages messages;
        quorvex::CQuorvexDoc doc;
        const QString path = WriteImageFile(m_files.filePath(QStringLiteral("au.smc")),
                                            VariantOptions(QStringLiteral("us10-headerless")));
        QVERIFY(doc.OnOpenDocument(ToCorePath(path)).ok);
        CAudioEditorDia dia(doc);
        dia.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dia));
        QList<QRadioButton*> rates;
        for (QRadioButton* b : dia.findChildren<QRadioButton*>())
            if (b->text().endsWith(QStringLiteral("Hz")))
                rates.push_back(b);
        QCOMPARE(rates.size(), 10);
        std::sort(rates.begin(), rates.end(), [](QRadioButton* a, QRadioButton* b) {
            return a->text().chopped(2).toInt() < b->text().chopped(2).toInt();
        });
        for (int i = 0; i < 5; ++i) {
            const int x = rates[i]->mapTo(&dia, QPoint()).x();
            QCOMPARE(rates[i + 5]->mapTo(&dia, QPoint()).x(), x);
            QCOMPARE(rates[i + 5]->width(), rates[i]->width());
        }
        for (int i = 1; i < 5; ++i)
            QCOMPARE(rates[i]->width(), rates[0]->width());
        Shot(&dia, "AudioEditor_rates.png");
    }
};

QUORVEX_APP_TEST(ViewAndListsTest)
#include "ViewAndListsTest.moc"
