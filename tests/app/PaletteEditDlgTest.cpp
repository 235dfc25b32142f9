// "Edit Colour" and the palette strip that opens it, offscreen.
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

#include "AppTestMain.h"
#include "MessageService.h"
#include "controls/ColourPickers.h"
#include "controls/DiscardQuestion.h"
#include "controls/PaletteEditDlg.h"
#include "controls/PaletteStrip.h"

using namespace quorvex;
using C = ColorComponent;

namespace {

SnesColor Word(int r, int g, int b) { return static_cast<SnesColor>(r | (g << 5) | (b << 10)); }

std::vector<SnesColor> Ramp()
{
    std::vector<SnesColor> p;
    for (int i = 0; i < 16; ++i)
        p.push_back(HslToSnes(i / 16.0, 0.6, 0.15 + i * 0.045));
    return p;
}

} // namespace

class PaletteEditDlgTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QDir().mkpath(QUORVEX_SCREENSHOT_DIR); }

    void editsOneColour()
    {
        CPaletteEditDlg dlg(Ramp(), 3);
        QCOMPARE(dlg.windowTitle(), QString("Edit Colour"));
        dlg.SetComponent(C::Red, 31);
        dlg.SetComponent(C::Green, 0);
        dlg.SetComponent(C::Blue, 0);
        QCOMPARE(dlg.Hex16Text(), QString("001F"));
        QCOMPARE(dlg.HtmlText(), QString("0000FF"));
        QCOMPARE(dlg.Palette()[3], Word(31, 0, 0));
        QCOMPARE(dlg.Palette()[2], Ramp()[2]);
        dlg.show();
        QVERIFY(dlg.grab().save(QUORVEX_SCREENSHOT_DIR "/EditColour.png"));
    }

    void editAllAndTheMatrix()
    {
        CPaletteEditDlg dlg(Ramp(), 0);
        dlg.SetEditAll(true);
        dlg.SelectRows({1, 2});
        dlg.SetComponent(C::Hue, 179 + 100);
        QVERIFY(dlg.Palette()[1] != Ramp()[1]);
        QCOMPARE(dlg.Palette()[5], Ramp()[5]); // not selected
        dlg.SetEditAll(false);
        dlg.SelectRows({7});
        // Blue on the slider: the matrix is red across, green down. A drag
        // with Ctrl held keeps red where the press put it.
        dlg.SetSliderComponent(C::Blue);
        CHsvRgbMatrix* m = dlg.Matrix();
        m->Drag(QPoint(0, 0), QPoint(m->width() - 1, m->height() - 1), Qt::ControlModifier);
        QCOMPARE(dlg.Logic().Fields()[C::Red], 0);
        QCOMPARE(dlg.Logic().Fields()[C::Green], 0);
        m->Drag(QPoint(0, 0), QPoint(m->width() - 1, m->height() - 1), Qt::ShiftModifier);
        QCOMPARE(dlg.Logic().Fields()[C::Red], 31);
        QCOMPARE(dlg.Logic().Fields()[C::Green], 31);
        dlg.SetSliderComponent(C::Lum);
        dlg.show();
        QVERIFY(dlg.grab().save(QUORVEX_SCREENSHOT_DIR "/EditColour_Matrix.png"));
    }

    void cancelAsksOnlyWhenAColourChanged()
    {
        ScopedRecordingMessages messages;
        {
            // Nothing changed: Cancel, Esc and the close button ask nothing.
            CPaletteEditDlg dlg(Ramp(), 2);
            dlg.show();
            QTest::keyClick(&dlg, Qt::Key_Escape);
            QVERIFY(!dlg.isVisible());
            QCOMPARE(dlg.result(), int(QDialog::Rejected));
            dlg.show();
            QVERIFY(dlg.close());
            // A change taken back is no change.
            dlg.show();
            dlg.SetComponent(C::Red, (Ramp()[2] & 31) ^ 1);
            dlg.SetComponent(C::Red, Ramp()[2] & 31);
            QCOMPARE(dlg.Palette(), Ramp());
            dlg.reject();
            QVERIFY(!dlg.isVisible());
            QVERIFY(messages.Log().isEmpty());
        }
        // Cancel after an edit, in the strip as a page uses it: No keeps the
        // dialog and the edit, Yes drops the edit.
        CPaletteStrip strip;
        strip.SetColours(Ramp());
        QSignalSpy edited(&strip, &CPaletteStrip::coloursEdited);
        bool checked = false;
        QTimer::singleShot(0, [&] {
            auto* dlg = qobject_cast<CPaletteEditDlg*>(QApplication::activeModalWidget());
            QVERIFY(dlg);
            dlg->SetComponent(C::Blue, 0);
            const std::vector<SnesColor> changed = dlg->Palette();
            QVERIFY(changed != Ramp());
            QTest::keyClick(dlg, Qt::Key_Escape);
            QCOMPARE(messages.Log().size(), 1);
            QCOMPARE(messages.LastKind(), QString("question"));
            QCOMPARE(messages.LastText(), QString(kDiscardChangesQuestion));
            QVERIFY(dlg->isVisible());
            QCOMPARE(dlg->Palette(), changed);
            QVERIFY(!dlg->close());
            QCOMPARE(messages.Log().size(), 2);
            QVERIFY(dlg->isVisible());
            QVERIFY(dlg->grab().save(QUORVEX_SCREENSHOT_DIR "/EditColour_KeptAfterNo.png"));
            messages.QueueAnswer(true);
            QTest::keyClick(dlg, Qt::Key_Escape);
            QCOMPARE(messages.Log().size(), 3);
            checked = true;
        });
        QVERIFY(!strip.EditColours(4));
        QVERIFY(checked);
        QCOMPARE(edited.count(), 0);
        QCOMPARE(strip.Colours(), Ramp());
    }

    void stripOpensEditColour()
    {
        CPaletteStrip strip;
        strip.SetColours(Ramp());
        QSignalSpy edited(&strip, &CPaletteStrip::coloursEdited);
        QTimer::singleShot(0, [] {
            auto* dlg = qobject_cast<CPaletteEditDlg*>(QApplication::activeModalWidget());
            QVERIFY(dlg);
            dlg->SetComponent(C::Red, 0);
            dlg->accept();
        });
        QVERIFY(strip.EditColours(4));
        QCOMPARE(edited.count(), 1);
        QCOMPARE(strip.Colours()[4] & 31, 0);
        // Clicks choose the two colours.
        strip.show();
        QTest::mouseClick(&strip, Qt::RightButton, {}, QPoint(16 * 6 + 3, 5));
        QCOMPARE(strip.Right(), 6);
        QTest::mouseClick(&strip, Qt::LeftButton, {}, QPoint(16 * 2 + 3, 5));
        QCOMPARE(strip.Left(), 2);
    }
};

QUORVEX_APP_TEST(PaletteEditDlgTest)
#include "PaletteEditDlgTest.moc"
