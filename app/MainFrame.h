#pragma once
// The main window: the File menu with the recent files, the toolbar of
// editor commands, the status bar prompts and the main view. It asks the
// save-changes question before the open image is left behind, and opens
// files dropped on it.
#include <QMainWindow>
#include <QStringList>
#include <vector>

#include "EditorRegistry.h"

class CQuorvexDocument;
class CQuorvexView;
class CRecentFileList;
class QAction;
class QMenu;
class QToolBar;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame(CQuorvexDocument& doc, CRecentFileList& recent, QWidget* parent = nullptr);

    // Opens an image as File Open does: the save-changes question first,
    // then the open, the recent-file list and the view's refresh.
    bool OpenDocumentFile(const QString& path);
    // Rebuilds the toolbar and the view after an open (or at start-up).
    void OnInitialUpdate();

    // The filters of the Open dialog.
    static QStringList OpenFilters();

    CQuorvexView* View() const { return m_view; }
    QToolBar* ToolBar() const { return m_toolBar; }
    QMenu* FileMenu() const { return m_fileMenu; }
    QAction* OpenAction() const { return m_open; }
    QAction* SaveAction() const { return m_save; }
    QAction* SaveAsAction() const { return m_saveAs; }
    QAction* ExitAction() const { return m_exit; }
    QAction* AboutAction() const { return m_about; }
    QAction* OptionsAction() const { return m_options; }
    QAction* CreatePatchAction() const { return m_createPatch; }
    QAction* ApplyPatchAction() const { return m_applyPatch; }
    QAction* RestorePointsAction() const { return m_restorePoints; }
    QAction* EditorAction(EditorCommand command) const;
    // Why an editor command cannot be chosen now (empty when it can): no
    // image, an image of unknown release, an editor not built yet, or the
    // editor's own refusal of this image.
    QString EditorUnavailableReason(EditorCommand command) const;
    // The recent-file entries of the File menu, in menu order (visible ones).
    QList<QAction*> RecentFileActions() const;

public slots:
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();
    // Save As to a chosen name: asks before replacing another file, then
    // writes the copy and continues on it (title, recent files).
    bool SaveDocumentAs(const QString& path);
    void OnAppAbout();
    void OnOptions();
    void OnCreatePatch();
    void OnApplyPatch();
    void OnRestorePoints();
    void OnEditor(EditorCommand command);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    void RebuildToolBar();
    void UpdateRecentFileMenu();
    void UpdateTitleAndCommands();
    void OpenRecentFile(int index);
    // Before a command on the image file: an image is open and any changes
    // were saved or set aside.
    bool ImageFileReady();
    // The Open (or Save As) dialog: the image filters, "smc" added to a
    // name without one, the open image's folder; empty when cancelled.
    QString AskImagePath(bool save);
    // The open itself, once the save-changes question has been answered.
    bool LoadDocumentFile(const QString& path);

    CQuorvexDocument& m_doc;
    CRecentFileList& m_recent;
    CQuorvexView* m_view = nullptr;
    QToolBar* m_toolBar = nullptr;
    QMenu* m_fileMenu = nullptr;
    QAction* m_open = nullptr;
    QAction* m_save = nullptr;
    QAction* m_saveAs = nullptr;
    QAction* m_exit = nullptr;
    QAction* m_about = nullptr;
    QAction* m_options = nullptr;
    QAction* m_createPatch = nullptr;
    QAction* m_applyPatch = nullptr;
    QAction* m_restorePoints = nullptr;
    QAction* m_recentSeparator = nullptr;
    std::vector<std::pair<EditorCommand, QAction*>> m_editors; // toolbar order
    std::vector<QAction*> m_recentActions;
};
