#pragma once

#include "config/Session.h"
#include "platform/IcmpEcho.h"
#include "ui/Controls.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace quarl::net {

class PingStatsForm;

// The main window's choices and controls the ping monitor reads and shows its result in.
struct PingChoices {
    const ui::CheckBox& chkUseNetwork;
    const ui::RadioButton& rbJoin;
    const ui::ComboBox& txtIPAddress;
    ui::Timer& PingTimer;
    ui::Image& imgPing;
    ui::Label& Pingtime;
};

// The ping monitor: one echo request to the address field's server on every tick of the main
// window's ping timer, its result shown as a picture and a text, and the statistics since the
// last reset. The echo is asynchronous: its result comes back on the user-interface thread.
class PingMonitor {
public:
    PingMonitor(const config::Session& session, platform::IcmpEcho& icmp, PingChoices choices,
                PingStatsForm& statistics)
        : session_(session), icmp_(icmp), choices_(choices), statistics_(statistics) {}
    PingMonitor(const PingMonitor&) = delete;
    PingMonitor& operator=(const PingMonitor&) = delete;

    // Starts pinging when Network Game is checked, Join is selected and the ping is not
    // disabled; with Host selected it stops the ping instead.
    void StartPingMonitor();
    void StopPingMonitor();
    // One tick of the ping timer: sends one echo request to the address field's text. No tick
    // sends while an echo is in flight.
    void PingTimerTimer();
    // The result of an echo: the main window's text and image, and the statistics.
    void ApplyEchoResult(const platform::EchoResult& result);

    // The statistics since the last reset.
    std::int32_t PingTotal = 0; // ticks that sent a request (or tried to)
    std::int32_t PingLost = 0;  // requests that timed out
    std::int32_t PingSumMs = 0; // round-trip times of the replies

private:
    void reset();
    void addRoundTrip(std::uint32_t roundTripMs);

    const config::Session& session_;
    platform::IcmpEcho& icmp_;
    PingChoices choices_;
    PingStatsForm& statistics_;
    std::unique_ptr<platform::PendingEcho> echo_; // the current tick's echo while in flight
};

// The picture for a round-trip time; nothing above 10000 ms (the image stays as it was).
std::optional<std::string_view> PictureForRoundTrip(std::uint32_t roundTripMs);
// The main window's text for an echo result: "87ms", "Timeout", "General Failure", "Error: 18".
std::string PingResultText(const platform::EchoResult& result);

} // namespace quarl::net
