// The names editor driven offscreen: typing, grid clicks, Backspace, Reset,
// overflow at the last byte, Cancel (asking only after a change), and a
// screenshot in the game's font.
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "AppTestMain.h"
#include "MessageService.h"
#include "RenSmallDia.h"
#include "SyntheticImage.h"
#include "controls/DiscardQuestion.h"
#include "rom/Document.h"

using namespace quorvex;

class NamesEditorTest : public QObject {
    Q_OBJECT

private:
    CQuorvexDoc m_doc;
    std::vector<uint8_t> Font() const { return m_doc.Rom().gfx.bitmaps.smallFont; }

    void Shot(QWidget& w, const QString& name)
    {
        QDir().mkpath(QUORVEX_SCREENSHOT_DIR);
        QVERIFY(w.grab().save(QString(QUORVEX_SCREENSHOT_DIR) + "/" + name));
    }

private slots:
    void initTestCase()
    {
        const QString path = QDir::tempPath() + "/quorvex_names_editor_test.smc";
        QVERIFY(synth::WriteSyntheticImage(path.toStdString()));
        QVERIFY(m_doc.OnOpenDocument(path.toStdString()).ok);
        QFile::remove(path);
        QCOMPARE(Font().size(), size_t(0x1000));
    }

    void typingReplacesThenEdits()
    {
        const std::vector<uint8_t> old = m_doc.Rom().names.monsterNames.Get(1);
        CRenSmallDia dia(old, NameFontKind::Small, Font());
        dia.show();
        QCOMPARE(dia.windowTitle(), QString("Quorvex: Names Editor"));
        QTest::keyClicks(&dia, "Dog");
        const std::vector<uint8_t> dog{0x83, 0xA8, 0xA0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
        QCOMPARE(dia.NewName(), dog);
        QCOMPARE(dia.RemainingLabel()->text(), QString("Remaining Bytes: 7"));
        QTest::keyClick(&dia, Qt::Key_Backspace);
        QCOMPARE(dia.RemainingLabel()->text(), QString("Remaining Bytes: 8"));
        // A key with no code adds nothing.
        QTest::keyClicks(&dia, "&");
        QCOMPARE(dia.Editor().Cursor(), 2);
        // A space is typed, it does not press a button.
        QTest::keyClick(&dia, Qt::Key_Space);
        QCOMPARE(dia.NewName()[2], uint8_t(0xFE));
        QVERIFY(dia.isVisible());
        Shot(dia, "names_editor_typed.png");
        QTest::mouseClick(dia.OkButton(), Qt::LeftButton);
        QCOMPARE(dia.result(), int(QDialog::Accepted));
    }

    void gridClicksAndOverflow()
    {
        CRenSmallDia dia(std::vector<uint8_t>(6, 0xFF), NameFontKind::Small, Font());
        dia.show();
        // Clicking the cell of 'A' (0x80, the first cell) and of 'z'.
        QTest::mouseClick(dia.Grid(), Qt::LeftButton, {}, dia.CellCentre(0x80));
        QTest::mouseClick(dia.Grid(), Qt::LeftButton, {}, dia.CellCentre(0xB3));
        QCOMPARE(dia.NewName()[0], uint8_t(0x80));
        QCOMPARE(dia.NewName()[1], uint8_t(0xB3));
        // Past the end of the field the last byte is overwritten.
        QTest::keyClicks(&dia, "bcdefgh");
        QCOMPARE(dia.NewName().size(), size_t(6));
        QCOMPARE(dia.NewName()[5], uint8_t(0xA1)); // h
        QCOMPARE(dia.NewName()[4], uint8_t(0x9D)); // d
        QCOMPARE(dia.RemainingLabel()->text(), QString("Remaining Bytes: 0"));
        // Clicks outside the cells add nothing.
        QTest::mouseClick(dia.Grid(), Qt::LeftButton, {}, QPoint(dia.Grid()->width() - 1, dia.Grid()->height() - 1));
        QCOMPARE(dia.NewName()[5], uint8_t(0xA1));
        Shot(dia, "names_editor_full.png");
    }

    void backspaceFirstResetAndCancel()
    {
        const std::vector<uint8_t> old{0x80, 0x81, 0x82, 0xFF, 0xFF};
        CRenSmallDia dia(old, NameFontKind::Small, Font());
        dia.show();
        QTest::keyClick(&dia, Qt::Key_Escape); // deletes, does not close
        QVERIFY(dia.isVisible());
        QTest::keyClicks(&dia, "Z");
        QCOMPARE(dia.NewName(), (std::vector<uint8_t>{0x80, 0x81, 0x99, 0xFF, 0xFF}));
        QTest::mouseClick(dia.ResetButton(), Qt::LeftButton);
        QCOMPARE(dia.NewName(), old);
        QCOMPARE(dia.RemainingLabel()->text(), QString("Remaining Bytes: 2"));
        QTest::keyClicks(&dia, "Q");
        ScopedRecordingMessages messages;
        messages.QueueAnswer(true);
        QTest::mouseClick(dia.CancelButton(), Qt::LeftButton);
        QCOMPARE(dia.result(), int(QDialog::Rejected));
        QCOMPARE(dia.NewName(), old);
    }

    void cancelAsksOnlyWhenTheNameChanged()
    {
        ScopedRecordingMessages messages;
        const std::vector<uint8_t> old{0x80, 0x81, 0x82, 0xFF, 0xFF};
        {
            // Nothing typed: Cancel and the close button close without a word.
            CRenSmallDia dia(old, NameFontKind::Small, Font());
            dia.show();
            QTest::mouseClick(dia.CancelButton(), Qt::LeftButton);
            QCOMPARE(dia.result(), int(QDialog::Rejected));
            QVERIFY(!dia.isVisible());
            dia.show();
            QVERIFY(dia.close());
            // Typed, then Reset back to the old name: nothing changed.
            dia.show();
            QTest::keyClicks(&dia, "Q");
            QTest::mouseClick(dia.ResetButton(), Qt::LeftButton);
            QTest::mouseClick(dia.CancelButton(), Qt::LeftButton);
            QVERIFY(!dia.isVisible());
            QVERIFY(messages.Log().isEmpty());
        }
        CRenSmallDia dia(old, NameFontKind::Small, Font());
        dia.show();
        QTest::keyClicks(&dia, "Q");
        const std::vector<uint8_t> typed{0x90, 0xFF, 0xFF, 0xFF, 0xFF};
        QCOMPARE(dia.NewName(), typed);
        // No keeps the dialog open with the typed name, from Cancel and from
        // the close button alike.
        QTest::mouseClick(dia.CancelButton(), Qt::LeftButton);
        QCOMPARE(messages.Log().size(), 1);
        QCOMPARE(messages.LastKind(), QString("question"));
        QCOMPARE(messages.LastText(), QString(kDiscardChangesQuestion));
        QVERIFY(dia.isVisible());
        QCOMPARE(dia.NewName(), typed);
        QVERIFY(!dia.close());
        QCOMPARE(messages.Log().size(), 2);
        QVERIFY(dia.isVisible());
        QCOMPARE(dia.NewName(), typed);
        // Yes drops it.
        messages.QueueAnswer(true);
        QTest::mouseClick(dia.CancelButton(), Qt::LeftButton);
        QCOMPARE(messages.Log().size(), 3);
        QVERIFY(!dia.isVisible());
        QCOMPARE(dia.result(), int(QDialog::Rejected));
        QCOMPARE(dia.NewName(), old);
    }

    void deleteOnlyKind()
    {
        CRenSmallDia dia(std::vector<uint8_t>{0x41, 0x42, 0xFF}, NameFontKind::DeleteOnly, Font());
        dia.show();
        QTest::keyClicks(&dia, "A");
        QCOMPARE(dia.NewName(), (std::vector<uint8_t>{0x41, 0x42, 0xFF}));
        QTest::keyClick(&dia, Qt::Key_Backspace);
        QCOMPARE(dia.NewName(), (std::vector<uint8_t>{0x41, 0xFF, 0xFF}));
        // The grid starts at 0x20 and holds 224 characters.
        QCOMPARE(dia.Grid()->height(), 28 * CRenSmallDia::kCellSize + 1);
    }

    void screenshotShowsGameFont()
    {
        const std::vector<uint8_t> old = m_doc.Rom().names.monsterNames.Get(0);
        CRenSmallDia dia(old, NameFontKind::Small, Font());
        dia.show();
        QTest::keyClicks(&dia, "Quorvex");
        Shot(dia, "names_editor.png");
        // The new-name picture carries ink of the font, not just paper.
        const QImage img = NamePictureToImage(DrawNamePicture(dia.NewName().data(), dia.NewName().size(), Font()));
        int ink = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                ink += img.pixel(x, y) != img.pixel(img.width() - 1, 0);
        QVERIFY(ink > 20);
    }
};

QUORVEX_APP_TEST(NamesEditorTest)
#include "NamesEditorTest.moc"
