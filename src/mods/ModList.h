#pragma once

namespace quarl::app {
class Launcher;
}

namespace quarl::mods {

// Refills the main window's mod list from the mods folder.
void FillModList(app::Launcher& launcher);
// Records the current mod selection ("LastMod" or "ModsSettings.txt").
void SaveModSelection(app::Launcher& launcher);
// Refills the list and re-selects the saved mods.
void RestoreLastMod(app::Launcher& launcher);
// The Use Mod box's click reaction.
void UseModClick(app::Launcher& launcher);

} // namespace quarl::mods
