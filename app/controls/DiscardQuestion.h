#pragma once
// The question every editor window asks before Cancel, Esc or its close
// button throws away what the user changed: the tabbed editors and the
// dialogs they open on one value ("Quorvex: Names Editor", "Edit Colour").
class QWidget;

// The question Cancel asks when the user has edited something.
constexpr const char* kDiscardChangesQuestion = "Discard the changes made in this editor?";

// True when the window may drop its edits and close: nothing was edited, or
// the user answered Yes through the MessageService. No keeps the window
// open with its edits.
bool MayDiscardEdits(bool edited, QWidget* parent);
