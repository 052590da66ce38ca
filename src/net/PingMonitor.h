#pragma once

#include "platform/IcmpEcho.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace quarl::app {
class Launcher;
}

namespace quarl::net {

// The ping monitor's process-wide state: the statistics since the last reset, and the echo
// of the current tick while it is in flight.
struct PingState {
    std::int32_t PingTotal = 0; // ticks that sent a request (or tried to)
    std::int32_t PingLost = 0;  // requests that timed out
    std::int32_t PingSumMs = 0; // round-trip times of the replies
    std::unique_ptr<platform::PendingEcho> echo;
};

// Starts pinging the address field's server when Network Game is checked, Join is selected and
// the ping is not disabled; with Host selected it stops the ping instead.
void StartPingMonitor(app::Launcher& launcher);
void StopPingMonitor(app::Launcher& launcher);

// One tick of the main window's ping timer: sends one echo request to the address field's
// text. The result shows when the echo completes; no tick sends while an echo is in flight.
void PingTimerTimer(app::Launcher& launcher);

// The result of an echo: the main window's text and image, and the statistics.
void ApplyEchoResult(app::Launcher& launcher, const platform::EchoResult& result);

// The picture for a round-trip time; nothing above 10000 ms (the image stays as it was).
std::optional<std::string_view> PictureForRoundTrip(std::uint32_t roundTripMs);
// The main window's text for an echo result: "87ms", "Timeout", "General Failure", "Error: 18".
std::string PingResultText(const platform::EchoResult& result);

} // namespace quarl::net
