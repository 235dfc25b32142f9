// Pictures where the game has pictures, offscreen on the synthetic image:
// the keyboard mapping shows each code's glyph and real width, the About
// box draws the game name in the game's font, and the Audio Editor shows
// the selected samples' waveforms with their loop point and a playback
// cursor.
#include <QFile>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <cstring>

#include "AppTestMain.h"
#include "AboutDlg.h"
#include "AppTestSupport.h"
#include "AudioEditorDia.h"
#include "DialogEditor.h"
#include "MessageService.h"
#include "QuorvexDoc.h"
#include "TextPage.h"
#include "WizTextConvDia.h"
#include "audio/SampleSources.h"
#include "controls/WaveformView.h"
#include "graphics/BitmapTables.h"
#include "graphics/CharGlyphs.h"
#include "rom/Document.h"

using namespace quorvex;

namespace {

void Shot(QWidget* w, const char* name)
{
    QVERIFY(w->grab().save(QStringLiteral(QUORVEX_SCREENSHOT_DIR "/") + QLatin1String(name)));
}

// A BRR stream of `blocks` blocks with a rising then falling ramp, the end
// flag on the last block.
std::vector<uint8_t> Brr(int blocks)
{
    std::vector<uint8_t> b(static_cast<size_t>(blocks) * 9, 0x11);
    for (int i = 0; i < blocks; ++i)
        b[static_cast<size_t>(i) * 9] = static_cast<uint8_t>(0xB0 | (i == blocks - 1 ? 1 : 0));
    return b;
}

} // namespace

class GamePicturesTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    std::unique_ptr<CQuorvexDoc> Open(const char* variant)
    {
        auto doc = std::make_unique<CQuorvexDoc>();
        const QString path = WriteImageFile(m_dir.filePath(QString::fromLatin1(variant) + QStringLiteral(".smc")),
                                            VariantOptions(QString::fromLatin1(variant)));
        if (!doc->OnOpenDocument(ToCorePath(path)).ok)
            qFatal("cannot open %s", variant);
        return doc;
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void keyboardMappingShowsGlyphsAndWidths_data()
    {
        QTest::addColumn<QString>("variant");
        QTest::newRow("us") << QStringLiteral("us10-headerless");
        QTest::newRow("jp") << QStringLiteral("jp");
    }

    void keyboardMappingShowsGlyphsAndWidths()
    {
        QFETCH(QString, variant);
        auto doc = Open(variant.toLatin1().constData());
        // Widths of the font's own: glyph 0x21 ("A" in the North American
        // font) is given 5, glyph 0x22 gives 13.
        for (const auto& [glyph, width] : {std::pair{0x21, 5}, std::pair{0x22, 13}})
            doc->Rom().gfx.bitmaps.bigFontWidths[static_cast<size_t>(BigFontWidthIndex(doc->Rom(), glyph))] =
                static_cast<uint8_t>(width);
        CDialogEditor dlg(*doc);
        CTextPage* town = dlg.Page(0);
        CWizTextConvDia* map = town->Mapping();
        QTableWidget* list = map->List();
        int glyphs = 0;
        for (int row = 0; row < list->rowCount(); ++row) {
            CFF6Bitmap bmp;
            int width = -1;
            const bool has = DrawCharGlyph(doc->Rom(), kStyleDialogue, row, bmp, width);
            QCOMPARE(!list->item(row, 1)->icon().isNull(), has);
            if (!has)
                continue;
            ++glyphs;
            QCOMPARE(list->item(row, 2)->text(), QString::number(width));
            QVERIFY(list->item(row, 1)->text().isEmpty());
        }
        QVERIFY(glyphs >= 90);
        // The rows of those glyphs: code 0x41 and 0x42 in the North American
        // release (its font starts at code 0x20), 0x21 and 0x22 in the
        // Japanese one.
        const int row = doc->Rom().romType == kRomFF6j ? 0x21 : 0x41;
        QCOMPARE(list->item(row, 2)->text(), QStringLiteral("5"));
        QCOMPARE(list->item(row + 1, 2)->text(), QStringLiteral("13"));
        map->show();
        list->scrollToItem(list->item(0x40, 0));
        QVERIFY(QTest::qWaitForWindowExposed(map));
        Shot(map, variant == QStringLiteral("jp") ? "KeyboardMapping_glyphs_jp.png" : "KeyboardMapping_glyphs.png");
    }

    void aboutDrawsTheGameNameInItsFont()
    {
        auto doc = Open("us10-headerless");
        CAboutDlg dlg(doc->Rom());
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QLabel* picture = dlg.RomNamePicture();
        QVERIFY(picture->isVisible());
        const QString title = QString::fromStdString(doc->Rom().internalName).trimmed();
        const NamePicture expected = DrawSmallFontText(doc->Rom(), title.toStdWString());
        QVERIFY(!expected.Empty());
        QCOMPARE(picture->pixmap().deviceIndependentSize().toSize(), QSize(expected.width * 2, expected.height * 2));
        Shot(&dlg, "About_game_font.png");
        // No image: no picture.
        CQuorvexDoc none;
        CAboutDlg empty(none.Rom());
        QVERIFY(empty.RomNamePicture()->isHidden());
    }

    void audioEditorShowsWaveforms()
    {
        ScopedRecordingMessages messages;
        auto doc = Open("us10-headerless");
        CAudioEditorDia dia(*doc);
        CBrrPage* page = dia.BrrPage();
        page->SetIndex(5);
        const auto& sample = doc->Rom().audio.samples[5];
        QCOMPARE(page->RomWave()->Samples().size(), qsizetype(sample.size() / 9 * 16));
        QCOMPARE(page->RomWave()->LoopSample(), -1);
        QVERIFY(page->RomWave()->Caption().endsWith(QStringLiteral(", loop unknown")));
        page->SetIndex(6);
        QCOMPARE(page->RomWave()->Samples().size(), qsizetype(doc->Rom().audio.samples[6].size() / 9 * 16));

        // An SPC dump gives each candidate's loop: entry 0 starts at 0x2000
        // and loops at 0x2024, four blocks (64 samples) in.
        std::vector<uint8_t> spc(kSpcMinSize, 0xFF);
        std::memcpy(spc.data(), kSpcMagic, kSpcMagicSize);
        spc[kSpcHeaderSize + kSpcRamSize + 0x5D] = 0x08;
        const uint8_t dir[8] = {0x00, 0x20, 0x24, 0x20, 0x00, 0x30, 0x00, 0x30};
        std::copy(dir, dir + 8, spc.begin() + kSpcHeaderSize + 0x800);
        const auto s1 = Brr(9), s2 = Brr(3);
        std::copy(s1.begin(), s1.end(), spc.begin() + kSpcHeaderSize + 0x2000);
        std::copy(s2.begin(), s2.end(), spc.begin() + kSpcHeaderSize + 0x3000);
        QFile f(m_dir.filePath(QStringLiteral("m.spc")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(reinterpret_cast<const char*>(spc.data()), static_cast<qint64>(spc.size()));
        f.close();
        QVERIFY(page->ImportSpc(f.fileName()));
        QCOMPARE(page->CandidateWave()->Samples().size(), qsizetype(9 * 16));
        QCOMPARE(page->CandidateWave()->LoopSample(), 64);
        QVERIFY(page->CandidateWave()->Caption().endsWith(QStringLiteral(", loops to 64")));
        page->SelectCandidate(1);
        QCOMPARE(page->CandidateWave()->Samples().size(), qsizetype(3 * 16));
        QCOMPARE(page->CandidateWave()->LoopSample(), 0);
        page->SelectCandidate(0);

        // The cursor (the player moves it while a clip plays).
        page->CandidateWave()->SetCursor(100);
        QCOMPARE(page->CandidateWave()->Cursor(), 100);
        dia.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dia));
        const int x = page->CandidateWave()->XOf(100);
        QVERIFY(x > 0 && x < page->CandidateWave()->width());
        const QImage shot = page->CandidateWave()->grab().toImage();
        QCOMPARE(QColor(shot.pixel(x, 2)), QColor(0xFF, 0x50, 0x50));
        Shot(&dia, "AudioEditor_waveforms.png");
        page->CandidateWave()->SetCursor(100000);
        QCOMPARE(page->CandidateWave()->Cursor(), -1);
        // Nothing plays: the timer hides the cursor.
        page->CandidateWave()->SetCursor(10);
        page->StopPlayback();
        dia.accept();
    }
};

QUORVEX_APP_TEST(GamePicturesTest)
#include "GamePicturesTest.moc"
