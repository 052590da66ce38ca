#pragma once

#include "platform/IcmpEcho.h"
#include "platform/win32/WaitSource.h"

#include <memory>
#include <vector>

namespace quarl::platform::win32 {

// Echo requests through the ICMP library's asynchronous call: each exchange signals an event,
// which the message loop waits on; the reply is read and handed over on the UI thread.
class Win32IcmpEcho final : public IcmpEcho, public WaitSource {
public:
    Win32IcmpEcho();
    Win32IcmpEcho(const Win32IcmpEcho&) = delete;
    Win32IcmpEcho& operator=(const Win32IcmpEcho&) = delete;
    ~Win32IcmpEcho() override;

    std::unique_ptr<PendingEcho> send(Ipv4Address destination, unsigned timeoutMs,
                                      PendingEcho::Completion done) override;

    void appendWaitHandles(std::vector<HANDLE>& handles) const override;
    void signalled(HANDLE handle) override;

    // Exchanges in flight (withdrawn ones included, until the system is done with them).
    std::size_t inFlight() const { return exchanges_.size() + failed_.size(); }

private:
    struct Exchange;
    struct Failed {
        std::shared_ptr<PendingEcho::Completion> slot;
        unsigned long error;
    };
    void fail(std::shared_ptr<PendingEcho::Completion> slot, unsigned long error);

    std::vector<std::unique_ptr<Exchange>> exchanges_;
    // Requests that never went out, handed over from the loop like the others.
    std::vector<Failed> failed_;
    HANDLE failedEvent_;
};

} // namespace quarl::platform::win32
