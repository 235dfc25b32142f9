#include "EditorRegistry.h"

std::map<EditorCommand, EditorLauncher>& EditorRegistry()
{
    static std::map<EditorCommand, EditorLauncher> registry;
    return registry;
}

std::map<EditorCommand, EditorRefusal>& EditorRefusals()
{
    static std::map<EditorCommand, EditorRefusal> refusals;
    return refusals;
}

EditorLauncher& ExpandedRomManagerLauncher()
{
    static EditorLauncher launcher;
    return launcher;
}
