// The keys and clicks every editor dialog shares, driven offscreen on the
// synthetic image: Esc and the close button ask before edits are thrown
// away (applied ones too), a caption typed but not applied is applied
// before another row shows, and Enter in a field commits that field only.
#include <QDialogButtonBox>
#include <QDir>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "AppTestMain.h"
#include "AudioEditorDia.h"
#include "CaptionEdit.h"
#include "DialogEditor.h"
#include "MessageService.h"
#include "SyntheticImage.h"
#include "TextPage.h"
#include "TilesStudioDia.h"
#include "WizTextConvDia.h"
#include "actors/WizHpmpexpDia.h"
#include "controls/EnterKeyFilter.h"
#include "controls/FieldControls.h"
#include "rom/Document.h"
#include "text/TextTables.h"

using namespace quorvex;

namespace {

void Shot(QWidget* w, const char* name)
{
    QDir().mkpath(QStringLiteral(QUORVEX_SCREENSHOT_DIR));
    QVERIFY(w->grab().save(QStringLiteral(QUORVEX_SCREENSHOT_DIR "/") + QLatin1String(name)));
}

// Shows a window whose Enter belongs to its fields and checks that none of
// its buttons is, or may become, the default one (drawn as the button Enter
// would press).
void ExpectNoDefaultButton(QDialog* window)
{
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const QList<QPushButton*> buttons = window->findChildren<QPushButton*>();
    QVERIFY(!buttons.isEmpty());
    for (QPushButton* b : buttons) {
        const QByteArray where = (window->windowTitle() + QStringLiteral(": ") + b->text()).toUtf8();
        QVERIFY2(!b->isDefault(), where.constData());
        QVERIFY2(!b->autoDefault(), where.constData());
    }
}

// Clicks a row of a text page's list as the user would.
void ClickRow(CTextPage* page, int row)
{
    QTableWidget* list = page->List();
    list->scrollToItem(list->item(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row, 0)).center());
}

// Types into the caption field key by key (what the user typed, not yet
// applied). The caption field types each key's table entry: plain keys give
// lower-case letters.
void Type(CTextPage* page, const QString& text)
{
    page->Edit()->setFocus();
    page->Edit()->selectAll();
    QTest::keyClicks(page->Edit(), text);
}

// Pastes over the caption field's text (an edit the user made, not yet
// applied), for text the keys do not type as such.
void Paste(CTextPage* page, const QString& text)
{
    page->Edit()->setFocus();
    page->Edit()->selectAll();
    page->Edit()->insertPlainText(text);
}

QString Decoded(CTextPage* page, int i) { return QString::fromStdWString(page->Logic().Decoded(i)); }

} // namespace

class EditorKeysTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        const QString path = m_dir.filePath(QStringLiteral("keys.smc"));
        QVERIFY(synth::WriteSyntheticImage(path.toStdString()));
        QVERIFY(m_doc.OnOpenDocument(path.toStdString()).ok);
    }

    void filterIsInstalledAtStartUp() { QVERIFY(CEnterKeyFilter::Installed() != nullptr); }

    // Esc after an edit applied with Ctrl+S asks; No keeps the editor and
    // the edit, Yes (through the close button) puts the block back.
    void dialogEditorAsksBeforeEscOrCloseDropAppliedEdits()
    {
        ScopedRecordingMessages messages;
        const QString before =
            QString::fromStdWString(CTextPageLogic(m_doc.Rom(), TownDialogPageConfig(m_doc.Rom())).Decoded(5));
        CDialogEditor dlg(m_doc);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        CTextPage* town = dlg.Page(0);
        ClickRow(town, 5);
        QCOMPARE(town->Selected(), 5);
        Type(town, QStringLiteral("applied text"));
        QTest::keyClick(town->Edit(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(Decoded(town, 5), QStringLiteral("applied text"));
        QVERIFY(messages.Log().isEmpty());

        QTest::keyClick(town->Edit(), Qt::Key_Escape);
        QCOMPARE(messages.Log().size(), 1);
        QCOMPARE(messages.LastKind(), QStringLiteral("question"));
        QCOMPARE(messages.LastText(), QStringLiteral("Discard the changes made in this editor?"));
        QVERIFY(dlg.isVisible());
        QCOMPARE(Decoded(town, 5), QStringLiteral("applied text"));
        Shot(&dlg, "DialogEditor_applied_edit.png");

        messages.QueueAnswer(true);
        dlg.close();
        QVERIFY(!dlg.isVisible());
        QCOMPARE(messages.Log().size(), 2);
        QCOMPARE(QString::fromStdWString(CTextPageLogic(m_doc.Rom(), TownDialogPageConfig(m_doc.Rom())).Decoded(5)),
                 before);
        QVERIFY(!m_doc.IsModified());
    }

    // Clicking another row applies what was typed; text that cannot be
    // applied keeps its row (the error says why) and Esc asks about it.
    void typedCaptionIsAppliedBeforeTheRowChanges()
    {
        ScopedRecordingMessages messages;
        CDialogEditor dlg(m_doc);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        CTextPage* town = dlg.Page(0);
        ClickRow(town, 3);
        Type(town, QStringLiteral("typed, not applied"));
        QVERIFY(town->HasPendingEdit());
        ClickRow(town, 4);
        QCOMPARE(town->Selected(), 4);
        QCOMPARE(Decoded(town, 3), QStringLiteral("typed, not applied"));
        QVERIFY(town->List()->item(3, 2)->text().startsWith(QStringLiteral("typed, not applied")));
        QVERIFY(!town->HasPendingEdit());
        QVERIFY(messages.Log().isEmpty());

        Paste(town, QStringLiteral("ab<TOOLONGTAG>"));
        ClickRow(town, 7);
        QCOMPARE(messages.LastKind(), QStringLiteral("error"));
        QCOMPARE(messages.LastText(), QStringLiteral("Error found in script"));
        QCOMPARE(town->Selected(), 4);
        QCOMPARE(town->List()->currentRow(), 4);
        // Once the click is over, the highlighted row is that row too.
        QTRY_COMPARE(town->List()->selectionModel()->selectedRows().size(), 1);
        QTRY_COMPARE(town->List()->selectionModel()->selectedRows().front().row(), 4);
        QCOMPARE(town->List()->currentRow(), 4);
        QCOMPARE(town->Edit()->toPlainText(), QStringLiteral("ab<TOOLONGTAG>"));
        Shot(&dlg, "DialogEditor_row_kept.png");

        // Switching tabs and back keeps the typed text.
        dlg.Tabs()->setCurrentIndex(1);
        dlg.Tabs()->setCurrentIndex(0);
        QCOMPARE(town->Edit()->toPlainText(), QStringLiteral("ab<TOOLONGTAG>"));

        // OK cannot apply it either, so the editor stays open.
        messages.Clear();
        dlg.accept();
        QVERIFY(dlg.isVisible());
        QCOMPARE(messages.LastText(), QStringLiteral("Error found in script"));

        messages.Clear();
        QTest::keyClick(&dlg, Qt::Key_Escape);
        QCOMPARE(messages.LastText(), QStringLiteral("Discard the changes made in this editor?"));
        QVERIFY(dlg.isVisible());
        messages.QueueAnswer(true);
        dlg.reject();
        QVERIFY(!dlg.isVisible());
        QVERIFY(QString::fromStdWString(CTextPageLogic(m_doc.Rom(), TownDialogPageConfig(m_doc.Rom())).Decoded(3)) !=
                QStringLiteral("typed, not applied"));
    }

    // OK applies a caption typed but not applied.
    void okAppliesTheTypedCaption()
    {
        ScopedRecordingMessages messages;
        CDialogEditor dlg(m_doc);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        CTextPage* names = dlg.Page(2);
        dlg.Tabs()->setCurrentIndex(2);
        ClickRow(names, 1);
        Type(names, QStringLiteral("narshe"));
        dlg.accept();
        QVERIFY(!dlg.isVisible());
        QVERIFY(m_doc.IsModified());
        QCOMPARE(
            QString::fromStdWString(CTextPageLogic(m_doc.Rom(), LocationNamesPageConfig(m_doc.Rom())).Decoded(1)),
            QStringLiteral("narshe"));
    }

    // The one-page text editor asks as well.
    void textEditorAsksBeforeEsc()
    {
        ScopedRecordingMessages messages;
        CTextEditorDia dlg(m_doc, BattleBigPageConfig(m_doc.Rom()));
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        Type(dlg.Page(), QStringLiteral("Hello"));
        QTest::keyClick(dlg.Page()->Edit(), Qt::Key_Escape);
        QCOMPARE(messages.LastText(), QStringLiteral("Discard the changes made in this editor?"));
        QVERIFY(dlg.isVisible());
        messages.QueueAnswer(true);
        QTest::keyClick(dlg.Page()->Edit(), Qt::Key_Escape);
        QVERIFY(!dlg.isVisible());
    }

    // Typing 100 and Enter shows monster 100: Enter does not also press a
    // button of the window.
    void enterInTilesStudioMonsterFieldCommitsOnly()
    {
        CTilesStudioDia dia(m_doc);
        dia.SetMonster(3);
        dia.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dia));
        auto* field = dia.findChild<CNumberField*>();
        QVERIFY(field);
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, QStringLiteral("100"));
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(dia.Monster(), 100);
        QVERIFY(dia.isVisible());
        QTest::keyClick(field, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(dia.Monster(), 100);
        QVERIFY(dia.isVisible());
        Shot(&dia, "TilesStudio_enter.png");
    }

    // No button of Tiles Studio or of the wizards is drawn as the default
    // one: Enter there commits a field. A button with the focus still
    // answers Enter (and Space), and nothing else does.
    void noDefaultButtonWhereEnterCommitsAField()
    {
        CTilesStudioDia studio(m_doc);
        studio.SetMonster(5);
        ExpectNoDefaultButton(&studio);
        Shot(&studio, "TilesStudio_buttons.png");
        QPushButton* prev = nullptr;
        for (QPushButton* b : studio.findChildren<QPushButton*>())
            if (b->text() == QStringLiteral("<"))
                prev = b;
        QVERIFY(prev);
        prev->setFocus();
        QTest::keyClick(prev, Qt::Key_Return);
        QCOMPARE(studio.Monster(), 4);
        QTest::keyClick(prev, Qt::Key_Space);
        QCOMPARE(studio.Monster(), 3);
        QVERIFY(studio.isVisible());
        // Clicking a button does not make it the default one either.
        QTest::mouseClick(prev, Qt::LeftButton);
        QCOMPARE(studio.Monster(), 2);
        QVERIFY(!prev->isDefault());

        CWizHpmpexpDia evolution(nullptr, nullptr);
        ExpectNoDefaultButton(&evolution);
        Shot(&evolution, "EvolutionWizard_buttons.png");

        CDialogEditor dialogs(m_doc);
        dialogs.show();
        dialogs.Page(0)->OnShowCharTable();
        ExpectNoDefaultButton(dialogs.Page(0)->Mapping());
        dialogs.reject();
        QVERIFY(!dialogs.isVisible());
    }

    // Enter in "Index" selects the sample and leaves the editor open.
    void enterInAudioIndexCommitsOnly()
    {
        ScopedRecordingMessages messages;
        CAudioEditorDia dia(m_doc);
        dia.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dia));
        auto* index = dia.BrrPage()->findChild<QSpinBox*>();
        QVERIFY(index);
        index->setFocus();
        index->selectAll();
        QTest::keyClicks(index, QStringLiteral("12"));
        QTest::keyClick(index, Qt::Key_Return);
        QCOMPARE(dia.BrrPage()->Index(), 12);
        QVERIFY(dia.isVisible());
        QCOMPARE(dia.result(), 0);
        QVERIFY(!m_doc.IsModified());
        // A button with the focus still answers Enter.
        auto* ok = dia.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        ok->setFocus();
        QTest::keyClick(ok, Qt::Key_Return);
        QVERIFY(!dia.isVisible());
        QCOMPARE(dia.result(), int(QDialog::Accepted));
    }

private:
    QTemporaryDir m_dir;
    CQuorvexDoc m_doc;
};

QUORVEX_APP_TEST(EditorKeysTest)
#include "EditorKeysTest.moc"
