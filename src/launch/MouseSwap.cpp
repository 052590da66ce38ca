#include "launch/MouseSwap.h"

#include "app/Launcher.h"
#include "config/LauncherKey.h"

#include <string>

namespace quarl::launch {

using platform::RootKey;

namespace {

struct MouseButton {
    const char* prefix;
    unsigned mask; // the wParam of the set-button message
    int defaultIndex;
};

constexpr std::array<MouseButton, 5> kButtons = {{
    {"L_", 0x20, 0},
    {"R_", 0x10, 1},
    {"M_", 0x08, 2},
    {"4_", 0x04, 3},
    {"5_", 0x02, 4},
}};

// The pointer window's messages: begin a change, set one button, end the change, apply.
constexpr unsigned kBeginChange = 0x4DD;
constexpr unsigned kSetButton = 0x4C9;
constexpr unsigned kEndChange = 0x4DE;
constexpr unsigned kApply = 0x469;

constexpr std::string_view kPointerClass = "POINTEXE";
constexpr std::string_view kPointerTitle = "Pointer.exe Invisible Window";

std::string ValueName(const MouseButton& button) {
    return std::string(button.prefix) + "BtnAssignment";
}

Assignments Read(const app::Launcher& launcher, std::string_view key, std::string_view prefix) {
    Assignments values{};
    for (std::size_t i = 0; i < kButtons.size(); ++i)
        values[i] = launcher.store.ReadRegInteger(RootKey::CurrentUser, key,
                                                  std::string(prefix) + ValueName(kButtons[i]));
    return values;
}

// The system's assignments now in force, as the mouse software stores them (-1 when missing).
Assignments SystemAssignments(const app::Launcher& launcher) {
    return Read(launcher, config::kMouseDriverKey, "");
}

// The assignments wanted while the game runs (-1 when missing).
Assignments GameAssignments(const app::Launcher& launcher) {
    return Read(launcher, config::kLauncherKey, "");
}

// Missing (negative) values replaced by each button's default index.
Assignments WithDefaults(Assignments values) {
    for (std::size_t i = 0; i < kButtons.size(); ++i)
        if (values[i] < 0)
            values[i] = kButtons[i].defaultIndex;
    return values;
}

} // namespace

Assignments BackupAssignments(const app::Launcher& launcher) {
    return Read(launcher, config::kLauncherKey, "Old_");
}

void MouseBackup(app::Launcher& launcher) {
    const auto system = WithDefaults(SystemAssignments(launcher));
    for (std::size_t i = 0; i < kButtons.size(); ++i)
        launcher.store.WriteRegInteger(RootKey::CurrentUser, config::kLauncherKey,
                                       "Old_" + ValueName(kButtons[i]), system[i]);
}

void MouseApply(app::Launcher& launcher, const Assignments& values) {
    auto& windows = launcher.platform.windows;
    const auto pointer = windows.findWindow(kPointerClass, kPointerTitle);
    if (pointer == 0)
        return;
    windows.sendMessage(pointer, kBeginChange, 0, 0);
    for (std::size_t i = 0; i < kButtons.size(); ++i)
        windows.sendMessage(pointer, kSetButton, kButtons[i].mask, values[i]);
    windows.sendMessage(pointer, kEndChange, 0, 0);
    windows.sendMessage(pointer, kApply, 0, 0);
}

void SwapMouseForGame(app::Launcher& launcher) {
    MouseBackup(launcher);
    MouseApply(launcher, WithDefaults(GameAssignments(launcher)));
    launcher.platform.messages.processPendingMessages();
}

void StartupMouseCheck(app::Launcher& launcher) {
    const auto system = SystemAssignments(launcher);
    const auto backup = BackupAssignments(launcher);
    launcher.frmMain.PingTimer.enabled = false;
    bool mismatch = false;
    for (std::size_t i = 0; i < kButtons.size(); ++i)
        if (system[i] >= 0 && backup[i] >= 0 && system[i] != backup[i])
            mismatch = true;
    if (!mismatch)
        return;
    const auto answer = launcher.platform.dialogs.showMessage(
        {"Your current mouse config does not match\n"
         "the last backup that the Launcher made.\n\n"
         "This might be because you have changed your\n"
         "config since the last time you ran the Launcher\n"
         "or it could mean the game locked up on you.\n\n"
         "Would you like to restore the last backed up config?\n",
         "Question?", platform::MessageButtons::YesNo, platform::MessageIcon::Question, 1});
    if (answer == platform::MessageResult::Yes) {
        MouseApply(launcher, WithDefaults(backup));
        launcher.platform.messages.processPendingMessages();
    } else {
        MouseBackup(launcher);
    }
}

} // namespace quarl::launch
