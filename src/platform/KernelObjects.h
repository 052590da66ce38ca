#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string_view>

namespace quarl::platform {

// An owned named kernel object; closing it releases the handle.
class NamedObject {
public:
    virtual ~NamedObject() = default;
};

// A mapped view of a named block of shared memory, exactly as large as asked for. Closing it
// unmaps the view; the block lives while any process holds it.
class SharedMemory {
public:
    virtual ~SharedMemory() = default;
    virtual std::span<std::byte> bytes() = 0;
};

// A named counting semaphore.
class Semaphore {
public:
    virtual ~Semaphore() = default;
    // Takes one count, waiting at most timeoutMs for one; false when none came in time.
    virtual bool wait(unsigned timeoutMs) = 0;
    // Gives one count back; false when the count is already at its maximum.
    virtual bool release() = 0;
};

// A hidden window of this program that other processes of this program can post one message
// to. The callback runs on the user-interface thread, from the message loop.
class MessageWindow {
public:
    virtual ~MessageWindow() = default;
    virtual std::uintptr_t handle() const = 0;
};

// Named kernel objects shared between processes, and the hidden message window through which
// another start of this program signals the running one.
class KernelObjects {
public:
    virtual ~KernelObjects() = default;
    // Creates or opens a named mutex without taking ownership; nullptr on failure.
    virtual std::unique_ptr<NamedObject> createMutex(std::string_view name) = 0;
    // Creates the named block of the given size (zero-filled) or opens the existing one, and
    // maps it. alreadyExisted tells which. nullptr when it cannot be created or mapped whole
    // (an existing block that is smaller, for one).
    virtual std::unique_ptr<SharedMemory>
    createSharedMemory(std::string_view name, std::size_t size, bool& alreadyExisted) = 0;
    // Creates the named semaphore, or opens the existing one with its count unchanged;
    // nullptr on failure.
    virtual std::unique_ptr<Semaphore> createSemaphore(std::string_view name, int initialCount,
                                                       int maximumCount) = 0;
    // Opens an existing named semaphore; nullptr when there is none.
    virtual std::unique_ptr<Semaphore> openSemaphore(std::string_view name) = 0;
    // A hidden window that calls onMessage whenever the given message reaches it; nullptr on
    // failure.
    virtual std::unique_ptr<MessageWindow> createMessageWindow(unsigned message,
                                                               std::function<void()> onMessage) = 0;
    // Posts the message (both parameters 0) to a message window of this program in any process
    // and returns at once. False when the handle names no such window: a stale handle is never
    // given a message meant for the launcher.
    virtual bool postMessage(std::uintptr_t window, unsigned message) = 0;
};

} // namespace quarl::platform
