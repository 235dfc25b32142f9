#include "WaitDlg.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

CWaitDlg::CWaitDlg(const QString& caption, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Quorvex"));
    setWindowFlags(windowFlags() & ~Qt::WindowCloseButtonHint & ~Qt::WindowContextHelpButtonHint);
    setModal(true);
    m_caption = new QLabel(caption, this);
    m_progress = new QProgressBar(this);
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setMinimumWidth(280);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_caption);
    layout->addWidget(m_progress);
}

void CWaitDlg::SetCaption(const QString& caption)
{
    m_caption->setText(caption);
    Pump();
}

void CWaitDlg::SetRange(int minimum, int maximum)
{
    m_progress->setRange(minimum, qMax(minimum, maximum));
    Pump();
}

void CWaitDlg::SetPos(int pos)
{
    m_progress->setValue(qBound(m_progress->minimum(), pos, m_progress->maximum()));
    Pump();
}

void CWaitDlg::StepIt(int step) { SetPos(m_progress->value() + step); }

int CWaitDlg::Pos() const { return m_progress->value(); }

void CWaitDlg::Pump()
{
    // Repaint only: input stays blocked so nothing re-enters the work.
    if (isVisible())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
