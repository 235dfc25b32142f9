#pragma once
// Renaming one entry of a name list from an editor: "Quorvex: Names Editor"
// on the entry's bytes; on OK the new name goes into the list and its
// picture is drawn again the next time a list shows it.
#include "rom/NameLists.h"

class QWidget;

// True when the user confirmed a name (even an unchanged one).
bool RenameListEntry(QWidget* parent, quorvex::RomData& rd, quorvex::NameListId id, int index);
