#include "AudioPlayer.h"

#include <QAudioDevice>
#include <algorithm>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>

CAudioPlayer::CAudioPlayer(QObject* parent) : QObject(parent) {}

CAudioPlayer::~CAudioPlayer() { Stop(); }

bool CAudioPlayer::IsPlaying() const { return m_sink && m_sink->state() == QAudio::ActiveState; }

double CAudioPlayer::PlayedFraction() const
{
    const qint64 frames = m_pcm.size() / 2;
    if (!IsPlaying() || frames <= 0 || m_rate <= 0)
        return -1;
    const qint64 played = m_sink->processedUSecs() * m_rate / 1000000;
    return static_cast<double>(m_loop ? played % frames : std::min(played, frames)) / static_cast<double>(frames);
}

void CAudioPlayer::Stop()
{
    if (m_sink) {
        m_sink->disconnect(this);
        m_sink->stop();
        delete m_sink;
        m_sink = nullptr;
    }
    delete m_buffer;
    m_buffer = nullptr;
}

bool CAudioPlayer::Play(const QByteArray& wav, bool loop)
{
    Stop();
    m_error.clear();
    m_loop = loop;
    if (wav.size() < 44) {
        m_error = QStringLiteral("Clip size is too big and cannot be played back");
        return false;
    }
    const auto le32 = [&](int at) {
        return static_cast<quint32>(static_cast<quint8>(wav[at])) |
               static_cast<quint32>(static_cast<quint8>(wav[at + 1])) << 8 |
               static_cast<quint32>(static_cast<quint8>(wav[at + 2])) << 16 |
               static_cast<quint32>(static_cast<quint8>(wav[at + 3])) << 24;
    };
    m_rate = static_cast<int>(le32(24));
    m_pcm = wav.mid(44);

    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        m_error = QString::fromUtf8(kMsgNoSoundDevice);
        return false;
    }
    QAudioFormat format;
    format.setSampleRate(m_rate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) {
        m_error = QStringLiteral("The sound device cannot play at %1 Hz.").arg(m_rate);
        return false;
    }
    m_sink = new QAudioSink(device, format, this);
    m_buffer = new QBuffer(&m_pcm, this);
    m_buffer->open(QIODevice::ReadOnly);
    connect(m_sink, &QAudioSink::stateChanged, this, &CAudioPlayer::OnStateChanged);
    m_sink->start(m_buffer);
    if (m_sink->error() != QAudio::NoError) {
        m_error = QString::fromUtf8(kMsgNoSoundDevice);
        Stop();
        return false;
    }
    return true;
}

void CAudioPlayer::OnStateChanged()
{
    if (!m_sink || m_sink->state() != QAudio::IdleState)
        return;
    if (m_loop && m_buffer) {
        m_buffer->seek(0);
        m_sink->start(m_buffer);
    } else {
        m_sink->stop();
    }
}
