#pragma once
// The application object: start-up in the order the program has always
// followed (command line, splash window, settings, recent files, display
// check, the single document with its frame and view, the file named on the
// command line), and the end of the program.
#include <QObject>
#include <QStringList>
#include <memory>

class CMainFrame;
class CQuorvexDocument;

// The last files opened, most recent first, kept in the settings under
// "Recent File List" as "File1".."File10".
class CRecentFileList {
public:
    static constexpr int kSize = 10;

    void Load();
    void Save() const;
    void Add(const QString& path);
    void Remove(const QString& path);
    const QStringList& Files() const { return m_files; }

private:
    QStringList m_files;
};

constexpr const char* kDisplayMessage =
    "This program cannot\nwork in a 8-colour screenmode.\nYur computar sux4r!! buy a new onr!!1";

class CQuorvexApp : public QObject {
    Q_OBJECT
public:
    struct CommandLine {
        QString file;            // the image to open, if any
        bool showSplash = true;  // "-nosplash" turns the splash window off
    };
    struct StartupOptions {
        bool allowSplash = true;
        int splashTimeoutMs = 2000;
        int displayDepth = -1; // bits per pixel of the display; -1 asks the screen
        bool showWindow = true;
    };

    CQuorvexApp();
    ~CQuorvexApp() override;

    // False when the program must end at once (unusable display, or the
    // file named on the command line could not be opened).
    bool InitInstance(const QStringList& arguments, const StartupOptions& options);
    bool InitInstance(const QStringList& arguments) { return InitInstance(arguments, StartupOptions()); }
    int ExitInstance();

    static CommandLine ParseCommandLine(const QStringList& arguments);
    // At least 8 bits per pixel; a display with fewer cannot show the
    // program's pictures.
    static bool DisplayIsUsable(int bitsPerPixel);

    CMainFrame* MainFrame() const { return m_frame.get(); }
    CQuorvexDocument* Document() const { return m_doc.get(); }
    CRecentFileList& RecentFiles() { return m_recent; }

private:
    std::unique_ptr<CQuorvexDocument> m_doc;
    std::unique_ptr<CMainFrame> m_frame;
    CRecentFileList m_recent;
};
