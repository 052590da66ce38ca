#include "LauncherFixture.h"
#include "companions/PatchSteps.h"

#include <map>

// Fault injection across the launcher's writing operations: the n-th file or registry operation
// fails, for every n until the operation completes before reaching it. After each failure the
// player was told (or the failure is one the launcher passes over silently by design), every
// file and registry value is either as before or as a run without faults leaves it, nothing is
// half-written or left behind, and the same operation then succeeds.
namespace quarl::tests {
namespace {

using namespace std::string_literals;
using Files = std::map<std::string, std::string>;
using Values = std::map<std::string, platform::RegistryValue>;

constexpr const char* kLauncherFolder = "C:\\Quarl";
const std::string kBook = std::string(kLauncherFolder) + "\\addressbook.txt";
const std::string kGameSpyEntry = "Software\\GameSpy\\GameSpy 3D\\Rogue Spear";
const std::string kKaliEntry = "Software\\Kali\\Kali95\\LaunchInfo0";
const std::string kBookRow = "\"Home\" \"127.0.0.1\" \"2346\" \"\" \"\" \"RS\"\r\n";

enum class Operation {
    Launch,
    StateSave,
    ModSelectionSave,
    AddressBookSave,
    SettingsSave,
    PatchRun,
    Uninstall
};

const char* NameOf(Operation operation) {
    switch (operation) {
    case Operation::Launch: return "Launch";
    case Operation::StateSave: return "StateSave";
    case Operation::ModSelectionSave: return "ModSelectionSave";
    case Operation::AddressBookSave: return "AddressBookSave";
    case Operation::SettingsSave: return "SettingsSave";
    case Operation::PatchRun: return "PatchRun";
    case Operation::Uninstall: return "Uninstall";
    }
    return "?";
}

class FaultSweep : public LauncherFixture, public ::testing::WithParamInterface<Operation> {
protected:
    // The machine: a game with two mods, the launcher's folder with an address book, the game
    // services pointing at the game (patched for "-UNINSTALL").
    void seed() {
        installGame(true, true, true);
        addMod("Alpha", "[Game]\r\nDisableDefaultPrimaryItems=1\r\n");
        addMod("Bravo");
        fake.files.addFile(GamePath("kitrestrictions.txt"), "kit");
        fake.files.addFile(GamePath("wsock32.dll"));
        fake.files.addFile(GamePath("RogueSpear.exe"), "rogue spear");
        fake.registry.setString(RootKey::LocalMachine, config::kGameKey, "MultiPlayerPlayerName",
                                "Player");
        setLauncherDword("GameType", 2);
        setLauncher("InstallationPath", kLauncherFolder);
        fake.files.addFile(std::string(kLauncherFolder) + "\\redirect.exe", "redirect");
        fake.files.addFile(kBook, kBookRow);
        fake.registry.setString(RootKey::CurrentUser, kGameSpyEntry, "Cmdline", "RogueSpear.exe");
        fake.registry.setString(RootKey::CurrentUser, kGameSpyEntry, "WorkDir", kGameFolder);
        fake.registry.setString(RootKey::CurrentUser, "Software\\Kali\\Kali95\\Misc", "Location",
                                "C:\\Kali\\");
        fake.files.addFile("C:\\Kali\\Kali.exe");
        fake.registry.setDword(RootKey::CurrentUser, "Software\\Kali\\Kali95\\Settings",
                               "LaunchCount", 1);
        fake.registry.setString(RootKey::CurrentUser, kKaliEntry, "Game214", "1");
        fake.registry.setString(RootKey::CurrentUser, kKaliEntry, "GameExe",
                                GamePath("RogueSpear.exe"));
        for (const auto* marker : {"Patched", "GameSpyPatched", "KaliPatched"})
            setLauncher(marker, "False");
        if (GetParam() == Operation::PatchRun) {
            // The entries as the tool's own undo leaves them, which a failed run goes back to.
            config::Session session(fake.registry);
            session.gameKeyPath = config::kGameKey;
            companions::PatchContext context{
                fake.files, session, kLauncherFolder + "\\"s, GamePath(""), {}};
            companions::UnpatchGameSpy(context);
            companions::UnpatchKali(context);
        }
        if (GetParam() == Operation::Uninstall) {
            fake.files.addFile(GamePath("RSpear.exe"), "rogue spear");
            fake.files.addFile(GamePath("RogueSpear.exe"), "redirect");
            setLauncher("EXEName", "RSpear.exe");
            fake.registry.setString(RootKey::CurrentUser, kGameSpyEntry, "Cmdline",
                                    "Launcher.exe --rs");
            fake.registry.setString(RootKey::CurrentUser, kKaliEntry, "GameExe",
                                    std::string(kLauncherFolder) + "\\Launcher.exe");
            for (const auto* marker : {"Patched", "GameSpyPatched", "KaliPatched"})
                setLauncher(marker, "True");
        }
    }

    // Starts the launcher (not for "-UNINSTALL", which is a start of its own).
    void begin() {
        if (GetParam() != Operation::Uninstall)
            start();
    }

    // The player's choices and open windows the operation starts from; again before a retry.
    void choose() {
        auto& main = launcher->frmMain;
        switch (GetParam()) {
        case Operation::Launch:
        case Operation::StateSave:
        case Operation::ModSelectionSave:
            main.rbUO.click();
            main.chkUseNetwork.setChecked(true);
            main.rbJoin.click();
            main.txtIPAddress.text = "127.0.0.1";
            main.chkUseMod.setChecked(true);
            main.ListBox1.setSelected(0, true);
            main.ListBox1.setSelected(1, true);
            main.chkDeleteKit.setChecked(true);
            break;
        case Operation::AddressBookSave:
            main.mnuAddressBook.click();
            launcher->frmAddressBook.ABGrid.setCell(0, 0, "Changed");
            break;
        case Operation::SettingsSave: {
            main.mnuSettings.click();
            auto& form = launcher->frmSettings;
            dynamic_cast<ui::CheckBox&>(*form.findControl("chkDisplayTime")).setChecked(true);
            dynamic_cast<ui::Edit&>(*form.findControl("txtMultiplayerGameJoinPort")).text = "2400";
            break;
        }
        case Operation::PatchRun:
            main.mnuLaunchTool.click();
            launcher->frmTool.btnNext.click();
            launcher->frmTool.chkPatchGZ.setChecked(true);
            launcher->frmTool.chkPatchGS.setChecked(true);
            launcher->frmTool.chkPatchKali.setChecked(true);
            break;
        case Operation::Uninstall: break;
        }
    }

    // The operation, caught as the view's dispatch catches it (and shows it in the generic
    // error box). False when something escaped.
    bool run() {
        try {
            switch (GetParam()) {
            case Operation::Launch: launcher->frmMain.btnLaunch.click(); break;
            case Operation::StateSave: launcher->frmMain.StateSave(); break;
            case Operation::ModSelectionSave: launcher->frmMain.ListBox1.onClick(); break;
            case Operation::AddressBookSave: launcher->frmAddressBook.close(); break;
            case Operation::SettingsSave: launcher->frmSettings.btnOk.click(); break;
            case Operation::PatchRun: launcher->frmTool.btnNext.click(); break;
            case Operation::Uninstall: EXPECT_FALSE(create({"-UNINSTALL"})); break;
            }
            return true;
        } catch (const std::exception&) {
            return false;
        }
    }

    // What a failed operation leaves for the player to close before trying again.
    void dismiss() {
        if (!launcher)
            return;
        if (launcher->frmResume.visible())
            launcher->frmResume.btnResume.click();
        if (launcher->frmTool.visible() && launcher->frmTool.btnNext.caption == "&Done")
            launcher->frmTool.btnNext.click();
        for (ui::Form* form : {static_cast<ui::Form*>(&launcher->frmAddressBook),
                               static_cast<ui::Form*>(&launcher->frmSettings),
                               static_cast<ui::Form*>(&launcher->frmTool)})
            if (form->visible())
                form->close();
    }

    // The failures the launcher passes over without a message, by design: a kit restrictions
    // file or an emptied mods file that cannot be deleted, a mod's launcher.ini that cannot be
    // read (its keys read as their defaults), a mods folder that cannot be listed, attributes
    // that cannot be set before or after a copy (a file that stays read-only fails the copy).
    static bool PassedOverSilently(const std::string& failed) {
        return failed.starts_with("delete " + GamePath("kitrestrictions.txt")) ||
               failed.starts_with("delete " + GamePath("ModsSettings.txt")) ||
               failed.starts_with("profile ") || failed.starts_with("list ") ||
               failed.starts_with("attributes ");
    }

    // The operation's outcome is in place.
    void expectDone() {
        switch (GetParam()) {
        case Operation::Launch:
            ASSERT_FALSE(fake.shell.opened().empty());
            EXPECT_EQ(fake.shell.opened().back().file, "UrbanOperations.exe");
            EXPECT_TRUE(launcher->frmResume.visible());
            break;
        case Operation::StateSave: EXPECT_EQ(launcherString("UseNetwork"), "TRUE"); [[fallthrough]];
        case Operation::ModSelectionSave:
            EXPECT_NE(gameFile("ModsSettings.txt"), nullptr);
            if (gameFile("ModsSettings.txt")) {
                EXPECT_EQ(*gameFile("ModsSettings.txt"),
                          mods::ModsSettingsText({"Alpha", "Bravo"}));
            }
            break;
        case Operation::AddressBookSave:
            EXPECT_NE(fake.files.content(kBook)->find("\"Changed\" \"127.0.0.1\""),
                      std::string::npos);
            break;
        case Operation::SettingsSave: EXPECT_EQ(gameValue("DisplayTime"), "TRUE"); break;
        case Operation::PatchRun:
            EXPECT_EQ(launcherString("Patched"), "True");
            EXPECT_EQ(launcherString("KaliPatched"), "True");
            break;
        case Operation::Uninstall:
            EXPECT_EQ(launcherString("Patched"), "False");
            EXPECT_EQ(*gameFile("RogueSpear.exe"), "rogue spear");
            break;
        }
    }

    // Every file and value is as before or as after, and none that both have is missing.
    template <class Map>
    static void ExpectOldOrNew(const Map& now, const Map& before, const Map& after,
                               const char* what) {
        for (const auto& [name, value] : now) {
            const auto old = before.find(name);
            const auto done = after.find(name);
            EXPECT_TRUE((old != before.end() && old->second == value) ||
                        (done != after.end() && done->second == value))
                << what << " neither old nor new: " << name;
        }
        for (const auto& [name, value] : before)
            EXPECT_TRUE(!after.count(name) || now.count(name)) << what << " missing: " << name;
    }
};

TEST_P(FaultSweep, EveryFailureIsToldLeavesOldOrNewAndTheNextRunSucceeds) {
    seed();
    begin();
    if (launcher)
        choose();
    const Files before = fake.files.files();
    const Values valuesBefore = fake.registry.snapshot();
    const auto taken = fake.faults.taken();
    ASSERT_TRUE(run());
    const int operations = fake.faults.taken() - taken;
    RecordProperty("operations", operations);
    expectDone();
    EXPECT_TRUE(fake.dialogs.shown().empty());
    const Files after = fake.files.files();
    const Values valuesAfter = fake.registry.snapshot();
    ASSERT_GT(operations, 0);

    for (int n = 1; n <= operations + 1; ++n) {
        resetAll();
        seed();
        begin();
        if (launcher)
            choose();
        ASSERT_EQ(fake.files.files(), before);
        fake.faults.failAt(n);
        const bool completed = run();
        if (!fake.faults.reached()) {
            EXPECT_TRUE(completed);
            EXPECT_EQ(n, operations + 1);
            break;
        }
        const auto failed = fake.faults.failed();
        fake.faults.clear();
        SCOPED_TRACE("operation " + std::to_string(n) + ": " + failed);
        EXPECT_TRUE(!completed || !fake.dialogs.shown().empty() || PassedOverSilently(failed));
        ExpectOldOrNew(fake.files.files(), before, after, "file");
        ExpectOldOrNew(fake.registry.snapshot(), valuesBefore, valuesAfter, "registry value");

        // The player can go on: the main window takes events, or a window that leads back to it
        // is open.
        if (launcher && GetParam() != Operation::Uninstall) {
            EXPECT_TRUE(launcher->frmMain.enabled || launcher->frmResume.visible() ||
                        launcher->frmSettings.visible() || launcher->frmTool.visible());
        }
        dismiss();
        if (launcher)
            choose();
        const auto told = fake.dialogs.shown().size();
        EXPECT_TRUE(run());
        EXPECT_EQ(fake.dialogs.shown().size(), told);
        expectDone();
    }
}

INSTANTIATE_TEST_SUITE_P(, FaultSweep,
                         ::testing::Values(Operation::Launch, Operation::StateSave,
                                           Operation::ModSelectionSave, Operation::AddressBookSave,
                                           Operation::SettingsSave, Operation::PatchRun,
                                           Operation::Uninstall),
                         [](const auto& parameter) {
                             return std::string(NameOf(parameter.param));
                         });

} // namespace
} // namespace quarl::tests
