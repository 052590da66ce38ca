#pragma once

#include <windows.h>

#include <vector>

namespace quarl::platform::win32 {

// Kernel objects that the UI thread's message loop waits on beside its message queue: a
// service whose work finishes outside the process (an echo reply) is told on the UI thread.
class WaitSource {
public:
    virtual ~WaitSource() = default;
    // Appends the handles to wait on now.
    virtual void appendWaitHandles(std::vector<HANDLE>& handles) const = 0;
    // One of them is signalled; runs on the UI thread, from the message loop.
    virtual void signalled(HANDLE handle) = 0;
};

} // namespace quarl::platform::win32
