#include "platform/fake/FakeIcmpEcho.h"

namespace quarl::platform::fake {

std::unique_ptr<PendingEcho> FakeIcmpEcho::send(Ipv4Address destination, unsigned timeoutMs,
                                                PendingEcho::Completion done) {
    sent_.push_back({destination, timeoutMs});
    auto request = std::make_unique<PendingEcho>(std::move(done));
    inFlight_.push_back(request->slot());
    return request;
}

bool FakeIcmpEcho::completeNext() {
    if (inFlight_.empty())
        return false;
    auto slot = std::move(inFlight_.front());
    inFlight_.pop_front();
    auto result = EchoResult::Failure(kIcmpTimedOut);
    if (!script_.empty()) {
        result = script_.front();
        script_.pop_front();
    }
    PendingEcho::Deliver(slot, result);
    return true;
}

} // namespace quarl::platform::fake
