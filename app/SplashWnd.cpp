#include "SplashWnd.h"

#include <QGuiApplication>
#include <QIcon>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QTimer>


CSplashWnd::CSplashWnd(const QString& versionLine, int timeoutMs, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_versionLine(versionLine)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(420, 220);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
    QTimer::singleShot(timeoutMs, this, &QWidget::close);
}

CSplashWnd* CSplashWnd::ShowSplashScreen(const QString& versionLine, int timeoutMs)
{
    auto* splash = new CSplashWnd(versionLine, timeoutMs);
    splash->show();
    splash->repaint();
    return splash;
}

void CSplashWnd::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0, QColor(0x3a, 0x5b, 0xc7));
    sky.setColorAt(1, QColor(0x10, 0x1d, 0x52));
    p.fillRect(rect(), sky);
    p.setPen(QPen(QColor(0xff, 0xd2, 0x3f), 2));
    p.drawRect(rect().adjusted(1, 1, -2, -2));

    QIcon(QStringLiteral(":/icons/quorvex.svg")).paint(&p, QRect(28, 52, 96, 96));

    QFont title = font();
    title.setBold(true);
    title.setPointSize(30);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRect(140, 50, width() - 150, 50), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Quorvex"));

    QFont small = font();
    small.setPointSize(11);
    p.setFont(small);
    p.setPen(QColor(0xff, 0xd2, 0x3f));
    p.drawText(QRect(142, 100, width() - 150, 24), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Multi Edit"));
    p.setPen(QColor(0xdd, 0xe4, 0xf7));
    p.drawText(QRect(142, 124, width() - 150, 24), Qt::AlignLeft | Qt::AlignVCenter, m_versionLine);
}

void CSplashWnd::mousePressEvent(QMouseEvent*) { close(); }

void CSplashWnd::keyPressEvent(QKeyEvent*) { close(); }
