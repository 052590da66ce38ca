#pragma once

#include "platform/KernelObjects.h"

#include <memory>
#include <string>
#include <vector>

namespace quarl::platform::fake {

struct FakeMachine;

// Named kernel objects and message windows of one simulated machine, seen from one process.
// Several fakes can share a machine (shareMachineWith) and then behave as separate processes of
// the launcher: they see each other's named objects, and a message posted to another process's
// window is handled when the poster blocks on a semaphore, as the other process would handle it
// meanwhile; work queued with meanwhile() runs then too. A wait that nothing satisfies returns at
// once as timed out; every wait is recorded.
// What escapes a message window's callback is recorded, as the program's error box shows it.
class FakeKernelObjects final : public KernelObjects {
public:
    FakeKernelObjects();
    ~FakeKernelObjects() override;

    std::unique_ptr<NamedObject> createMutex(std::string_view name) override;
    std::unique_ptr<SharedMemory> createSharedMemory(std::string_view name, std::size_t size,
                                                     bool& alreadyExisted) override;
    std::unique_ptr<Semaphore> createSemaphore(std::string_view name, int initialCount,
                                               int maximumCount) override;
    std::unique_ptr<Semaphore> openSemaphore(std::string_view name) override;
    std::unique_ptr<MessageWindow> createMessageWindow(unsigned message,
                                                       std::function<void()> onMessage) override;
    bool postMessage(std::uintptr_t window, unsigned message) override;

    // This process moves to the other's machine. Call before creating any object.
    void shareMachineWith(const FakeKernelObjects& other);
    // A process that has stopped answering: messages posted to its windows stay unhandled.
    void setUnresponsive(bool unresponsive = true);
    // Handles the messages posted to this process's windows, as its message loop would.
    void deliverPostedMessages();
    // Work this process does while another one is blocked: the step runs the next time another
    // process waits on a semaphore that has no count, before its posted messages are handled.
    void meanwhile(std::function<void()> step);

    // Inspection.
    int openHandles(const std::string& name) const; // of the named mutex
    int mutexCreations() const { return creations_; }
    bool sharedMemoryExists(const std::string& name) const;
    // The semaphore's count, or -1 when no process holds it.
    int semaphoreCount(const std::string& name) const;
    struct Wait {
        std::string semaphore;
        unsigned timeoutMs;
        bool obtained;
        friend bool operator==(const Wait&, const Wait&) = default;
    };
    const std::vector<Wait>& waits() const { return waits_; }
    const std::vector<std::string>& errors() const { return errors_; }

    // Fault injection: creating these objects fails.
    bool failSharedMemory = false;
    bool failSemaphores = false;
    bool failMessageWindows = false;
    // Interleaving: runs once, right after this process next creates or opens a block, as
    // another process getting in at that moment would.
    std::function<void()> afterSharedMemory;

private:
    class FakeSemaphore;

    std::shared_ptr<FakeMachine> machine_;
    int process_ = 0;
    int creations_ = 0;
    std::vector<Wait> waits_;
    std::vector<std::string> errors_;
};

} // namespace quarl::platform::fake
