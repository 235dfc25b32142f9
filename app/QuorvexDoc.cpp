#include "QuorvexDoc.h"

#include <QFile>
#include <QFileInfo>

#include "EditorRegistry.h"
#include "MessageService.h"
#include "OptionsDia.h"
#include "rom/PatchDetect.h"
#include "text/PrintableText.h"

std::string ToCorePath(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString FromCoreText(const std::string& text) { return QString::fromLocal8Bit(text.data(), qsizetype(text.size())); }

QString PrintableCoreText(const std::string& text) { return FromCoreText(quorvex::PrintableText(text)); }

CQuorvexDocument::CQuorvexDocument(QObject* parent) : QObject(parent) {}

QString CQuorvexDocument::Title() const
{
    if (m_path.isEmpty())
        return QStringLiteral("FF3us");
    return QFileInfo(m_path).fileName();
}

void CQuorvexDocument::SetModifiedFlag(bool modified)
{
    m_doc.SetModifiedFlag(modified);
    emit DocumentChanged();
}

bool CQuorvexDocument::OnOpenDocument(const QString& path, QWidget* parent)
{
    // Core keeps the path for the save and for an expansion later on; make
    // it absolute so that neither depends on the working folder.
    const QString full = QFileInfo(path).absoluteFilePath();
    const quorvex::OpenResult result = m_doc.OnOpenDocument(ToCorePath(full));
    if (!result.ok) {
        // Core refuses before it resets anything, so the image that was open
        // before is still whole; the windows keep showing it.
        MessageService::Instance().Error(FromCoreText(result.error), parent);
        return false;
    }
    if (full != m_path)
        m_toldRestorePointFailure = false;
    m_path = full;
    if (!result.warning.empty()) {
        QString warning = FromCoreText(result.warning);
        // The battle-script warnings send the user to "Manage expanded
        // ROM"; say so when that button stays disabled for this image.
        if ((!ExpandedRomManagerLauncher() || !quorvex::CanManageExpanded(m_doc.Rom())) && warning.contains(QStringLiteral("Manage expanded ROM"), Qt::CaseInsensitive))
            warning += QString::fromLatin1(kNoManagerNote);
        MessageService::Instance().Warning(warning, parent);
    }
    emit DocumentChanged();
    return true;
}

bool CQuorvexDocument::OnSaveDocument(QWidget* parent)
{
    if (m_path.isEmpty())
        return false;
    m_doc.SetRestorePoints(quorvex_options::ReadRestorePoints());
    const quorvex::SaveResult result = m_doc.OnSaveDocument(ToCorePath(m_path));
    // After a failure the edits are still only in memory: keep the
    // modified mark so that leaving the program asks again.
    if (!result.ok)
        m_doc.SetModifiedFlag(true);
    return Report(result, parent);
}

bool CQuorvexDocument::OnSaveDocumentAs(const QString& path, QWidget* parent)
{
    if (m_path.isEmpty() || path.isEmpty())
        return false;
    const QString full = QFileInfo(path).absoluteFilePath();
    m_doc.SetRestorePoints(quorvex_options::ReadRestorePoints());
    const quorvex::SaveResult result = m_doc.OnSaveDocumentAs(ToCorePath(m_path), ToCorePath(full));
    if (result.ok && full != m_path) {
        m_path = full;
        m_toldRestorePointFailure = false;
    }
    return Report(result, parent);
}

bool CQuorvexDocument::Report(const quorvex::SaveResult& result, QWidget* parent)
{
    if (!result.ok) {
        MessageService::Instance().Error(FromCoreText(result.error), parent);
        emit DocumentChanged();
        return false;
    }
    m_doc.SetModifiedFlag(false);
    emit DocumentChanged();
    if (!result.warning.empty() && !m_toldRestorePointFailure) {
        m_toldRestorePointFailure = true;
        MessageService::Instance().Warning(FromCoreText(result.warning), parent);
    }
    if (!result.notice.empty())
        emit StatusNotice(FromCoreText(result.notice));
    return true;
}

bool CQuorvexDocument::SaveModified(QWidget* parent)
{
    if (!IsModified())
        return true;
    const QString name = m_path.isEmpty() ? Title() : m_path;
    switch (MessageService::Instance().QuestionYesNoCancel(QStringLiteral("Save changes to %1?").arg(name), parent)) {
    case MessageService::Answer::Yes: return OnSaveDocument(parent);
    case MessageService::Answer::No: return true;
    case MessageService::Answer::Cancel: break;
    }
    return false;
}
