#pragma once

#include "platform/IcmpEcho.h"

#include <cstddef>
#include <deque>
#include <vector>

namespace quarl::platform::fake {

// Echo requests held in flight until the test completes them, each with the next scripted
// outcome; with none scripted the request times out, as to a host that does not answer.
// Every request sent is recorded.
class FakeIcmpEcho final : public IcmpEcho {
public:
    struct Sent {
        Ipv4Address destination;
        unsigned timeoutMs;
    };

    std::unique_ptr<PendingEcho> send(Ipv4Address destination, unsigned timeoutMs,
                                      PendingEcho::Completion done) override;

    void queueReply(std::uint32_t roundTripMs) {
        script_.push_back(EchoResult::Reply(roundTripMs));
    }
    void queueError(std::uint32_t error) { script_.push_back(EchoResult::Failure(error)); }
    // Completes the oldest request in flight with the next scripted outcome; false when none is
    // in flight. A withdrawn request takes its outcome too but runs nothing.
    bool completeNext();
    void completeAll() {
        while (completeNext()) {
        }
    }

    const std::vector<Sent>& sent() const { return sent_; }
    std::size_t inFlight() const { return inFlight_.size(); }

private:
    std::vector<Sent> sent_;
    std::deque<EchoResult> script_;
    std::deque<std::shared_ptr<PendingEcho::Completion>> inFlight_;
};

} // namespace quarl::platform::fake
