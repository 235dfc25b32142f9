#pragma once
// "Quorvex: Audio Editor": the game's 63 instrument samples with their
// sizes and the free space of the sample area; plays them at a chosen rate
// and replaces one with a sample taken from an SPC dump, a BRR file, a WAV
// file or a scan of any ROM image.
#include <QDialog>
#include <QWidget>

#include "audio/AudioTables.h"
#include "audio/SampleSources.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTreeWidget;
class CAudioPlayer;
namespace quorvex {
class CQuorvexDoc;
}

// The "BRR" page.
class CBrrPage : public QWidget {
    Q_OBJECT
public:
    explicit CBrrPage(quorvex::CQuorvexDoc& doc, QWidget* parent = nullptr);

    int Index() const { return m_index; }
    void SetIndex(int index);
    int Candidate() const;
    void SelectCandidate(int row);
    const quorvex::CandidateList& Candidates() const { return m_candidates; }

    // The sources (file dialogs call these with the chosen file).
    bool ImportSpc(const QString& path);
    bool ImportBrr(const QString& path);
    bool ImportWav(const QString& path);
    bool ScanSmc(const QString& path);
    void SetMinSampleSize(int blocks);
    // "<- Replace": the selected candidate replaces the current sample.
    bool Replace();

    // The rate buttons: 0-9 the listed rates, 10 "Custom:".
    void SetRateButton(int id);
    void SetCustomRate(const QString& text);
    int Pitch() const;
    // "PLAY" of each list; the WAV image decoded for the last play.
    bool PlayRomSample();
    bool PlayCandidate();
    const QByteArray& LastClip() const { return m_lastClip; }
    void StopPlayback();

    QString FreeSpaceLine() const;
    QTreeWidget* RomList() const { return m_romList; }
    QTreeWidget* CandidateList() const { return m_candList; }

private:
    void FillRomList();
    void FillCandidates();
    void RefreshFreeSpace();
    bool Play(const std::vector<uint8_t>& brr);
    bool ReadFile(const QString& path, std::vector<uint8_t>& out, qint64 limit);
    QString AskFile(const QString& filter);

    quorvex::CQuorvexDoc& m_doc;
    quorvex::CandidateList m_candidates;
    int m_index = 0;
    QByteArray m_lastClip;
    CAudioPlayer* m_player;
    QSpinBox* m_indexSpin;
    QTreeWidget* m_romList;
    QTreeWidget* m_candList;
    QLabel* m_freeLabel;
    QCheckBox* m_loop;
    QButtonGroup* m_rates;
    QLineEdit* m_custom;
    QSpinBox* m_minSize;
};

class CAudioEditorDia : public QDialog {
    Q_OBJECT
public:
    explicit CAudioEditorDia(quorvex::CQuorvexDoc& doc, QWidget* parent = nullptr);
    CBrrPage* BrrPage() const { return m_brr; }

    void accept() override;
    void reject() override;

private:
    quorvex::CQuorvexDoc& m_doc;
    quorvex::AudioTables m_saved; // what Cancel falls back to when the image cannot be re-read
    CBrrPage* m_brr;
};
