// Pixel art at a device pixel ratio of 2 (the screen scale of a high
// resolution display), offscreen: every picture is enlarged by whole
// device pixels and never smoothed, so the grabbed windows hold only the
// picture's own colours, in blocks of whole pixels.
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include "AppTestMain.h"
#include "AppTestSupport.h"
#include "BackgroundPickerDia.h"
#include "QuorvexDoc.h"
#include "RenSmallDia.h"
#include "TilesStudioDia.h"
#include "controls/PixelArt.h"
#include "controls/QtBitmap.h"
#include "graphics/Backgrounds.h"
#include "rom/Document.h"
#include "text/NameEditor.h"

namespace {

QSet<QRgb> Colours(const QImage& image)
{
    QSet<QRgb> set;
    const QImage img = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            set.insert(img.pixel(x, y) | 0xFF000000u);
    return set;
}

// True when the image is made of `block` x `block` squares of one colour.
bool WholeBlocks(const QImage& image, int block)
{
    const QImage img = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != img.pixel(x - x % block, y - y % block))
                return false;
    return true;
}

} // namespace

class PixelRatioTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QTemporaryDir m_settings;
    quorvex::CQuorvexDoc m_doc;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        IsolateSettings(m_settings.path());
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        const QString path = WriteImageFile(m_dir.filePath(QStringLiteral("r.smc")),
                                            VariantOptions(QStringLiteral("us10-headerless")));
        QVERIFY(m_doc.OnOpenDocument(ToCorePath(path)).ok);
    }

    void helperUsesWholeDevicePixels()
    {
        QImage img(3, 2, QImage::Format_RGB32);
        img.fill(Qt::black);
        img.setPixel(1, 0, qRgb(255, 0, 0));
        for (const qreal dpr : {1.0, 1.25, 1.5, 2.0, 3.0}) {
            const QPixmap pm = PixelArtPixmap(img, 2, dpr);
            const int device = std::max(1, int(std::lround(2 * dpr)));
            QCOMPARE(pm.size(), QSize(3 * device, 2 * device));
            QCOMPARE(pm.devicePixelRatio(), dpr);
            QVERIFY(WholeBlocks(pm.toImage(), device));
            QCOMPARE(Colours(pm.toImage()), Colours(img));
        }
    }

    // The picker's preview grows by whole pixels and its thumbnails are
    // drawn from pixmaps of the screen's ratio.
    void backgroundPicker()
    {
        CBackgroundPickerDia dia(m_doc, 3);
        dia.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dia));
        const QImage source = ToQImage(m_doc.Rom().gfx.backgroundCache.large[3]);
        const QPixmap preview = dia.Preview()->pixmap();
        QCOMPARE(preview.devicePixelRatio(), 2.0);
        QVERIFY(preview.width() % source.width() == 0);
        QVERIFY(WholeBlocks(preview.toImage(), preview.width() / source.width()));
        QVERIFY(Colours(preview.toImage()).subtract(Colours(source)).isEmpty());
        // What the screen shows: the grabbed preview holds the source's
        // colours only (a smoothed picture would hold blends).
        const QImage shown = dia.Preview()->grab().toImage();
        QCOMPARE(shown.devicePixelRatio(), 2.0);
        QSet<QRgb> extra = Colours(shown).subtract(Colours(source));
        extra.remove(Colours(dia.Preview()->grab(QRect(0, 0, 1, 1)).toImage()).values().value(0));
        QVERIFY2(extra.size() <= 1, qPrintable(QString::number(extra.size())));
        const QIcon icon = dia.List()->item(1)->icon();
        const QPixmap thumb = icon.pixmap(dia.List()->iconSize(), 2.0);
        QCOMPARE(thumb.size(), dia.List()->iconSize() * 2);
        const QImage small = ToQImage(m_doc.Rom().gfx.backgroundCache.small[3]);
        QVERIFY(WholeBlocks(thumb.toImage(), 2));
        QVERIFY(Colours(thumb.toImage()).subtract(Colours(small)).isEmpty());
        QVERIFY(dia.grab().save(QStringLiteral(QUORVEX_SCREENSHOT_DIR "/BackgroundPicker_ratio2.png")));
    }

    void tilesStudioSprite()
    {
        CTilesStudioDia dia(m_doc);
        dia.SetMonster(50);
        dia.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dia));
        for (auto* view : dia.findChildren<CPixelArtView*>()) {
            const QPixmap pm = view->pixmap();
            QCOMPARE(pm.devicePixelRatio(), 2.0);
            QVERIFY(WholeBlocks(pm.toImage(), 2 * view->Zoom()));
            QVERIFY(Colours(pm.toImage()).subtract(Colours(view->Image())).isEmpty());
        }
        QVERIFY(dia.grab().save(QStringLiteral(QUORVEX_SCREENSHOT_DIR "/TilesStudio_ratio2.png")));
    }

    void namesEditorPictures()
    {
        std::vector<uint8_t> font(0x1000);
        for (size_t i = 0; i < font.size(); ++i)
            font[i] = static_cast<uint8_t>(i * 37);
        CRenSmallDia dia(std::vector<uint8_t>{0x80, 0x81, 0x82, 0xFF}, quorvex::NameFontKind::Small, font);
        dia.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dia));
        int pictures = 0;
        for (QLabel* l : dia.findChildren<QLabel*>()) {
            const QPixmap pm = l->pixmap();
            if (pm.isNull())
                continue;
            ++pictures;
            QCOMPARE(pm.devicePixelRatio(), 2.0);
            QVERIFY(WholeBlocks(pm.toImage(), 4));
        }
        QCOMPARE(pictures, 2);
        QVERIFY(dia.grab().save(QStringLiteral(QUORVEX_SCREENSHOT_DIR "/NamesEditor_ratio2.png")));
    }
};

// Run with QT_SCALE_FACTOR=2, the screen scale of a high resolution display,
// which the application reads as it starts (ctest sets it).
QUORVEX_APP_TEST(PixelRatioTest)

#include "PixelRatioTest.moc"
