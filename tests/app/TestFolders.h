#pragma once
// The folders of a window test: the images it writes and the per-user
// settings, both private to the test. A member of the test object; its
// initTestCase calls Ready().
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <memory>
#include <vector>

#include "AppTestSupport.h"

class TestFolders {
public:
    // Points the settings at the private folder; false when a folder could
    // not be made.
    bool Ready() const
    {
        IsolateSettings(m_settings.path());
        return m_images.isValid() && m_settings.isValid();
    }
    QString Images() const { return m_images.path(); }

    // Writes the named synthetic variant and opens it.
    std::unique_ptr<quorvex::CQuorvexDoc> Open(const QString& variant) const
    {
        return OpenVariant(m_images.path(), variant);
    }
    // Writes these bytes as an image and opens it; null when either fails.
    std::unique_ptr<quorvex::CQuorvexDoc> OpenBytes(const std::vector<uint8_t>& bytes) const
    {
        const QString path = m_images.path() + "/edited.smc";
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) ||
            f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size())) !=
                static_cast<qint64>(bytes.size()))
            return nullptr;
        f.close();
        auto doc = std::make_unique<quorvex::CQuorvexDoc>();
        return doc->OnOpenDocument(path.toStdString()).ok ? std::move(doc) : nullptr;
    }

private:
    QTemporaryDir m_images;
    QTemporaryDir m_settings;
};
