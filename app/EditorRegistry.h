#pragma once
// The editor commands of the main toolbar. Each editor registers how it is
// opened from its own source file:
//
//   static const EditorRegistration kReg{EditorCommand::DialogEditor, RunDialogEditor};
//
// A command with no registration stays on the toolbar, disabled.
#include <functional>
#include <map>
#include <string>

class QWidget;
namespace quorvex {
class CQuorvexDoc;
struct RomData;
} // namespace quorvex

enum class EditorCommand {
    MonsterEditor,
    ItemEditor,
    ColosseumEditor,
    FormationEditor,
    BattleEditor,
    SoundEditor,
    ActorEditor,
    SpellEditor,
    DialogEditor,
    TileEditor,
};

// Opens the editor modally over `parent` on the open document. The editor
// marks the document modified itself when the user confirms with OK.
using EditorLauncher = std::function<void(QWidget* parent, quorvex::CQuorvexDoc& doc)>;

std::map<EditorCommand, EditorLauncher>& EditorRegistry();

struct EditorRegistration {
    EditorRegistration(EditorCommand command, EditorLauncher launcher)
    {
        EditorRegistry()[command] = std::move(launcher);
    }
};

// Why an editor cannot work on the open image (empty when it can). An
// editor that refuses some images registers this beside its launcher; the
// main window then shows its command disabled with the reason.
using EditorRefusal = std::function<std::string(const quorvex::RomData& rd)>;

std::map<EditorCommand, EditorRefusal>& EditorRefusals();

struct EditorRefusalRegistration {
    EditorRefusalRegistration(EditorCommand command, EditorRefusal refusal)
    {
        EditorRefusals()[command] = std::move(refusal);
    }
};

// The "Manage expanded ROM" button of the main view opens the data location
// manager registered here; without one the button stays disabled.
EditorLauncher& ExpandedRomManagerLauncher();

struct ExpandedRomManagerRegistration {
    explicit ExpandedRomManagerRegistration(EditorLauncher launcher)
    {
        ExpandedRomManagerLauncher() = std::move(launcher);
    }
};
