#pragma once
// What every window says around a file it writes for the user (an export,
// a patch, a copy of the image): it asks before replacing a file that
// exists, and names the full path of what it created, so that the user can
// find it. (The command line keeps replacing files, as its help says.)
#include <QString>
#include <QStringList>

class QWidget;

// True when nothing is at `path`, or the user agreed to replace it
// (Yes/No through the message service, No the default).
bool MayReplaceFile(const QString& path, QWidget* parent);
// The same for several files written together: one question for all the
// ones that exist.
bool MayReplaceFiles(const QStringList& paths, QWidget* parent);
// "`/full/path/name' created".
QString CreatedText(const QString& path);
// The question asked before a file is replaced.
QString ReplaceQuestion(const QString& path);
