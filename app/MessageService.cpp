#include "MessageService.h"

#include <QApplication>
#include <QMessageBox>

namespace {
MessageService* g_installed = nullptr;

QWidget* Owner(QWidget* parent) { return parent ? parent : QApplication::activeWindow(); }
} // namespace

void MessageService::Error(const QString& text, QWidget* parent)
{
    QMessageBox::critical(Owner(parent), QStringLiteral("Quorvex"), text);
}

void MessageService::Information(const QString& text, QWidget* parent)
{
    QMessageBox::information(Owner(parent), QStringLiteral("Quorvex"), text);
}

void MessageService::Warning(const QString& text, QWidget* parent)
{
    QMessageBox::warning(Owner(parent), QStringLiteral("Quorvex"), text);
}

bool MessageService::Question(const QString& text, QWidget* parent)
{
    return QMessageBox::question(Owner(parent), QStringLiteral("Quorvex"), text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

MessageService::Answer MessageService::QuestionYesNoCancel(const QString& text, QWidget* parent)
{
    const auto button =
        QMessageBox::question(Owner(parent), QStringLiteral("Quorvex"), text,
                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    switch (button) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
    }
}

MessageService& MessageService::Instance()
{
    static MessageService boxes;
    return g_installed ? *g_installed : boxes;
}

void MessageService::Install(MessageService* service) { g_installed = service; }
