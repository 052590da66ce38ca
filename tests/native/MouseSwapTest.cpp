#include "LauncherFixture.h"

#include <array>

namespace quarl::tests {
namespace {

using Sent = platform::fake::FakeWindowMessages::Sent;

constexpr const char* kMouseKey = "Control Panel\\Microsoft Input Devices\\Mouse";

class MouseSwap : public LauncherFixture {
protected:
    std::uintptr_t addPointerWindow() {
        return fake.windows.addWindow("POINTEXE", "Pointer.exe Invisible Window");
    }
    void setSystem(const char* prefix, std::uint32_t value) {
        fake.registry.setDword(RootKey::CurrentUser, kMouseKey,
                               std::string(prefix) + "BtnAssignment", value);
    }
    std::int32_t backup(const char* prefix) {
        const auto value = launcherValue(std::string("Old_") + prefix + "BtnAssignment");
        return value ? static_cast<std::int32_t>(value->number) : -100;
    }
    // The message sequence that applies five assignments.
    static std::vector<Sent> Applied(std::uintptr_t window, std::array<std::intptr_t, 5> values) {
        std::vector<Sent> sent{{window, 0x4DD, 0, 0}};
        const std::uintptr_t masks[] = {0x20, 0x10, 0x08, 0x04, 0x02};
        for (std::size_t i = 0; i < 5; ++i)
            sent.push_back({window, 0x4C9, masks[i], values[i]});
        sent.push_back({window, 0x4DE, 0, 0});
        sent.push_back({window, 0x469, 0, 0});
        return sent;
    }
};

TEST_F(MouseSwap, LaunchBacksUpTheSystemAndAppliesTheGameAssignments) {
    installGame(true, false, false);
    setLauncher("DisableMouse", "FALSE");
    setLauncherDword("CheckMouseConfig", 1);
    setSystem("L_", 7);
    setSystem("R_", 8);
    setLauncherDword("L_BtnAssignment", 1);
    setLauncherDword("R_BtnAssignment", 0);
    setLauncherDword("M_BtnAssignment", 44);
    const auto pointer = addPointerWindow();
    auto& main = start();
    main.btnLaunch.click();
    EXPECT_EQ(fake.windows.sent(), Applied(pointer, {1, 0, 44, 3, 4}));
    EXPECT_EQ(backup("L_"), 7);
    EXPECT_EQ(backup("R_"), 8);
    EXPECT_EQ(backup("M_"), 2);
    EXPECT_EQ(backup("5_"), 4); // missing system value: the button's default

    // "&Resume" puts the backup back as stored.
    fake.registry.deleteValue(RootKey::CurrentUser, config::kLauncherKey, "Old_4_BtnAssignment");
    launcher->frmResume.btnResume.click();
    const auto resumed =
        std::vector<Sent>(fake.windows.sent().begin() + 8, fake.windows.sent().end());
    EXPECT_EQ(resumed, Applied(pointer, {7, 8, 2, -1, 4}));
}

TEST_F(MouseSwap, WithoutDisableMouseFalseNothingIsSwappedButResumeStillRestores) {
    installGame(true, false, false);
    setSystem("L_", 0);
    setLauncherDword("Old_L_BtnAssignment", 2);
    const auto pointer = addPointerWindow();
    auto& main = start();
    EXPECT_TRUE(fake.dialogs.shown().empty());
    main.btnLaunch.click();
    EXPECT_TRUE(fake.windows.sent().empty());
    EXPECT_EQ(backup("R_"), -100);
    launcher->frmResume.btnResume.click();
    EXPECT_EQ(fake.windows.sent(), Applied(pointer, {2, -1, -1, -1, -1}));
}

TEST_F(MouseSwap, WithoutThePointerWindowNothingIsSentButTheBackupIsWritten) {
    installGame(true, false, false);
    setLauncher("DisableMouse", "FALSE");
    auto& main = start();
    main.btnLaunch.click();
    EXPECT_TRUE(fake.windows.sent().empty());
    EXPECT_EQ(backup("L_"), 0);
    EXPECT_EQ(backup("5_"), 4);
}

TEST_F(MouseSwap, StartupCheckAsksOnAMismatchAndNoMakesTheSystemTheBackup) {
    installGame(true, false, false);
    setLauncher("DisableMouse", "FALSE");
    setSystem("L_", 0);
    setLauncherDword("Old_L_BtnAssignment", 2);
    setLauncherDword("Old_R_BtnAssignment", 1);
    fake.dialogs.answerNext(platform::MessageResult::No);
    addPointerWindow();
    start();
    ASSERT_EQ(fake.dialogs.shown().size(), 1u);
    const auto& box = fake.dialogs.shown().front();
    EXPECT_EQ(box.caption, "Question?");
    EXPECT_EQ(box.buttons, platform::MessageButtons::YesNo);
    EXPECT_EQ(box.icon, platform::MessageIcon::Question);
    EXPECT_EQ(box.text, "Your current mouse config does not match\nthe last backup that the "
                        "Launcher made.\n\nThis might be because you have changed your\nconfig "
                        "since the last time you ran the Launcher\nor it could mean the game "
                        "locked up on you.\n\nWould you like to restore the last backed up "
                        "config?\n");
    EXPECT_EQ(backup("L_"), 0);
    EXPECT_EQ(backup("R_"), 1);
    EXPECT_TRUE(fake.windows.sent().empty());
}

TEST_F(MouseSwap, StartupCheckYesAppliesTheBackupWithDefaults) {
    installGame(true, false, false);
    setLauncher("DisableMouse", "FALSE");
    setSystem("L_", 0);
    setLauncherDword("Old_L_BtnAssignment", 2);
    fake.dialogs.answerNext(platform::MessageResult::Yes);
    const auto pointer = addPointerWindow();
    start();
    EXPECT_EQ(fake.windows.sent(), Applied(pointer, {2, 1, 2, 3, 4}));
}

TEST_F(MouseSwap, MissingValuesOnEitherSideCountAsMatching) {
    installGame(true, false, false);
    setLauncher("DisableMouse", "FALSE");
    setSystem("L_", 5);
    setLauncherDword("Old_R_BtnAssignment", 3);
    start();
    EXPECT_TRUE(fake.dialogs.shown().empty());
}

TEST_F(MouseSwap, CheckMouseConfigSkipsTheCheckAndLeavesThePingTimerAlone) {
    installGame(true, false, false);
    setLauncher("DisableMouse", "FALSE");
    setLauncher("UseNetwork", "TRUE");
    setLauncherDword("CheckMouseConfig", 1);
    setSystem("L_", 0);
    setLauncherDword("Old_L_BtnAssignment", 2);
    auto& main = start();
    EXPECT_TRUE(fake.dialogs.shown().empty());
    EXPECT_TRUE(main.PingTimer.enabled);
}

} // namespace
} // namespace quarl::tests
