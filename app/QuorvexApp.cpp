#include "QuorvexApp.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>

#include "AboutDlg.h"
#include "MainFrame.h"
#include "MessageService.h"
#include "QuorvexDoc.h"
#include "SplashWnd.h"

namespace {
const QString kRecentGroup = QStringLiteral("Recent File List");
} // namespace

// Recent files ------------------------------------------------------------

void CRecentFileList::Load()
{
    QSettings settings(QStringLiteral("Orvan Soft"), QStringLiteral("Quorvex"));
    settings.beginGroup(kRecentGroup);
    m_files.clear();
    for (int i = 1; i <= kSize; ++i) {
        const QString path = settings.value(QStringLiteral("File%1").arg(i)).toString();
        if (!path.isEmpty() && !m_files.contains(path))
            m_files.push_back(path);
    }
}

void CRecentFileList::Save() const
{
    QSettings settings(QStringLiteral("Orvan Soft"), QStringLiteral("Quorvex"));
    settings.beginGroup(kRecentGroup);
    for (int i = 1; i <= kSize; ++i) {
        const QString key = QStringLiteral("File%1").arg(i);
        if (i <= m_files.size())
            settings.setValue(key, m_files[i - 1]);
        else
            settings.remove(key);
    }
}

void CRecentFileList::Add(const QString& path)
{
    const QString full = QFileInfo(path).absoluteFilePath();
    m_files.removeAll(full);
    m_files.prepend(full);
    while (m_files.size() > kSize)
        m_files.removeLast();
}

void CRecentFileList::Remove(const QString& path) { m_files.removeAll(path); }

// The application ---------------------------------------------------------

CQuorvexApp::CQuorvexApp() = default;
CQuorvexApp::~CQuorvexApp() = default;

CQuorvexApp::CommandLine CQuorvexApp::ParseCommandLine(const QStringList& arguments)
{
    CommandLine cmd;
    bool options = true;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (options && a == QLatin1String("--")) {
            options = false;
            continue;
        }
        if (options && a.startsWith(QLatin1Char('-')) && a.size() > 1) {
            if (a == QLatin1String("-nosplash") || a == QLatin1String("--nosplash"))
                cmd.showSplash = false;
            continue; // the platform's own options (-style, ...) are Qt's
        }
        if (cmd.file.isEmpty())
            cmd.file = a;
    }
    return cmd;
}

bool CQuorvexApp::DisplayIsUsable(int bitsPerPixel) { return bitsPerPixel >= 8; }

bool CQuorvexApp::InitInstance(const QStringList& arguments, const StartupOptions& options)
{
    const CommandLine cmd = ParseCommandLine(arguments);

    // The document exists for the whole run; its RomData is allocated once
    // and reused by every open.
    m_doc = std::make_unique<CQuorvexDocument>();

    if (options.allowSplash && cmd.showSplash)
        CSplashWnd::ShowSplashScreen(CAboutDlg::VersionLine(m_doc->Rom()), options.splashTimeoutMs);

    // Settings live under "Orvan Soft"/"Quorvex" (each window opens its own
    // QSettings there; the editors keep their selections in "Settings").
    m_recent.Load();

    int depth = options.displayDepth;
    if (depth < 0) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        depth = screen ? screen->depth() : 32;
    }
    if (!DisplayIsUsable(depth)) {
        MessageService::Instance().Error(QString::fromLatin1(kDisplayMessage));
        return false;
    }

    m_frame = std::make_unique<CMainFrame>(*m_doc, m_recent);

    // A file named on the command line is opened as File Open would; when it
    // cannot be opened the program ends after saying why, as it always has.
    if (!cmd.file.isEmpty() && !m_frame->OpenDocumentFile(cmd.file))
        return false;

    if (options.showWindow) {
        m_frame->show();
        m_frame->raise();
    }
    return true;
}

int CQuorvexApp::ExitInstance()
{
    m_recent.Save();
    m_frame.reset();
    m_doc.reset();
    return 0;
}
