#pragma once

#include "platform/KernelObjects.h"

#include <memory>

namespace quarl::app {

// The running launcher's end of the instance hand-over: the hand-over area, its semaphore and
// the hidden message window a second start posts to. Held until the process ends; empty when
// this launcher does not take hand-overs.
struct InstanceHandOver {
    std::unique_ptr<platform::SharedMemory> area;
    std::unique_ptr<platform::Semaphore> semaphore;
    std::unique_ptr<platform::MessageWindow> window;
    bool receiving = false; // a hand-over is being applied
};

class Launcher;

// The single-instance check at the main window's creation. Returns false when this start has
// handed its arguments to a running launcher and is to end at once.
bool SingleInstanceCheck(Launcher& launcher);

} // namespace quarl::app
