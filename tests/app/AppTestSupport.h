#pragma once
// Helpers shared by the offscreen window tests.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTabWidget>
#include <QTimer>
#include <QWidget>
#include <QtGlobal>
#include <memory>

#include "EditorRegistry.h"
#include "QuorvexApp.h"
#include "SyntheticImage.h"
#include "rom/Document.h"

// The options of a named synthetic variant; a fatal error when unknown.
inline quorvex::synth::SynthOptions VariantOptions(const QString& name)
{
    quorvex::synth::SynthOptions o;
    if (!quorvex::synth::FindVariant(name.toStdString(), o))
        qFatal("no synthetic variant %s", qPrintable(name));
    return o;
}

// Writes a synthetic image to `path` (a fatal error when it cannot);
// returns the path.
inline QString WriteImageFile(const QString& path, const quorvex::synth::SynthOptions& options)
{
    if (!quorvex::synth::WriteSyntheticImage(QFile::encodeName(path).toStdString(), options))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

inline QByteArray FileBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

// Points the per-user settings at a private folder and makes the
// screenshot folder (each window test's initTestCase).
inline void IsolateSettings(const QString& settingsDir)
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir);
    QDir().mkpath(QStringLiteral(QUORVEX_SCREENSHOT_DIR));
}

// Runs `act` on the modal dialog of type D as soon as one is open (checked
// every 10 ms, for at most `tries` times): call it before the code that
// opens the dialog and waits for it.
template <class D, class F>
void WhenOpen(F act, int tries = 500)
{
    QTimer::singleShot(10, [act, tries] {
        if (auto* d = dynamic_cast<D*>(QApplication::activeModalWidget()))
            act(d);
        else if (tries > 0)
            WhenOpen<D>(act, tries - 1);
    });
}

// Page `tab` of a tabbed editor as its own class.
template <class P>
P* PageOf(const QTabWidget* tabs, int tab)
{
    return dynamic_cast<P*>(tabs->widget(tab));
}

// Runs the editor registered on a toolbar command; true when a window of
// type D opened (it is cancelled at once).
template <class D>
bool OpensFromToolbar(EditorCommand command, quorvex::CQuorvexDoc& doc)
{
    const auto it = EditorRegistry().find(command);
    if (it == EditorRegistry().end())
        return false;
    bool opened = false;
    WhenOpen<D>([&opened](D* d) {
        opened = true;
        d->reject();
    });
    it->second(nullptr, doc);
    return opened;
}

// Writes the synthetic image with these options to `path` and opens it.
inline bool OpenSyntheticImage(quorvex::CQuorvexDoc& doc, const QString& path,
                               const quorvex::synth::SynthOptions& options = {})
{
    return quorvex::synth::WriteSyntheticImage(path.toStdString(), options) &&
           doc.OnOpenDocument(path.toStdString()).ok;
}

// Start-up options for a test of the whole program: no splash window, the
// main window not shown until the test shows it.
inline CQuorvexApp::StartupOptions QuietStartup()
{
    CQuorvexApp::StartupOptions o;
    o.allowSplash = false;
    o.showWindow = false;
    return o;
}

// Writes the named synthetic variant into `folder` (as VARIANT.smc) and
// opens it.
inline std::unique_ptr<quorvex::CQuorvexDoc> OpenVariant(const QString& folder, const QString& variant)
{
    const std::string path = (folder + "/" + variant + ".smc").toStdString();
    quorvex::synth::WriteSyntheticImage(path, VariantOptions(variant));
    auto doc = std::make_unique<quorvex::CQuorvexDoc>();
    doc->OnOpenDocument(path);
    return doc;
}

// Saves a window's picture as NAME.png in the screenshot folder.
inline bool SaveScreenshot(QWidget& w, const QString& name)
{
    return w.grab().save(QStringLiteral(QUORVEX_SCREENSHOT_DIR "/") + name + ".png");
}

// The titles of a tabbed window's pages, in order.
inline QStringList TabTitles(const QTabWidget* tabs)
{
    QStringList titles;
    for (int i = 0; i < tabs->count(); ++i)
        titles << tabs->tabText(i);
    return titles;
}

// Shows each page of a tabbed window in turn and saves the window's picture
// as PREFIX and the page's title without spaces, dots and brackets; false
// when a picture cannot be saved.
inline bool ShootEachTab(QWidget& window, QTabWidget* tabs, const QString& prefix)
{
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        QCoreApplication::processEvents();
        QString title = tabs->tabText(i);
        title.remove(' ').remove('.').remove('(').remove(')');
        if (!SaveScreenshot(window, prefix + title))
            return false;
    }
    return true;
}
