#pragma once
// Combos of the game's names (monsters, items, ...), and a spin box kept in
// step with a combo, as the editors pair them ("Item bet" with its spin).
#include "rom/NameLists.h"

class QComboBox;
class QSpinBox;

// Fills the combo with the first `count` names of a list, in the tag
// language; each item carries its number as item data.
void FillNameCombo(QComboBox* combo, const quorvex::RomData& rd, quorvex::NameListId list, int count);
// Fills the combo with fixed texts; each item carries its position.
void FillTextCombo(QComboBox* combo, const std::vector<std::string>& texts);
// Keeps a spin box (0 .. combo count - 1) and a combo on the same entry.
void LinkSpinToCombo(QSpinBox* spin, QComboBox* combo);
