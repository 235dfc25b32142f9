#pragma once
// The splash window shown while the program starts: borderless, centred on
// the screen, gone after a short while or at the first click or key.
#include <QWidget>

class CSplashWnd : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDefaultTimeoutMs = 2000;

    explicit CSplashWnd(const QString& versionLine, int timeoutMs = kDefaultTimeoutMs, QWidget* parent = nullptr);

    // Shows a splash window that deletes itself when it closes; the pointer
    // is only for callers that want to watch it (QPointer).
    static CSplashWnd* ShowSplashScreen(const QString& versionLine, int timeoutMs = kDefaultTimeoutMs);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString m_versionLine;
};
