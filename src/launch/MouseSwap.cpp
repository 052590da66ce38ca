#include "launch/MouseSwap.h"

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

Assignments Read(const config::ConfigStore& store, std::string_view key, std::string_view prefix) {
    Assignments values{};
    for (std::size_t i = 0; i < kButtons.size(); ++i)
        values[i] = store.ReadRegInteger(RootKey::CurrentUser, key,
                                         std::string(prefix) + ValueName(kButtons[i]));
    return values;
}

// The system's assignments now in force, as the mouse software stores them (-1 when missing).
Assignments SystemAssignments(const config::ConfigStore& store) {
    return Read(store, config::kMouseDriverKey, "");
}

// The assignments wanted while the game runs (-1 when missing).
Assignments GameAssignments(const config::ConfigStore& store) {
    return Read(store, config::kLauncherKey, "");
}

// Missing (negative) values replaced by each button's default index.
Assignments WithDefaults(Assignments values) {
    for (std::size_t i = 0; i < kButtons.size(); ++i)
        if (values[i] < 0)
            values[i] = kButtons[i].defaultIndex;
    return values;
}

} // namespace

Assignments BackupAssignments(const config::ConfigStore& store) {
    return Read(store, config::kLauncherKey, "Old_");
}

void MouseBackup(config::ConfigStore& store) {
    const auto system = WithDefaults(SystemAssignments(store));
    for (std::size_t i = 0; i < kButtons.size(); ++i)
        store.WriteRegInteger(RootKey::CurrentUser, config::kLauncherKey,
                              "Old_" + ValueName(kButtons[i]), system[i]);
}

void MouseApply(platform::WindowMessages& windows, const Assignments& values) {
    const auto pointer = windows.findWindow(kPointerClass, kPointerTitle);
    if (pointer == 0)
        return;
    windows.sendMessage(pointer, kBeginChange, 0, 0);
    for (std::size_t i = 0; i < kButtons.size(); ++i)
        windows.sendMessage(pointer, kSetButton, kButtons[i].mask, values[i]);
    windows.sendMessage(pointer, kEndChange, 0, 0);
    windows.sendMessage(pointer, kApply, 0, 0);
}

void SwapMouseForGame(platform::Platform& platform, config::ConfigStore& store) {
    MouseBackup(store);
    MouseApply(platform.windows, WithDefaults(GameAssignments(store)));
    platform.messages.processPendingMessages();
}

void StartupMouseCheck(platform::Platform& platform, config::ConfigStore& store) {
    const auto system = SystemAssignments(store);
    const auto backup = BackupAssignments(store);
    bool mismatch = false;
    for (std::size_t i = 0; i < kButtons.size(); ++i)
        if (system[i] >= 0 && backup[i] >= 0 && system[i] != backup[i])
            mismatch = true;
    if (!mismatch)
        return;
    const auto answer = platform.dialogs.showMessage(
        {"Your current mouse config does not match\n"
         "the last backup that the Launcher made.\n\n"
         "This might be because you have changed your\n"
         "config since the last time you ran the Launcher\n"
         "or it could mean the game locked up on you.\n\n"
         "Would you like to restore the last backed up config?\n",
         "Question?", platform::MessageButtons::YesNo, platform::MessageIcon::Question, 1});
    if (answer == platform::MessageResult::Yes) {
        MouseApply(platform.windows, WithDefaults(backup));
        platform.messages.processPendingMessages();
    } else {
        MouseBackup(store);
    }
}

} // namespace quarl::launch
