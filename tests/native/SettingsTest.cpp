#include "LauncherFixture.h"
#include "settings/SettingsHelp.h"

#include <functional>
#include <set>

namespace quarl::tests {
namespace {

using platform::MessageBoxRequest;
using platform::OpenFileOutcome;
using platform::RegistryValue;
using settings::Encoding;
using settings::kGameSettings;
using settings::SettingsForm;
using Kind = RegistryValue::Kind;

RegistryValue Text(std::string text) {
    return RegistryValue::String(std::move(text));
}
RegistryValue Number(std::uint32_t number) {
    return RegistryValue::Dword(number);
}

// What a control shows, as one text: a check box "checked" or "unchecked", a track bar its
// position, a radio group its chosen item, an edit box or a drop-down list its text.
std::string Shown(const ui::Control& control) {
    if (const auto* box = dynamic_cast<const ui::CheckBox*>(&control))
        return box->checked() ? "checked" : "unchecked";
    if (const auto* bar = dynamic_cast<const ui::TrackBar*>(&control))
        return std::to_string(bar->position());
    if (const auto* group = dynamic_cast<const ui::RadioGroupBox*>(&control))
        return group->itemIndex() < 0 ? ""
                                      : group->items[static_cast<std::size_t>(group->itemIndex())];
    if (const auto* edit = dynamic_cast<const ui::Edit*>(&control))
        return edit->text;
    return dynamic_cast<const ui::ComboBox&>(control).text;
}

class Settings : public LauncherFixture {
protected:
    void setGame(std::string_view name, const RegistryValue& value) {
        if (value.kind == Kind::String)
            fake.registry.setString(RootKey::LocalMachine, config::kGameKey, name, value.text);
        else
            fake.registry.setDword(RootKey::LocalMachine, config::kGameKey, name, value.number);
    }
    std::optional<RegistryValue> game(std::string_view name) const {
        return fake.registry.readValue(RootKey::LocalMachine, config::kGameKey, name);
    }
    // Starts the launcher and opens the settings window from the main menu.
    SettingsForm& open() {
        start().mnuSettings.click();
        return launcher->frmSettings;
    }
    ui::Control& control(std::string_view name) {
        auto* found = launcher->frmSettings.findControl(name);
        EXPECT_NE(found, nullptr) << name;
        return *found;
    }
    std::vector<std::string> messages() const {
        std::vector<std::string> texts;
        for (const auto& box : fake.dialogs.shown())
            if (box.caption != "Error!") // the start-up's "Rogue Spear was not found!"
                texts.push_back(box.text);
        return texts;
    }
};

// Each encoding and conversion: the stored value, what the control shows after loading, and
// what a plain OK leaves stored.
TEST_F(Settings, EachEncodingLoadsAndSavesAsItsRowSays) {
    struct Case {
        const char* value;
        std::optional<RegistryValue> stored;
        const char* shown;
        std::optional<RegistryValue> saved;
    };
    const Case cases[] = {
        {"GoreOn", Text("TRUE"), "checked", Text("TRUE")},
        {"GoreOn", Text("true"), "unchecked", Text("FALSE")},
        {"GoreOn", Text(" TRUE"), "unchecked", Text("FALSE")},
        {"GoreOn", Text(""), "unchecked", Text("FALSE")},
        {"GoreOn", std::nullopt, "unchecked", Text("FALSE")},
        {"MultiplayerPlayerName", Text(" Ding "), " Ding ", Text(" Ding ")},
        {"MultiplayerClanName", std::nullopt, "", Text("")},
        {"MultiplayerManualJoinPort", Text("2346"), "2346", Text("2346")},
        {"MultiplayerGameJoinPort", Number(2346), "2346", Number(2346)},
        {"MultiplayerGameInfoPort", Number(0xFFFFFFFF), "-1", Number(0xFFFFFFFF)},
        {"MultiplayerGameAnnouncePort", std::nullopt, "", std::nullopt},
        {"MasterSoundVolume", std::nullopt, "0", Text("0.000000")},
        {"MasterSoundVolume", Text("40.000000"), "8", Text("40.000000")},
        {"MasterSoundVolume", Text("47.000000"), "9", Text("45.000000")},
        {"MasterSoundVolume", Text("100.000000"), "20", Text("100.000000")},
        {"MasterSoundVolume", Text("150.000000"), "20", Text("100.000000")},
        {"MasterSoundVolume", Text("9999999999999999999999999.000000"), "20", Text("100.000000")},
        {"MasterSoundVolume", Text("-5.000000"), "0", Text("0.000000")},
        {"MasterSoundVolume", Text("abc"), "0", Text("0.000000")},
        {"ActionMusicVolume", Text("  10.000000"), "2", Text("10.000000")},
        {"VideoResolution", Text("800x600"), "800x600", Text("800x600")},
        {"VideoResolution", Text("1366x768"), "1366x768", Text("1366x768")},
        {"VideoResolution", std::nullopt, "", std::nullopt},
        {"MultiplayerGender", std::nullopt, "Female", Number(1)},
        {"MultiplayerGender", Number(0), "Male", Number(0)},
        {"MultiplayerGender", Number(7), "Female", Number(1)},
        {"MultiplayerConnectionType", std::nullopt, "Lan", Number(1)},
        {"MultiplayerConnectionType", Number(0), "Internet", Number(0)},
        {"UseForceFeedbackMouse", Text("TRUE"), "Mouse", Text("TRUE")},
        {"UseForceFeedbackMouse", std::nullopt, "Joystick", Text("FALSE")},
        {"PreferredRateOfFire", Number(0), "Full Auto", Number(0)},
        {"PreferredRateOfFire", Number(3), "Safety", Number(3)},
        {"PreferredRateOfFire", Number(4), "", Number(4)},
        {"PreferredRateOfFire", std::nullopt, "", std::nullopt},
        {"PreferredMapZoom", Text("10.000000"), "Normal", Text("10.000000")},
        {"PreferredMapZoom", Text("10.0"), "", Text("10.0")},
        {"PreferredMapZoom", Text("10.000000 "), "", Text("10.000000 ")},
    };
    for (const auto& [value, stored, shown, saved] : cases) {
        SCOPED_TRACE(std::string(value) + " " + (stored ? stored->text : "missing"));
        resetAll();
        installGame(true, true, true);
        if (stored)
            setGame(value, *stored);
        auto& form = open();
        EXPECT_EQ(Shown(control(settings::FindGameSetting(value)->control)), shown);
        EXPECT_FALSE(form.btnSave.enabled);
        form.btnOk.click();
        EXPECT_FALSE(form.visible());
        EXPECT_EQ(game(value), saved);
    }
}

TEST_F(Settings, APortIsWrittenOnlyWhenItsTextIsAWholeInteger) {
    const std::pair<const char*, std::uint32_t> cases[] = {
        {"", 2346},
        {"27a", 2346},
        {" 12", 2346},
        {"4294967295", 2346},
        {"12", 12},
        {"-1", 0xFFFFFFFF},
        {"2147483647", 2147483647},
    };
    for (const auto& [typed, stored] : cases) {
        SCOPED_TRACE(typed);
        resetAll();
        installGame(true, false, false);
        setGame("MultiplayerGameJoinPort", Number(2346));
        auto& form = open();
        form.txtMultiplayerGameJoinPort.setText(typed);
        form.btnOk.click();
        EXPECT_EQ(game("MultiplayerGameJoinPort"), Number(stored));
    }
}

// A save writes every row with its type, the nine Urban Ops values only when Urban Ops or
// Covert Ops was found, and nothing else.
TEST_F(Settings, ASaveWritesExactlyTheNamesAndTypesOfTheTable) {
    struct Installation {
        bool rogueSpear, urbanOps, covertOps;
    };
    for (const auto [rogueSpear, urbanOps, covertOps] :
         {Installation{true, false, false}, Installation{true, true, false},
          Installation{false, false, true}}) {
        SCOPED_TRACE(std::to_string(rogueSpear) + std::to_string(urbanOps) +
                     std::to_string(covertOps));
        resetAll();
        installGame(rogueSpear, urbanOps, covertOps);
        auto& form = open();
        // The rows that write nothing while empty or unchosen, given something to write.
        for (auto* port : {&form.txtMultiplayerGameJoinPort, &form.txtMultiplayerGameInfoPort,
                           &form.txtMultiplayerGameAnnouncePort})
            port->setText("2346");
        form.cbVideoResolution.choose(6);
        form.cbROF.choose(0);
        form.cbMapZoom.choose(0);
        form.btnOk.click();

        std::map<std::string, Kind> expected{{"InstallationPath", Kind::String},
                                             {"ModsPath", Kind::String}};
        for (const auto& setting : kGameSettings)
            if (!setting.urbanOpsOnly() || urbanOps || covertOps)
                expected[std::string(setting.value)] =
                    settings::CallsOf(setting.encoding).write == settings::WriteCall::WriteRegString
                        ? Kind::String
                        : Kind::Dword;
        std::map<std::string, Kind> written;
        for (const auto& [name, value] :
             fake.registry.values(RootKey::LocalMachine, config::kGameKey))
            written[name] = value.kind;
        EXPECT_EQ(written, expected);
    }
}

TEST_F(Settings, LoadThenSaveLeavesACanonicalKeyAsItWas) {
    installGame(true, true, true);
    for (std::size_t row = 0; row < kGameSettings.size(); ++row) {
        const auto& setting = kGameSettings[row];
        const auto canonical = [&]() -> RegistryValue {
            switch (setting.encoding) {
            case Encoding::TextBoolean: return Text(row % 2 ? "TRUE" : "FALSE");
            case Encoding::Text: return Text("Text " + std::to_string(row));
            case Encoding::IntegerFromText: return Number(2346 + static_cast<unsigned>(row));
            case Encoding::VolumeText: return Text(std::to_string(5 * (row % 21)) + ".000000");
            case Encoding::VideoResolution: return Text("1024x768");
            case Encoding::ZeroOrOne: return Number(row % 2);
            case Encoding::ForceFeedback: return Text("TRUE");
            case Encoding::RateOfFire: return Number(2);
            case Encoding::MapZoom: return Text("2.500000");
            }
            return {};
        }();
        setGame(setting.value, canonical);
    }
    setLauncher("Telnet", "C:\\Tools\\telnet.exe");
    setLauncher("DisableMouse", "FALSE");
    setLauncher("HideCOE", "FALSE");
    setLauncher("DisablePing", "TRUE");
    setLauncher("CloseAddressBook", "TRUE");
    for (std::uint32_t button = 0; button < 5; ++button)
        setLauncherDword(settings::kButtonAssignments[button], 40 - button);
    setLauncherDword("CheckMouseConfig", 1);
    setLauncherDword("Wizard", 0);
    setLauncherDword("CloseOnLaunch", 0);
    start();
    const auto gameBefore = fake.registry.values(RootKey::LocalMachine, config::kGameKey);
    const auto launcherBefore = fake.registry.values(RootKey::CurrentUser, config::kLauncherKey);
    const int writes = fake.registry.writeCount();
    launcher->frmMain.mnuSettings.click();
    launcher->frmSettings.btnOk.click();
    EXPECT_EQ(fake.registry.writeCount(), writes + 13 + static_cast<int>(kGameSettings.size()));
    EXPECT_EQ(fake.registry.values(RootKey::LocalMachine, config::kGameKey), gameBefore);
    EXPECT_EQ(fake.registry.values(RootKey::CurrentUser, config::kLauncherKey), launcherBefore);
    EXPECT_TRUE(messages().empty());
}

// A value of another type is reported, shows as missing, and the rest still loads; a save
// leaves it as it is until the player sets its control.
TEST_F(Settings, AValueOfTheWrongTypeDoesNotEndTheLoadAndIsNotOverwritten) {
    installGame(true, true, true);
    setLauncher("L_BtnAssignment", "Middle");
    setGame("GoreOn", Number(1));
    setGame("VideoResolution", Number(5));
    setGame("MultiplayerPlayerName", Text("Ding"));
    auto& form = open();
    EXPECT_EQ(messages(), (std::vector<std::string>{"Invalid data type for 'L_BtnAssignment'",
                                                    "Invalid data type for 'GoreOn'",
                                                    "Invalid data type for 'VideoResolution'"}));
    EXPECT_EQ(fake.dialogs.shown().back().icon, platform::MessageIcon::Error);
    EXPECT_EQ(form.Button1.text, "Click (Default)");
    EXPECT_FALSE(form.chkGore.checked());
    EXPECT_EQ(form.txtPlayerName.text, "Ding");
    EXPECT_FALSE(form.btnSave.enabled);
    form.btnOk.click();
    EXPECT_EQ(launcherValue("L_BtnAssignment"), Text("Middle"));
    EXPECT_EQ(game("GoreOn"), Number(1));
    EXPECT_EQ(game("VideoResolution"), Number(5));
    EXPECT_EQ(game("PlayIntroMovie"), Text("FALSE"));

    launcher->frmMain.mnuSettings.click();
    form.chkGore.click();
    form.Button1.choose(5);
    form.btnOk.click();
    EXPECT_EQ(game("GoreOn"), Text("TRUE"));
    EXPECT_EQ(launcherValue("L_BtnAssignment"), Number(5));
    EXPECT_EQ(game("VideoResolution"), Number(5));
}

// A write that fails stops the save there; the window stays open and dirty.
TEST_F(Settings, AFailedWriteIsReportedAndStopsTheSave) {
    struct Case {
        RootKey root;
        std::string_view key;
        const char* message;
        bool launcherWritten;
    };
    for (const auto& [root, key, message, launcherWritten] :
         {Case{RootKey::LocalMachine, config::kGameKey, "Failed to set data for 'PlayIntroMovie'",
               true},
          Case{RootKey::CurrentUser, config::kLauncherKey, "Failed to set data for 'DisableMouse'",
               false}}) {
        SCOPED_TRACE(message);
        for (const bool ok : {true, false}) {
            resetAll();
            installGame(true, false, false);
            auto& form = open();
            form.chkGore.click();
            fake.registry.denyWrites(root, key);
            (ok ? form.btnOk : form.btnSave).click();
            EXPECT_EQ(messages(), std::vector<std::string>{message});
            EXPECT_TRUE(form.visible());
            EXPECT_TRUE(form.btnSave.enabled);
            EXPECT_FALSE(launcher->frmMain.visible());
            EXPECT_FALSE(launcher->frmMain.enabled);
            EXPECT_EQ(launcherValue("CloseOnLaunch").has_value(), launcherWritten);
            EXPECT_FALSE(game("GoreOn"));
        }
    }
}

// With no game found, nothing of the game is read or written, not even at the root of the
// machine's keys that the empty game key path addresses.
TEST_F(Settings, WithoutAGameKeyNoGameValueIsReadOrWritten) {
    fake.registry.setString(RootKey::LocalMachine, "", "GoreOn", "TRUE");
    fake.registry.setString(RootKey::LocalMachine, "", "Version", "1.0");
    auto& main = start();
    EXPECT_FALSE(main.mnuSettings.available());
    EXPECT_FALSE(main.btnSettings.available());
    auto& form = launcher->frmSettings;
    form.show();
    EXPECT_FALSE(form.chkGore.checked());
    EXPECT_EQ(form.lblRSver.caption, "Rogue Spear Not Found");
    form.btnOkClick();
    EXPECT_EQ(fake.registry.values(RootKey::LocalMachine, "").size(), 2u);
    EXPECT_EQ(launcherString("DisableMouse"), "TRUE");
}

TEST_F(Settings, TheMainWindowOpensItUnderTheAvailabilityRule) {
    for (const bool rogueSpear : {true, false}) {
        resetAll();
        installGame(rogueSpear, false, !rogueSpear);
        auto& form = open();
        EXPECT_TRUE(form.visible());
        EXPECT_FALSE(launcher->frmMain.visible());
        EXPECT_FALSE(launcher->frmMain.enabled);
    }
    launcher->frmSettings.btnCancel.click();
    launcher->frmMain.btnSettings.click();
    EXPECT_TRUE(launcher->frmSettings.visible());
}

TEST_F(Settings, EveryWayOfClosingBringsTheMainWindowBack) {
    installGame(true, false, false);
    const std::function<void(SettingsForm&)> closes[] = {
        [](SettingsForm& form) { form.btnOk.click(); },
        [](SettingsForm& form) { form.btnCancel.click(); },
        [](SettingsForm& form) { form.requestClose(); },
    };
    auto& form = open();
    for (const auto& close : closes) {
        close(form);
        EXPECT_FALSE(form.visible());
        EXPECT_TRUE(launcher->frmMain.visible());
        EXPECT_TRUE(launcher->frmMain.enabled);
        launcher->frmMain.mnuSettings.click();
    }
}

TEST_F(Settings, CancelDiscardsAndTheLastPageStaysSelected) {
    installGame(true, false, false);
    auto& form = open();
    EXPECT_EQ(form.PageControl1.activePage(), &form.tsLauncher);
    form.PageControl1.setActivePage(4);
    form.chkGore.click();
    form.btnCancel.click();
    EXPECT_FALSE(game("GoreOn"));
    launcher->frmMain.mnuSettings.click();
    EXPECT_FALSE(form.chkGore.checked());
    EXPECT_EQ(form.PageControl1.activePage(), &form.tsGraphics);
}

TEST_F(Settings, OkRestoresTheLastModSoThatAChangedHideCoeShows) {
    installGame(true, true, true);
    addMod("Covert Operations");
    addMod("SWAT");
    setLauncherDword("GameType", 2);
    setLauncher("UseMod", "TRUE");
    auto& form = open();
    ASSERT_TRUE(form.chkHideCO.checked());
    EXPECT_EQ(launcher->frmMain.ListBox1.items(), std::vector<std::string>{"SWAT"});
    form.chkHideCO.click();
    form.btnOk.click();
    EXPECT_EQ(launcher->frmMain.ListBox1.items(),
              (std::vector<std::string>{"Covert Operations", "SWAT"}));
}

TEST_F(Settings, FirstOpeningWithAnEmptyLauncherKey) {
    installGame(true, false, false);
    auto& form = open();
    EXPECT_TRUE(form.rbDefault.selected());
    EXPECT_EQ(form.Button1.text, "Click (Default)");
    EXPECT_EQ(form.Button2.text, "Right Click (Default)");
    EXPECT_EQ(form.Button3.text, "Auto Scroll (Default)");
    EXPECT_EQ(form.Button4.text, "Back (Default)");
    EXPECT_EQ(form.Button5.text, "Forward (Default)");
    EXPECT_TRUE(form.chkHideCO.checked());
    EXPECT_EQ(launcherString("HideCOE"), "TRUE");
    // A missing "DisableMouse" means no swap, which the box shows checked.
    EXPECT_TRUE(form.chkDisableMouse.checked());
    for (const auto* box : {&form.chkDisablePing, &form.chkCloseAB, &form.chkUseWiz,
                            &form.chkMouseCheck, &form.chkClose})
        EXPECT_FALSE(box->checked()) << box->name;
    EXPECT_FALSE(form.btnSave.enabled);
    EXPECT_TRUE(messages().empty());
}

TEST_F(Settings, DiableMouseCodeIsCheckedUnlessTheValueIsExactlyFalse) {
    const std::pair<std::optional<const char*>, bool> cases[] = {
        {std::nullopt, true}, {"FALSE", false}, {"TRUE", true}, {"false", true}, {"", true}};
    for (const auto& [stored, checked] : cases) {
        SCOPED_TRACE(stored.value_or("missing"));
        resetAll();
        installGame(true, false, false);
        if (stored)
            setLauncher("DisableMouse", *stored);
        auto& form = open();
        EXPECT_EQ(form.chkDisableMouse.checked(), checked);
        form.btnOk.click();
        EXPECT_EQ(launcherString("DisableMouse"), checked ? "TRUE" : "FALSE");
    }
}

TEST_F(Settings, CloseOnLaunchLocksBothMouseOptions) {
    installGame(true, false, false);
    setLauncher("DisableMouse", "FALSE");
    auto& form = open();
    ASSERT_FALSE(form.chkDisableMouse.checked());
    form.chkClose.click();
    EXPECT_TRUE(form.chkDisableMouse.checked());
    EXPECT_TRUE(form.chkMouseCheck.checked());
    EXPECT_FALSE(form.chkDisableMouse.enabled);
    EXPECT_FALSE(form.chkMouseCheck.enabled);
    form.chkClose.click();
    EXPECT_TRUE(form.chkDisableMouse.enabled);
    EXPECT_TRUE(form.chkMouseCheck.enabled);
    EXPECT_TRUE(form.chkDisableMouse.checked());
    EXPECT_TRUE(form.chkMouseCheck.checked());
    form.chkDisableMouse.click();
    form.chkDisableMouse.click();
    EXPECT_FALSE(form.chkMouseCheck.enabled);

    // Loaded the same way: the lock follows the stored "CloseOnLaunch".
    form.btnCancel.click();
    setLauncherDword("CloseOnLaunch", 1);
    launcher->frmMain.mnuSettings.click();
    EXPECT_FALSE(form.chkDisableMouse.enabled);
    EXPECT_FALSE(form.btnSave.enabled);
}

TEST_F(Settings, TheMouseButtonMessagesWarnButNeverBlock) {
    constexpr auto kShared = "No two buttons can share the same function.";
    constexpr auto kNoClick = "At least one button MUST be assigned to the \"Click\" function.";
    struct Case {
        std::size_t button;
        int item;
        std::vector<std::string> messages;
    };
    for (const auto& [button, item, expected] :
         {Case{2, 0, {kShared}}, Case{0, 1, {kShared, kNoClick}}, Case{4, 44, {}}}) {
        SCOPED_TRACE(button);
        resetAll();
        installGame(true, false, false);
        auto& form = open();
        std::array<ui::ComboBox*, 5> lists{&form.Button1, &form.Button2, &form.Button3,
                                           &form.Button4, &form.Button5};
        lists[button]->choose(item);
        EXPECT_EQ(messages(), expected);
        for (const auto& box : fake.dialogs.shown())
            EXPECT_EQ(box.caption, "Mouse Button Error!");
        EXPECT_TRUE(form.btnSave.enabled);
        form.btnOk.click();
        EXPECT_EQ(launcherValue(settings::kButtonAssignments[button]),
                  Number(static_cast<std::uint32_t>(item)));
    }
}

TEST_F(Settings, TheTelnetChoice) {
    const std::string kStored = "C:\\Tools\\telnet.exe";
    const std::string kOther = "C:\\Other\\tn.exe";
    struct Case {
        const char* name;
        std::optional<std::string> stored;
        std::vector<platform::OpenFileResult> answers;
        std::vector<std::string> startNames; // the names the chooser started with
        std::string written;
    };
    const Case cases[] = {
        {"cancelled from DEFAULT", std::nullopt, {}, {""}, "DEFAULT"},
        {"cancelled keeps the program", kStored, {}, {kStored}, kStored},
        {"chosen", kStored, {{OpenFileOutcome::Chosen, kOther}}, {kStored}, kOther},
        {"a refused name opens it empty",
         kStored,
         {{OpenFileOutcome::NameRefused, {}}, {OpenFileOutcome::Chosen, kOther}},
         {kStored, ""},
         kOther},
    };
    for (const auto& [name, stored, answers, startNames, written] : cases) {
        SCOPED_TRACE(name);
        resetAll();
        installGame(true, false, false);
        if (stored)
            setLauncher("Telnet", *stored);
        for (const auto& answer : answers)
            fake.dialogs.answerNextFile(answer);
        auto& form = open();
        // Loading shows the choice without asking for a program.
        EXPECT_EQ(form.rbCustom.selected(), stored.has_value());
        EXPECT_TRUE(fake.dialogs.fileRequests().empty());
        form.rbDefault.click();
        form.rbCustom.click();
        std::vector<std::string> started;
        for (const auto& request : fake.dialogs.fileRequests()) {
            EXPECT_EQ(request.filter, "Programs|*.exe; *.com; *.bat");
            EXPECT_EQ(request.defaultExtension, "exe");
            started.push_back(request.fileName);
        }
        EXPECT_EQ(started, startNames);
        EXPECT_TRUE(form.btnSave.enabled);
        form.btnOk.click();
        EXPECT_EQ(launcherString("Telnet"), written);
    }
}

TEST_F(Settings, ConfigureChoosesAgainOnlyWhileCustomIsSelected) {
    installGame(true, false, false);
    setLauncher("Telnet", "C:\\Tools\\telnet.exe");
    auto& form = open();
    form.pmTelnet.popup(form.rbCustom);
    ASSERT_TRUE(form.Configure1.available());
    fake.dialogs.answerNextFile({OpenFileOutcome::Chosen, "C:\\Other\\tn.exe"});
    form.Configure1.click();
    EXPECT_EQ(form.TelnetProgram, "C:\\Other\\tn.exe");
    form.rbDefault.click();
    form.pmTelnet.popup(form.rbCustom);
    EXPECT_FALSE(form.Configure1.available());
}

TEST_F(Settings, DisablePingStopsThePingAtOnceAndUncheckingRestartsAJoin) {
    installGame(true, false, false);
    setLauncher("UseNetwork", "TRUE");
    auto& form = open();
    auto& timer = launcher->frmMain.PingTimer;
    ASSERT_TRUE(timer.enabled);
    form.chkDisablePing.click();
    form.btnSave.click();
    EXPECT_FALSE(timer.enabled);
    EXPECT_TRUE(launcher->session.PingDisabled);
    EXPECT_EQ(launcherString("DisablePing"), "TRUE");
    form.chkDisablePing.click();
    form.btnSave.click();
    EXPECT_TRUE(timer.enabled);
    EXPECT_FALSE(launcher->session.PingDisabled);

    launcher->frmMain.rbHost.select();
    form.chkDisablePing.click();
    form.btnSave.click();
    form.chkDisablePing.click();
    form.btnSave.click();
    EXPECT_FALSE(timer.enabled) << "Host selected: no ping";
}

TEST_F(Settings, WithoutUrbanOpsAndCovertOpsItsPageIsDisabledAndSilver) {
    installGame(true, false, false);
    setGame("DisplayTime", Text("TRUE"));
    auto& form = open();
    EXPECT_FALSE(form.tsUrbanOps.enabled);
    EXPECT_FALSE(form.chkDisplayTime.checked());
    for (const auto* name : {"txtUOServerName", "txtUOMOTD", "cbROF", "cbMapZoom", "chkDisplayTime",
                             "chkReticuleKnock", "chkThirdPerson", "gbFFB", "chkCoverWindow"})
        EXPECT_FALSE(control(name).enabled) << name;
    EXPECT_EQ(form.txtUOServerName.color, ui::kSilver);
    EXPECT_EQ(form.txtUOMOTD.color, ui::kSilver);
    EXPECT_EQ(form.cbROF.color, ui::kSilver);
    EXPECT_EQ(form.cbMapZoom.color, ui::kSilver);
    // The player may still look at the page.
    form.PageControl1.setActivePage(7);
    EXPECT_EQ(form.PageControl1.activePage(), &form.tsUrbanOps);
}

TEST_F(Settings, TheVersionsBox) {
    struct Case {
        bool urbanOps, covertOps;
        std::array<const char*, 3> labels;
    };
    for (const auto& [urbanOps, covertOps, labels] :
         {Case{true, true, {"Rogue Spear: 3.0", "Urban Ops: Unknown", "Covert Ops: 1.1"}},
          Case{false, true, {"Rogue Spear: 3.0", "Urban Ops Not Found", "Covert Ops: 1.1"}}}) {
        resetAll();
        installGame(true, urbanOps, covertOps);
        setGame("Version", Text("3.0"));
        setGame("VersionUO", Text(urbanOps ? "" : "2.0"));
        setGame("VersionCO", Text("1.1"));
        auto& form = open();
        EXPECT_EQ(form.lblRSver.caption, labels[0]);
        EXPECT_EQ(form.lblUOver.caption, labels[1]);
        EXPECT_EQ(form.lblCOver.caption, labels[2]);
        // Filled once, at program start.
        setGame("Version", Text("4.0"));
        form.btnCancel.click();
        launcher->frmMain.mnuSettings.click();
        EXPECT_EQ(form.lblRSver.caption, labels[0]);
    }
}

TEST_F(Settings, AChangeFromAnyKindOfControlEnablesApply) {
    const std::pair<const char*, std::function<void(SettingsForm&)>> changes[] = {
        {"check box", [](SettingsForm& f) { f.chkGore.click(); }},
        {"launcher check box", [](SettingsForm& f) { f.chkUseWiz.click(); }},
        {"radio button", [](SettingsForm& f) { f.rbCustom.click(); }},
        {"radio group", [](SettingsForm& f) { f.rgGender.click(0); }},
        {"track bar", [](SettingsForm& f) { f.UISoundVolume.setPosition(3); }},
        {"typing", [](SettingsForm& f) { f.txtClanName.setText("Q"); }},
        {"list", [](SettingsForm& f) { f.cbMapZoom.choose(1); }},
        {"typing into a list", [](SettingsForm& f) { f.cbVideoResolution.type("800x6"); }},
        {"mouse button", [](SettingsForm& f) { f.Button5.choose(40); }},
    };
    installGame(true, false, true);
    auto& form = open();
    for (const auto& [kind, change] : changes) {
        SCOPED_TRACE(kind);
        form.btnSave.click();
        ASSERT_FALSE(form.btnSave.enabled);
        change(form);
        EXPECT_TRUE(form.btnSave.enabled);
    }
}

TEST_F(Settings, AnEmptiedResolutionBoxLeavesTheStoredResolution) {
    installGame(true, false, false);
    setGame("VideoResolution", Text("1366x768"));
    auto& form = open();
    form.cbVideoResolution.type("");
    form.btnOk.click();
    EXPECT_EQ(game("VideoResolution"), Text("1366x768"));
}

// Every help number of the window reaches the help service: F1 on the pages and the controls
// that have a topic, "What's This?" on every control that offers it.
TEST_F(Settings, EveryHelpContextReachesTheHelpService) {
    installGame(true, true, true);
    setLauncher("InstallationPath", "C:\\Quarl");
    auto& form = open();
    std::vector<ui::Control*> controls;
    for (auto* page : form.PageControl1.pages) {
        controls.push_back(page);
        controls.insert(controls.end(), page->controls.begin(), page->controls.end());
    }
    std::set<int> topics;
    std::set<int> popups;
    for (int page = 0; page < 8; ++page) {
        form.PageControl1.setActivePage(page);
        form.showHelp(nullptr);
    }
    for (auto* control : controls) {
        form.showHelp(control);
        if (!control->popupMenu)
            continue;
        control->popupMenu->popup(*control);
        for (auto* item : control->popupMenu->items)
            if (item && item->caption == "What's This?")
                item->click();
    }
    for (const auto& call : fake.help.calls()) {
        EXPECT_EQ(call.helpFile, "C:\\Quarl\\launcher.hlp");
        (call.kind == platform::fake::FakeHelp::Kind::Topic ? topics : popups).insert(call.context);
    }
    EXPECT_EQ(topics, (std::set<int>{300, 303, 304, 3200, 3300, 3400, 3500, 3011, 3012, 3040, 3041,
                                     3042, 3043, 3044, 3045, 3046, 3047}));
    std::set<int> expected;
    for (const auto& [first, last] :
         {std::pair{3011, 3019}, std::pair{3040, 3047}, std::pair{3050, 3058},
          std::pair{3060, 3073}, std::pair{3080, 3087}, std::pair{3090, 3099},
          std::pair{4000, 4002}, std::pair{4010, 4015}})
        for (int context = first; context <= last; ++context)
            expected.insert(context);
    EXPECT_EQ(popups, expected);
    for (const int context : expected)
        EXPECT_FALSE(settings::PopupText(context).empty()) << context;
    // Edit boxes, track bars and lists have none.
    EXPECT_EQ(form.txtPlayerName.popupMenu, nullptr);
    EXPECT_EQ(form.MasterSoundVolume.popupMenu, nullptr);
    EXPECT_EQ(form.cbROF.popupMenu, nullptr);
    EXPECT_EQ(form.rbCustom.popupMenu, &form.pmTelnet);
}

// The table against the window: every row's control is on the row's page and of the kind its
// encoding shows; the save order holds every row once.
TEST(SettingsTable, RowsMatchTheWindowAndTheSaveOrder) {
    platform::fake::FakePlatform fake;
    auto services = fake.platform();
    config::Session session(fake.registry);
    ui::Application application;
    SettingsForm form(services, session, application);
    const settings::Page pages[] = {settings::Page::Launcher, settings::Page::Mouse,
                                    settings::Page::General,  settings::Page::Sound,
                                    settings::Page::Graphics, settings::Page::MPGame,
                                    settings::Page::MPServer, settings::Page::UrbanOps};
    std::multiset<std::string_view> rows;
    for (const auto& setting : kGameSettings) {
        SCOPED_TRACE(setting.value);
        rows.insert(setting.value);
        const auto* control = form.findControl(setting.control);
        ASSERT_NE(control, nullptr);
        const auto* page = form.PageControl1.pages[static_cast<std::size_t>(
            std::find(std::begin(pages), std::end(pages), setting.page) - std::begin(pages))];
        EXPECT_NE(std::find(page->controls.begin(), page->controls.end(), control),
                  page->controls.end());
        switch (setting.encoding) {
        case Encoding::TextBoolean: EXPECT_TRUE(dynamic_cast<const ui::CheckBox*>(control)); break;
        case Encoding::Text:
        case Encoding::IntegerFromText: EXPECT_TRUE(dynamic_cast<const ui::Edit*>(control)); break;
        case Encoding::VolumeText: EXPECT_TRUE(dynamic_cast<const ui::TrackBar*>(control)); break;
        case Encoding::ZeroOrOne:
        case Encoding::ForceFeedback:
            EXPECT_TRUE(dynamic_cast<const ui::RadioGroupBox*>(control));
            break;
        case Encoding::VideoResolution:
        case Encoding::RateOfFire:
        case Encoding::MapZoom: EXPECT_TRUE(dynamic_cast<const ui::ComboBox*>(control)); break;
        }
    }
    EXPECT_EQ(rows, std::multiset<std::string_view>(settings::kSaveOrder.begin(),
                                                    settings::kSaveOrder.end()));
    EXPECT_EQ(std::set<std::string_view>(rows.begin(), rows.end()).size(), rows.size());
}

} // namespace
} // namespace quarl::tests
