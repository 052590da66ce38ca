#include "net/PingMonitor.h"

#include "app/Launcher.h"
#include "net/DottedAddress.h"
#include "net/QualityImages.h"

#include <algorithm>
#include <limits>

namespace quarl::net {

namespace {

constexpr unsigned kEchoTimeoutMs = 1000;
// The statistics start over once the sum of round-trip times reaches this.
constexpr std::int32_t kSumRestart = 2'000'000'000;
constexpr platform::Ipv4Address kAllOnes{{255, 255, 255, 255}};

void ResetMonitor(app::Launcher& launcher) {
    auto& ping = launcher.ping;
    auto& main = launcher.frmMain;
    // An echo still in flight belongs to the statistics being dropped: its result is not shown.
    ping.echo.reset();
    ping.PingTotal = ping.PingSumMs = ping.PingLost = 0;
    main.Pingtime.caption.clear();
    main.imgPing.picture = kBlank;
}

void AddRoundTrip(PingState& ping, std::uint32_t roundTripMs) {
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    const auto sample = static_cast<std::int32_t>(std::min<std::uint32_t>(roundTripMs, kMax));
    // A sum that would no longer fit starts over as well.
    if (ping.PingSumMs >= kSumRestart || sample > kMax - ping.PingSumMs) {
        ping.PingTotal = 0;
        ping.PingLost = 0;
        ping.PingSumMs = sample;
    } else {
        ping.PingSumMs += sample;
    }
}

} // namespace

void StartPingMonitor(app::Launcher& launcher) {
    auto& main = launcher.frmMain;
    if (!main.chkUseNetwork.checked() || launcher.state.PingDisabled)
        return;
    if (!main.rbJoin.selected()) {
        StopPingMonitor(launcher);
        return;
    }
    ResetMonitor(launcher);
    main.PingTimer.start();
    main.imgPing.visible = true;
}

void StopPingMonitor(app::Launcher& launcher) {
    auto& main = launcher.frmMain;
    ResetMonitor(launcher);
    main.PingTimer.enabled = false;
    main.imgPing.visible = false;
    // The Ping Stats window does not exist yet while the main window is being created.
    if (launcher.state.StartupInProgress)
        return;
    launcher.frmPingStats.showStatistics(launcher.ping);
}

void PingTimerTimer(app::Launcher& launcher) {
    auto& main = launcher.frmMain;
    auto& ping = launcher.ping;
    // A ping the player turned off never sends anything, and one echo at a time is in flight.
    if (launcher.state.PingDisabled || ping.echo || !main.rbJoin.selected())
        return;
    // A text that is no address is not sent anywhere, and neither is the all-ones broadcast
    // address: either would put a broadcast echo on the player's network.
    const auto address = ParseDottedAddress(main.txtIPAddress.text);
    if (!address || *address == kAllOnes) {
        ApplyEchoResult(launcher, platform::EchoResult::Failure(platform::kIcmpBadDestination));
        return;
    }
    ping.echo = launcher.platform.icmp.send(*address, kEchoTimeoutMs,
                                            [&launcher](const platform::EchoResult& result) {
                                                launcher.ping.echo.reset();
                                                ApplyEchoResult(launcher, result);
                                            });
}

void ApplyEchoResult(app::Launcher& launcher, const platform::EchoResult& result) {
    auto& main = launcher.frmMain;
    auto& ping = launcher.ping;
    if (result.replied) {
        if (const auto picture = PictureForRoundTrip(result.roundTripMs))
            main.imgPing.picture = *picture;
        AddRoundTrip(ping, result.roundTripMs);
    } else {
        main.imgPing.picture = kBlank;
        if (result.error == platform::kIcmpTimedOut)
            ++ping.PingLost;
    }
    main.Pingtime.caption = PingResultText(result);
    ++ping.PingTotal;
    launcher.frmPingStats.showStatistics(ping);
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
