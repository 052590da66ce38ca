#include "LauncherFixture.h"
#include "app/HandOverArea.h"
#include "mods/ModList.h"

namespace quarl::tests {
namespace {

using platform::fake::FakeKernelObjects;
using Wait = FakeKernelObjects::Wait;

constexpr const char* kArea = "Launcher.exe";
constexpr const char* kSemaphore = "Launcher.exeSem";

// Another start of the launcher on the same machine: the same registry and files, its own
// process for named objects and windows.
struct OtherStart {
    OtherStart(platform::fake::FakePlatform& machine, std::vector<std::string> arguments)
        : services{machine.registry, machine.files, dialogs,
                   kernel,           messages,      machine.shell,
                   windows,          machine.icmp,  std::move(arguments)} {
        kernel.shareMachineWith(machine.kernel);
        launcher = std::make_unique<app::Launcher>(services);
    }
    bool create() { return launcher->frmMain.create(); }
    app::MainForm& main() { return launcher->frmMain; }

    FakeKernelObjects kernel;
    platform::fake::FakeDialogs dialogs;
    platform::fake::FakeMessagePump messages;
    platform::fake::FakeWindowMessages windows;
    platform::Platform services;
    std::unique_ptr<app::Launcher> launcher;
};

class SingleInstance : public LauncherFixture {
protected:
    void SetUp() override { installGame(true, false, false); }
};

TEST_F(SingleInstance, ASecondStartHandsItsSwitchesToTheRunningLauncherAndEnds) {
    auto& main = start();
    EXPECT_EQ(fake.kernel.semaphoreCount(kSemaphore), 1);
    OtherStart second(fake, {"-CLIENT", "127.0.0.1", "2400"});
    EXPECT_FALSE(second.create());
    EXPECT_EQ(second.kernel.waits(),
              (std::vector<Wait>{{kSemaphore, 10000, true}, {kSemaphore, 10000, true}}));
    EXPECT_TRUE(second.launcher->session.gameKeyPath.empty()) << "its creation handler never ran";

    EXPECT_EQ(fake.windows.broughtToFront(), 1);
    EXPECT_TRUE(main.chkUseNetwork.checked());
    EXPECT_TRUE(main.rbJoin.selected());
    EXPECT_EQ(main.txtIPAddress.text, "127.0.0.1");
    EXPECT_EQ(main.txtPort.text, "2400");
    EXPECT_EQ(fake.kernel.semaphoreCount(kSemaphore), 1) << "ready for the next start";

    second.launcher.reset();
    OtherStart third(fake, {"-nonet"});
    EXPECT_FALSE(third.create());
    EXPECT_FALSE(main.chkUseNetwork.checked());
    EXPECT_EQ(fake.windows.broughtToFront(), 2);
}

// A hand-over that arrives through a loop inside another event (start-up here, where the first
// paint would rebuild the mod list after it) waits until that event has ended; the second start
// is let go at once.
TEST_F(SingleInstance, AHandOverDuringStartUpIsAppliedWhenStartUpHasEnded) {
    addMod("SWAT");
    addMod("Tactical Realism");
    setLauncher("LastMod", "SWAT");
    std::unique_ptr<OtherStart> second;
    bool handedOver = false;
    fake.messages.onPump = [&] {
        if (second)
            return;
        second = std::make_unique<OtherStart>(
            fake, std::vector<std::string>{"-MODS", "Tactical Realism"});
        handedOver = !second->create();
    };
    ASSERT_TRUE(create());
    EXPECT_TRUE(handedOver) << "the second start ended without waiting for the first paint";
    EXPECT_FALSE(launcher->frmMain.chkUseMod.checked()) << "nothing applied during start-up";
    auto& main = firstPaint();
    EXPECT_TRUE(main.chkUseMod.checked());
    EXPECT_EQ(mods::SelectedMods(main.ListBox1), std::vector<std::string>{"Tactical Realism"});
    EXPECT_EQ(fake.kernel.semaphoreCount(kSemaphore), 1);
}

TEST_F(SingleInstance, ElevenArgumentsHandOverTheFirstTen) {
    auto& main = start();
    OtherStart second(
        fake, {"-CLIENT", "127.0.0.2", "2401", "a", "b", "c", "d", "e", "-HOST", "2500", "-NONET"});
    EXPECT_FALSE(second.create());
    EXPECT_TRUE(main.chkUseNetwork.checked()) << "the eleventh, -NONET, stayed behind";
    EXPECT_TRUE(main.rbHost.selected());
    EXPECT_EQ(main.txtPort.text, "2500") << "the tenth came along";
}

TEST_F(SingleInstance, ALauncherThatNeverAnswersLetsTheSecondStartRunOnItsOwn) {
    auto& first = start();
    fake.kernel.setUnresponsive();
    OtherStart second(fake, {"-CLIENT", "127.0.0.3"});
    EXPECT_TRUE(second.create());
    EXPECT_EQ(second.kernel.waits(),
              (std::vector<Wait>{{kSemaphore, 10000, true}, {kSemaphore, 10000, false}}));
    EXPECT_FALSE(second.launcher->session.gameKeyPath.empty()) << "it started as a launcher";
    EXPECT_EQ(second.main().txtIPAddress.text, "127.0.0.3");

    // It now takes the hand-overs: a third start reaches it, not the silent one, and its
    // switches apply once the second's start-up has ended.
    OtherStart third(fake, {"-CLIENT", "127.0.0.4"});
    EXPECT_FALSE(third.create());
    second.main().show();
    second.main().paint();
    EXPECT_EQ(second.main().txtIPAddress.text, "127.0.0.4");
    EXPECT_NE(first.txtIPAddress.text, "127.0.0.4");
}

TEST_F(SingleInstance, WhoeverFindsTheAreaFindsItsSemaphoreWithNothingToTakeYet) {
    // A start getting in before the window is published waits on the semaphore for it.
    bool checked = false;
    fake.kernel.afterSharedMemory = [&] {
        EXPECT_EQ(fake.kernel.semaphoreCount(kSemaphore), 0);
        checked = true;
    };
    start();
    EXPECT_TRUE(checked);
    EXPECT_EQ(fake.kernel.semaphoreCount(kSemaphore), 1) << "published";
}

TEST_F(SingleInstance, AStartBetweenAnotherStartsAreaAndItsSemaphoreHandsOverOnceItPublishes) {
    // Another start has made the area and its window, but not yet its semaphore, as older copies
    // do; it publishes while this start waits.
    FakeKernelObjects older;
    older.shareMachineWith(fake.kernel);
    bool existed = true;
    const auto area = older.createSharedMemory(kArea, app::kHandOverAreaSize, existed);
    std::unique_ptr<platform::Semaphore> semaphore;
    std::vector<std::string> received;
    const auto window = older.createMessageWindow(app::kHandOverMessage, [&] {
        received = app::ReadHandOverArguments(area->bytes());
        semaphore->release();
    });
    older.meanwhile([&] {
        semaphore = older.createSemaphore(kSemaphore, 0, 1);
        app::WriteHandOverWindow(area->bytes(), window->handle());
        semaphore->release();
    });

    EXPECT_FALSE(create({"-CLIENT", "127.0.0.6"}));
    EXPECT_EQ(fake.kernel.waits(),
              (std::vector<Wait>{{kSemaphore, 10000, true}, {kSemaphore, 10000, true}}));
    EXPECT_EQ(received, (std::vector<std::string>{"-CLIENT", "127.0.0.6"}));
    EXPECT_EQ(app::ReadHandOverWindow(area->bytes()), window->handle()) << "not overwritten";
}

TEST_F(SingleInstance, AStaleWindowHandleInTheAreaIsNeverWaitedFor) {
    FakeKernelObjects holder;
    holder.shareMachineWith(fake.kernel);
    bool existed = true;
    const auto area = holder.createSharedMemory(kArea, app::kHandOverAreaSize, existed);
    const auto semaphore = holder.createSemaphore(kSemaphore, 1, 1);
    app::WriteHandOverWindow(area->bytes(), 0xDEAD);

    ASSERT_TRUE(create({"-RS"}));
    EXPECT_EQ(fake.kernel.waits(), (std::vector<Wait>{{kSemaphore, 10000, true}}));
    EXPECT_EQ(fake.kernel.semaphoreCount(kSemaphore), 1);
    OtherStart second(fake, {"-CLIENT", "127.0.0.5"});
    EXPECT_FALSE(second.create());
    firstPaint(); // the switches apply once start-up has ended
    EXPECT_EQ(launcher->frmMain.txtIPAddress.text, "127.0.0.5");
}

TEST_F(SingleInstance, HostileAreaContentIsClampedAndTheLauncherKeepsWorking) {
    auto& main = start();
    // A rogue process fills the area with a huge count and unterminated slots and signals.
    FakeKernelObjects rogue;
    rogue.shareMachineWith(fake.kernel);
    bool existed = false;
    const auto area = rogue.createSharedMemory(kArea, app::kHandOverAreaSize, existed);
    ASSERT_TRUE(area && existed);
    const auto window = app::ReadHandOverWindow(area->bytes());
    auto bytes = area->bytes().subspan(4);
    std::fill(bytes.begin(), bytes.end(), std::byte{'9'});
    ASSERT_TRUE(rogue.postMessage(window, app::kHandOverMessage));
    fake.kernel.deliverPostedMessages();
    EXPECT_TRUE(fake.kernel.errors().empty());
    EXPECT_EQ(fake.windows.broughtToFront(), 1);
    EXPECT_EQ(fake.kernel.semaphoreCount(kSemaphore), 1) << "never above its maximum";

    OtherStart second(fake, {"-HOST", "2600"});
    EXPECT_FALSE(second.create());
    EXPECT_TRUE(main.rbHost.selected());
    EXPECT_EQ(main.txtPort.text, "2600");
}

TEST_F(SingleInstance, TheSemaphoreComesBackWhenApplyingTheSwitchesFails) {
    installGame(true, true, true);
    setLauncherDword("GameType", 2);
    setLauncher("UseMod", "TRUE");
    const std::string modsSettings = GamePath("ModsSettings.txt");
    fake.files.addFile(modsSettings, "");
    fake.files.setReadOnly(modsSettings);
    ASSERT_TRUE(start().rbUO.selected());
    OtherStart second(fake, {"-NOMODS"}); // Use Mod's reaction rewrites ModsSettings.txt
    EXPECT_FALSE(second.create());
    ASSERT_EQ(fake.kernel.errors().size(), 1u);
    EXPECT_NE(fake.kernel.errors()[0].find("ModsSettings.txt"), std::string::npos);
    EXPECT_EQ(fake.kernel.semaphoreCount(kSemaphore), 1);
}

TEST_F(SingleInstance, AnUninstallingStartDoesItsOwnWorkInsteadOfHandingOver) {
    auto& main = start();
    setLauncher("Patched", "True");
    setLauncher("EXEName", "RSpear.exe");
    OtherStart second(fake, {"-UNINSTALL"});
    EXPECT_FALSE(second.create());
    EXPECT_TRUE(second.kernel.waits().empty());
    EXPECT_EQ(launcherString("Patched"), "False");
    EXPECT_EQ(launcherString("EXEName"), "RogueSpear.exe");
    EXPECT_EQ(fake.windows.broughtToFront(), 0);
    EXPECT_TRUE(main.visible());
}

TEST_F(SingleInstance, WithoutTheAreaOrTheMessageWindowTheLauncherStartsAloneAndSilently) {
    fake.kernel.failSharedMemory = true;
    start();
    fake.kernel.failSharedMemory = false;
    fake.kernel.failMessageWindows = true;
    start();
    EXPECT_FALSE(launcher->session.gameKeyPath.empty()) << "start-up went on";
    EXPECT_TRUE(fake.dialogs.shown().empty());
    EXPECT_EQ(fake.kernel.semaphoreCount(kSemaphore), -1) << "no semaphore to wait for";
}

TEST_F(SingleInstance, WithoutItsSemaphoreTheLauncherSaysSoAndStartsAlone) {
    fake.kernel.failSemaphores = true;
    start();
    ASSERT_EQ(fake.dialogs.shown().size(), 1u);
    EXPECT_EQ(fake.dialogs.shown()[0],
              (platform::MessageBoxRequest{"Unable to create semaphore", "Quarl Launcher",
                                           platform::MessageButtons::Ok,
                                           platform::MessageIcon::Error, 1}));
    EXPECT_FALSE(launcher->session.gameKeyPath.empty()) << "start-up went on";
    EXPECT_FALSE(fake.kernel.sharedMemoryExists(kArea)) << "no area that nobody answers for";
}

} // namespace
} // namespace quarl::tests
