// The page pattern every editor sheet shares, driven offscreen on a small
// page over the morph packs: bound controls show and store their fields,
// untouched controls store nothing, OK keeps, Cancel asks and restores.
#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QtTest>

#include "AppTestMain.h"
#include "AppTestSupport.h"
#include "MessageService.h"
#include "SyntheticImage.h"
#include "controls/EditorSheet.h"
#include "controls/FieldControls.h"
#include "controls/RecordPage.h"
#include "rom/Document.h"
#include "rom/TableDesc.h"

using namespace quorvex;

namespace {

class CPackPage : public CRecordPage {
public:
    explicit CPackPage(CEditorSheet* sheet) : CRecordPage(sheet, *FindTable("morph_packs"), "m_testPackIdx")
    {
        auto* lay = new QFormLayout(this);
        first = new CNumberField({}, this);
        second = new QComboBox(this);
        for (int v = 0; v < 256; v += 2)
            second->addItem(QString::number(v), v); // odd values are not in the list
        lay->addRow("Item 1", first);
        lay->addRow("Item 2", second);
        Bind(first, "items", 0);
        Bind(second, "items", 1);
        Show(Current());
    }
    CNumberField* first;
    QComboBox* second;
};

uint8_t PackByte(const CQuorvexDoc& doc, int pack, int item)
{
    return doc.Rom().editors.morphPacks.bytes[static_cast<size_t>(pack * 4 + item)];
}

} // namespace

class RecordPageTest : public QObject {
    Q_OBJECT

private:
    CQuorvexDoc m_doc;

private slots:
    void initTestCase()
    {
        IsolateSettings(QDir::tempPath() + "/quorvex_record_page_settings");
        const QString path = QDir::tempPath() + "/quorvex_record_page_test.smc";
        QVERIFY(synth::WriteSyntheticImage(path.toStdString()));
        QVERIFY(m_doc.OnOpenDocument(path.toStdString()).ok);
        QFile::remove(path);
    }

    void storesOnlyWhatTheUserChanged()
    {
        m_doc.Rom().editors.morphPacks.bytes[4 * 3 + 1] = 0x81; // odd: the combo cannot show it
        const uint8_t firstOfFour = PackByte(m_doc, 4, 0);
        CEditorSheet sheet(m_doc, "Test Sheet");
        auto* page = new CPackPage(&sheet);
        sheet.AddPage(page, "Pack");
        page->Select(3);
        QCOMPARE(page->second->currentIndex(), -1);
        page->first->selectAll();
        QTest::keyClicks(page->first, "300"); // clamped to the field's range
        page->Select(4);
        QCOMPARE(PackByte(m_doc, 3, 0), uint8_t(255));
        QCOMPARE(PackByte(m_doc, 3, 1), uint8_t(0x81)); // never shown, never stored
        QVERIFY(sheet.Edited());
        QCOMPARE(page->first->text(), QString::number(firstOfFour));
        page->second->setCurrentIndex(5);
        sheet.accept();
        QCOMPARE(PackByte(m_doc, 4, 1), uint8_t(10));
        QVERIFY(m_doc.IsModified());
        QCOMPARE(IndexSetting("m_testPackIdx").Get(32), 4);
    }

    void cancelAsksThenRestoresTheTablesAsOpened()
    {
        ScopedRecordingMessages messages;
        const std::vector<uint8_t> opened = m_doc.Rom().editors.morphPacks.bytes;
        CEditorSheet sheet(m_doc, "Test Sheet");
        auto* page = new CPackPage(&sheet);
        sheet.AddPage(page, "Pack");
        sheet.show();
        // Nothing edited: Cancel closes without a question.
        sheet.reject();
        QVERIFY(messages.Log().isEmpty());

        CEditorSheet again(m_doc, "Test Sheet");
        auto* p = new CPackPage(&again);
        again.AddPage(p, "Pack");
        again.show();
        p->first->selectAll();
        QTest::keyClicks(p->first, "7");
        QTest::keyClick(&again, Qt::Key_Escape); // typed, not yet stored: still asks
        QCOMPARE(messages.LastText(), QString(kDiscardChangesQuestion));
        QVERIFY(again.isVisible());
        QCOMPARE(m_doc.Rom().editors.morphPacks.bytes[static_cast<size_t>(p->Current() * 4)], uint8_t(7));
        messages.QueueAnswer(true);
        again.close();
        QVERIFY(!again.isVisible());
        QCOMPARE(m_doc.Rom().editors.morphPacks.bytes, opened);
        QVERIFY(again.grab().save(QString(QUORVEX_SCREENSHOT_DIR) + "/record_page.png"));
    }
};

QUORVEX_APP_TEST(RecordPageTest)
#include "RecordPageTest.moc"
