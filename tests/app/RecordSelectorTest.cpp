// The record selector in both of its forms: names as texts beside an index
// spin, and a picture list beside the editors' index field. Either control
// moves the other and reports the record once; showing a record reports
// nothing; a rename button stands after the index field.
#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>

#include "AppTestMain.h"
#include "controls/FF6Combo.h"
#include "controls/FieldControls.h"
#include "controls/RecordSelector.h"
#include "controls/SpinField.h"

class RecordSelectorTest : public QObject {
    Q_OBJECT
private:
    // A picture list of `count` rows named by text only (no image needed).
    static CNameListModel* Names(int count, QObject* parent)
    {
        auto* model = new CNameListModel(parent);
        for (int i = 0; i < count; ++i)
            model->AddText(QStringLiteral("Name %1").arg(i), i);
        return model;
    }

private slots:
    void textNamesMoveTheSpinAndTheCombo()
    {
        CRecordSelector s;
        QSignalSpy chosen(&s, &CRecordSelector::Chosen);
        s.SetNames({"Fire", "Ice", "Bolt"});
        QCOMPARE(s.Spin()->maximum(), 2);
        QVERIFY(!s.IndexField());
        s.SetCurrent(1);
        QCOMPARE(s.Combo()->currentIndex(), 1);
        QCOMPARE(chosen.count(), 0);
        s.Spin()->setValue(2);
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.last().at(0).toInt(), 2);
        QCOMPARE(s.Combo()->currentText(), QString("Bolt"));
        emit s.Combo()->activated(0);
        QCOMPARE(chosen.count(), 2);
        QCOMPARE(s.Spin()->value(), 0);
        QCOMPARE(s.Current(), 0);
        // Fewer names keep the shown record where it still exists.
        s.SetCurrent(2);
        s.SetNames({"Fire", "Ice"});
        QCOMPARE(s.Spin()->maximum(), 1);
        QCOMPARE(s.Combo()->currentIndex(), 1);
        QCOMPARE(chosen.count(), 2);
    }

    void pictureNamesMoveTheIndexFieldAndTheCombo()
    {
        QWidget host;
        CNameListModel* names = Names(5, &host);
        auto* s = new CRecordSelector(names, 5, &host);
        QSignalSpy chosen(s, &CRecordSelector::Chosen);
        QVERIFY(qobject_cast<CFF6Combo*>(s->Combo()));
        QCOMPARE(s->Combo()->model(), names);
        QVERIFY(!s->Spin());
        CNumberField* edit = s->IndexField()->Edit();
        s->SetCurrent(3);
        QCOMPARE(edit->text(), QString("3"));
        QCOMPARE(s->Current(), 3);
        QCOMPARE(chosen.count(), 0);
        // The arrows step within 0 .. count - 1.
        s->IndexField()->UpButton()->click();
        s->IndexField()->UpButton()->click();
        QCOMPARE(chosen.count(), 2);
        QCOMPARE(chosen.last().at(0).toInt(), 4);
        QCOMPARE(s->Combo()->currentIndex(), 4);
        // A typed number is taken when entered, clamped to the last record.
        edit->setText(QStringLiteral("77"));
        emit edit->editingFinished();
        QCOMPARE(chosen.last().at(0).toInt(), 4);
        QCOMPARE(edit->text(), QString("4"));
        edit->setText(QStringLiteral("1"));
        emit edit->editingFinished();
        QCOMPARE(chosen.last().at(0).toInt(), 1);
        QCOMPARE(s->Combo()->currentIndex(), 1);
        // The combo moves the field.
        emit s->Combo()->activated(2);
        QCOMPARE(chosen.last().at(0).toInt(), 2);
        QCOMPARE(edit->text(), QString("2"));
        // Text names do not apply to a picture list.
        s->SetNames({"x"});
        QCOMPARE(s->Combo()->count(), 5);
    }

    void theRenameButtonStandsAfterTheIndex()
    {
        QWidget host;
        auto* pictures = new CRecordSelector(Names(3, &host), 3, &host);
        QPushButton* rename = pictures->AddRenameButton(QStringLiteral("&Rename"));
        QCOMPARE(pictures->AddRenameButton(QStringLiteral("Other")), rename);
        QCOMPARE(pictures->RenameButton(), rename);
        QCOMPARE(rename->text(), QString("&Rename"));
        CRecordSelector texts;
        texts.SetNames({"a", "b"});
        QPushButton* plain = texts.AddRenameButton(QStringLiteral("Rename"));
        // Wider than needed: the picture row keeps its controls together at
        // the left, the text row lets the combo take the room.
        pictures->resize(900, 40);
        texts.resize(900, 40);
        pictures->show();
        texts.show();
        QVERIFY(rename->geometry().left() > pictures->IndexField()->geometry().right());
        QVERIFY(rename->geometry().right() < 600);
        QVERIFY(plain->geometry().left() > texts.Spin()->geometry().right());
        QVERIFY(plain->geometry().right() > 850);
        QVERIFY(texts.Combo()->width() > 600);
    }
};

QUORVEX_APP_TEST(RecordSelectorTest)
#include "RecordSelectorTest.moc"
