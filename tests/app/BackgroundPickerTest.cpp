// "Select background" on the synthetic image.
#include <QDir>
#include <QListWidget>
#include <QtTest>

#include "AppTestMain.h"
#include "BackgroundPickerDia.h"
#include "SyntheticImage.h"
#include "rom/Document.h"

using namespace quorvex;

class BackgroundPickerTest : public QObject {
    Q_OBJECT
private slots:
    void thumbnailsOfAllBackgrounds()
    {
        QTemporaryDir dir;
        const std::string path = (dir.path() + "/demo.smc").toStdString();
        QVERIFY(synth::WriteSyntheticImage(path));
        CQuorvexDoc doc;
        QVERIFY(doc.OnOpenDocument(path).ok);
        CBackgroundPickerDia dia(doc, 47);
        QCOMPARE(dia.windowTitle(), QString("Select background"));
        QVERIFY(doc.Rom().gfx.backgroundCache.rendered);
        QCOMPARE(dia.List()->count(), 55);
        QCOMPARE(dia.List()->item(0)->text(), QString("WoB - Forest"));
        QCOMPARE(dia.List()->item(54)->text(), QString("???"));
        QCOMPARE(dia.SelectedId(), 47);
        QCOMPARE(dia.List()->currentRow(), 6);
        QVERIFY(!dia.List()->item(0)->icon().isNull());
        dia.List()->setCurrentRow(1);
        QCOMPARE(dia.SelectedId(), 3);
        dia.show();
        QDir().mkpath(QUORVEX_SCREENSHOT_DIR);
        QVERIFY(dia.grab().save(QUORVEX_SCREENSHOT_DIR "/BackgroundPicker.png"));
    }
};

QUORVEX_APP_TEST(BackgroundPickerTest)
#include "BackgroundPickerTest.moc"
