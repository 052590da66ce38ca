// The echo service against the real ICMP library, on loopback only.
#include "net/PingMonitor.h"
#include "platform/win32/Win32IcmpEcho.h"

#include <gtest/gtest.h>

#include <optional>
#include <regex>

namespace quarl::tests {
namespace {

using platform::EchoResult;
using platform::Ipv4Address;
using platform::win32::Win32IcmpEcho;

// Waits on the service's objects as the message loop does, handing each signalled one back,
// until nothing is in flight or the time is up.
void RunUntilIdle(Win32IcmpEcho& icmp, DWORD limitMs = 5000) {
    const DWORD start = GetTickCount();
    while (icmp.inFlight() > 0 && GetTickCount() - start < limitMs) {
        std::vector<HANDLE> handles;
        icmp.appendWaitHandles(handles);
        ASSERT_FALSE(handles.empty());
        const DWORD woken =
            WaitForMultipleObjects(static_cast<DWORD>(handles.size()), handles.data(), FALSE, 100);
        if (woken < WAIT_OBJECT_0 + handles.size())
            icmp.signalled(handles[woken - WAIT_OBJECT_0]);
    }
}

TEST(Win32IcmpEcho, AnEchoToLoopbackIsAnsweredWithARoundTripText) {
    Win32IcmpEcho icmp;
    std::optional<EchoResult> result;
    auto request = icmp.send(Ipv4Address{{127, 0, 0, 1}}, 1000,
                             [&](const EchoResult& echo) { result = echo; });
    // The call returns at once; the reply comes through the wait.
    EXPECT_FALSE(result);
    RunUntilIdle(icmp);
    ASSERT_TRUE(result);
    EXPECT_TRUE(result->replied) << "error " << result->error;
    EXPECT_LT(result->roundTripMs, 1000u);
    EXPECT_TRUE(std::regex_match(net::PingResultText(*result), std::regex("[0-9]+ms")))
        << net::PingResultText(*result);
}

TEST(Win32IcmpEcho, EchoesInFlightTogetherAllCompleteAndAWithdrawnOneRunsNothing) {
    Win32IcmpEcho icmp;
    int first = 0, second = 0, withdrawn = 0;
    auto a = icmp.send(Ipv4Address{{127, 0, 0, 1}}, 1000, [&](const EchoResult&) { ++first; });
    auto b = icmp.send(Ipv4Address{{127, 0, 0, 2}}, 1000, [&](const EchoResult&) { ++second; });
    auto c = icmp.send(Ipv4Address{{127, 0, 0, 1}}, 1000, [&](const EchoResult&) { ++withdrawn; });
    EXPECT_EQ(icmp.inFlight(), 3u);
    c.reset();
    RunUntilIdle(icmp);
    EXPECT_EQ(icmp.inFlight(), 0u);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 1);
    EXPECT_EQ(withdrawn, 0);
}

} // namespace
} // namespace quarl::tests
