#pragma once
// The Audio Editor's "BRR" page: the game's 63 instrument samples with
// their sizes, waveforms and the free space of the sample area; plays them
// at a chosen rate and replaces one with a sample taken from an SPC dump, a
// BRR file, a WAV file or a scan of any ROM image.
#include <QByteArray>
#include <QWidget>

#include "audio/AudioTables.h"
#include "audio/SampleSources.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QTimer;
class QTreeWidget;
class CAudioPlayer;
class CWaveformView;
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
    // The waveforms of the selected ROM sample and candidate.
    CWaveformView* RomWave() const { return m_romWave; }
    CWaveformView* CandidateWave() const { return m_candWave; }
    // Moves the playback cursor of the view that plays (from the player's
    // position; called by a timer while a clip plays).
    void FollowPlayback();

signals:
    // A sample was replaced.
    void edited();

private:
    void FillRomList();
    void FillCandidates();
    void RefreshFreeSpace();
    bool Play(const std::vector<uint8_t>& brr, CWaveformView* view);
    void ShowCandidateWave();
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
    CWaveformView* m_romWave;
    CWaveformView* m_candWave;
    CWaveformView* m_playing = nullptr; // the view whose clip plays
    QTimer* m_cursorTimer;
};
