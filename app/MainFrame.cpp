#include "MainFrame.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QToolBar>

#include "AboutDlg.h"
#include "ApplyPatchDia.h"
#include "CreatePatchDia.h"
#include "RestorePointsDia.h"
#include "OptionsDia.h"
#include "QuorvexApp.h"
#include "QuorvexDoc.h"
#include "QuorvexView.h"
#include "controls/ExportFile.h"

namespace {

struct EditorCommandInfo {
    EditorCommand command;
    const char* menuText;
    const char* icon;
    const char* prompt;
    const char* tooltip;
};

// The editor commands in toolbar order, with the status-bar prompt and the
// tooltip of each.
const EditorCommandInfo kEditorCommands[] = {
    {EditorCommand::MonsterEditor, "&Monster Editor...", "monster",
     "Change monsters' HP, MP, weak points, battle scripts, ect.", "Monster Editor"},
    {EditorCommand::ItemEditor, "&Item Editor...", "item",
     "Modify items specs, morph packs patterns (Ragnarok Esper effect) and shops inventory", "Item Editor"},
    {EditorCommand::ColosseumEditor, "&Colosseum Betting System Editor...", "colosseum",
     "Change monster fought and rewards for Colosseum battles", "Colosseum Betting System Editor"},
    {EditorCommand::FormationEditor, "Monsters' &Formation Editor...", "formation", "Edit monsters' formations",
     "Monsters' Formation Editor"},
    {EditorCommand::BattleEditor, "&Battle Editor...", "battle", "Edit battle related things", "Battle Editor"},
    {EditorCommand::SoundEditor, "S&ound/Music Editor...", "sound", "Edit sound clips and other things related to audio",
     "Sound/Music Editor"},
    {EditorCommand::ActorEditor, "&Actor Editor...", "actor",
     "Edit actors startup values (takes effect on first encounter), abilities and evolution", "Actor Editor"},
    {EditorCommand::SpellEditor, "S&pells/Esper Editor...", "spell",
     "Configure the way magic and Espers are supposed to act", "Spells/Esper Editor"},
    {EditorCommand::DialogEditor, "&Dialog Editor...", "dialog", "Edit dialogs and location names", "Dialog Editor"},
    {EditorCommand::TileEditor, "&Tile Editor...", "tile", "Edit tiles", "Tile Editor"},
};

const EditorCommandInfo& CommandInfo(EditorCommand command)
{
    for (const EditorCommandInfo& info : kEditorCommands)
        if (info.command == command)
            return info;
    return kEditorCommands[0];
}

QIcon CommandIcon(const char* name) { return QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name))); }

QAction* MakeAction(QObject* owner, const QString& text, const char* icon, const QString& prompt, const QString& tip)
{
    auto* a = new QAction(CommandIcon(icon), text, owner);
    a->setStatusTip(prompt);
    a->setToolTip(tip);
    return a;
}

} // namespace

CMainFrame::CMainFrame(CQuorvexDocument& doc, CRecentFileList& recent, QWidget* parent)
    : QMainWindow(parent), m_doc(doc), m_recent(recent)
{
    setWindowIcon(CommandIcon("quorvex"));
    setAcceptDrops(true);

    m_view = new CQuorvexView(doc, this);
    setCentralWidget(m_view);

    CreateActions();
    CreateMenus();

    m_toolBar = new QToolBar(QStringLiteral("Toolbar"), this);
    m_toolBar->setObjectName(QStringLiteral("mainToolBar"));
    m_toolBar->setIconSize(QSize(24, 24));
    m_toolBar->setMovable(false);
    addToolBar(Qt::TopToolBarArea, m_toolBar);

    // The status bar shows the command prompts; "Ready" when there is none.
    statusBar()->showMessage(QStringLiteral("Ready"));
    connect(statusBar(), &QStatusBar::messageChanged, this, [this](const QString& text) {
        if (text.isEmpty())
            statusBar()->showMessage(QStringLiteral("Ready"));
    });

    connect(&m_doc, &CQuorvexDocument::DocumentChanged, this, &CMainFrame::UpdateTitleAndCommands);
    connect(&m_doc, &CQuorvexDocument::StatusNotice, this, [this](const QString& text) {
        statusBar()->showMessage(text);
    });
    connect(m_view, &CQuorvexView::ImageChanged, this, &CMainFrame::UpdateTitleAndCommands);

    resize(720, 520);
    OnInitialUpdate();
    UpdateRecentFileMenu();
}

void CMainFrame::CreateActions()
{
    m_open = MakeAction(this, QStringLiteral("&Open..."), "open", QStringLiteral("Open an existing document"),
                        QStringLiteral("Open"));
    m_open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(m_open, &QAction::triggered, this, &CMainFrame::OnFileOpen);

    m_save = MakeAction(this, QStringLiteral("&Save"), "save", QStringLiteral("Save the active document"),
                        QStringLiteral("Save"));
    m_save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(m_save, &QAction::triggered, this, &CMainFrame::OnFileSave);
    m_saveAs = new QAction(QStringLiteral("Save &As..."), this);
    m_saveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    m_saveAs->setStatusTip(QStringLiteral("Save the active document with a new name and continue on it"));
    connect(m_saveAs, &QAction::triggered, this, &CMainFrame::OnFileSaveAs);

    // Patches and restore points work on the image file, so they need one open.
    m_createPatch = new QAction(QStringLiteral("Create Patch..."), this);
    m_createPatch->setStatusTip(QStringLiteral("Write a BPS or IPS patch from an original image to this one"));
    connect(m_createPatch, &QAction::triggered, this, &CMainFrame::OnCreatePatch);
    m_applyPatch = new QAction(QStringLiteral("Apply Patch..."), this);
    m_applyPatch->setStatusTip(QStringLiteral("Apply a BPS or IPS patch to this image"));
    connect(m_applyPatch, &QAction::triggered, this, &CMainFrame::OnApplyPatch);
    m_restorePoints = new QAction(QStringLiteral("Restore Points..."), this);
    m_restorePoints->setStatusTip(QStringLiteral("Put back the image as it was before a save"));
    connect(m_restorePoints, &QAction::triggered, this, &CMainFrame::OnRestorePoints);

    m_exit = new QAction(QStringLiteral("E&xit"), this);
    m_exit->setStatusTip(QStringLiteral("Quit the application; prompts to save documents"));
    connect(m_exit, &QAction::triggered, this, &QWidget::close);

    m_about = MakeAction(this, QStringLiteral("&About Quorvex..."), "about",
                         QStringLiteral("Display program information, version number and copyright"),
                         QStringLiteral("About"));
    connect(m_about, &QAction::triggered, this, &CMainFrame::OnAppAbout);

    m_options = MakeAction(this, QStringLiteral("&Options..."), "options", QStringLiteral("Quorvex options"),
                           QStringLiteral("Options"));
    connect(m_options, &QAction::triggered, this, &CMainFrame::OnOptions);

    for (const EditorCommandInfo& info : kEditorCommands) {
        QAction* a = MakeAction(this, QString::fromLatin1(info.menuText), info.icon, QString::fromLatin1(info.prompt),
                                QString::fromLatin1(info.tooltip));
        const EditorCommand command = info.command;
        connect(a, &QAction::triggered, this, [this, command] { OnEditor(command); });
        m_editors.emplace_back(command, a);
    }

    for (int i = 0; i < CRecentFileList::kSize; ++i) {
        auto* a = new QAction(this);
        a->setVisible(false);
        a->setStatusTip(QStringLiteral("Open this document"));
        connect(a, &QAction::triggered, this, [this, i] { OpenRecentFile(i); });
        m_recentActions.push_back(a);
    }
}

void CMainFrame::CreateMenus()
{
    m_fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    m_fileMenu->addAction(m_open);
    m_fileMenu->addAction(m_save);
    m_fileMenu->addAction(m_saveAs);
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(m_createPatch);
    m_fileMenu->addAction(m_applyPatch);
    m_fileMenu->addAction(m_restorePoints);
    m_recentSeparator = m_fileMenu->addSeparator();
    for (QAction* a : m_recentActions)
        m_fileMenu->addAction(a);
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(m_exit);

    QMenu* editors = menuBar()->addMenu(QStringLiteral("&Editors"));
    editors->setToolTipsVisible(true); // a disabled command says why
    for (const auto& [command, action] : m_editors)
        editors->addAction(action);

    QMenu* tools = menuBar()->addMenu(QStringLiteral("&Tools"));
    tools->addAction(m_options);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(m_about);
}

QAction* CMainFrame::EditorAction(EditorCommand command) const
{
    for (const auto& [c, a] : m_editors)
        if (c == command)
            return a;
    return nullptr;
}

QList<QAction*> CMainFrame::RecentFileActions() const
{
    QList<QAction*> list;
    for (QAction* a : m_recentActions)
        if (a->isVisible())
            list.push_back(a);
    return list;
}

QStringList CMainFrame::OpenFilters()
{
    return {QStringLiteral("ROM SNES Images (*.smc)"), QStringLiteral("All Files (*.*)")};
}

void CMainFrame::RebuildToolBar()
{
    m_toolBar->clear();
    m_toolBar->addAction(m_open);
    m_toolBar->addAction(m_save);
    m_toolBar->addSeparator();
    // The editors are offered only for a release whose tables were loaded.
    if (m_doc.Rom().IsKnown()) {
        for (const auto& [command, action] : m_editors)
            m_toolBar->addAction(action);
        m_toolBar->addSeparator();
    }
    m_toolBar->addAction(m_about);
}

void CMainFrame::OnInitialUpdate()
{
    RebuildToolBar();
    m_view->OnInitialUpdate();
    UpdateTitleAndCommands();
}

void CMainFrame::UpdateTitleAndCommands()
{
    // A file name may hold control characters too: show them, never pass them on.
    setWindowTitle(PrintableCoreText(m_doc.Title().toStdString()) + QStringLiteral("[*] - Quorvex"));
    setWindowModified(m_doc.IsModified());
    m_save->setEnabled(m_doc.HasImage());
    m_saveAs->setEnabled(m_doc.HasImage());
    for (QAction* a : {m_createPatch, m_applyPatch, m_restorePoints})
        a->setEnabled(m_doc.HasImage());
    for (const auto& [command, action] : m_editors) {
        // A command that cannot be chosen stays visible and says why.
        const QString why = EditorUnavailableReason(command);
        action->setEnabled(why.isEmpty());
        const QString tip = QString::fromLatin1(CommandInfo(command).tooltip);
        action->setToolTip(why.isEmpty() ? tip : tip + QStringLiteral("\n") + why);
    }
}

QString CMainFrame::EditorUnavailableReason(EditorCommand command) const
{
    if (!m_doc.HasImage())
        return QStringLiteral("Open a known image first");
    const quorvex::RomData& rd = m_doc.Rom();
    if (!rd.IsKnown())
        return QStringLiteral("Not available for this image: its release is not recognised, so no tables were "
                              "loaded. Open a known image first");
    const auto it = EditorRegistry().find(command);
    if (it == EditorRegistry().end() || !it->second)
        return QStringLiteral("Not available in this version yet");
    const auto refusal = EditorRefusals().find(command);
    if (refusal != EditorRefusals().end() && refusal->second) {
        const std::string why = refusal->second(rd);
        if (!why.empty())
            return QStringLiteral("Not available for this image: ") + FromCoreText(why);
    }
    return {};
}

void CMainFrame::UpdateRecentFileMenu()
{
    const QStringList& files = m_recent.Files();
    for (int i = 0; i < int(m_recentActions.size()); ++i) {
        QAction* a = m_recentActions[size_t(i)];
        if (i < files.size()) {
            const QString shown = fontMetrics().elidedText(QDir::toNativeSeparators(files[i]), Qt::ElideMiddle, 420);
            const QString number = i + 1 < 10 ? QStringLiteral("&%1").arg(i + 1) : QStringLiteral("1&0");
            a->setText(number + QLatin1Char(' ') + shown);
            a->setData(files[i]);
            a->setVisible(true);
        } else {
            a->setVisible(false);
        }
    }
    m_recentSeparator->setVisible(!files.isEmpty());
}

bool CMainFrame::OpenDocumentFile(const QString& path)
{
    if (!m_doc.SaveModified(this))
        return false;
    return LoadDocumentFile(path);
}

bool CMainFrame::LoadDocumentFile(const QString& path)
{
    if (!m_doc.OnOpenDocument(path, this)) {
        UpdateTitleAndCommands();
        return false;
    }
    m_recent.Add(m_doc.PathName());
    m_recent.Save();
    UpdateRecentFileMenu();
    OnInitialUpdate();
    return true;
}

void CMainFrame::OpenRecentFile(int index)
{
    const QStringList& files = m_recent.Files();
    if (index < 0 || index >= files.size())
        return;
    const QString path = files[index];
    if (!m_doc.SaveModified(this))
        return;
    if (!LoadDocumentFile(path)) {
        // A file that can no longer be opened leaves the list, as it would
        // fail the same way next time.
        m_recent.Remove(path);
        m_recent.Save();
        UpdateRecentFileMenu();
    }
}

QString CMainFrame::AskImagePath(bool save)
{
    QFileDialog dialog(this, save ? QStringLiteral("Save As") : QStringLiteral("Open"));
    dialog.setObjectName(save ? QStringLiteral("saveAsDialog") : QStringLiteral("openDialog"));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(OpenFilters());
    dialog.setDefaultSuffix(QStringLiteral("smc"));
    // The question before a file is replaced goes through the message
    // service, like every other.
    if (save)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (m_doc.HasImage()) {
        dialog.setDirectory(QFileInfo(m_doc.PathName()).absolutePath());
        if (save)
            dialog.selectFile(QFileInfo(m_doc.PathName()).fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void CMainFrame::OnFileOpen()
{
    const QString path = AskImagePath(false);
    if (!path.isEmpty())
        OpenDocumentFile(path);
}

void CMainFrame::OnFileSave()
{
    if (!m_doc.HasImage())
        return;
    m_doc.OnSaveDocument(this);
    UpdateTitleAndCommands();
}

void CMainFrame::OnFileSaveAs()
{
    if (!m_doc.HasImage())
        return;
    const QString path = AskImagePath(true);
    if (!path.isEmpty())
        SaveDocumentAs(path);
}

bool CMainFrame::SaveDocumentAs(const QString& path)
{
    if (!m_doc.HasImage() || path.isEmpty())
        return false;
    const bool same = QFileInfo(path).canonicalFilePath() == QFileInfo(m_doc.PathName()).canonicalFilePath();
    if (!same && !MayReplaceFile(path, this))
        return false;
    if (!m_doc.OnSaveDocumentAs(path, this)) {
        UpdateTitleAndCommands();
        return false;
    }
    m_recent.Add(m_doc.PathName());
    m_recent.Save();
    UpdateRecentFileMenu();
    UpdateTitleAndCommands();
    m_view->OnInitialUpdate();
    return true;
}

void CMainFrame::OnAppAbout()
{
    CAboutDlg dlg(m_doc.Rom(), this);
    dlg.exec();
}

void CMainFrame::OnOptions()
{
    COptionsDia dlg(this);
    dlg.exec();
}

// Patches and restore points work on the image file: unsaved changes are
// offered for saving first. (Without them a patch is made from the image as
// last saved; applying a patch or a restore point reopens the image.)
bool CMainFrame::ImageFileReady()
{
    if (!m_doc.HasImage() || !m_doc.SaveModified(this))
        return false;
    UpdateTitleAndCommands();
    return true;
}

void CMainFrame::OnCreatePatch()
{
    if (!ImageFileReady())
        return;
    CCreatePatchDia dlg(m_doc.PathName(), this);
    dlg.exec();
}

void CMainFrame::OnApplyPatch()
{
    if (!ImageFileReady())
        return;
    CApplyPatchDia dlg(m_doc.PathName(), quorvex_options::ReadRestorePoints(), this);
    if (dlg.exec() == QDialog::Accepted)
        LoadDocumentFile(m_doc.PathName());
}

void CMainFrame::OnRestorePoints()
{
    if (!ImageFileReady())
        return;
    CRestorePointsDia dlg(m_doc.PathName(), quorvex_options::ReadRestorePoints(), this);
    if (dlg.exec() == QDialog::Accepted)
        LoadDocumentFile(m_doc.PathName());
}

void CMainFrame::OnEditor(EditorCommand command)
{
    if (!m_doc.Rom().IsKnown())
        return;
    const auto it = EditorRegistry().find(command);
    if (it == EditorRegistry().end() || !it->second)
        return;
    const EditorLauncher launcher = it->second; // the registry may change while the editor runs
    launcher(this, m_doc.Core());
    // The editor may have set the modified flag or changed what the report
    // shows (patch bits, text fingerprints).
    m_view->OnInitialUpdate();
    UpdateTitleAndCommands();
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (!m_doc.SaveModified(this)) {
        event->ignore();
        return;
    }
    event->accept();
}

namespace {
bool CarriesLocalFile(const QMimeData* mime)
{
    if (mime && mime->hasUrls())
        for (const QUrl& url : mime->urls())
            if (url.isLocalFile())
                return true;
    return false;
}
} // namespace

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (CarriesLocalFile(event->mimeData()))
        event->acceptProposedAction();
}

// Moves over a child that takes no drops itself (the read-only report
// refuses every move) reach the frame; without accepting them here a file
// dragged over the report could not be dropped there.
void CMainFrame::dragMoveEvent(QDragMoveEvent* event)
{
    if (CarriesLocalFile(event->mimeData()))
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    const QMimeData* mime = event->mimeData();
    if (!mime || !mime->hasUrls())
        return;
    // One document at a time: the first local file dropped is opened.
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile()) {
            event->acceptProposedAction();
            activateWindow();
            // Open once the drop has returned: the save-changes question or
            // an error box shown inside the drop would keep the program the
            // file came from waiting until the user answers.
            const QString path = url.toLocalFile();
            QMetaObject::invokeMethod(this, [this, path] { OpenDocumentFile(path); }, Qt::QueuedConnection);
            return;
        }
}
