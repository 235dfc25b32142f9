#pragma once
// The program's document as the windows see it: the one open image, held by
// core's CQuorvexDoc. This side adds what the desktop needs: the name in the
// title bar, the messages of an open or a save, and the save-changes
// question before the image is left behind.
#include <QObject>
#include <QString>

#include "rom/Document.h"

class QWidget;

class CQuorvexDocument : public QObject {
    Q_OBJECT
public:
    explicit CQuorvexDocument(QObject* parent = nullptr);

    quorvex::CQuorvexDoc& Core() { return m_doc; }
    const quorvex::CQuorvexDoc& Core() const { return m_doc; }
    quorvex::RomData& Rom() { return m_doc.Rom(); }
    const quorvex::RomData& Rom() const { return m_doc.Rom(); }

    // True once an image has been opened (known release or not).
    bool HasImage() const { return !m_path.isEmpty(); }
    QString PathName() const { return m_path; }
    // The file name shown in the title bar; the template's document name
    // "FF3us" before any image is open.
    QString Title() const;

    bool IsModified() const { return m_doc.IsModified(); }
    void SetModifiedFlag(bool modified = true);

    // Opens and loads the image; errors and the battle-script patch warning
    // are shown through the message service. On failure the previous image
    // (if any) stays open untouched.
    bool OnOpenDocument(const QString& path, QWidget* parent);
    // Writes the tables back, keeping as many restore points as the
    // options say. A failure is shown and the document stays modified;
    // success is never claimed for a save that did not happen. When no
    // restore point could be kept the save still happens, and the user is
    // told once for this image rather than at every save.
    bool OnSaveDocument(QWidget* parent);
    // Save As: writes the image with its edits to `path` by the same
    // all-or-nothing step (a file replaced there is kept as a restore
    // point) and continues on it. On failure the document stays on its
    // image, modified as it was.
    bool OnSaveDocumentAs(const QString& path, QWidget* parent);
    // Before the image is left behind: asks whether to save a modified
    // document. False when the user cancelled or the save failed.
    bool SaveModified(QWidget* parent);

    // Tells the windows the title, the modified mark or the report changed.
    void NotifyChanged() { emit DocumentChanged(); }

signals:
    void DocumentChanged();
    // What the user should know after a successful save (other names of
    // the file keep the old bytes); the main window shows it in its status
    // bar.
    void StatusNotice(const QString& text);

private:
    // Tells the outcome of a save; true on success.
    bool Report(const quorvex::SaveResult& result, QWidget* parent);

    quorvex::CQuorvexDoc m_doc;
    QString m_path;
    bool m_toldRestorePointFailure = false;
};

// Added to a warning that sends the user to "Manage expanded ROM" while
// this version has no data location manager (its button stays disabled).
constexpr const char* kNoManagerNote =
    "\nThe \"Manage expanded ROM\" button stays disabled for this image (it moves data only in an image "
    "expanded to 28 or 32 Mbit), so the battle scripts cannot be moved with it yet.";

// Conversions between the platform's file names and core's byte strings.
std::string ToCorePath(const QString& path);
QString FromCoreText(const std::string& text);
// Text from the image (its title) or a file name, with control bytes shown
// as escapes rather than acting on or vanishing from the window.
QString PrintableCoreText(const std::string& text);
