// Only one launcher runs at a time: a second start hands its arguments to the running one
// through the hand-over area and ends.
#include "app/SingleInstance.h"

#include "app/HandOverArea.h"
#include "app/Launcher.h"
#include "app/Switches.h"
#include "base/ScopeExit.h"
#include "base/Text.h"

#include <algorithm>

namespace quarl::app {

namespace {

constexpr unsigned kHandOverWaitMs = 10000;

// Takes a hand-over in the running launcher, on message 1324. The switches are applied at once
// when the launcher is idle; a hand-over that arrives in the middle of start-up or of another
// event (through a message box's loop, or a step that lets pending messages run) waits until
// that has ended, and the second start is let go as soon as its arguments are read. The
// semaphore always goes back, also when applying the switches fails, so that the next start
// does not wait in vain.
void ReceiveHandOver(Launcher& launcher) {
    auto& handOver = launcher.handOver;
    // A message that arrives while a hand-over is being applied was not sent by a start holding
    // the semaphore: there is nothing to read and nothing to give back.
    if (handOver.receiving || !handOver.area)
        return;
    handOver.receiving = true;
    base::ScopeExit finish([&handOver] {
        handOver.receiving = false;
        handOver.semaphore->release();
    });
    launcher.application.whenIdle(
        [&launcher, arguments = ReadHandOverArguments(handOver.area->bytes())] {
            launcher.platform.windows.bringToFront();
            launcher.platform.messages.processPendingMessages();
            ApplyHandedOverSwitches(launcher, arguments);
        });
}

// Makes this process the one that takes hand-overs: its own message window, its window handle in
// the area, and the semaphore's count at 1.
void TakeHandOvers(Launcher& launcher, std::unique_ptr<platform::SharedMemory> area,
                   std::unique_ptr<platform::Semaphore> semaphore) {
    auto& kernel = launcher.platform.kernel;
    auto window =
        kernel.createMessageWindow(kHandOverMessage, [&launcher] { ReceiveHandOver(launcher); });
    if (!window)
        return;
    if (!semaphore) {
        // Shown as any unexpected failure is; the launcher starts without taking hand-overs.
        launcher.platform.dialogs.showMessage(
            {"Unable to create semaphore", launcher.application.title, platform::MessageButtons::Ok,
             platform::MessageIcon::Error, 1});
        return;
    }
    WriteHandOverWindow(area->bytes(), window->handle());
    semaphore->release();
    launcher.handOver.area = std::move(area);
    launcher.handOver.semaphore = std::move(semaphore);
    launcher.handOver.window = std::move(window);
}

// A second start: hands the arguments to the running launcher and waits until it has applied
// them. False when the running launcher did not take them in time.
bool HandOverArguments(Launcher& launcher, platform::SharedMemory& area,
                       platform::Semaphore& semaphore) {
    auto& kernel = launcher.platform.kernel;
    if (!semaphore.wait(kHandOverWaitMs))
        return false;
    WriteHandOverArguments(area.bytes(), launcher.platform.arguments);
    // A handle that names no launcher window (a stale one, or garbage) is never posted to, and
    // nobody would answer: this start carries on at once instead of waiting in vain.
    if (!kernel.postMessage(ReadHandOverWindow(area.bytes()), kHandOverMessage))
        return false;
    if (!semaphore.wait(kHandOverWaitMs))
        return false;
    semaphore.release();
    return true;
}

} // namespace

bool SingleInstanceCheck(Launcher& launcher) {
    auto& platform = launcher.platform;
    const auto& name = platform.executableName;
    const auto semaphoreName = name + "Sem";
    // The semaphore comes before the area, at count 0: a start that finds the area then always
    // finds the semaphore as well, and waits on it until the first start has published its
    // window, rather than taking the moment in between for the absence of a launcher. Older
    // copies make it after the area: a newer start still waits for one of them that is starting,
    // and one of them finds a newer start's semaphore.
    auto semaphore = platform.kernel.createSemaphore(semaphoreName, 0, 1);
    bool existed = false;
    auto area = platform.kernel.createSharedMemory(name, kHandOverAreaSize, existed);
    if (!area)
        return true;
    // The running launcher ignores "-UNINSTALL": a start that is to undo the service patching
    // does it itself rather than end as if it had. Should its window open after all (a failed
    // copy), it takes hand-overs like any first start when no other launcher runs.
    const auto& arguments = platform.arguments;
    const bool uninstall =
        !IsLinkStart(arguments) &&
        std::any_of(arguments.begin(), arguments.end(), [](const std::string& argument) {
            return base::UpperAscii(argument) == "-UNINSTALL";
        });
    if (existed && uninstall)
        return true;
    if (existed) {
        // Without a semaphore of its own this start may still open the running launcher's.
        auto opened = semaphore ? nullptr : platform.kernel.openSemaphore(semaphoreName);
        auto* held = semaphore ? semaphore.get() : opened.get();
        if (held && HandOverArguments(launcher, *area, *held))
            return false;
    }
    TakeHandOvers(launcher, std::move(area), std::move(semaphore));
    return true;
}

} // namespace quarl::app
