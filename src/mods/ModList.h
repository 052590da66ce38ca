#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quarl::app {
class Launcher;
}

namespace quarl::mods {

// The first line of "ModsSettings.txt"; a file with only this line means no mods.
inline constexpr std::string_view kModsSettingsHeader =
    "// MODS SETTINGS - This file created by the Quarl Launcher v2.10 Build 8";

// The whole "ModsSettings.txt" for the given mods, in order, lines ending in CR LF.
std::string ModsSettingsText(const std::vector<std::string>& mods);
// The mod name a "ModsSettings.txt" line names: the text after the quote and "\mods\" up to
// the closing quote, or the line unchanged when it has no such marker.
std::string ModNameOfLine(std::string_view line);

// Refills the main window's mod list from the mods folder.
void FillModList(app::Launcher& launcher);
// Records the current mod selection ("LastMod" or "ModsSettings.txt").
void SaveModSelection(app::Launcher& launcher);
// Refills the list and re-selects the saved mods.
void RestoreLastMod(app::Launcher& launcher);
// The Use Mod box's click reaction.
void UseModClick(app::Launcher& launcher);

// The selected entries of the mod list, in list order.
std::vector<std::string> SelectedMods(const app::Launcher& launcher);
// "ModsSettings.txt" in the game folder. Empty without a game folder: the name alone would
// address the drive's root, and there is no file to read or write.
std::string ModsSettingsPath(std::string_view gameFolder);
// Replaces "ModsSettings.txt" with the given mods; nothing without a game folder.
void WriteModsSettings(app::Launcher& launcher, std::string_view gameFolder,
                       const std::vector<std::string>& mods);

} // namespace quarl::mods
