#include "controls/ExportFile.h"

#include <QDir>
#include <QFileInfo>

#include "MessageService.h"

namespace {

QString Shown(const QString& path) { return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()); }

} // namespace

QString ReplaceQuestion(const QString& path)
{
    return QStringLiteral("`%1' already exists.\nDo you want to replace it?").arg(Shown(path));
}

bool MayReplaceFile(const QString& path, QWidget* parent)
{
    if (!QFileInfo::exists(path))
        return true;
    return MessageService::Instance().Question(ReplaceQuestion(path), parent);
}

bool MayReplaceFiles(const QStringList& paths, QWidget* parent)
{
    QStringList existing;
    for (const QString& p : paths)
        if (QFileInfo::exists(p))
            existing.push_back(p);
    if (existing.isEmpty())
        return true;
    if (existing.size() == 1)
        return MayReplaceFile(existing.front(), parent);
    const QString text = QStringLiteral("%1 of these files already exist in `%2' (`%3' and others).\n"
                                        "Do you want to replace them?")
                             .arg(existing.size())
                             .arg(Shown(QFileInfo(existing.front()).absolutePath()))
                             .arg(QFileInfo(existing.front()).fileName());
    return MessageService::Instance().Question(text, parent);
}

QString CreatedText(const QString& path) { return QStringLiteral("`%1' created").arg(Shown(path)); }
