#pragma once
// Answering a modal window that a click opens: while the object lives, the
// next modal window of type T that appears is handed to `handle` (from the
// event loop of its exec), which closes it. The watch ends with the object,
// so a handler never outlives what it captured.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

template <typename T>
class WhenModal {
public:
    explicit WhenModal(std::function<void(T*)> handle) : m_timer(std::make_unique<QTimer>())
    {
        m_timer->setInterval(10);
        QObject::connect(m_timer.get(), &QTimer::timeout, [this, handle] {
            if (auto* w = qobject_cast<T*>(QApplication::activeModalWidget())) {
                m_timer->stop();
                m_seen = true;
                handle(w);
            }
        });
        m_timer->start();
    }
    // Whether a window came and was handled.
    bool Seen() const { return m_seen; }

private:
    std::unique_ptr<QTimer> m_timer;
    bool m_seen = false;
};
