#pragma once
// The document: one open image. It opens the file only to load or save and
// keeps every game table in its RomData; editors change RomData and mark
// the document modified, and only Save writes the file.
#include <memory>
#include <string>

#include "rom/RestorePoints.h"
#include "rom/RomData.h"

namespace quorvex {

struct OpenResult {
    bool ok = false;
    std::string error;   // shown as an error when the open failed
    std::string warning; // shown as a warning after a successful open (battle-script patches)
};

struct SaveResult {
    bool ok = false;
    std::string error;
    std::string warning; // the save happened, but no restore point could be kept
    std::string notice; // after a successful save: other names of the file keep the old bytes
};

class CQuorvexDoc {
public:
    CQuorvexDoc();

    // Opens and loads the image. The editor refuses a file it may not write
    // (kReadOnlyMessage); tools that only read pass readOnlyOk.
    OpenResult OnOpenDocument(const std::string& path, bool readOnlyOk = false);
    // Writes every table back into the image file at `path`. The tables go
    // into a copy of the file in the same folder, which replaces the
    // original only when every write succeeded; any failure leaves the
    // original untouched, is reported, and the document stays modified. An
    // image of unknown release has no tables loaded: nothing is written.
    // Before the copy replaces the image, the image as it was on disk is
    // kept as a restore point (see RestorePoints.h).
    // A file with other names (hard links) is replaced under this name only;
    // the notice says so.
    SaveResult OnSaveDocument(const std::string& path);
    // Save As: writes the image open from `from` (its bytes as on disk,
    // with every table written over them) to `to` by the same
    // all-or-nothing step; an existing file at `to` is kept as a restore
    // point before it is replaced. On success the document continues on
    // `to` (RomData::path). On failure neither file has changed.
    SaveResult OnSaveDocumentAs(const std::string& from, const std::string& to);

    // How many restore points a save keeps; 0 keeps none.
    void SetRestorePoints(int keep) { m_restorePoints = keep; }
    int RestorePoints() const { return m_restorePoints; }

    bool IsModified() const { return m_modified; }
    void SetModifiedFlag(bool modified = true) { m_modified = modified; }

    RomData& Rom() { return *m_rom; }
    const RomData& Rom() const { return *m_rom; }

private:
    SaveResult Save(const std::string& from, const std::string& to);

    std::unique_ptr<RomData> m_rom; // large: kept off the stack
    bool m_modified = false;
    int m_restorePoints = kDefaultRestorePoints;
};

// The load and store sequences over an open file (the tables of a known
// release, in the game's fixed order). Load returns the battle-script
// patch warning, if any.
std::string LoadGameTables(ImageFile& f, RomData& rd);
void StoreGameTables(ImageFile& f, RomData& rd);

} // namespace quorvex
