#include "LauncherFixture.h"

#include "net/DottedAddress.h"
#include "net/PingMonitor.h"
#include "net/QualityImages.h"

namespace quarl::tests {
namespace {

using platform::EchoResult;
using platform::Ipv4Address;

class PingMonitor : public LauncherFixture {
protected:
    // A start with a saved network join to the given address.
    app::MainForm& startJoined(std::string address = "127.0.0.1") {
        installGame(true, false, false);
        setLauncher("UseNetwork", "TRUE");
        setLauncher("Host", "FALSE");
        setLauncher("servermru", "a");
        setLauncher("server-a", std::move(address));
        return start();
    }
    app::MainForm& main() { return launcher->frmMain; }
    net::PingStatsForm& stats() { return launcher->frmPingStats; }
    // One timer tick whose echo completes with the given outcome.
    void tickWithReply(std::uint32_t roundTripMs) {
        fake.icmp.queueReply(roundTripMs);
        tickAndComplete();
    }
    void tickWithError(std::uint32_t error) {
        fake.icmp.queueError(error);
        tickAndComplete();
    }
    void tickAndComplete() {
        main().PingTimer.tick();
        fake.icmp.completeAll();
    }
    std::vector<std::string> labels() {
        return {stats().Label1.caption, stats().Label2.caption, stats().Label3.caption,
                stats().Label4.caption};
    }
    using Labels = std::vector<std::string>;
};

TEST_F(PingMonitor, AFirstReplyOf87msShowsGreen3AndItsStatistics) {
    auto& m = startJoined();
    ASSERT_TRUE(m.PingTimer.enabled);
    EXPECT_EQ(m.PingTimer.interval, 5000u);
    EXPECT_TRUE(m.imgPing.visible);
    EXPECT_EQ(m.imgPing.picture, "blank");
    EXPECT_EQ(m.Pingtime.caption, "");

    m.PingTimer.tick();
    ASSERT_EQ(fake.icmp.sent().size(), 1u);
    EXPECT_EQ(fake.icmp.sent()[0].destination, (Ipv4Address{{127, 0, 0, 1}}));
    EXPECT_EQ(fake.icmp.sent()[0].timeoutMs, 1000u);
    // Nothing shows until the echo completes.
    EXPECT_EQ(m.Pingtime.caption, "");
    EXPECT_EQ(launcher->ping.PingTotal, 0);

    fake.icmp.queueReply(87);
    fake.icmp.completeNext();
    EXPECT_EQ(m.imgPing.picture, "Green3");
    EXPECT_EQ(m.Pingtime.caption, "87ms");
    EXPECT_EQ(labels(),
              (Labels{"Total Pings: 1", "Average Ping: 87ms", "Packet Loss: 0%", "Lost Pings: 0"}));
}

TEST_F(PingMonitor, TheRoundTripChoosesThePicture) {
    const std::pair<std::uint32_t, const char*> cases[] = {
        {0, "Green3"},    {149, "Green3"},  {150, "Green2"},  {199, "Green2"}, {200, "Green1"},
        {250, "Yellow3"}, {300, "Yellow2"}, {350, "Yellow1"}, {400, "Red3"},   {450, "Red2"},
        {499, "Red2"},    {500, "Red1"},    {10000, "Red1"},
    };
    for (const auto& [ms, picture] : cases)
        EXPECT_EQ(net::PictureForRoundTrip(ms), picture) << ms << " ms";
    EXPECT_EQ(net::PictureForRoundTrip(10001), std::nullopt);

    auto& m = startJoined();
    tickWithReply(300);
    EXPECT_EQ(m.imgPing.picture, "Yellow2");
    tickWithReply(10001);
    EXPECT_EQ(m.imgPing.picture, "Yellow2");
    EXPECT_EQ(m.Pingtime.caption, "10001ms");
}

TEST_F(PingMonitor, OneTimeoutAndRepliesOf100And201Average150WithAThirdLost) {
    auto& m = startJoined();
    tickWithError(platform::kIcmpTimedOut);
    EXPECT_EQ(m.Pingtime.caption, "Timeout");
    EXPECT_EQ(m.imgPing.picture, "blank");
    tickWithReply(100);
    tickWithReply(201);
    EXPECT_EQ(labels(), (Labels{"Total Pings: 3", "Average Ping: 150ms", "Packet Loss: 33%",
                                "Lost Pings: 1"}));
}

TEST_F(PingMonitor, OnlyTimeoutsReadNoAverageAndFullLoss) {
    startJoined();
    for (int i = 0; i < 3; ++i)
        tickAndComplete(); // nothing scripted: the host does not answer
    EXPECT_EQ(labels(), (Labels{"Total Pings: 3", "Average Ping: 0ms", "Packet Loss: 100%",
                                "Lost Pings: 3"}));
}

TEST_F(PingMonitor, OtherErrorsCountAsPingsButNotAsLost) {
    auto& m = startJoined();
    tickWithReply(90);
    EXPECT_EQ(m.imgPing.picture, "Green3");
    tickWithError(platform::kIcmpGeneralFailure);
    EXPECT_EQ(m.Pingtime.caption, "General Failure");
    EXPECT_EQ(m.imgPing.picture, "blank");
    tickWithError(11003);
    EXPECT_EQ(m.Pingtime.caption, "Error: 3");
    tickWithError(5);
    EXPECT_EQ(m.Pingtime.caption, "Error: ");
    // Three errors lower the average as 0 ms samples would.
    EXPECT_EQ(labels(),
              (Labels{"Total Pings: 4", "Average Ping: 22ms", "Packet Loss: 0%", "Lost Pings: 0"}));
}

TEST_F(PingMonitor, TextThatIsNoAddressSendsNothingAndReadsError18) {
    auto& m = startJoined();
    tickWithReply(60);
    int total = 1;
    for (const char* text : {"server.example.com", "127.0.0.1:2346", "", "255.255.255.255",
                             "0xffffffff", "127.0.0.256"}) {
        SCOPED_TRACE(text);
        m.txtIPAddress.text = text;
        m.PingTimer.tick();
        EXPECT_EQ(fake.icmp.sent().size(), 1u);
        EXPECT_EQ(m.Pingtime.caption, "Error: 18");
        EXPECT_EQ(m.imgPing.picture, "blank");
        EXPECT_EQ(stats().Label1.caption, "Total Pings: " + std::to_string(++total));
    }
    EXPECT_EQ(stats().Label4.caption, "Lost Pings: 0");
    // Each tick pings whatever the box holds at that moment.
    m.txtIPAddress.text = "127.0.0.3";
    tickWithReply(1);
    ASSERT_EQ(fake.icmp.sent().size(), 2u);
    EXPECT_EQ(fake.icmp.sent()[1].destination, (Ipv4Address{{127, 0, 0, 3}}));
}

TEST_F(PingMonitor, AddressTextsConvertAsTheSocketsLibraryReadsThem) {
    const std::pair<const char*, Ipv4Address> good[] = {
        {"127.0.0.1", {{127, 0, 0, 1}}},  {"127.1", {{127, 0, 0, 1}}},
        {"10.1.258", {{10, 1, 1, 2}}},    {"0x7F.0.0.010", {{127, 0, 0, 8}}},
        {"2130706433", {{127, 0, 0, 1}}}, {"127.0.0.2 \t", {{127, 0, 0, 2}}},
        {"0.0.0.0", {{0, 0, 0, 0}}},      {"255.255.255.255", {{255, 255, 255, 255}}},
    };
    for (const auto& [text, address] : good)
        EXPECT_EQ(net::ParseDottedAddress(text), address) << text;
    for (const char* text :
         {"", " ", " 127.0.0.1", "localhost", "127.0.0.1:2346", "1.2.3.4.5", "1.2.3.", "1..2.3",
          "256.0.0.1", "1.2.65536", "08.0.0.1", "0x", "1a", "1.2.3.4 x", "4294967296"})
        EXPECT_EQ(net::ParseDottedAddress(text), std::nullopt) << '"' << text << '"';
}

TEST_F(PingMonitor, NoRequestWithoutANetworkJoinOrWithThePingDisabled) {
    {
        SCOPED_TRACE("network game off");
        auto& m = startJoined();
        m.chkUseNetwork.click();
        EXPECT_FALSE(m.PingTimer.enabled);
        EXPECT_FALSE(m.imgPing.visible);
    }
    {
        SCOPED_TRACE("Host chosen: the first paint runs the timer, but its ticks do nothing");
        setLauncher("Host", "TRUE");
        auto& m = start();
        EXPECT_TRUE(m.PingTimer.enabled);
        EXPECT_FALSE(m.imgPing.visible);
        m.PingTimer.tick();
        EXPECT_TRUE(fake.icmp.sent().empty());
        EXPECT_EQ(m.Pingtime.caption, "");
    }
    {
        SCOPED_TRACE("DisablePing TRUE with a saved network join");
        setLauncher("Host", "FALSE");
        setLauncher("DisablePing", "TRUE");
        auto& m = start();
        EXPECT_FALSE(m.PingTimer.enabled);
        EXPECT_FALSE(m.imgPing.visible);
        m.rbHost.click();
        m.rbJoin.click();
        m.chkUseNetwork.click();
        m.chkUseNetwork.click();
        EXPECT_FALSE(m.PingTimer.enabled);
        launcher->ping.PingTimerTimer();
        EXPECT_TRUE(fake.icmp.sent().empty());
    }
}

TEST_F(PingMonitor, StoppingShowsTheZeroTextsOnlyOnceStartUpIsOver) {
    auto& m = startJoined();
    // Start-up stopped the monitor before the Ping Stats window existed.
    EXPECT_EQ(labels(),
              (Labels{"Total Pings: 0", "Average Ping: 0", "Packet Loss: 0%", "Pings Lost: 0"}));
    tickWithReply(40);
    m.rbHost.click();
    EXPECT_FALSE(m.PingTimer.enabled);
    EXPECT_FALSE(m.imgPing.visible);
    EXPECT_EQ(m.imgPing.picture, "blank");
    EXPECT_EQ(m.Pingtime.caption, "");
    EXPECT_EQ(labels(),
              (Labels{"Total Pings: 0", "Average Ping: 0ms", "Packet Loss: 0%", "Lost Pings: 0"}));
    // Join starts again from zero.
    m.rbJoin.click();
    EXPECT_TRUE(m.PingTimer.enabled);
    EXPECT_TRUE(m.imgPing.visible);
    tickWithReply(60);
    EXPECT_EQ(stats().Label2.caption, "Average Ping: 60ms");
}

TEST_F(PingMonitor, ResetRestartsTheStatisticsAndKeepsAMonitorWithHostStopped) {
    {
        SCOPED_TRACE("Join");
        auto& m = startJoined();
        tickWithReply(30);
        tickAndComplete();
        // A start while running keeps the timer's rhythm; after the reset's stop the interval
        // counts from the reset.
        const auto starts = m.PingTimer.starts();
        launcher->ping.StartPingMonitor();
        EXPECT_EQ(m.PingTimer.starts(), starts);
        EXPECT_EQ(stats().Label1.caption, "Total Pings: 2");
        EXPECT_EQ(m.Pingtime.caption, "");
        stats().btnReset.click();
        EXPECT_EQ(m.PingTimer.starts(), starts + 1);
        EXPECT_TRUE(m.PingTimer.enabled);
        EXPECT_TRUE(m.imgPing.visible);
        EXPECT_EQ(m.Pingtime.caption, "");
        EXPECT_EQ(labels(), (Labels{"Total Pings: 0", "Average Ping: 0ms", "Packet Loss: 0%",
                                    "Lost Pings: 0"}));
        tickWithReply(70);
        EXPECT_EQ(stats().Label1.caption, "Total Pings: 1");
        EXPECT_EQ(stats().Label2.caption, "Average Ping: 70ms");
    }
    {
        SCOPED_TRACE("Host");
        setLauncher("Host", "TRUE");
        auto& m = start();
        ASSERT_TRUE(m.PingTimer.enabled); // from the first paint
        stats().btnReset.click();
        EXPECT_FALSE(m.PingTimer.enabled);
        EXPECT_FALSE(m.imgPing.visible);
        EXPECT_EQ(labels(), (Labels{"Total Pings: 0", "Average Ping: 0ms", "Packet Loss: 0%",
                                    "Lost Pings: 0"}));
    }
}

TEST_F(PingMonitor, OneEchoAtATimeAndAStoppedMonitorIgnoresALateResult) {
    auto& m = startJoined();
    m.PingTimer.tick();
    m.PingTimer.tick();
    EXPECT_EQ(fake.icmp.sent().size(), 1u);
    EXPECT_EQ(fake.icmp.inFlight(), 1u);

    m.chkUseNetwork.click(); // stop while the echo is in flight
    fake.icmp.queueReply(20);
    fake.icmp.completeNext();
    EXPECT_EQ(m.Pingtime.caption, "");
    EXPECT_EQ(m.imgPing.picture, "blank");
    EXPECT_EQ(stats().Label1.caption, "Total Pings: 0");

    // A restart while an echo is in flight drops it too, and the next tick sends again.
    m.chkUseNetwork.click();
    m.PingTimer.tick();
    stats().btnReset.click();
    m.PingTimer.tick();
    EXPECT_EQ(fake.icmp.sent().size(), 3u);
    fake.icmp.queueReply(500); // for the echo sent before the reset
    fake.icmp.queueReply(25);
    fake.icmp.completeAll();
    EXPECT_EQ(m.Pingtime.caption, "25ms");
    EXPECT_EQ(stats().Label1.caption, "Total Pings: 1");
}

TEST_F(PingMonitor, TheStatisticsStartOverOnceTheSumReachesTwoBillion) {
    auto& m = startJoined();
    auto& ping = launcher->ping;
    ping.PingTotal = 1000;
    ping.PingLost = 10;
    ping.PingSumMs = 1'999'999'960;
    tickWithReply(40);
    EXPECT_EQ(ping.PingSumMs, 2'000'000'000);
    EXPECT_EQ(ping.PingTotal, 1001);
    tickWithReply(40);
    EXPECT_EQ(labels(),
              (Labels{"Total Pings: 1", "Average Ping: 40ms", "Packet Loss: 0%", "Lost Pings: 0"}));
    // A reply too long to add without overflow starts over as well.
    ping.PingSumMs = 1'999'999'999;
    tickWithReply(200'000'000);
    EXPECT_EQ(ping.PingSumMs, 200'000'000);
    EXPECT_EQ(ping.PingTotal, 1);
    EXPECT_EQ(m.Pingtime.caption, "200000000ms");
}

TEST_F(PingMonitor, ThePingStatsWindowOpensFromTheImageTheTextAndTheMenu) {
    auto& m = startJoined();
    EXPECT_EQ(stats().caption, "Ping Stats");
    EXPECT_EQ(stats().btnReset.caption, "&Reset");
    EXPECT_EQ(stats().btnClose.caption, "&Close");
    for (auto* open : {&m.imgPing.onDoubleClick, &m.Pingtime.onDoubleClick}) {
        ASSERT_FALSE(stats().visible());
        (*open)();
        EXPECT_TRUE(stats().visible());
        stats().btnClose.click();
    }
    m.mnuPingDetails.click();
    EXPECT_TRUE(stats().visible());
    EXPECT_TRUE(m.enabled); // not modal
    stats().btnClose.click();
    EXPECT_FALSE(stats().visible());
    // Closed, it keeps counting.
    tickWithReply(10);
    EXPECT_EQ(stats().Label1.caption, "Total Pings: 1");
}

TEST_F(PingMonitor, ThePingStatsWindowMovesToTheTopEdgeAtItsFirstPaint) {
    startJoined();
    EXPECT_EQ(stats().top, std::nullopt);
    stats().show();
    stats().paint();
    EXPECT_EQ(stats().top, 1);
}

TEST(QualityImages, BarsOfFiveByFiveAtColumns1_7And13OnBlack) {
    struct Case {
        const char* picture;
        int bars;
        net::Rgb colour;
    };
    const net::Rgb green{0, 255, 0}, yellow{255, 255, 0}, red{255, 0, 0}, black{0, 0, 0};
    const Case cases[] = {
        {"Green3", 3, green},   {"Green2", 2, green},   {"Green1", 1, green},
        {"Yellow3", 3, yellow}, {"Yellow2", 2, yellow}, {"Yellow1", 1, yellow},
        {"Red3", 3, red},       {"Red2", 2, red},       {"Red1", 1, red},
        {"blank", 0, black},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.picture);
        const auto pixels = net::QualityPixels(c.picture);
        ASSERT_TRUE(pixels);
        ASSERT_EQ(pixels->size(), 19u * 7u);
        const auto at = [&](int x, int y) {
            return (*pixels)[static_cast<std::size_t>(y * 19 + x)];
        };
        int coloured = 0;
        for (const auto& pixel : *pixels)
            if (pixel != black) {
                EXPECT_EQ(pixel, c.colour);
                ++coloured;
            }
        EXPECT_EQ(coloured, 25 * c.bars);
        const int starts[] = {1, 7, 13};
        for (int bar = 0; bar < 3; ++bar) {
            const auto expected = bar < c.bars ? c.colour : black;
            // The bar's corners, and the black frame and gaps around it.
            EXPECT_EQ(at(starts[bar], 1), expected);
            EXPECT_EQ(at(starts[bar] + 4, 5), expected);
            EXPECT_EQ(at(starts[bar] - 1, 3), black);
            EXPECT_EQ(at(starts[bar] + 5, 3), black);
            EXPECT_EQ(at(starts[bar] + 2, 0), black);
            EXPECT_EQ(at(starts[bar] + 2, 6), black);
        }
    }
    EXPECT_EQ(net::QualityPixels("Green4"), std::nullopt);
}

} // namespace
} // namespace quarl::tests
