#pragma once
// A sample's waveform: the decoded 16-bit sound drawn as its peaks per
// screen column, a line where the sample loops back to (when that is
// known), and a playback cursor while it plays. The caption in its corner
// says how long the sample is and where it loops.
#include <QVector>
#include <QWidget>
#include <cstdint>
#include <vector>

class CWaveformView : public QWidget {
    Q_OBJECT
public:
    explicit CWaveformView(QWidget* parent = nullptr);

    // Shows a sample given as its BRR blocks (decoded here, one sound
    // sample per BRR sample); `loopBlock` is the block it loops back to, or
    // -1 when no loop point is known. A stream that does not decode shows
    // as empty, with the reason in the caption.
    void SetBrr(const std::vector<uint8_t>& brr, int loopBlock);
    void Clear();
    // The sample under the playback cursor; -1 hides it.
    void SetCursor(int sample);

    const QVector<int16_t>& Samples() const { return m_samples; }
    int LoopSample() const { return m_loop; }
    int Cursor() const { return m_cursor; }
    QString Caption() const { return m_caption; }
    // The x position (in the widget) of a sample.
    int XOf(int sample) const;

    QSize sizeHint() const override { return {240, 72}; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QVector<int16_t> m_samples;
    int m_loop = -1;
    int m_cursor = -1;
    QString m_caption;
};
