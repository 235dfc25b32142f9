#include "controls/SpinField.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QToolButton>
#include <QVBoxLayout>

#include "controls/FieldControls.h"

using namespace quorvex;

CSpinField::CSpinField(FieldRange range, QWidget* parent) : QWidget(parent)
{
    m_edit = new CNumberField(range, this);
    m_edit->installEventFilter(this);
    const int digits = static_cast<int>(std::to_string(std::max(range.bound - 1, 0)).size());
    m_edit->setMaximumWidth(fontMetrics().horizontalAdvance(QString(std::max(digits, 3) + 2, QChar('0'))) + 8);
    m_up = new QToolButton(this);
    m_down = new QToolButton(this);
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {m_up, m_down}) {
        b->setAutoRepeat(true);
        b->setFixedSize(16, 11);
        b->setFocusPolicy(Qt::NoFocus);
    }
    connect(m_up, &QToolButton::clicked, this, [this] { Step(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { Step(-1); });
    auto* arrows = new QVBoxLayout;
    arrows->setSpacing(0);
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->addWidget(m_up);
    arrows->addWidget(m_down);
    auto* lay = new QHBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->setSpacing(1);
    lay->addWidget(m_edit);
    lay->addLayout(arrows);
    lay->addStretch();
}

void CSpinField::SetRange(FieldRange range) { m_edit->SetRange(range); }

void CSpinField::Step(int delta)
{
    const FieldRange r = m_edit->Range();
    const int32_t shown = ReadNumberField(m_edit->text().toStdString(), r);
    const int32_t v = std::clamp(shown + delta, r.minimum, std::max(r.minimum, r.bound - 1));
    m_edit->SetValue(v);
    m_edit->setModified(true);
    emit stepped(v);
}

bool CSpinField::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Step(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
