#include "LauncherFixture.h"
#include "companions/PatchSteps.h"
#include "companions/ServicePatching.h"
#include "platform/TemporaryFileName.h"

#include <functional>

namespace quarl::tests {
namespace {

using platform::fake::FakeFileSystem;

constexpr const char* kLauncherFolder = "C:\\Quarl";
const std::string kGameSpyRogueSpear = "Software\\GameSpy\\GameSpy 3D\\Rogue Spear";
const std::string kGameSpyUrbanOps = "Software\\GameSpy\\GameSpy 3D\\Urban Operations";
const std::string kKaliEntry = "Software\\Kali\\Kali95\\LaunchInfo";

std::string LauncherPath(std::string_view name) {
    return std::string(kLauncherFolder) + "\\" + std::string(name);
}

std::string Bytes(char fill, std::size_t size) {
    std::string bytes(size, fill);
    if (size)
        bytes.back() = '!';
    return bytes;
}

struct Game {
    const char* executable;
    const char* backup;
    std::string content; // sizes at the copy's 8192-byte blocks, and zero
};

const Game kGames[] = {
    {"RogueSpear.exe", "RSpear.exe", Bytes('r', 16384)},
    {"UrbanOperations.exe", "UOperations.exe", Bytes('u', 8192)},
    {"CovertOperations.exe", "COperations.exe", ""},
};
const std::string kRedirect = Bytes('x', 10000);

class LaunchTool : public LauncherFixture {
protected:
    // The three games, "redirect.exe" in the launcher folder, and every service installed with
    // its entries pointing at the game.
    void installServices() {
        installGame(true, true, true);
        for (const auto& game : kGames)
            fake.files.addFile(GamePath(game.executable), game.content);
        setLauncher("InstallationPath", kLauncherFolder);
        fake.files.addFile(LauncherPath("redirect.exe"), kRedirect);
        fake.registry.setString(RootKey::LocalMachine,
                                "Software\\Microsoft\\Internet Gaming Zone\\Setup", "Version", "3");
        fake.registry.setString(RootKey::CurrentUser, "Software\\Kali\\Kali95\\Misc", "Location",
                                "C:\\Kali\\");
        fake.files.addFile("C:\\Kali\\Kali.exe");
        fake.registry.setDword(RootKey::CurrentUser, "Software\\Kali\\Kali95\\Settings",
                               "LaunchCount", 2);
        user(kKaliEntry + "0", "Game214", "1");
        user(kKaliEntry + "1", "GameExe", "C:\\Other\\Other.exe");
        for (const auto& key : {kGameSpyRogueSpear, kGameSpyUrbanOps})
            user(key, "Cmdline", "");
        auto context = patchContext();
        companions::UnpatchGameSpy(context);
        companions::UnpatchKali(context);
        for (const auto* marker : {"Patched", "GameSpyPatched", "KaliPatched"})
            setLauncher(marker, "False");
    }
    // As a complete patch run leaves the game folder and the registry.
    void installPatched() {
        installServices();
        for (const auto& game : kGames) {
            fake.files.addFile(GamePath(game.backup), game.content);
            fake.files.addFile(GamePath(game.executable), kRedirect);
        }
        setLauncher("EXEName", "RSpear.exe");
        setLauncher("UOEXEName", "UOperations.exe");
        setLauncher("COEXEName", "COperations.exe");
        auto context = patchContext();
        companions::PatchGameSpy(context);
        companions::PatchKali(context);
        for (const auto* marker : {"Patched", "GameSpyPatched", "KaliPatched"})
            setLauncher(marker, "True");
    }
    // For seeding the services as the tool's own steps leave them.
    companions::PatchContext patchContext() {
        session = std::make_unique<config::Session>(fake.registry);
        session->gameKeyPath = config::kGameKey;
        return {fake.files, *session, LauncherPath(""), GamePath(""), {}};
    }
    companions::ToolForm& openTool() {
        start().mnuLaunchTool.click();
        return launcher->frmTool;
    }
    // Next to the services page, the boxes as given, Finish.
    void patchRun(bool zone, bool gameSpy, bool kali) {
        auto& tool = launcher->frmTool;
        tool.btnNext.click();
        tool.chkPatchGZ.setChecked(zone);
        tool.chkPatchGS.setChecked(gameSpy);
        tool.chkPatchKali.setChecked(kali);
        tool.btnNext.click();
    }

    void user(const std::string& key, const char* name, std::string text) {
        fake.registry.setString(RootKey::CurrentUser, key, name, std::move(text));
    }
    std::string read(const std::string& key, const char* name) const {
        const auto value = fake.registry.readValue(RootKey::CurrentUser, key, name);
        return value ? value->text : "<missing>";
    }
    std::string file(const std::string& path) const {
        const auto* content = fake.files.content(path);
        return content ? *content : "<missing>";
    }
    std::vector<std::string> gameFolderNames() const {
        std::vector<platform::FolderEntry> entries;
        fake.files.listFolder(kGameFolder, entries);
        std::vector<std::string> names;
        for (const auto& entry : entries)
            names.push_back(entry.name);
        return names;
    }
    std::unique_ptr<config::Session> session;

    // The markers say what the files and the entries are; nothing is torn or left half-made.
    void expectMarkersMatch(bool backupsBefore) {
        const bool zone = launcherString("Patched") == "True";
        EXPECT_EQ(launcherString("EXEName"), zone ? "RSpear.exe" : "RogueSpear.exe");
        EXPECT_EQ(launcherString("UOEXEName"), zone ? "UOperations.exe" : "UrbanOperations.exe");
        EXPECT_EQ(launcherString("COEXEName"), zone ? "COperations.exe" : "CovertOperations.exe");
        for (const auto& game : kGames) {
            EXPECT_EQ(file(GamePath(game.executable)), zone ? kRedirect : game.content)
                << game.executable;
            if (zone || backupsBefore)
                EXPECT_EQ(file(GamePath(game.backup)), game.content) << game.backup;
            else
                EXPECT_FALSE(fake.files.fileExists(GamePath(game.backup))) << game.backup;
        }
        for (const auto& name : gameFolderNames())
            EXPECT_FALSE(platform::TemporaryFileOwnerOf(name)) << name;

        const bool gameSpy = launcherString("GameSpyPatched") == "True";
        EXPECT_EQ(read(kGameSpyRogueSpear, "Cmdline"),
                  gameSpy ? "Launcher.exe --rs" : "RogueSpear.exe");
        EXPECT_EQ(read(kGameSpyUrbanOps, "Cmdline"),
                  gameSpy ? "Launcher.exe --uo" : "UrbanOperations.exe");
        for (const auto& key : {kGameSpyRogueSpear, kGameSpyUrbanOps})
            EXPECT_EQ(read(key, "WorkDir"), gameSpy ? LauncherPath("") : GamePath(""));
        const bool kali = launcherString("KaliPatched") == "True";
        EXPECT_EQ(read(kKaliEntry + "0", "GameExe"),
                  kali ? LauncherPath("Launcher.exe") : GamePath("RogueSpear.exe"));
        EXPECT_EQ(read(kKaliEntry + "1", "GameExe"), "C:\\Other\\Other.exe");
    }
};

TEST_F(LaunchTool, DetectionFillsTheCellsInOrderAndTheMarkersTickEvenDisabledBoxes) {
    struct Row {
        bool zone, mplayer, gameSpy, kali;
        const char* zoneCell;
        bool zoneEnabled;
    };
    const Row rows[] = {
        {false, false, false, false, "No / No", false},
        {false, true, true, true, "No / Yes", true},
        {true, false, false, false, "Yes / No", true},
        {true, true, true, true, "Yes / Yes", true},
    };
    for (const auto& row : rows) {
        resetAll();
        installGame(true, false, false);
        if (row.zone)
            fake.registry.setString(RootKey::LocalMachine,
                                    "Software\\Microsoft\\Internet Gaming Zone\\Setup", "Version",
                                    "3");
        if (row.mplayer)
            fake.registry.setString(RootKey::LocalMachine,
                                    "Software\\MPath\\MPlayer\\Manifest\\Game364", "Cmdline", "x");
        if (row.gameSpy)
            user(kGameSpyRogueSpear, "Cmdline", "RogueSpear.exe");
        else
            user(kGameSpyUrbanOps, "Cmdline", "UrbanOperations.exe"); // only Rogue Spear's counts
        fake.registry.setString(RootKey::CurrentUser, "Software\\Kali\\Kali95\\Misc", "Location",
                                "C:\\Kali\\");
        if (row.kali)
            fake.files.addFile("C:\\Kali\\Kali.exe");
        setLauncher("Patched", "True");
        setLauncher("GameSpyPatched", "TRUE"); // only "True" counts
        setLauncher("KaliPatched", "True");
        auto& tool = openTool();
        SCOPED_TRACE(row.zoneCell);
        EXPECT_EQ(tool.lblFoundGZ.caption, row.zoneCell);
        EXPECT_EQ(tool.chkPatchGZ.enabled, row.zoneEnabled);
        EXPECT_EQ(tool.lblFoundGS.caption, row.gameSpy ? "Yes" : "No");
        EXPECT_EQ(tool.chkPatchGS.enabled, row.gameSpy);
        EXPECT_EQ(tool.lblFoundKali.caption, row.kali ? "Yes" : "No");
        EXPECT_EQ(tool.chkPatchKali.enabled, row.kali);
        EXPECT_TRUE(tool.chkPatchGZ.checked());
        EXPECT_FALSE(tool.chkPatchGS.checked());
        EXPECT_TRUE(tool.chkPatchKali.checked());

        ASSERT_EQ(tool.lblFoundGS.popupMenu, &tool.pmDetection);
        tool.pmDetection.popup(tool.lblFoundGS);
        tool.pmDetection.items.front()->click();
        EXPECT_TRUE(tool.chkPatchGZ.enabled && tool.chkPatchGS.enabled &&
                    tool.chkPatchKali.enabled);
    }
}

TEST_F(LaunchTool, PagesAndButtonsFollowNextBackCancelAndEveryShowingStartsAfresh) {
    installServices();
    auto& main = start();
    EXPECT_TRUE(main.mnuLaunchTool.available());
    main.mnuLaunchTool.click();
    auto& tool = launcher->frmTool;
    const auto buttons = [&] {
        return std::to_string(tool.page()) + " " + tool.btnNext.caption + " back " +
               (tool.btnBack.visible ? "shown" : "hidden") + "/" +
               (tool.btnBack.enabled ? "on" : "off") + " cancel " +
               (tool.btnCancel.visible && tool.btnCancel.enabled ? "on" : "off");
    };
    EXPECT_EQ(buttons(), "1 &Next back shown/off cancel on");
    EXPECT_EQ(tool.mIntroduction.text.substr(0, 60),
              "This Wizard will allow you to use the Quarl Launcher with \r\n");
    tool.btnBack.click();
    EXPECT_EQ(buttons(), "1 &Next back shown/off cancel on");
    tool.btnNext.click();
    EXPECT_EQ(buttons(), "2 &Finish back shown/on cancel on");
    tool.btnBack.click();
    EXPECT_EQ(buttons(), "1 &Next back shown/off cancel on");
    tool.btnNext.click();
    tool.chkPatchKali.click();
    tool.btnCancel.click();
    EXPECT_FALSE(tool.visible());
    EXPECT_EQ(launcherString("KaliPatched"), "False") << "Cancel changes nothing";

    main.mnuLaunchTool.click();
    EXPECT_EQ(buttons(), "1 &Next back shown/off cancel on");
    EXPECT_FALSE(tool.chkPatchKali.checked());
    patchRun(false, false, false);
    EXPECT_EQ(buttons(), "3 &Done back hidden/off cancel off");
    EXPECT_EQ(tool.lblStatus.caption, "Done!");
    tool.btnNext.click();
    EXPECT_FALSE(tool.visible());
}

TEST_F(LaunchTool, APatchRunPatchesEachServiceAndReportsItsProgress) {
    installServices();
    auto& tool = openTool();
    std::vector<std::string> statuses;
    std::uint64_t largestCopy = 0;
    fake.messages.onPump = [&] {
        if (statuses.empty() || statuses.back() != tool.lblStatus.caption)
            statuses.push_back(tool.lblStatus.caption);
        largestCopy = std::max(largestCopy, tool.pbCopy.position);
        EXPECT_LE(tool.pbCopy.position, tool.pbCopy.max);
        EXPECT_FALSE(launcher->frmMain.enabled);
    };
    patchRun(true, true, true);
    EXPECT_TRUE(launcher->frmMain.enabled);
    EXPECT_EQ(tool.lblSettingGZ.caption, "Patch for The Zone/MPlayer: Yes");
    EXPECT_EQ(tool.lblSettingGS.caption, "Patch for GameSpy: Yes");
    EXPECT_EQ(tool.lblSettingKali.caption, "Patch for Kali: Yes");
    const std::vector<std::string> expected = {"",
                                               "Patching for The Zone/MPlayer. . .",
                                               "Patching for GameSpy. . .",
                                               "Patching for Kali. . .",
                                               "Saving Settings. . .",
                                               "Done!"};
    EXPECT_EQ(statuses, expected);
    EXPECT_EQ(largestCopy, kGames[0].content.size()) << "the largest copy is pumped per block";
    EXPECT_EQ(read(kGameSpyRogueSpear, "MRU"), "Launcher.exe\n");
    EXPECT_TRUE(tool.btnNext.enabled);
    expectMarkersMatch(false);
    EXPECT_EQ(launcherString("Patched"), "True");
    EXPECT_EQ(launcherString("GameSpyPatched"), "True");
    EXPECT_EQ(launcherString("KaliPatched"), "True");

    // Unpatching puts everything back; the backups stay.
    tool.btnNext.click();
    launcher->frmMain.mnuLaunchTool.click();
    fake.messages.onPump = nullptr;
    patchRun(false, false, false);
    EXPECT_EQ(tool.lblStatus.caption, "Done!");
    expectMarkersMatch(true);
    EXPECT_EQ(launcherString("Patched"), "False");
}

// Every step a run takes can fail: opening, creating, writing (a full disk part-way through a
// block), renaming, and every registry write. Whatever fails, no executable is torn or lost, the
// markers say what the files and entries are, the window can be closed, and "-UNINSTALL"
// restores the game.
TEST_F(LaunchTool, AFailureAtAnyStepLeavesEveryServiceWholeAndTheWindowUsable) {
    using Step = FakeFileSystem::Step;
    struct Fault {
        const char* name;
        std::function<void(int)> arm;
        std::function<int()> taken;
    };
    const auto fileStep = [this](const char* name, Step step) {
        return Fault{name, [this, step](int n) { fake.files.failStep(step, n); },
                     [this, step] { return fake.files.steps(step); }};
    };
    const Fault faults[] = {
        fileStep("open", Step::Open),
        fileStep("create", Step::Create),
        fileStep("write", Step::Write),
        fileStep("rename", Step::Rename),
        {"registry write", [this](int n) { fake.registry.failWrite(n); },
         [this] { return fake.registry.writeAttempts(); }},
    };
    for (const bool unpatching : {false, true}) {
        for (const auto& fault : faults) {
            int failures = 0;
            for (int n = 1;; ++n) {
                SCOPED_TRACE(std::string(unpatching ? "unpatching, " : "patching, ") + fault.name +
                             " " + std::to_string(n));
                resetAll();
                unpatching ? installPatched() : installServices();
                auto& tool = openTool();
                const int before = fault.taken();
                fault.arm(n);
                bool failed = false;
                try {
                    patchRun(!unpatching, !unpatching, !unpatching);
                } catch (const std::exception&) {
                    failed = true;
                }
                if (fault.taken() - before < n) {
                    EXPECT_FALSE(failed);
                    break;
                }
                ASSERT_TRUE(failed);
                ++failures;
                expectMarkersMatch(unpatching);
                EXPECT_NE(tool.lblStatus.caption.find(" failed: "), std::string::npos)
                    << tool.lblStatus.caption;
                EXPECT_EQ(tool.btnNext.caption, "&Done");
                EXPECT_TRUE(launcher->frmMain.enabled);
                tool.btnNext.click();
                EXPECT_FALSE(tool.visible());

                companions::ReverseServicePatching(fake.files, launcher->session);
                for (const auto& game : kGames)
                    EXPECT_EQ(file(GamePath(game.executable)), game.content) << game.executable;
            }
            EXPECT_GT(failures, 0) << fault.name;
        }
    }
}

TEST_F(LaunchTool, WhatCannotBePutBackStaysPatchedWithEveryBackupInPlace) {
    installServices();
    auto& tool = openTool();
    bool armed = false;
    // Once Urban Ops is replaced, its backup becomes unreadable and the next replace fails.
    fake.messages.onPump = [&] {
        if (!armed && file(GamePath("UrbanOperations.exe")) == kRedirect) {
            armed = true;
            fake.files.failReads(GamePath("UOperations.exe"));
            fake.files.failStep(FakeFileSystem::Step::Rename, 1);
        }
    };
    EXPECT_THROW(patchRun(true, false, false), platform::FileError);
    EXPECT_EQ(launcherString("Patched"), "True");
    EXPECT_EQ(launcherString("EXEName"), "RSpear.exe");
    EXPECT_EQ(launcherString("COEXEName"), "COperations.exe");
    EXPECT_EQ(file(GamePath("UrbanOperations.exe")), kRedirect);
    for (const auto& game : kGames)
        EXPECT_EQ(file(GamePath(game.backup)), game.content) << game.backup;
    EXPECT_TRUE(tool.btnNext.enabled);
}

// A game updated since the last patch is kept under an extra name before anything replaces it,
// when patching over a stale backup and when unpatching over the update.
TEST_F(LaunchTool, AnUpdatedExecutableIsKeptBeforeItIsReplaced) {
    installServices();
    fake.files.addFile(GamePath("RSpear.exe"), "old rogue spear");
    fake.files.addFile(GamePath("RogueSpear (updated).exe"), "someone else's");
    auto& tool = openTool();
    patchRun(true, false, false);
    EXPECT_EQ(tool.lblStatus.caption, "Done!");
    EXPECT_EQ(file(GamePath("RSpear.exe")), "old rogue spear") << "a backup is never overwritten";
    EXPECT_EQ(file(GamePath("RogueSpear (updated).exe")), "someone else's");
    EXPECT_EQ(file(GamePath("RogueSpear (updated 2).exe")), kGames[0].content);
    EXPECT_EQ(file(GamePath("RogueSpear.exe")), kRedirect);

    // The game's update lands over the patched executable; unpatching keeps it too.
    fake.files.addFile(GamePath("UrbanOperations.exe"), "urban ops, updated");
    tool.btnNext.click();
    launcher->frmMain.mnuLaunchTool.click();
    patchRun(false, false, false);
    EXPECT_EQ(file(GamePath("UrbanOperations (updated).exe")), "urban ops, updated");
    EXPECT_EQ(file(GamePath("UrbanOperations.exe")), kGames[1].content);
    EXPECT_FALSE(fake.files.fileExists(GamePath("RogueSpear (updated 3).exe")))
        << "the kept update is found again, not copied twice";
}

TEST_F(LaunchTool, WithoutRedirectExeTheZoneStaysUnpatchedAndTheRunSaysSo) {
    installServices();
    fake.files.deleteFile(LauncherPath("redirect.exe"));
    auto& tool = openTool();
    patchRun(true, true, false);
    ASSERT_EQ(fake.dialogs.shown().size(), 1u);
    EXPECT_EQ(fake.dialogs.shown().front().caption, "Error!");
    EXPECT_NE(fake.dialogs.shown().front().text.find(LauncherPath("redirect.exe")),
              std::string::npos);
    EXPECT_EQ(tool.lblStatus.caption, "The Zone/MPlayer was not patched: redirect.exe is missing.");
    EXPECT_TRUE(tool.btnNext.enabled);
    EXPECT_EQ(launcherString("Patched"), "False");
    EXPECT_EQ(launcherString("GameSpyPatched"), "True");
    expectMarkersMatch(false);
}

TEST_F(LaunchTool, WithoutAnInstallationPathTheLaunchersOwnFolderIsUsed) {
    installServices();
    fake.registry.deleteValue(RootKey::CurrentUser, config::kLauncherKey, "InstallationPath");
    fake.files.setProgramFolder("C:\\Program Files\\Quarl");
    fake.files.addFile("C:\\Program Files\\Quarl\\redirect.exe", kRedirect);
    openTool();
    patchRun(true, true, true);
    EXPECT_EQ(file(GamePath("RogueSpear.exe")), kRedirect);
    EXPECT_EQ(read(kGameSpyRogueSpear, "WorkDir"), "C:\\Program Files\\Quarl\\");
    EXPECT_EQ(read(kKaliEntry + "0", "GameExe"), "C:\\Program Files\\Quarl\\Launcher.exe");
}

// The window repaints while it copies, so the player's other events run meanwhile.
TEST_F(LaunchTool, WhileARunCopiesNothingClosesLaunchesOrRunsTwice) {
    installServices();
    auto& tool = openTool();
    auto& main = launcher->frmMain;
    bool tried = false;
    fake.messages.onPump = [&] {
        if (tried || tool.pbCopy.position == 0)
            return;
        tried = true;
        tool.requestClose();
        main.requestClose();
        main.mnuExit.click();
        main.btnLaunch.click();
        main.mnuLaunchTool.click();
        tool.btnNext.enabled = true;
        tool.btnNext.click();
        EXPECT_TRUE(tool.visible());
        EXPECT_FALSE(main.closed());
        EXPECT_EQ(tool.page(), 3);
    };
    const int renames = fake.files.steps(FakeFileSystem::Step::Rename);
    patchRun(true, false, false);
    EXPECT_TRUE(tried);
    EXPECT_TRUE(fake.shell.opened().empty()) << "no game started";
    EXPECT_EQ(tool.lblStatus.caption, "Done!");
    EXPECT_EQ(fake.files.steps(FakeFileSystem::Step::Rename) - renames, 6)
        << "three backups, three copies";
    main.requestClose();
    EXPECT_TRUE(main.closed()) << "the launcher closes once the run is over";
}

} // namespace
} // namespace quarl::tests
