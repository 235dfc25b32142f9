#include "ReportCommand.h"

#include <QDir>

#include "MessageService.h"

using namespace quorvex;

void MakeReport(QWidget* parent, const RomData& rd, ReportKind kind)
{
    const QString name = QString::fromLatin1(ReportFileName(kind));
    const std::string error = WriteReport(rd, kind, QDir::current().filePath(name).toStdString());
    if (!error.empty())
        MessageService::Instance().Error(QString::fromStdString(error), parent);
    else
        MessageService::Instance().Information(QString::fromStdString(ReportCreatedText(name.toStdString())), parent);
}
