// "ModsSettings.txt" as found in the game folder, read with Urban Ops selected: only listed
// mods are selected, each one named by a line of the file; saving that selection and reading
// it back selects the same mods.
#include "FuzzTarget.h"

#include "config/LauncherKey.h"
#include "mods/ModList.h"
#include "platform/fake/FakePlatform.h"

#include <algorithm>

namespace {

using namespace quarl;

constexpr const char* kGame = "C:\\Games\\Rogue Spear";

// A name a folder can have.
bool FolderName(std::string_view name) {
    return !name.empty() && name.size() < 100 &&
           name.find_first_of("\\/:*?\"<>|\r\n") == std::string_view::npos &&
           std::none_of(name.begin(), name.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 32; }) &&
           name != "." && name != "..";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto text = fuzz::AsText(data, size);
    platform::fake::FakePlatform fake;
    config::Session session(fake.registry);
    session.gameKeyPath = std::string(config::kGameKey);
    fake.registry.setString(platform::RootKey::LocalMachine, config::kGameKey, "InstallationPath",
                            kGame);
    session.modsFolder = std::string(kGame) + "\\mods\\";
    fake.files.addFolder(session.modsFolder);
    fake.files.addFolder(session.modsFolder + "Other Mod");
    // Every name a line gives (the first 64 of them) becomes a mod folder, so that the lines can
    // match.
    std::vector<std::string> named;
    for (const auto& line : fuzz::Split(text, '\n', text.size() + 1)) {
        auto name =
            mods::ModNameOfLine(line.ends_with('\r') ? line.substr(0, line.size() - 1) : line);
        if (named.size() < 64 && FolderName(name))
            fake.files.addFolder(session.modsFolder + name);
        named.push_back(std::move(name));
    }
    fake.files.addFile(mods::ModsSettingsPath(kGame), std::string(text));

    ui::RadioGroup games;
    ui::RadioButton rbRS("rbRS", games), rbUO("rbUO", games);
    ui::CheckBox chkUseMod("chkUseMod");
    ui::ListBox ListBox1("ListBox1");
    ListBox1.setMultiSelect(true);
    rbUO.select();
    chkUseMod.setChecked(true);
    mods::ModList list(session, fake.files, {rbRS, rbUO, chkUseMod, ListBox1});

    list.RestoreLastMod();
    const auto selected = mods::SelectedMods(ListBox1);
    for (const auto& mod : selected) {
        FUZZ_CHECK(std::find(named.begin(), named.end(), mod) != named.end());
        FUZZ_CHECK(mod.find("//") == std::string::npos);
    }
    list.SaveModSelection();
    FUZZ_CHECK(*fake.files.content(mods::ModsSettingsPath(kGame)) ==
               mods::ModsSettingsText(selected));
    list.RestoreLastMod();
    FUZZ_CHECK(mods::SelectedMods(ListBox1) == selected);
    return 0;
}
