#pragma once

#include "config/Session.h"
#include "platform/FileSystem.h"
#include "ui/Controls.h"

#include <string>
#include <string_view>
#include <vector>

namespace quarl::mods {

// The first line of "ModsSettings.txt"; a file with only this line means no mods.
inline constexpr std::string_view kModsSettingsHeader =
    "// MODS SETTINGS - This file created by the Quarl Launcher v2.10 Build 8";

// The whole "ModsSettings.txt" for the given mods, in order, lines ending in CR LF.
std::string ModsSettingsText(const std::vector<std::string>& mods);
// The mod name a "ModsSettings.txt" line names: the text after the quote and "\mods\" up to
// the closing quote, or the line unchanged when it has no such marker.
std::string ModNameOfLine(std::string_view line);
// "ModsSettings.txt" in the game folder. Empty without a game folder: the name alone would
// address the drive's root, and there is no file to read or write.
std::string ModsSettingsPath(std::string_view gameFolder);
// Replaces "ModsSettings.txt" with the given mods; nothing without a game folder.
void WriteModsSettings(platform::FileSystem& files, std::string_view gameFolder,
                       const std::vector<std::string>& mods);
// The selected entries of a mod list, in list order.
std::vector<std::string> SelectedMods(const ui::ListBox& list);

// The main window's choices that the mod list reads and fills.
struct ModChoices {
    const ui::RadioButton& rbRS;
    const ui::RadioButton& rbUO;
    const ui::CheckBox& chkUseMod;
    ui::ListBox& ListBox1;
};

// The main window's mod list: filled from the mods folder, its selection kept in "LastMod"
// (Rogue Spear) or "ModsSettings.txt" (Urban Ops).
class ModList {
public:
    ModList(config::Session& session, platform::FileSystem& files, ModChoices choices)
        : session_(session), files_(files), choices_(choices) {}

    // Refills the list from the mods folder.
    void FillModList();
    // Records the current selection.
    void SaveModSelection();
    // Refills the list and re-selects the saved mods.
    void RestoreLastMod();
    // The Use Mod box's click reaction.
    void UseModClick();

private:
    config::Session& session_;
    platform::FileSystem& files_;
    ModChoices choices_;
};

} // namespace quarl::mods
