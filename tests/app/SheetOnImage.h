#pragma once
// The opening of an editor sheet test: the message boxes go to a recorder,
// an image is written and opened, and the sheet of type S is made when the
// test asks for it (after it has changed the image or the remembered
// record). The sheet closes before the document and the recorder go.
#include <optional>

#include "MessageService.h"
#include "TestFolders.h"
#include "controls/Settings.h"
#include "rom/RomData.h"

template <class S>
class SheetOnImage {
public:
    // The named synthetic variant.
    explicit SheetOnImage(const TestFolders& folders, const QString& variant = QStringLiteral("us10-headerless"))
        : doc(folders.Open(variant))
    {
    }
    // An image of these bytes (doc is null when it cannot be opened).
    SheetOnImage(const TestFolders& folders, const std::vector<uint8_t>& bytes) : doc(folders.OpenBytes(bytes)) {}

    quorvex::RomData& Rom() { return doc->Rom(); }

    // Makes the sheet, first remembering `index` as the selection stored
    // under `setting` (when one is named).
    S& Open(const char* setting = nullptr, int index = 0)
    {
        if (setting)
            IndexSetting(setting).Set(index);
        return m_sheet.emplace(*doc);
    }
    // Closes the sheet (after its reject() or accept()).
    void Close() { m_sheet.reset(); }

    ScopedRecordingMessages messages;
    std::unique_ptr<quorvex::CQuorvexDoc> doc;

private:
    std::optional<S> m_sheet;
};
