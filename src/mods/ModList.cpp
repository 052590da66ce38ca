#include "mods/ModList.h"

#include "app/Launcher.h"
#include "app/Text.h"
#include "config/LauncherKey.h"

namespace quarl::mods {

namespace keys = config::launcher;

std::string ModsSettingsText(const std::vector<std::string>& mods) {
    std::string text(kModsSettingsHeader);
    text += "\r\n";
    for (const auto& mod : mods)
        text += "\"\\mods\\" + mod + "\"\r\n";
    return text;
}

std::string ModNameOfLine(std::string_view line) {
    const auto marker = line.find("\"\\mods\\");
    if (marker == std::string_view::npos)
        return std::string(line);
    // The name starts after the seven marker characters and is the line's length less eight
    // long: in the written format, the text up to the closing quote.
    const auto start = marker + 7;
    if (start > line.size() || line.size() < 8)
        return {};
    return std::string(line.substr(start, line.size() - 8));
}

std::string ModsSettingsPath(std::string_view gameFolder) {
    return gameFolder.empty() ? std::string() : std::string(gameFolder) + "\\ModsSettings.txt";
}

void WriteModsSettings(app::Launcher& launcher, std::string_view gameFolder,
                       const std::vector<std::string>& mods) {
    if (const auto path = ModsSettingsPath(gameFolder); !path.empty())
        launcher.platform.files.replaceTextFile(path, ModsSettingsText(mods));
}

std::vector<std::string> SelectedMods(const app::Launcher& launcher) {
    const auto& list = launcher.frmMain.ListBox1;
    std::vector<std::string> selected;
    for (std::size_t i = 0; i < list.items().size(); ++i)
        if (list.isSelected(i))
            selected.push_back(list.items()[i]);
    return selected;
}

void FillModList(app::Launcher& launcher) {
    auto& main = launcher.frmMain;
    main.ListBox1.clear();
    // With no game installation there is no mods folder to list.
    if (launcher.state.modsFolder.empty())
        return;
    std::vector<platform::FolderEntry> entries;
    if (!launcher.platform.files.listFolder(launcher.state.modsFolder, entries))
        return;
    const bool showCovertOps =
        launcher.launcherString(keys::HideCOE) == config::kFalse && main.rbUO.selected();
    for (const auto& entry : entries) {
        if (!entry.isFolder || entry.name == "." || entry.name == "..")
            continue;
        const auto upper = app::UpperAscii(entry.name);
        if (upper == "URBAN OPERATIONS" || upper == "CLASSIC MISSIONS")
            continue;
        if (upper == "COVERT OPERATIONS" && !showCovertOps)
            continue;
        main.ListBox1.add(entry.name);
    }
}

void SaveModSelection(app::Launcher& launcher) {
    auto& main = launcher.frmMain;
    if (!main.chkUseMod.checked())
        return;
    if (main.rbRS.selected()) {
        for (const auto& mod : SelectedMods(launcher))
            launcher.writeLauncherString(keys::LastMod, mod);
    } else if (main.rbUO.selected()) {
        WriteModsSettings(launcher, launcher.gameFolder(), SelectedMods(launcher));
    }
}

void RestoreLastMod(app::Launcher& launcher) {
    auto& main = launcher.frmMain;
    auto& list = main.ListBox1;
    FillModList(launcher);
    if (!main.chkUseMod.checked())
        return;
    if (main.rbRS.selected()) {
        list.setItemIndex(list.indexOf(launcher.launcherString(keys::LastMod)));
    } else if (main.rbUO.selected()) {
        const auto path = ModsSettingsPath(launcher.gameFolder());
        if (path.empty() || !launcher.platform.files.fileExists(path))
            return;
        const auto text = launcher.platform.files.readTextFile(path);
        std::size_t start = 0;
        while (start < text.size()) {
            auto end = text.find('\n', start);
            if (end == std::string::npos)
                end = text.size();
            std::string_view line(text.data() + start, end - start);
            if (!line.empty() && line.back() == '\r')
                line.remove_suffix(1);
            start = end + 1;
            const auto name = ModNameOfLine(line);
            if (name.empty() || name.find("//") != std::string::npos)
                continue;
            if (const int index = list.indexOf(name); index >= 0)
                list.setSelected(static_cast<std::size_t>(index), true);
        }
    }
}

void UseModClick(app::Launcher& launcher) {
    auto& main = launcher.frmMain;
    const bool checked = main.chkUseMod.checked();
    main.ListBox1.enabled = checked;
    main.mnuModInfo.enabled = checked;
    if (!checked && main.rbUO.selected())
        WriteModsSettings(launcher, launcher.gameFolder(), {});
}

} // namespace quarl::mods
