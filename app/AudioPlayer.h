#pragma once
// Plays a decoded sample (a mono 16-bit PCM WAV image) through the sound
// output at the rate its header gives. A machine without a sound device is
// told so; playback never fails the editor.
#include <QByteArray>
#include <QObject>
#include <QString>

class QAudioSink;
class QBuffer;

class CAudioPlayer : public QObject {
    Q_OBJECT
public:
    explicit CAudioPlayer(QObject* parent = nullptr);
    ~CAudioPlayer() override;

    // Starts playing the WAV image (stopping what was playing), repeating it
    // while `loop` is set. Returns false with the reason in ErrorText() when
    // it cannot be played here (no device, a rate the device refuses).
    bool Play(const QByteArray& wavImage, bool loop);
    void Stop();
    void SetLoop(bool loop) { m_loop = loop; }
    bool IsPlaying() const;
    QString ErrorText() const { return m_error; }
    // How far the playing clip has got, from 0 to 1 (counting from its
    // start again while it loops); -1 when nothing plays.
    double PlayedFraction() const;
    // The rate of the last image handed to Play.
    int LastRate() const { return m_rate; }

private:
    void OnStateChanged();
    QAudioSink* m_sink = nullptr;
    QBuffer* m_buffer = nullptr;
    QByteArray m_pcm;
    bool m_loop = false;
    int m_rate = 0;
    QString m_error;
};

// Shown when no sound output device is present.
inline constexpr const char* kMsgNoSoundDevice = "No sound output device found: the sample cannot be played.";
