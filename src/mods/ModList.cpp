#include "mods/ModList.h"

#include "base/Text.h"
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

void WriteModsSettings(platform::FileSystem& files, std::string_view gameFolder,
                       const std::vector<std::string>& mods) {
    if (const auto path = ModsSettingsPath(gameFolder); !path.empty())
        files.replaceTextFile(path, ModsSettingsText(mods));
}

std::vector<std::string> SelectedMods(const ui::ListBox& list) {
    std::vector<std::string> selected;
    for (std::size_t i = 0; i < list.items().size(); ++i)
        if (list.isSelected(i))
            selected.push_back(list.items()[i]);
    return selected;
}

void ModList::FillModList() {
    auto& list = choices_.ListBox1;
    list.clear();
    // With no game installation there is no mods folder to list.
    if (session_.modsFolder.empty())
        return;
    std::vector<platform::FolderEntry> entries;
    if (!files_.listFolder(session_.modsFolder, entries))
        return;
    const bool showCovertOps =
        session_.launcherString(keys::HideCOE) == config::kFalse && choices_.rbUO.selected();
    for (const auto& entry : entries) {
        if (!entry.isFolder || entry.name == "." || entry.name == "..")
            continue;
        const auto upper = base::UpperAscii(entry.name);
        if (upper == "URBAN OPERATIONS" || upper == "CLASSIC MISSIONS")
            continue;
        if (upper == "COVERT OPERATIONS" && !showCovertOps)
            continue;
        list.add(entry.name);
    }
}

void ModList::SaveModSelection() {
    if (!choices_.chkUseMod.checked())
        return;
    if (choices_.rbRS.selected()) {
        for (const auto& mod : SelectedMods(choices_.ListBox1))
            session_.writeLauncherString(keys::LastMod, mod);
    } else if (choices_.rbUO.selected()) {
        WriteModsSettings(files_, session_.gameFolder(), SelectedMods(choices_.ListBox1));
    }
}

void ModList::RestoreLastMod() {
    auto& list = choices_.ListBox1;
    FillModList();
    if (!choices_.chkUseMod.checked())
        return;
    if (choices_.rbRS.selected()) {
        list.setItemIndex(list.indexOf(session_.launcherString(keys::LastMod)));
    } else if (choices_.rbUO.selected()) {
        const auto path = ModsSettingsPath(session_.gameFolder());
        if (path.empty() || !files_.fileExists(path))
            return;
        const auto text = files_.readTextFile(path);
        for (const auto line : base::TextLines(text)) {
            const auto name = ModNameOfLine(line);
            if (name.empty() || name.find("//") != std::string::npos)
                continue;
            if (const int index = list.indexOf(name); index >= 0)
                list.setSelected(static_cast<std::size_t>(index), true);
        }
    }
}

void ModList::UseModClick() {
    if (!choices_.chkUseMod.checked() && choices_.rbUO.selected())
        WriteModsSettings(files_, session_.gameFolder(), {});
}

} // namespace quarl::mods
