#include "ReportCommand.h"

#include <QDir>

#include "MessageService.h"
#include "MonsterEd.h"

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

// The monster report's button sits on the Monsters Editor's Specs page,
// which stores the shown monster before it asks for the report.
static const MonsterReportRegistration monsterReport(
    [](QWidget* parent, RomData& rd) { MakeReport(parent, rd, ReportKind::Monsters); });
