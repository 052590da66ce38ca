#include "net/PingMonitor.h"

#include "net/DottedAddress.h"
#include "net/PingStatsForm.h"
#include "net/QualityImages.h"

#include <algorithm>
#include <limits>

namespace quarl::net {

namespace {

constexpr unsigned kEchoTimeoutMs = 1000;
// The statistics start over once the sum of round-trip times reaches this.
constexpr std::int32_t kSumRestart = 2'000'000'000;
constexpr platform::Ipv4Address kAllOnes{{255, 255, 255, 255}};

} // namespace

void PingMonitor::reset() {
    // An echo still in flight belongs to the statistics being dropped: its result is not shown.
    echo_.reset();
    PingTotal = PingSumMs = PingLost = 0;
    choices_.Pingtime.caption.clear();
    choices_.imgPing.picture = kBlank;
}

void PingMonitor::addRoundTrip(std::uint32_t roundTripMs) {
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    const auto sample = static_cast<std::int32_t>(std::min<std::uint32_t>(roundTripMs, kMax));
    // A sum that would no longer fit starts over as well.
    if (PingSumMs >= kSumRestart || sample > kMax - PingSumMs) {
        PingTotal = 0;
        PingLost = 0;
        PingSumMs = sample;
    } else {
        PingSumMs += sample;
    }
}

void PingMonitor::StartPingMonitor() {
    if (!choices_.chkUseNetwork.checked() || session_.PingDisabled)
        return;
    if (!choices_.rbJoin.selected()) {
        StopPingMonitor();
        return;
    }
    reset();
    choices_.PingTimer.start();
    choices_.imgPing.visible = true;
}

void PingMonitor::StopPingMonitor() {
    reset();
    choices_.PingTimer.enabled = false;
    choices_.imgPing.visible = false;
    // The Ping Stats window does not exist yet while the main window is being created.
    if (session_.StartupInProgress)
        return;
    statistics_.showStatistics(*this);
}

void PingMonitor::PingTimerTimer() {
    // A ping the player turned off never sends anything, and one echo at a time is in flight.
    if (session_.PingDisabled || echo_ || !choices_.rbJoin.selected())
        return;
    // A text that is no address is not sent anywhere, and neither is the all-ones broadcast
    // address: either would put a broadcast echo on the player's network.
    const auto address = ParseDottedAddress(choices_.txtIPAddress.text);
    if (!address || *address == kAllOnes) {
        ApplyEchoResult(platform::EchoResult::Failure(platform::kIcmpBadDestination));
        return;
    }
    echo_ = icmp_.send(*address, kEchoTimeoutMs, [this](const platform::EchoResult& result) {
        echo_.reset();
        ApplyEchoResult(result);
    });
}

void PingMonitor::ApplyEchoResult(const platform::EchoResult& result) {
    if (result.replied) {
        if (const auto picture = PictureForRoundTrip(result.roundTripMs))
            choices_.imgPing.picture = *picture;
        addRoundTrip(result.roundTripMs);
    } else {
        choices_.imgPing.picture = kBlank;
        if (result.error == platform::kIcmpTimedOut)
            ++PingLost;
    }
    choices_.Pingtime.caption = PingResultText(result);
    ++PingTotal;
    statistics_.showStatistics(*this);
}

std::optional<std::string_view> PictureForRoundTrip(std::uint32_t roundTripMs) {
    constexpr std::pair<std::uint32_t, std::string_view> kBelow[] = {
        {150, kGreen3},  {200, kGreen2},  {250, kGreen1}, {300, kYellow3},
        {350, kYellow2}, {400, kYellow1}, {450, kRed3},   {500, kRed2},
    };
    for (const auto& [limit, picture] : kBelow)
        if (roundTripMs < limit)
            return picture;
    if (roundTripMs <= 10000)
        return kRed1;
    return std::nullopt;
}

std::string PingResultText(const platform::EchoResult& result) {
    if (result.replied)
        return std::to_string(result.roundTripMs) + "ms";
    switch (result.error) {
    case platform::kIcmpTimedOut: return "Timeout";
    case platform::kIcmpGeneralFailure: return "General Failure";
    default:
        if (result.error > 11000)
            return "Error: " + std::to_string(result.error - 11000);
        return "Error: ";
    }
}

} // namespace quarl::net
