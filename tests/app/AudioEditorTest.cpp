// The Audio Editor driven offscreen: select samples, import from each
// source, replace within and beyond the free space, play, cancel and OK.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSettings>
#include <QTabWidget>
#include <QTreeWidget>
#include <QtTest>

#include <cmath>
#include <cstring>

#include "AppTestMain.h"
#include "AudioEditorDia.h"
#include "AudioPlayer.h"
#include "EditorRegistry.h"
#include "MessageService.h"
#include "SyntheticImage.h"
#include "audio/BrrCodec.h"
#include "audio/WavToBrr.h"
#include "rom/Document.h"

using namespace quorvex;

namespace {

void WriteBytes(const QString& path, const std::vector<uint8_t>& b)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(reinterpret_cast<const char*>(b.data()), static_cast<qint64>(b.size()));
}

std::vector<uint8_t> Brr(int blocks)
{
    std::vector<uint8_t> b(static_cast<size_t>(blocks) * 9, 0x42);
    for (int i = 0; i < blocks; ++i)
        b[static_cast<size_t>(i) * 9] = static_cast<uint8_t>(0xB4 | (i == blocks - 1 ? 1 : 0));
    return b;
}

std::vector<int16_t> Tone(size_t n)
{
    std::vector<int16_t> v(n);
    for (size_t i = 0; i < n; ++i)
        v[i] = static_cast<int16_t>(12000 * std::sin(static_cast<double>(i) * 0.05));
    return v;
}

} // namespace

class AudioEditorTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QSettings(QStringLiteral("Orvan Soft"), QStringLiteral("Quorvex")).remove(QStringLiteral("Settings/m_brrIdx"));
        QVERIFY(m_dir.isValid());
        m_image = m_dir.filePath(QStringLiteral("image.smc"));
        QVERIFY(synth::WriteSyntheticImage(m_image.toStdString()));
        QVERIFY(m_doc.OnOpenDocument(m_image.toStdString()).ok);
    }

    void registeredForTheSoundCommand()
    {
        const auto it = EditorRegistry().find(EditorCommand::SoundEditor);
        QVERIFY(it != EditorRegistry().end());
        QVERIFY(bool(it->second));
    }

    void listsAndFreeSpace()
    {
        CAudioEditorDia dia(m_doc);
        QCOMPARE(dia.windowTitle(), QStringLiteral("Quorvex: Audio Editor"));
        auto* tabs = dia.findChild<QTabWidget*>();
        QVERIFY(tabs);
        QCOMPARE(tabs->tabText(0), QStringLiteral("BRR"));
        CBrrPage* page = dia.BrrPage();
        QCOMPARE(page->RomList()->topLevelItemCount(), 63);
        const AudioTables& t = m_doc.Rom().audio;
        QCOMPARE(page->RomList()->topLevelItem(0)->text(1), QStringLiteral("0x0000"));
        QCOMPARE(page->RomList()->topLevelItem(9)->text(2), QString::number(SampleBlocks(t, 9)));
        QCOMPARE(page->FreeSpaceLine(),
                 QStringLiteral("Avail. blocks %1 (%2 bytes)").arg(t.freeBytes / 9).arg(t.freeBytes));
        page->SetIndex(17);
        QCOMPARE(page->RomList()->currentItem()->text(0), QStringLiteral("17"));
        // The index is remembered for the next time.
        CAudioEditorDia again(m_doc);
        QCOMPARE(again.BrrPage()->Index(), 17);
    }

    void playbackDecodesAtTheChosenRate()
    {
        ScopedRecordingMessages messages;
        CAudioEditorDia dia(m_doc);
        CBrrPage* page = dia.BrrPage();
        page->SetIndex(4);
        page->SetRateButton(8); // 44100Hz
        QCOMPARE(page->Pitch(), 5644);
        const bool played = page->PlayRomSample();
        const QByteArray clip = page->LastClip();
        QCOMPARE(clip.size(), 44 + SampleBlocks(m_doc.Rom().audio, 4) * 32);
        const int rate = static_cast<uint8_t>(clip[24]) | static_cast<uint8_t>(clip[25]) << 8;
        QCOMPARE(rate, 44093);
        // Without a sound device the user is told so; nothing fails.
        if (!played) {
            QCOMPARE(messages.Log().size(), 1);
            QCOMPARE(messages.LastKind(), QStringLiteral("warning"));
            QVERIFY(messages.LastText() == QString::fromUtf8(kMsgNoSoundDevice) ||
                    messages.LastText().startsWith(QStringLiteral("The sound device cannot play at")));
        }
        page->StopPlayback();
        messages.Clear();
        page->SetRateButton(10);
        page->SetCustomRate(QStringLiteral("7"));
        QCOMPARE(page->Pitch(), -1);
        QVERIFY(!page->PlayRomSample());
        QCOMPARE(messages.LastText(), QStringLiteral("Clip size is too big and cannot be played back"));
        page->SetCustomRate(QStringLiteral("16000"));
        QCOMPARE(page->Pitch(), 2048);
    }

    void importEachSourceAndReplace()
    {
        ScopedRecordingMessages messages;
        CAudioEditorDia dia(m_doc);
        CBrrPage* page = dia.BrrPage();
        AudioTables& t = m_doc.Rom().audio;
        const int free0 = t.freeBytes;

        // BRR file.
        WriteBytes(m_dir.filePath("a.brr"), Brr(5));
        QVERIFY(page->ImportBrr(m_dir.filePath("a.brr")));
        QCOMPARE(page->CandidateList()->topLevelItemCount(), 1);
        QCOMPARE(page->CandidateList()->topLevelItem(0)->text(3), QStringLiteral("5"));
        QCOMPARE(page->CandidateList()->topLevelItem(0)->text(4), QStringLiteral("Y"));
        page->SetIndex(2);
        const int old2 = static_cast<int>(t.samples[2].size());
        QVERIFY(page->Replace());
        QCOMPARE(t.samples[2], Brr(5));
        QCOMPARE(page->RomList()->topLevelItem(2)->text(2), QStringLiteral("*5"));
        QCOMPARE(t.freeBytes, free0 + old2 - 45);
        QVERIFY(page->FreeSpaceLine().startsWith(QStringLiteral("Avail. blocks *")));

        // WAV file, and a broken one.
        WriteBytes(m_dir.filePath("t.wav"), MakeWavImage16(Tone(640), 22050));
        QVERIFY(page->ImportWav(m_dir.filePath("t.wav")));
        QCOMPARE(page->CandidateList()->topLevelItem(0)->text(3), QStringLiteral("40"));
        page->SetIndex(3);
        QVERIFY(page->Replace());
        QCOMPARE(SampleBlocks(t, 3), 40);
        auto bad = MakeWavImage16(Tone(640), 22050);
        bad[22] = 3;
        WriteBytes(m_dir.filePath("bad.wav"), bad);
        QVERIFY(!page->ImportWav(m_dir.filePath("bad.wav")));
        QCOMPARE(messages.LastText(), QStringLiteral("Too many channels. WAV data must be mono or stereo"));
        QCOMPARE(messages.LastKind(), QStringLiteral("error"));

        // SPC dump with two entries and one 0xFFFF entry.
        std::vector<uint8_t> spc(kSpcMinSize, 0xFF);
        std::memcpy(spc.data(), kSpcMagic, kSpcMagicSize);
        spc[kSpcHeaderSize + kSpcRamSize + 0x5D] = 0x08;
        const uint8_t dir[12] = {0x00, 0x20, 0x24, 0x20, 0xFF, 0xFF, 0, 0, 0x00, 0x30, 0x00, 0x30};
        std::copy(dir, dir + 12, spc.begin() + kSpcHeaderSize + 0x800);
        const auto s1 = Brr(9), s2 = Brr(3);
        std::copy(s1.begin(), s1.end(), spc.begin() + kSpcHeaderSize + 0x2000);
        std::copy(s2.begin(), s2.end(), spc.begin() + kSpcHeaderSize + 0x3000);
        WriteBytes(m_dir.filePath("m.spc"), spc);
        QVERIFY(page->ImportSpc(m_dir.filePath("m.spc")));
        QCOMPARE(page->CandidateList()->topLevelItemCount(), 2);
        QCOMPARE(page->CandidateList()->topLevelItem(0)->text(1), QStringLiteral("0x2000"));
        QCOMPARE(page->CandidateList()->topLevelItem(0)->text(2), QStringLiteral("0x2024"));
        QCOMPARE(page->CandidateList()->topLevelItem(1)->text(3), QStringLiteral("3"));
        page->SelectCandidate(1);
        page->SetIndex(6);
        QVERIFY(page->Replace());
        QCOMPARE(t.samples[6], s2);
        WriteBytes(m_dir.filePath("short.spc"), std::vector<uint8_t>(300, 0));
        QVERIFY(!page->ImportSpc(m_dir.filePath("short.spc")));
        QCOMPARE(messages.LastText(), QString::fromUtf8(kMsgNotSpc));

        // A scan of another image finds its samples.
        const QString other = m_dir.filePath("other.smc");
        QVERIFY(synth::WriteSyntheticImage(other.toStdString()));
        page->SetMinSampleSize(250);
        QVERIFY(page->ScanSmc(other));
        QVERIFY(page->CandidateList()->topLevelItemCount() > 0);
        QVERIFY(page->CandidateList()->topLevelItem(0)->text(1).startsWith(QStringLiteral("0x")));
        QCOMPARE(page->CandidateList()->topLevelItem(0)->text(1).size(), 8); // "0x%06X"

        // Missing file.
        QVERIFY(!page->ImportBrr(m_dir.filePath("nope.brr")));
        QCOMPARE(messages.LastText(), QStringLiteral("Can't open import file!!"));

        // Beyond the free space: refused, nothing changes.
        const int blocksNeeded = (t.freeBytes + static_cast<int>(t.samples[7].size())) / 9 + 1;
        std::vector<uint8_t> huge = Brr(std::min(blocksNeeded, 7281));
        if (blocksNeeded <= 7281) {
            WriteBytes(m_dir.filePath("huge.brr"), huge);
            QVERIFY(page->ImportBrr(m_dir.filePath("huge.brr")));
            page->SetIndex(7);
            const auto before7 = t.samples[7];
            const int freeBefore = t.freeBytes;
            QVERIFY(!page->Replace());
            QCOMPARE(messages.LastText(), QStringLiteral("Not enough bytes available!!"));
            QCOMPARE(t.samples[7], before7);
            QCOMPARE(t.freeBytes, freeBefore);
        }
        // Exactly the old length plus the free space: succeeds with 0 left,
        // after the area is filled up with large samples.
        for (int i = 20; t.freeBytes > 60000 && i < 63; ++i) {
            WriteBytes(m_dir.filePath("fill.brr"), Brr(7281));
            QVERIFY(page->ImportBrr(m_dir.filePath("fill.brr")));
            page->SetIndex(i);
            QVERIFY(page->Replace());
        }
        page->SetIndex(8);
        const int exactBlocks = (t.freeBytes + static_cast<int>(t.samples[8].size())) / 9;
        WriteBytes(m_dir.filePath("exact.brr"), Brr(exactBlocks));
        QVERIFY(page->ImportBrr(m_dir.filePath("exact.brr")));
        QVERIFY(page->Replace());
        QVERIFY(t.freeBytes < 9);
        huge = Brr(exactBlocks + 1);
        WriteBytes(m_dir.filePath("huge.brr"), huge);
        QVERIFY(page->ImportBrr(m_dir.filePath("huge.brr")));
        QVERIFY(!page->Replace());
        QCOMPARE(messages.LastText(), QStringLiteral("Not enough bytes available!!"));

        // Screenshot of the page with both lists filled.
        page->SetIndex(3);
        QVERIFY(page->ImportSpc(m_dir.filePath("m.spc")));
        dia.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dia));
        QDir().mkpath(QStringLiteral(QUORVEX_SCREENSHOT_DIR));
        QVERIFY(dia.grab().save(QStringLiteral(QUORVEX_SCREENSHOT_DIR "/AudioEditor.png")));
        dia.accept();
        QVERIFY(m_doc.IsModified());
    }

    void cancelAsksThenPutsBackTheOpenedSamples()
    {
        ScopedRecordingMessages messages;
        WriteBytes(m_dir.filePath("a.brr"), Brr(2));
        // A replacement kept by OK (not saved yet) must survive a later
        // editor's Cancel: the samples come back as they were when that
        // editor opened, never from the file.
        {
            CAudioEditorDia dia(m_doc);
            QVERIFY(dia.BrrPage()->ImportBrr(m_dir.filePath("a.brr")));
            dia.BrrPage()->SetIndex(2);
            QVERIFY(dia.BrrPage()->Replace());
            dia.accept();
        }
        const auto kept = m_doc.Rom().audio.samples;
        QVERIFY(m_doc.Rom().audio.modified[2]);
        {
            CAudioEditorDia dia(m_doc);
            dia.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dia));
            QVERIFY(dia.BrrPage()->ImportBrr(m_dir.filePath("a.brr")));
            dia.BrrPage()->SetIndex(1);
            QVERIFY(dia.BrrPage()->Replace());
            QVERIFY(m_doc.Rom().audio.modified[1]);
            // Esc asks; No keeps the editor open with the edit.
            messages.Clear();
            QTest::keyClick(&dia, Qt::Key_Escape);
            QCOMPARE(messages.LastKind(), QStringLiteral("question"));
            QCOMPARE(messages.LastText(), QString::fromLatin1(kDiscardChangesQuestion));
            QVERIFY(dia.isVisible());
            QVERIFY(m_doc.Rom().audio.modified[1]);
            // The close button asks too; Yes throws the edit away.
            messages.QueueAnswer(true);
            dia.close();
            QVERIFY(!dia.isVisible());
        }
        QCOMPARE(m_doc.Rom().audio.samples, kept);
        QVERIFY(!m_doc.Rom().audio.modified[1]);
        QVERIFY(m_doc.Rom().audio.modified[2]);
    }

    void cancelWithoutEditsAsksNothing()
    {
        ScopedRecordingMessages messages;
        CAudioEditorDia dia(m_doc);
        dia.BrrPage()->SetIndex(4);
        dia.reject();
        QVERIFY(messages.Log().isEmpty());
        QVERIFY(!m_doc.IsModified());
    }

    void irregularAreaRefusesReplacement()
    {
        ScopedRecordingMessages messages;
        m_doc.Rom().audio.irregular = true;
        CAudioEditorDia dia(m_doc);
        WriteBytes(m_dir.filePath("a.brr"), Brr(2));
        QVERIFY(dia.BrrPage()->ImportBrr(m_dir.filePath("a.brr")));
        QVERIFY(!dia.BrrPage()->Replace());
        QCOMPARE(messages.LastText(), QString::fromUtf8(kMsgIrregularSamples));
        dia.reject();
    }

private:
    QTemporaryDir m_dir;
    QString m_image;
    CQuorvexDoc m_doc;
};

QUORVEX_APP_TEST(AudioEditorTest)
#include "AudioEditorTest.moc"
