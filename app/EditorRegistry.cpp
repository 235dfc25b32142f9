#include "EditorRegistry.h"

std::map<EditorCommand, EditorLauncher>& EditorRegistry()
{
    static std::map<EditorCommand, EditorLauncher> registry;
    return registry;
}

EditorLauncher& ExpandedRomManagerLauncher()
{
    static EditorLauncher launcher;
    return launcher;
}
