#pragma once
// What an editor's Cancel puts back: every table as it was when the editor
// opened. Editors change the document's tables in place while the user
// works, so Cancel must undo exactly what this editor did and nothing more.
// Reading the tables again from the image file would be wrong: the file
// does not hold edits that an earlier editor's OK kept but that were not
// saved yet, and those must survive a later Cancel.
//
// Editors are modal, so nothing else changes the document while one is
// open; keeping the whole set of tables is therefore the same as keeping
// "this editor's tables", and no editor can forget one of its own.
#include <memory>

namespace quorvex {

struct RomData;

class TableSnapshot {
public:
    // Takes the copy (a few megabytes at most; well under a millisecond).
    explicit TableSnapshot(const RomData& rd);
    ~TableSnapshot();
    TableSnapshot(const TableSnapshot&) = delete;
    TableSnapshot& operator=(const TableSnapshot&) = delete;

    // Puts every table back as it was when the snapshot was taken. The
    // name pictures are thrown away, since restored names may differ from
    // the pictures drawn during the edit.
    void Restore(RomData& rd) const;

private:
    std::unique_ptr<RomData> m_copy;
};

} // namespace quorvex
