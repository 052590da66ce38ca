#include "LauncherFixture.h"
#include "companions/Companions.h"

namespace quarl::tests {
namespace {

using platform::ShellRequest;
using platform::ShowCommand;
using platform::fake::FakeHelp;

// The commands that hand work to other programs, on an installation where every companion is
// found.
class Companions : public LauncherFixture {
protected:
    app::MainForm& startWithCompanions() {
        installGame(true, false, false);
        addMod("quarl");
        const auto folder = [this](RootKey root, const char* key, const char* value,
                                   const char* path, const char* program) {
            fake.registry.setString(root, key, value, path);
            fake.files.addFile(std::string(path) + program);
        };
        folder(RootKey::LocalMachine, "Software\\RSStats\\", "RecorderPath", "C:\\Stats",
               "\\RSStatsRecorder.exe");
        folder(RootKey::CurrentUser, "Software\\Kali\\Kali95\\Misc", "Location", "C:\\Kali\\",
               "kali.exe");
        folder(RootKey::CurrentUser, "Software\\GameSpy\\GameSpy 3D", "InstallDir", "C:\\GameSpy",
               "\\gamespy.exe");
        fake.registry.setString(RootKey::LocalMachine,
                                "Software\\Microsoft\\Windows\\CurrentVersion", "SystemRoot",
                                "C:\\Windows");
        fake.registry.setString(RootKey::LocalMachine, config::kGameKey, "Version", "2.5");
        auto& main = start();
        main.txtIPAddress.text = "127.0.0.1";
        main.txtPort.text = "2346";
        return main;
    }
    const ShellRequest& opened() const { return fake.shell.opened().back(); }
};

TEST_F(Companions, EachCommandHandsItsRequestToTheShell) {
    auto& main = startWithCompanions();
    const std::string game = kGameFolder;
    const struct {
        ui::Button& command;
        ShellRequest expected;
    } rows[] = {
        {main.tbTelnet, {"OPEN", "telnet://127.0.0.1 2346", "", "", ShowCommand::Normal}},
        {main.tbGameSpy, {"OPEN", "gamespy.exe", "", "C:\\GameSpy", ShowCommand::Normal}},
        {main.mnuKali, {"OPEN", "kali.exe", "", "C:\\Kali\\", ShowCommand::Normal}},
        {main.tbStats, {"OPEN", "RSStatsRecorder.exe", "", "C:\\Stats", ShowCommand::Normal}},
        {main.mnuBoundkeys,
         {"", "notepad.exe", "\"" + game + "\\boundkey.txt\"", "C:\\Windows", ShowCommand::Show}},
        {main.mnuKitrestrictions,
         {"", "notepad.exe", "\"" + game + "\\kitrestrictions.txt\"", "C:\\Windows",
          ShowCommand::Show}},
        {main.mnuWebTamsel,
         {"OPEN", std::string(companions::kTamselHomePage), "", "", ShowCommand::Normal}},
        // A mod named "Quarl" in any case says so; a missing version is inserted empty.
        {main.mnuCheckUpdates,
         {"OPEN",
          std::string(companions::kUpdateCheckPage) +
              "?version=2.10&build=8&rsversion=2.5&uoversion=&coversion=&runningquarl=Yes",
          "", "", ShowCommand::Normal}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.command.name);
        ASSERT_TRUE(row.command.available());
        row.command.click();
        EXPECT_EQ(opened(), row.expected);
    }
}

// The versions are percent-encoded, so that none can add or end a field; "2.5" reads the same.
TEST_F(Companions, UpdateQueryEncodesTheVersionsAndTellsAQuarlModApart) {
    auto& main = startWithCompanions();
    fake.registry.setString(RootKey::LocalMachine, config::kGameKey, "VersionUO",
                            "1.0 b&coversion=9#\xC3\xA9/%");
    const std::string expected = std::string(companions::kUpdateCheckPage) +
                                 "?version=2.10&build=8&rsversion=2.5"
                                 "&uoversion=1.0%20b%26coversion%3D9%23%C3%A9%2F%25&coversion=";
    main.mnuCheckUpdates.click();
    EXPECT_EQ(opened().file, expected + "&runningquarl=Yes");
    main.ListBox1.clear();
    for (const char* mod : {"Quarl2", "quar"})
        main.ListBox1.add(mod);
    main.mnuCheckUpdates.click();
    EXPECT_EQ(opened().file, expected + "&runningquarl=No");
}

TEST_F(Companions, TelnetRunsAChosenProgramAndBoundkeysPrefersMpKeys) {
    auto& main = startWithCompanions();
    setLauncher("Telnet", "default"); // only "DEFAULT" exactly means the system's handler
    main.mnuTelnet.click();
    EXPECT_EQ(opened(),
              (ShellRequest{"OPEN", "default", " 127.0.0.1 2346", "", ShowCommand::Normal}));
    fake.registry.setString(RootKey::LocalMachine, "Software\\MP-Keys", "ProgramPath",
                            "C:\\MP-Keys");
    fake.files.addFile("C:\\MP-Keys\\MP-Keys.exe");
    main.mnuBoundkeys.click();
    EXPECT_EQ(opened(),
              (ShellRequest{"OPEN", "MP-Keys.exe", "", "C:\\MP-Keys", ShowCommand::Normal}));
}

TEST_F(Companions, HelpCommandsReachTheHelpService) {
    auto& main = startWithCompanions();
    for (auto* command :
         {&main.tbHelp, &main.mnuKeywordSearch, &main.mnuHelpIntroduction, &main.mnuHelpZone,
          &main.mnuHelpGameSpy, &main.mnuHelpMPlayer, &main.mnuHelpKali})
        command->click();
    const auto& file = launcher->application.helpFile;
    EXPECT_EQ(fake.help.calls(),
              (std::vector<FakeHelp::Call>{{FakeHelp::Kind::Contents, file, 0},
                                           {FakeHelp::Kind::Keyword, file, 0},
                                           {FakeHelp::Kind::Topic, file, 6000},
                                           {FakeHelp::Kind::Topic, file, 6010},
                                           {FakeHelp::Kind::Topic, file, 6020},
                                           {FakeHelp::Kind::Topic, file, 6030},
                                           {FakeHelp::Kind::Topic, file, 6040}}));
}

} // namespace
} // namespace quarl::tests
