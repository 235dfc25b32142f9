#pragma once
// Helpers shared by the offscreen window tests.
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <QWidget>
#include <QtGlobal>
#include <memory>

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
