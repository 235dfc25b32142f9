#include "controls/ListFindBar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QToolButton>

CListFindBar::CListFindBar(QWidget* parent) : QWidget(parent)
{
    m_label = new QLabel(this);
    m_field = new QLineEdit(this);
    m_field->setClearButtonEnabled(true);
    m_close = new QToolButton(this);
    m_close->setText(QStringLiteral("x"));
    m_close->setToolTip(QStringLiteral("Close (Esc)"));
    auto* lay = new QHBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->addWidget(m_label);
    lay->addWidget(m_field, 1);
    lay->addWidget(m_close);
    connect(m_field, &QLineEdit::returnPressed, this, &CListFindBar::Step);
    connect(m_field, &QLineEdit::textEdited, this, [this] { SetNotFound(false); });
    connect(m_close, &QToolButton::clicked, this, &QWidget::hide);
    // Esc closes the bar, not the window around it.
    m_field->installEventFilter(this);
    hide();
}

void CListFindBar::Open(Mode mode)
{
    if (m_mode != mode)
        m_field->clear();
    m_mode = mode;
    m_label->setText(mode == Mode::Find ? QStringLiteral("Find:")
                                        : QStringLiteral("Go to index (decimal, or hex as 0x1F):"));
    SetNotFound(false);
    show();
    m_field->setFocus();
    m_field->selectAll();
}

void CListFindBar::SetNotFound(bool notFound)
{
    m_field->setStyleSheet(notFound ? QStringLiteral("background: #ffd0d0") : QString());
    m_field->setToolTip(notFound ? (m_mode == Mode::Find ? QStringLiteral("Not found")
                                                         : QStringLiteral("No such index"))
                                 : QString());
}

long CListFindBar::ParseIndex(const QString& typed)
{
    QString t = typed.trimmed();
    int base = 10;
    if (t.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive))
        t = t.mid(2), base = 16;
    else if (t.startsWith(QLatin1Char('$')))
        t = t.mid(1), base = 16;
    else if (t.contains(QRegularExpression(QStringLiteral("[A-Fa-f]"))))
        base = 16;
    bool ok = false;
    const long v = t.toLong(&ok, base);
    return ok && v >= 0 ? v : -1;
}

void CListFindBar::Step()
{
    if (m_mode == Mode::Find) {
        if (!m_field->text().isEmpty())
            emit findRequested(m_field->text());
        return;
    }
    const long index = ParseIndex(m_field->text());
    if (index < 0) {
        SetNotFound(true);
        return;
    }
    emit goToRequested(index);
}

bool CListFindBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_field && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        hide();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
