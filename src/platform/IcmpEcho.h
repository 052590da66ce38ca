#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>

namespace quarl::platform {

// The platform's echo error codes the launcher tells apart.
inline constexpr std::uint32_t kIcmpBadDestination = 11018;
inline constexpr std::uint32_t kIcmpTimedOut = 11010;
inline constexpr std::uint32_t kIcmpGeneralFailure = 11050;

// An IPv4 address, its bytes in the order they are written ("127.0.0.1" is {127, 0, 0, 1}).
struct Ipv4Address {
    std::array<std::uint8_t, 4> octets{};
    friend bool operator==(const Ipv4Address&, const Ipv4Address&) = default;
};

// The outcome of one echo exchange: a reply and its round-trip time, or no reply and the
// platform's error code for it.
struct EchoResult {
    bool replied = false;
    std::uint32_t roundTripMs = 0;
    std::uint32_t error = 0;

    static EchoResult Reply(std::uint32_t roundTripMs) { return {true, roundTripMs, 0}; }
    static EchoResult Failure(std::uint32_t error) { return {false, 0, error}; }
    friend bool operator==(const EchoResult&, const EchoResult&) = default;
};

// One echo in flight. Destroying it withdraws its completion, which then never runs; the
// request must not outlive the service that made it.
class PendingEcho {
public:
    using Completion = std::function<void(const EchoResult&)>;

    explicit PendingEcho(Completion done) : slot_(std::make_shared<Completion>(std::move(done))) {}
    PendingEcho(const PendingEcho&) = delete;
    PendingEcho& operator=(const PendingEcho&) = delete;
    ~PendingEcho() { *slot_ = nullptr; }

    // The service's end of the request.
    const std::shared_ptr<Completion>& slot() const { return slot_; }

    // Runs the completion of a slot unless it was withdrawn; at most once.
    static void Deliver(const std::shared_ptr<Completion>& slot, const EchoResult& result) {
        auto done = std::move(*slot);
        *slot = nullptr;
        if (done)
            done(result);
    }

private:
    std::shared_ptr<Completion> slot_;
};

// ICMP echo requests. A request goes out at once and its result comes back later, on the UI
// thread, so that no wait for an answer ever holds the window.
class IcmpEcho {
public:
    virtual ~IcmpEcho() = default;
    // Sends one echo request with 32 bytes of data and no IP options. The completion runs once
    // with the first reply or the error, at the latest when the timeout has passed; never from
    // within this call.
    virtual std::unique_ptr<PendingEcho> send(Ipv4Address destination, unsigned timeoutMs,
                                              PendingEcho::Completion done) = 0;
};

} // namespace quarl::platform
