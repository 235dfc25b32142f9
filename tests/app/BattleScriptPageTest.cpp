// The "Battle Script" page in the Monsters Editor on the synthetic image:
// the list and its texts, the monster shared with the "Specs" page, every
// button's operation and refusal, the two dialogs, export and import, the
// load-status rules with the Mag Roader question, and Cancel.
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QtTest>
#include <deque>

#include "AppTestMain.h"
#include "AppTestSupport.h"
#include "MessageService.h"
#include "MonsterEd.h"
#include "MonsterSpecsPage.h"
#include "MstAtkSetEd.h"
#include "MstAtkSetVerboseDia.h"
#include "MstCmdHexEntryDia.h"
#include "SyntheticImage.h"
#include "controls/EditorSheet.h"
#include "controls/FF6Combo.h"
#include "controls/Settings.h"
#include "monsters/BattleScriptDescriber.h"
#include "monsters/BattleScriptEditor.h"
#include "monsters/BattleScriptTexts.h"
#include "monsters/ScriptNames.h"
#include "rom/Document.h"

using namespace quorvex;

namespace {

// Plays the user's part in the page's dialogs: each step fills one dialog
// and says whether it was confirmed.
class DialogScript {
public:
    using Step = std::function<bool(QDialog&)>;
    void Then(Step s) { m_steps.push_back(std::move(s)); }
    int Run(QDialog& d)
    {
        if (m_steps.empty())
            return QDialog::Rejected;
        d.show();
        d.activateWindow();
        (void)QTest::qWaitForWindowActive(&d);
        const bool ok = m_steps.front()(d);
        m_steps.pop_front();
        d.hide();
        return ok ? QDialog::Accepted : QDialog::Rejected;
    }
    bool Done() const { return m_steps.empty(); }

private:
    std::deque<Step> m_steps;
};

// Types a command into the hex entry dialog, field after field as the
// focus moves.
DialogScript::Step TypeHex(const QString& keys)
{
    return [keys](QDialog& d) {
        auto* hex = qobject_cast<CMstCmdHexEntryDia*>(&d);
        if (!hex)
            return false;
        hex->Field(0)->setFocus();
        for (QChar c : keys)
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
        return true;
    };
}

} // namespace

class BattleScriptPageTest : public QObject {
    Q_OBJECT

private:
    QString m_dir;
    QString m_path;
    CQuorvexDoc m_doc;
    DialogScript m_dialogs;

    struct Host {
        std::unique_ptr<CMonsterEd> sheet;
        CMstAtkSetEd* page = nullptr;
    };
    // The Monsters Editor opened on `monster` (the remembered one), its
    // "Battle Script" page in front.
    Host Open(CQuorvexDoc& doc, int monster)
    {
        Host h;
        IndexSetting("PrevSmst").Set(monster);
        h.sheet = std::make_unique<CMonsterEd>(doc);
        h.page = qobject_cast<CMstAtkSetEd*>(h.sheet->Page(QStringLiteral("Battle Script")));
        if (!h.page)
            return h;
        h.page->SetDialogRunner([this](QDialog& d) { return m_dialogs.Run(d); });
        h.sheet->Tabs()->setCurrentWidget(h.page);
        h.sheet->resize(1180, 760);
        h.sheet->show();
        return h;
    }
    BattleScriptSet& Set() { return m_doc.Rom().scripts.set; }
    std::vector<uint8_t> Bytes(int i) { return Set().Script(i).Bytes(); }
    void Click(CMstAtkSetEd* page, const char* button) { QTest::mouseClick(page->Button(button), Qt::LeftButton); }

private slots:
    void initTestCase()
    {
        m_dir = QDir::tempPath() + "/quorvex_script_page_test";
        QDir(m_dir).removeRecursively();
        QDir().mkpath(m_dir);
        IsolateSettings(m_dir + "/settings");
        m_path = m_dir + "/image.smc";
        QVERIFY(synth::WriteSyntheticImage(m_path.toStdString()));
        QVERIFY(m_doc.OnOpenDocument(m_path.toStdString()).ok);
    }
    void init() { QVERIFY(m_doc.OnOpenDocument(m_path.toStdString()).ok); }
    void cleanupTestCase() { QDir(m_dir).removeRecursively(); }

    void listShowsEveryCommandWithItsDescription()
    {
        QVERIFY(Set().ReplaceScript(12, std::vector<uint8_t>{0xF0, 0x01, 0xFE, 0x02, 0x05, 0xFF, 0xF7, 0x03, 0xFF}));
        Host h = Open(m_doc, 12);
        QTreeWidget* list = h.page->List();
        QCOMPARE(list->headerItem()->text(0), QString("Op."));
        QCOMPARE(list->headerItem()->text(4), QString("Description"));
        QCOMPARE(list->topLevelItemCount(), 5);
        QCOMPARE(list->topLevelItem(0)->text(0), QString("0xF0"));
        QCOMPARE(list->topLevelItem(0)->text(2), QString("0xFE"));
        QCOMPARE(list->topLevelItem(1)->text(1), QString()); // a plain attack has no operands
        QCOMPARE(list->topLevelItem(3)->text(4), QString("Trigger event: %1").arg(ScriptEventText(3)));
        QCOMPARE(list->topLevelItem(4)->text(4), QString("End"));
        const RomScriptNames names(m_doc.Rom());
        QCOMPARE(list->topLevelItem(1)->text(4),
                 QString::fromStdString(DescribeCommand(Set().Script(12), 1, names)));
        QCOMPARE(h.page->StatusLabel()->text(),
                 QString("Current length: 9\nAvail. bytes: %1").arg(Set().Avail()));
        QCOMPARE(h.page->SelectedCommand(), 0);
        QCOMPARE(h.sheet->Tabs()->indexOf(h.page), 1);
        QVERIFY(h.sheet->grab().save(QString(QUORVEX_SCREENSHOT_DIR) + "/battle_script_page.png"));
    }

    void theTwoPagesShowOneMonster()
    {
        Host h = Open(m_doc, 12);
        QCOMPARE(h.page->Monster(), 12);
        QCOMPARE(h.sheet->Specs()->Current(), 12);
        // The combo lists the monsters as the "Specs" selector does.
        QCOMPARE(h.page->MonsterCombo()->count(), kBattleScriptCount);
        QCOMPARE(h.page->MonsterCombo()->model(), h.sheet->Specs()->Selector()->model());
        // A choice on this page is the "Specs" page's choice too.
        QSignalSpy changed(h.page, &CMstAtkSetEd::MonsterChanged);
        h.page->MonsterCombo()->setFocus();
        QTest::keyClick(h.page->MonsterCombo(), Qt::Key_Down);
        QCOMPARE(h.page->Monster(), 13);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(h.sheet->Specs()->Current(), 13);
        // A choice on the "Specs" page is this page's choice too.
        h.sheet->Tabs()->setCurrentWidget(h.sheet->Specs());
        h.sheet->Specs()->Select(200);
        QCOMPARE(h.page->Monster(), 200);
        QCOMPARE(changed.count(), 2);
        h.sheet->Tabs()->setCurrentWidget(h.page);
        QCOMPARE(h.page->MonsterCombo()->currentIndex(), 200);
        h.page->SetMonster(201);
        h.sheet->accept();
        QCOMPARE(IndexSetting("PrevSmst").Get(384), 201);
    }

    void hexEntryShowsAsManyOperandsAsTheOpcodeTakes()
    {
        CMstCmdHexEntryDia d;
        d.show();
        d.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        d.Field(0)->setFocus();
        QTest::keyClicks(d.Field(0), "8");
        QVERIFY(d.Field(1)->isHidden());
        QVERIFY(d.Command().empty());
        QTest::keyClicks(d.Field(0), "0");
        QVERIFY(d.Field(1)->isHidden()); // 0x80 takes none
        QCOMPARE(d.Command(), (std::vector<uint8_t>{0x80}));
        d.Field(0)->clear();
        QTest::keyClicks(d.Field(0), "f8");
        QVERIFY(!d.Field(1)->isHidden());
        QVERIFY(!d.Field(2)->isHidden());
        QVERIFY(d.Field(3)->isHidden());
        QCOMPARE(QApplication::focusWidget(), d.Field(1));
        QTest::keyClicks(QApplication::focusWidget(), "0a");
        QCOMPARE(QApplication::focusWidget(), d.Field(2));
        QTest::keyClicks(QApplication::focusWidget(), "45");
        QCOMPARE(d.Command(), (std::vector<uint8_t>{0xF8, 0x0A, 0x45}));
        QVERIFY(d.grab().save(QString(QUORVEX_SCREENSHOT_DIR) + "/battle_script_hex_entry.png"));
    }

    void insertingFollowsThePageRules()
    {
        ScopedRecordingMessages messages;
        QVERIFY(Set().ReplaceScript(20, std::vector<uint8_t>{0x05, 0xFF, 0xFF}));
        Host h = Open(m_doc, 20);
        // Hex Insert of 80 12: one byte, the operand field never shown.
        h.page->SelectCommand(1);
        m_dialogs.Then(TypeHex("8012"));
        Click(h.page, "Hex Insert");
        QCOMPARE(Bytes(20), (std::vector<uint8_t>{0x05, 0x80, 0xFF, 0xFF}));
        QCOMPARE(h.page->SelectedCommand(), 1);
        QVERIFY(h.sheet->Edited());
        // A break point is refused.
        m_dialogs.Then(TypeHex("FF"));
        Click(h.page, "Hex Insert");
        QCOMPARE(messages.LastText(), QString("Cannot insert a break point (0xFF)"));
        QCOMPARE(messages.LastKind(), QString("error"));
        // With no row selected nothing goes after the final 0xFF.
        h.page->List()->clearSelection();
        Click(h.page, "Repeat");
        QCOMPARE(messages.LastText(), QString("Cannot insert command after second break point (0xFF)"));
        QCOMPARE(Bytes(20), (std::vector<uint8_t>{0x05, 0x80, 0xFF, 0xFF}));
        // Repeat and Endif before the final 0xFF.
        h.page->SelectCommand(3);
        Click(h.page, "Endif");
        h.page->SelectCommand(3);
        Click(h.page, "Repeat");
        QCOMPARE(Bytes(20), (std::vector<uint8_t>{0x05, 0x80, 0xFF, 0xFD, 0xFE, 0xFF}));
        // Target and Event choose from their lists.
        m_dialogs.Then([](QDialog& d) {
            auto* v = qobject_cast<CMstAtkSetVerboseDia*>(&d);
            v->List(0)->setCurrentIndex(0x36);
            return d.windowTitle() == "Target";
        });
        h.page->SelectCommand(0);
        Click(h.page, "Target");
        int events = 0;
        m_dialogs.Then([&events](QDialog& d) {
            auto* v = qobject_cast<CMstAtkSetVerboseDia*>(&d);
            events = v->List(0)->count();
            v->List(0)->setCurrentIndex(0x20);
            return d.windowTitle() == "Event";
        });
        h.page->SelectCommand(0);
        Click(h.page, "Event");
        QCOMPARE(events, 33);
        // Spell/item: throw one of two items.
        int items = 0;
        bool saved = false;
        m_dialogs.Then([&](QDialog& d) {
            auto* v = qobject_cast<CMstAtkSetVerboseDia*>(&d);
            QTest::mouseClick(v->KindButton(CMstAtkSetVerboseDia::kThrowItem), Qt::LeftButton);
            items = v->List(0)->count();
            v->List(0)->setCurrentIndex(3);
            v->List(1)->setCurrentIndex(250);
            saved = d.grab().save(QString(QUORVEX_SCREENSHOT_DIR) + "/battle_script_spell_item.png");
            return true;
        });
        h.page->SelectCommand(0);
        Click(h.page, "Spell/item");
        QVERIFY(m_dialogs.Done());
        QCOMPARE(items, 256);
        QVERIFY(saved);
        QCOMPARE(Bytes(20), (std::vector<uint8_t>{0xF6, 0x01, 0x03, 0xFA, 0xF7, 0x20, 0xF1, 0x36, 0x05, 0x80, 0xFF,
                                                  0xFD, 0xFE, 0xFF}));
    }

    void editingDeletingAndMoving()
    {
        ScopedRecordingMessages messages;
        QVERIFY(Set().ReplaceScript(30, std::vector<uint8_t>{0x05, 0xF0, 0x01, 0x02, 0x03, 0xFF, 0x07, 0xFF}));
        Host h = Open(m_doc, 30);
        // Hex Edit starts from the command's four bytes.
        QString shown;
        m_dialogs.Then([&shown](QDialog& d) {
            auto* hex = qobject_cast<CMstCmdHexEntryDia*>(&d);
            for (int i = 0; i < 4; ++i)
                shown += hex->Field(i)->text();
            hex->Field(2)->setText("EE");
            return true;
        });
        h.page->SelectCommand(1);
        Click(h.page, "Hex Edit");
        QCOMPARE(shown, QString("F0010203"));
        QCOMPARE(Bytes(30), (std::vector<uint8_t>{0x05, 0xF0, 0x01, 0xEE, 0x03, 0xFF, 0x07, 0xFF}));
        h.page->SelectCommand(2);
        Click(h.page, "Hex Edit");
        QCOMPARE(messages.LastText(), QString("This opcode cannot be edited"));
        Click(h.page, "Delete");
        QCOMPARE(messages.LastText(), QString("This opcode cannot be deleted"));
        // Double-click on a plain attack edits it in the spell dialog, its kind kept.
        bool kindKept = false;
        int shownAttack = -1, attacks = 0;
        m_dialogs.Then([&](QDialog& d) {
            auto* v = qobject_cast<CMstAtkSetVerboseDia*>(&d);
            kindKept = v->KindButton(CMstAtkSetVerboseDia::kOneSpell)->isChecked() &&
                       !v->KindButton(CMstAtkSetVerboseDia::kThreeSpells)->isEnabled();
            shownAttack = v->List(0)->currentData().toInt();
            attacks = v->List(0)->count();
            v->List(0)->setCurrentIndex(0x21);
            return true;
        });
        QTreeWidgetItem* first = h.page->List()->topLevelItem(0);
        h.page->SelectCommand(0);
        emit h.page->List()->itemDoubleClicked(first, 0);
        QVERIFY(kindKept);
        QCOMPARE(shownAttack, 5);
        QCOMPARE(attacks, 0xF0);
        QCOMPARE(Bytes(30)[0], uint8_t(0x21));
        // Moves: "v" twice carries the plain attack past the first 0xFF.
        h.page->SelectCommand(0);
        Click(h.page, "v");
        QCOMPARE(h.page->SelectedCommand(), 1);
        Click(h.page, "v");
        QCOMPARE(Bytes(30), (std::vector<uint8_t>{0xF0, 0x01, 0xEE, 0x03, 0xFF, 0x21, 0x07, 0xFF}));
        Click(h.page, "v");
        QCOMPARE(Bytes(30), (std::vector<uint8_t>{0xF0, 0x01, 0xEE, 0x03, 0xFF, 0x07, 0x21, 0xFF}));
        Click(h.page, "v"); // the command before the final 0xFF stays
        QCOMPARE(h.page->SelectedCommand(), 3);
        Click(h.page, "^");
        Click(h.page, "^");
        QCOMPARE(h.page->SelectedCommand(), 1);
        QCOMPARE(Bytes(30), (std::vector<uint8_t>{0xF0, 0x01, 0xEE, 0x03, 0x21, 0xFF, 0x07, 0xFF}));
        // Cut, then Paste becomes available and puts it back.
        QVERIFY(!h.page->Button("Paste")->isEnabled());
        h.page->SelectCommand(0);
        Click(h.page, "Cut");
        QVERIFY(h.page->Button("Paste")->isEnabled());
        h.page->SelectCommand(2);
        Click(h.page, "Paste");
        QCOMPARE(Bytes(30), (std::vector<uint8_t>{0x21, 0xFF, 0xF0, 0x01, 0xEE, 0x03, 0x07, 0xFF}));
        // Copy script / Paste script.
        QVERIFY(!h.page->Button("Paste script")->isEnabled());
        Click(h.page, "Copy script");
        h.page->SetMonster(31);
        Click(h.page, "Paste script");
        QCOMPARE(Bytes(31), Bytes(30));
        Click(h.page, "Erase this script");
        QCOMPARE(Bytes(31), (std::vector<uint8_t>{0xFF, 0xFF}));
    }

    void eraseAllAsksFirst()
    {
        ScopedRecordingMessages messages;
        Host h = Open(m_doc, 0);
        const uint32_t used = Set().Used();
        Click(h.page, "Erase all scripts");
        QCOMPARE(messages.LastText(), QString::fromLatin1(scripttext::kEraseAllQuestion));
        QCOMPARE(Set().Used(), used);
        messages.QueueAnswer(true);
        Click(h.page, "Erase all scripts");
        QCOMPARE(Set().Used(), 768u);
        QCOMPARE(h.page->List()->topLevelItemCount(), 2);
    }

    void exportAndImport()
    {
        ScopedRecordingMessages messages;
        const QString was = QDir::currentPath();
        QDir::setCurrent(m_dir);
        Host h = Open(m_doc, 7);
        Click(h.page, "Export this script");
        QCOMPARE(messages.LastText(), QString("`monstBattleScript007.txt' created"));
        QCOMPARE(messages.LastKind(), QString("information"));
        Click(h.page, "Export all scripts");
        QCOMPARE(messages.LastText(), QString("`monstBattleScripts.txt' created"));
        QVERIFY(QFile::exists(m_dir + "/monstBattleScripts.txt"));

        const std::vector<uint8_t> seven = Bytes(7);
        Set().EraseScript(7);
        h.page->SetImportFileChooser([this] { return m_dir + "/monstBattleScript007.txt"; });
        Click(h.page, "Import script");
        QCOMPARE(messages.LastText(), QString("Script imported without errors."));
        QCOMPARE(Bytes(7), seven);
        QFile bad(m_dir + "/bad.txt");
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("[File version: 1.00]\n[Section: Monster Battle Scripts]\n[script #7]\nF0 01\n");
        bad.close();
        h.page->SetImportFileChooser([this] { return m_dir + "/bad.txt"; });
        Click(h.page, "Import script");
        QCOMPARE(messages.LastText(), QString("Script #7, line #1, opcode F0 must take 3 operands\n"));
        QCOMPARE(messages.LastKind(), QString("error"));
        h.page->SetImportFileChooser([] { return QString(); });
        Click(h.page, "Import script"); // nothing chosen: nothing happens
        QCOMPARE(messages.Log().size(), 4);
        QDir::setCurrent(was);
    }

    void loadStatusDecidesWhetherThePageIsOffered()
    {
        ScopedRecordingMessages messages;
        const QString roader = m_dir + "/roader.smc";
        QVERIFY(synth::WriteSyntheticImage(roader.toStdString(), VariantOptions("scripts-mag-roader")));
        CQuorvexDoc doc;
        QVERIFY(doc.OnOpenDocument(roader.toStdString()).ok);
        const BattleScriptSet defect = doc.Rom().scripts.set;
        QCOMPARE(defect.Status(), int(kScriptsMagRoader));
        {
            // No: the set stays as it is and the page is left out.
            Host h = Open(doc, 243);
            QVERIFY(!h.page);
            QCOMPARE(messages.LastText(), QString::fromLatin1(scripttext::kMagRoaderQuestion));
            QCOMPARE(messages.LastKind(), QString("question"));
            QCOMPARE(h.sheet->Tabs()->tabText(1), QString("Enemy Specials Anim."));
            QVERIFY(doc.Rom().scripts.set == defect);
            QCOMPARE(doc.Rom().scripts.set.Status(), int(kScriptsMagRoader));
            QVERIFY(!h.sheet->Edited());
        }
        {
            // Yes: script 243 is repaired and the page takes the second place.
            messages.QueueAnswer(true);
            Host h = Open(doc, 243);
            QVERIFY(h.page);
            QCOMPARE(h.sheet->Tabs()->tabText(1), QString("Battle Script"));
            QCOMPARE(doc.Rom().scripts.set.Script(243).Bytes(), kMagRoaderRepair);
            QCOMPARE(doc.Rom().scripts.set.Used() + 18, defect.Used());
            QVERIFY(doc.Rom().scripts.set.Avail() >= 0);
            QCOMPARE(h.page->List()->topLevelItemCount(), 5);
            QVERIFY(h.sheet->grab().save(QString(QUORVEX_SCREENSHOT_DIR) + "/battle_script_mag_roader.png"));
            // The repair is an edit: Cancel asks, then takes it back.
            messages.QueueAnswer(true);
            h.sheet->reject();
            QCOMPARE(messages.LastText(), QString(kDiscardChangesQuestion));
            QVERIFY(doc.Rom().scripts.set == defect);
            QCOMPARE(doc.Rom().scripts.set.Used(), defect.Used());
        }

        const QString shared = m_dir + "/shared.smc";
        QVERIFY(synth::WriteSyntheticImage(shared.toStdString(), VariantOptions("scripts-shared-jp")));
        QVERIFY(doc.OnOpenDocument(shared.toStdString()).ok);
        {
            Host h = Open(doc, 0);
            QVERIFY(!h.page);
            QCOMPARE(messages.LastKind(), QString("information"));
            QCOMPARE(messages.LastText(), QString::fromLatin1(scripttext::kCannotCompile));
            QCOMPARE(h.sheet->Tabs()->tabText(1), QString("Enemy Specials Anim."));
        }
    }

    void cancelPutsTheScriptsBackAndOkRemembersTheMonster()
    {
        ScopedRecordingMessages messages;
        const BattleScriptSet opened = Set();
        {
            Host h = Open(m_doc, 40);
            Click(h.page, "Erase this script");
            messages.QueueAnswer(true);
            h.sheet->reject();
            QCOMPARE(messages.LastText(), QString(kDiscardChangesQuestion));
        }
        QVERIFY(Set() == opened);
        QCOMPARE(Set().Used(), opened.Used());
        Host h = Open(m_doc, 41);
        h.sheet->accept();
        QCOMPARE(IndexSetting("PrevSmst").Get(384), 41);
        QVERIFY(m_doc.IsModified());
    }
};

QUORVEX_APP_TEST(BattleScriptPageTest)
#include "BattleScriptPageTest.moc"
