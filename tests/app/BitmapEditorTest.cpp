// The bitmap editor on the synthetic images of both releases: its four
// pages, the pixel tools and shortcuts, copy and paste across pages, export
// and import, the TrueType import, OK and Cancel; with screenshots.
#include <QCheckBox>
#include <QSpinBox>
#include <QSettings>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

#include "AppTestMain.h"
#include "AppTestSupport.h"
#include "BigFontPage.h"
#include "BitmapEditorSheet.h"
#include "EditorRegistry.h"
#include "MessageService.h"
#include "SmallFontPage.h"
#include "SpritesPage.h"
#include "TestFolders.h"
#include "WallPaperPage.h"
#include "controls/PaletteStrip.h"
#include "controls/PixelArt.h"
#include "graphics/BitmapEditorLogic.h"
#include "graphics/SpriteSheets.h"
#include "graphics/Tiles.h"
#include "rom/Document.h"

using namespace quorvex;

class BitmapEditorTest : public QObject {
    Q_OBJECT
private:
    TestFolders m_folders;
    RecordingMessageService m_messages;

    std::unique_ptr<CQuorvexDoc> Open(const QString& variant) { return m_folders.Open(variant); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_folders.Ready());
        MessageService::Install(&m_messages);
    }
    void init()
    {
        // Cancel after an edit asks whether to discard it: yes.
        m_messages.Clear();
        for (int i = 0; i < 4; ++i)
            m_messages.QueueAnswer(true);
    }
    void cleanupTestCase() { MessageService::Install(nullptr); }

    void fourPagesOnBothReleases()
    {
        for (const QString& variant : {QString("us10-headerless"), QString("jp")}) {
            auto doc = Open(variant);
            CBitmapEditorSheet sheet(*doc);
            QCOMPARE(sheet.windowTitle(), QString("Quorvex: Bitmap Editor"));
            sheet.resize(1280, 720);
            sheet.show();
            QCOMPARE(TabTitles(sheet.Tabs()), QStringList({"Big Font", "Small Font", "Wall Paper", "Sprites"}));
            QVERIFY(ShootEachTab(sheet, sheet.Tabs(), "BitmapEditor_" + variant + "_"));
            QCOMPARE(sheet.BigFont()->List()->topLevelItemCount(), variant == "jp" ? 1280 : 160);
            QCOMPARE(sheet.BigFont()->List()->headerItem()->text(3), QString("Width"));
            QVERIFY(sheet.BigFont()->List()->topLevelItem(0)->text(3).startsWith("0x"));
            sheet.reject();
        }
    }

    void registeredOnTheTileEditorCommand() { QCOMPARE(int(EditorRegistry().count(EditorCommand::TileEditor)), 1); }

    void toolButtonsByPage()
    {
        auto doc = Open("us10-headerless");
        CBitmapEditorSheet sheet(*doc);
        const QStringList common = {"Shift left", "Shift right", "Shift up", "Shift down", "Clear all pixels"};
        const QStringList flips = {"Flip horizontaly", "Flip verticaly", "Rotate clock-wize",
                                   "Rotate counter clock-wize"};
        const QStringList tools = {"Edit pixels (CTRL+E)", "Get colour (CTRL+D)", "Fill colour (CTRL+F)",
                                   "Copy tile (CTRL+C)", "Paste tile (CTRL+V)"};
        struct Row {
            CBitmapPage* page;
            bool flips, tools, frame;
        } rows[] = {{sheet.BigFont(), false, false, false},
                    {sheet.SmallFont(), true, false, false},
                    {sheet.WallPaper(), true, true, false},
                    {sheet.Sprites(), true, true, true}};
        for (const Row& r : rows) {
            for (const QString& t : common)
                QVERIFY2(r.page->ToolButton(t), qPrintable(t));
            for (const QString& t : flips)
                QCOMPARE(r.page->ToolButton(t) != nullptr, r.flips);
            for (const QString& t : tools)
                QCOMPARE(r.page->ToolButton(t) != nullptr, r.tools);
            QCOMPARE(r.page->ToolButton("Increment frame") != nullptr, r.frame);
        }
        sheet.reject();
    }

    void bigFontPaintingWidthsAndShifts()
    {
        auto doc = Open("us10-headerless");
        RomData& rd = doc->Rom();
        CBitmapEditorSheet sheet(*doc);
        CBigFontPage* page = sheet.BigFont();
        page->SelectItem(0x21); // 'B'
        const std::vector<uint8_t> glyph(BigFontGlyph(rd, 0x21), BigFontGlyph(rd, 0x21) + kGlyphBytes);
        // Sixteen shifts to the left give the glyph back.
        for (int i = 0; i < 16; ++i)
            page->ToolButton("Shift left")->click();
        QVERIFY(std::equal(glyph.begin(), glyph.end(), BigFontGlyph(rd, 0x21)));
        // Column 15 lies beyond the width (shaded) yet paints.
        page->Grid()->SetLeftColour(1);
        page->Grid()->ClickPixel(15, 10, Qt::LeftButton);
        QCOMPARE(GetGlyphPixel(BigFontGlyph(rd, 0x21), 0, 15, 10), 1);
        page->Grid()->ClickPixel(15, 10, Qt::RightButton);
        QCOMPARE(GetGlyphPixel(BigFontGlyph(rd, 0x21), 0, 15, 10), 0);
        // The width goes to entry glyph + 0x20 and shows in the list.
        page->WidthField()->setValue(11);
        QCOMPARE(int(rd.gfx.bitmaps.bigFontWidths[0x41]), 11);
        QCOMPARE(page->List()->topLevelItem(0x21)->text(3), QString("0x0B"));
        // "Clear all pixels" uses the right-button colour on this page.
        page->Grid()->SetRightColour(0);
        page->ToolButton("Clear all pixels")->click();
        for (int i = 0; i < int(kGlyphBytes); ++i)
            QCOMPARE(int(BigFontGlyph(rd, 0x21)[i]), 0);
        sheet.reject();
        // Cancel put everything back.
        QVERIFY(std::equal(glyph.begin(), glyph.end(), BigFontGlyph(rd, 0x21)));
        QCOMPARE(int(rd.gfx.bitmaps.bigFontWidths[0x41]), 8);
        QVERIFY(!doc->IsModified());
        QCOMPARE(m_messages.Log().front().text, QString(kDiscardChangesQuestion));
    }

    void japaneseWidthsOfBlocksTwoToFourAreReadOnly()
    {
        auto doc = Open("jp");
        CBitmapEditorSheet sheet(*doc);
        sheet.BigFont()->SelectItem(0x1A0);
        QVERIFY(sheet.BigFont()->WidthField()->isEnabled());
        sheet.BigFont()->SelectItem(0x2A0);
        QVERIFY(!sheet.BigFont()->WidthField()->isEnabled());
        QCOMPARE(sheet.BigFont()->WidthField()->value(), BigFontWidth(doc->Rom(), 0x2A0));
        sheet.reject();
    }

    void trueTypeImport()
    {
        auto doc = Open("us10-headerless");
        RomData& rd = doc->Rom();
        CBitmapEditorSheet sheet(*doc);
        sheet.resize(1280, 720);
        sheet.show();
        const std::vector<uint8_t> before = rd.gfx.bitmaps.bigFontGlyphs;
        sheet.BigFont()->ImportTrueType(QFont("DejaVu Sans", 8), 0);
        QVERIFY(rd.gfx.bitmaps.bigFontGlyphs != before);
        // 'A' is glyph 0, its width at entry 0x20: some ink, a plausible width.
        int ink = 0;
        for (int y = 0; y < kGlyphRows; ++y)
            for (int x = 0; x < kGlyphWidth; ++x)
                ink += GetGlyphPixel(BigFontGlyph(rd, 0), 0, x, y);
        QVERIFY(ink > 8);
        QVERIFY(rd.gfx.bitmaps.bigFontWidths[0x20] >= 4 && rd.gfx.bitmaps.bigFontWidths[0x20] <= 12);
        // The shifted re-import moves the ink up a row.
        const std::vector<uint8_t> first = rd.gfx.bitmaps.bigFontGlyphs;
        sheet.BigFont()->ImportTrueType(QFont("DejaVu Sans", 8), 1);
        QCOMPARE(sheet.BigFont()->TrueTypeShift(), 1);
        QVERIFY(rd.gfx.bitmaps.bigFontGlyphs != first);
        sheet.BigFont()->ImportTrueType(QFont("DejaVu Sans", 8), 0);
        QVERIFY(rd.gfx.bitmaps.bigFontGlyphs == first);
        sheet.BigFont()->SelectItem(0);
        QCoreApplication::processEvents();
        QVERIFY(SaveScreenshot(sheet, "BitmapEditor_TrueTypeImport"));
        sheet.reject();
    }

    void pixelToolsShortcutsAndCopyPaste()
    {
        auto doc = Open("us10-headerless");
        RomData& rd = doc->Rom();
        CBitmapEditorSheet sheet(*doc);
        CWallPaperPage* wall = sheet.WallPaper();
        CSpritesPage* sprites = sheet.Sprites();
        sheet.Tabs()->setCurrentWidget(wall);
        wall->SetWallpaper(1);
        wall->SelectItem(0);
        // Ctrl+D: get colour reports the clicked pixel as the left colour.
        QVERIFY(sheet.Shortcut(Qt::Key_D));
        QCOMPARE(wall->Grid()->CurrentTool(), CPixelEditor::Tool::GetColour);
        QVERIFY(wall->ToolButton("Get colour (CTRL+D)")->isChecked());
        const int at33 = wall->Grid()->Pixels().Get(3, 3);
        wall->Grid()->ClickPixel(3, 3, Qt::LeftButton);
        QCOMPARE(wall->Grid()->LeftColour(), at33);
        QCOMPARE(wall->Colours()->Left(), at33);
        // Ctrl+F: fill; filling with the clicked colour changes nothing.
        QVERIFY(sheet.Shortcut(Qt::Key_F));
        const std::vector<uint8_t> tiles = rd.gfx.bitmaps.wallpaperTiles;
        wall->Grid()->ClickPixel(3, 3, Qt::LeftButton);
        QVERIFY(rd.gfx.bitmaps.wallpaperTiles == tiles);
        wall->Grid()->SetLeftColour(15);
        wall->Grid()->ClickPixel(3, 3, Qt::LeftButton);
        QCOMPARE(GetTilePixel4bpp(WallpaperTiles(rd, 1), 3, 3), 15);
        QVERIFY(sheet.Shortcut(Qt::Key_E));
        QCOMPARE(wall->Grid()->CurrentTool(), CPixelEditor::Tool::Edit);
        // Ctrl+C does not copy on the Wall Paper page; paste stays disabled.
        QVERIFY(!sheet.Shortcut(Qt::Key_C));
        QVERIFY(!wall->ToolButton("Paste tile (CTRL+V)")->isEnabled());
        wall->ToolButton("Copy tile (CTRL+C)")->click();
        QVERIFY(wall->ToolButton("Paste tile (CTRL+V)")->isEnabled());
        // The Sprites page has not copied yet: its paste stays disabled.
        sheet.Tabs()->setCurrentWidget(sprites);
        QVERIFY(!sprites->ToolButton("Paste tile (CTRL+V)")->isEnabled());
        sprites->SetSprite(30);
        sprites->SelectItem(2);
        QVERIFY(sheet.Shortcut(Qt::Key_C)); // copies sprite tile 2
        QVERIFY(sprites->ToolButton("Paste tile (CTRL+V)")->isEnabled());
        // A later copy on the Wall Paper page is what the Sprites page pastes.
        wall->SelectItem(0);
        wall->ToolButton("Copy tile (CTRL+C)")->click();
        sprites->SelectItem(5);
        QVERIFY(sheet.Shortcut(Qt::Key_V));
        QVERIFY(std::equal(WallpaperTiles(rd, 1), WallpaperTiles(rd, 1) + 32, SpriteTiles(rd, 30) + 5 * 32));
        QVERIFY(sprites->List()->topLevelItem(5)->icon(2).cacheKey() != 0);
        // Flip and rotate through the buttons.
        const PixelBuffer before = sprites->Grid()->Pixels();
        sprites->ToolButton("Rotate clock-wize")->click();
        sprites->ToolButton("Rotate counter clock-wize")->click();
        sprites->ToolButton("Flip horizontaly")->click();
        sprites->ToolButton("Flip horizontaly")->click();
        QVERIFY(sprites->Grid()->Pixels() == before);
        sheet.reject();
    }

    void exportImportAndOptions()
    {
        RecordingMessageService& messages = m_messages;
        auto doc = Open("us10-headerless");
        RomData& rd = doc->Rom();
        {
            CBitmapEditorSheet sheet(*doc);
            CWallPaperPage* wall = sheet.WallPaper();
            wall->SetWallpaper(4);
            QVERIFY(wall->Export());
            const QString png = m_folders.Images() + "/wallpaper004.png";
            QCOMPARE(messages.LastText(), QString("`%1' created").arg(QFileInfo(png).absoluteFilePath()));
            QVERIFY(QFile::exists(png));
            QVERIFY(wall->ImportFile(png));
            QFile bad(m_folders.Images() + "/bad.png");
            QVERIFY(bad.open(QIODevice::WriteOnly));
            bad.write(QByteArray(100, 'x'));
            bad.close();
            QVERIFY(!wall->ImportFile(bad.fileName()));
            QCOMPARE(messages.LastKind(), QString("error"));
            QCOMPARE(messages.LastText(), QString("Error: not a PNG file"));

            CSpritesPage* sprites = sheet.Sprites();
            sprites->SetSprite(7);
            sprites->SetOption(5, true); // new sheet format
            QCOMPARE(sprites->View().newFormat, true);
            QVERIFY(sprites->Export());
            QCOMPARE(messages.LastText(),
                     QString("`%1' created").arg(QFileInfo(m_folders.Images() + "/sprite007.png").absoluteFilePath()));
            const std::vector<uint8_t> tiles = rd.gfx.bitmaps.spriteTiles;
            QVERIFY(sprites->ImportFile(m_folders.Images() + "/sprite007.png"));
            QVERIFY(rd.gfx.bitmaps.spriteTiles == tiles);
            // The 16 x 18 sheet does not fit the old format.
            sprites->SetOption(5, false);
            QVERIFY(!sprites->ImportFile(m_folders.Images() + "/sprite007.png"));
            QVERIFY(messages.LastText().contains("larger than the graphic"));
            sprites->SetOption(7, true);
            sprites->SetOption(1, true);
            sprites->ToolButton("Increment frame")->click();
            QCOMPARE(sprites->Frame(), 1);
            wall->SetWallpaper(2);
            sheet.accept();
        }
        QVERIFY(doc->IsModified());
        QSettings settings("Orvan Soft", "Quorvex");
        settings.beginGroup("Settings");
        QCOMPARE(settings.value("m_bmpSpriteIdx").toInt(), 7);
        QCOMPARE(settings.value("m_bmpSpriteOptions").toInt(), 0x82);
        QCOMPARE(settings.value("m_bmpWallPaperIdx").toInt(), 2);
        // A stored 0x80 restores only "Import battle palette".
        settings.setValue("m_bmpSpriteOptions", 0x80);
        CBitmapEditorSheet again(*doc);
        const SpriteOptions o = again.Sprites()->Options();
        QVERIFY(o.importBattle);
        QCOMPARE(o.Bits(), 0x80);
        QCOMPARE(again.Sprites()->View().sprite, 7);
        again.reject();
    }

    void exportAll()
    {
        RecordingMessageService& messages = m_messages;
        auto doc = Open("us10-headerless");
        CBitmapEditorSheet sheet(*doc);
        // sprite007.png is there from the single export: asked once, and No
        // writes nothing.
        const bool hadOne = QFile::exists(m_folders.Images() + "/sprite007.png");
        if (hadOne) {
            messages.Clear(); // no answer left from another test: No
            QVERIFY(!sheet.Sprites()->ExportAll());
            QCOMPARE(messages.LastKind(), QString("question"));
            QVERIFY(!QFile::exists(m_folders.Images() + "/sprite000.png"));
            messages.QueueAnswer(true);
        }
        QVERIFY(sheet.Sprites()->ExportAll());
        QCOMPARE(messages.LastText(),
                 QString("168 files created in `%1'").arg(QFileInfo(m_folders.Images()).absoluteFilePath()));
        QVERIFY(QFile::exists(m_folders.Images() + "/sprite167.png"));
        sheet.reject();
    }

    void pixelArtIsScaledByWholePixels()
    {
        QImage img(2, 1, QImage::Format_RGB32);
        img.setPixel(0, 0, qRgb(255, 0, 0));
        img.setPixel(1, 0, qRgb(0, 0, 255));
        for (qreal dpr : {1.0, 1.5, 2.0}) {
            const QImage px = PixelArtPixmap(img, 3, dpr).toImage();
            const int device = qRound(3 * dpr);
            QCOMPARE(px.width(), 2 * device);
            for (int x = 0; x < px.width(); ++x)
                QCOMPARE(px.pixel(x, 0), x < device ? qRgb(255, 0, 0) : qRgb(0, 0, 255));
        }
    }
};

QUORVEX_APP_TEST(BitmapEditorTest)
#include "BitmapEditorTest.moc"
