#pragma once
// Lists of choices that many combo boxes of a sheet share: one item model
// per list, each item carrying its value, which record pages store. These
// are lists of texts (battle commands, MagiTek attacks, buttons); the name
// lists the game's font draws (monsters, items, attacks) are CNameListModels
// shown by CFF6Combo (FF6Combo.h).
#include <QPixmap>
#include <QStandardItemModel>
#include <QStringList>

#include "rom/NameLists.h"

class QComboBox;

// A model of `labels` whose item k carries the value `values[k]` (or k when
// no values are given).
QStandardItemModel* MakeChoices(QObject* owner, const QStringList& labels, const QList<int>& values = {});
// Lets a combo box show a shared list.
void UseChoices(QComboBox* combo, QStandardItemModel* choices);

// The names of a name list in the tag language ("" past what it holds).
QStringList NameLabels(const quorvex::RomData& rd, quorvex::NameListId id, int count);
// A name of a name list, or of the attack list.
QString NameLabel(const quorvex::RomData& rd, quorvex::NameListId id, int index);
QString SpellLabel(const quorvex::RomData& rd, int index);

// A name drawn in the game's small font, as the game shows it.
QPixmap NamePixmap(const quorvex::RomData& rd, quorvex::NameListId id, int index, int scale = 2);
