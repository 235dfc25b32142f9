#pragma once
// Renaming one entry of a name list from an editor page: the names editor
// ("Quorvex: Names Editor") opens on the entry's fixed-length name, drawn in
// the game's font; OK stores the new name into the list.
#include "rom/NameLists.h"

class QWidget;

// True when a different name was stored.
bool RenameEntry(QWidget* parent, quorvex::RomData& rd, quorvex::NameListId id, int index);
