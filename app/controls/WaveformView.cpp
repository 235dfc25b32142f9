#include "controls/WaveformView.h"

#include <QPainter>
#include <algorithm>

#include "audio/BrrCodec.h"

namespace {

constexpr int kBlockSamples = 16; // sound samples in one 9-byte BRR block
constexpr int kWavHeader = 44;
constexpr int kChipRate = 32000;
constexpr int kChipPitch = 0x1000; // plays at the chip's own rate

} // namespace

CWaveformView::CWaveformView(QWidget* parent) : QWidget(parent)
{
    setMinimumHeight(56);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFixedHeight(72);
}

void CWaveformView::Clear()
{
    m_samples.clear();
    m_loop = -1;
    m_cursor = -1;
    m_caption.clear();
    update();
}

void CWaveformView::SetBrr(const std::vector<uint8_t>& brr, int loopBlock)
{
    Clear();
    std::vector<uint8_t> wav;
    if (brr.empty() || quorvex::DecodeBrrToWav(brr.data(), brr.size(), kChipPitch, wav) <= kWavHeader) {
        m_caption = brr.empty() ? QString() : QStringLiteral("This sample does not decode (no end block).");
        update();
        return;
    }
    const size_t n = (wav.size() - kWavHeader) / 2;
    m_samples.resize(static_cast<qsizetype>(n));
    for (size_t i = 0; i < n; ++i)
        m_samples[static_cast<qsizetype>(i)] =
            static_cast<int16_t>(wav[kWavHeader + 2 * i] | (wav[kWavHeader + 2 * i + 1] << 8));
    if (loopBlock >= 0 && static_cast<size_t>(loopBlock) * kBlockSamples < n)
        m_loop = loopBlock * kBlockSamples;
    const double ms = 1000.0 * static_cast<double>(n) / kChipRate;
    m_caption = QStringLiteral("%1 samples, %2 ms").arg(n).arg(ms, 0, 'f', 1);
    m_caption += m_loop >= 0 ? QStringLiteral(", loops to %1").arg(m_loop) : QStringLiteral(", loop unknown");
    setToolTip(m_caption);
    update();
}

void CWaveformView::SetCursor(int sample)
{
    const int c = sample >= 0 && sample < m_samples.size() ? sample : -1;
    if (c == m_cursor)
        return;
    m_cursor = c;
    update();
}

int CWaveformView::XOf(int sample) const
{
    if (m_samples.isEmpty())
        return 0;
    return static_cast<int>(static_cast<qint64>(sample) * (width() - 1) / std::max<qsizetype>(1, m_samples.size() - 1));
}

void CWaveformView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(0x20, 0x20, 0x20));
    const int mid = height() / 2;
    p.setPen(QColor(0x50, 0x50, 0x50));
    p.drawLine(0, mid, width(), mid);
    if (!m_caption.isEmpty()) {
        QFont f = p.font();
        f.setPointSizeF(f.pointSizeF() * 0.85);
        p.setFont(f);
        p.setPen(QColor(0xC0, 0xC0, 0xC0));
        p.drawText(rect().adjusted(4, 2, -4, -2), Qt::AlignLeft | Qt::AlignTop, m_caption);
    }
    if (m_samples.isEmpty())
        return;
    // Each column shows the lowest and highest sample it covers.
    p.setPen(QColor(0x60, 0xD0, 0x60));
    const qsizetype n = m_samples.size();
    for (int x = 0; x < width(); ++x) {
        const qsizetype from = n * x / width();
        const qsizetype to = std::max(from + 1, n * (x + 1) / width());
        int lo = 32767, hi = -32768;
        for (qsizetype i = from; i < to && i < n; ++i) {
            lo = std::min<int>(lo, m_samples[i]);
            hi = std::max<int>(hi, m_samples[i]);
        }
        if (lo > hi)
            continue;
        p.drawLine(x, mid - hi * (mid - 1) / 32768, x, mid - lo * (mid - 1) / 32768);
    }
    if (m_loop >= 0) {
        p.setPen(QPen(QColor(0xF0, 0xC0, 0x40), 1, Qt::DashLine));
        p.drawLine(XOf(m_loop), 0, XOf(m_loop), height());
    }
    if (m_cursor >= 0) {
        p.setPen(QPen(QColor(0xFF, 0x50, 0x50), 2));
        p.drawLine(XOf(m_cursor), 0, XOf(m_cursor), height());
    }
}
