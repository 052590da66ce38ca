// The UI thread's longest stall while the ping monitor ticks against a loopback address that
// does not answer: the launcher's asynchronous echo beside the blocking echo call, measured in
// the same run and the same message loop. A heartbeat timer every 10 ms marks the loop's
// progress; the longest gap between two heartbeats is the longest stall.
//
//   PingStallBench.exe [ADDRESS [TICKS]]     ADDRESS a 127.x.x.x address (default 127.0.0.5)
//
// Make the address silent first (bench/ping-stall.sh does): otherwise it answers at once and
// both stalls are short.
#include "app/Launcher.h"
#include "net/DottedAddress.h"
#include "platform/fake/FakePlatform.h"
#include "platform/win32/Win32IcmpEcho.h"
#include "win32ui/ViewHost.h"

#include <windows.h>
#include <iphlpapi.h>
#include <icmpapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

using namespace quarl;

namespace {

constexpr UINT_PTR kHeartbeat = 1;
constexpr UINT_PTR kTick = 2;
constexpr UINT_PTR kEnd = 3;
constexpr UINT kHeartbeatMs = 10;
// Shorter than the launcher's 5000 ms, to take several ticks in a few seconds; each tick's
// echo times out after 1000 ms, well inside it.
constexpr UINT kTickMs = 1500;

struct Phase {
    const char* name;
    bool blocking;
    double longestGapMs = 0;
    std::vector<double> gaps;
    std::vector<std::string> results;
};

struct Bench {
    app::Launcher* launcher = nullptr;
    platform::Ipv4Address address;
    Phase* phase = nullptr;
    int ticksLeft = 0;
    LARGE_INTEGER frequency{};
    LARGE_INTEGER lastBeat{};
    std::int32_t lastTotal = 0;
};

Bench bench;

double MillisecondsSince(const LARGE_INTEGER& then) {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart - then.QuadPart) * 1000.0 /
           static_cast<double>(bench.frequency.QuadPart);
}

// The echo of the specified design: a fresh handle, one call that holds the thread until the
// reply or the timeout, the handle closed again.
std::string BlockingEcho() {
    HANDLE icmp = IcmpCreateFile();
    char data[32] = {};
    unsigned char reply[sizeof(ICMP_ECHO_REPLY) + sizeof data + 8] = {};
    IPAddr to;
    std::memcpy(&to, bench.address.octets.data(), sizeof to);
    const DWORD replies =
        IcmpSendEcho(icmp, to, data, sizeof data, nullptr, reply, sizeof reply, 1000);
    const DWORD error = GetLastError();
    IcmpCloseHandle(icmp);
    if (replies > 0)
        return std::to_string(reinterpret_cast<ICMP_ECHO_REPLY*>(reply)->RoundTripTime) + "ms";
    return "error " + std::to_string(error);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_TIMER)
        return DefWindowProcW(window, message, wParam, lParam);
    auto& main = bench.launcher->frmMain;
    switch (wParam) {
    case kHeartbeat: {
        const double gap = MillisecondsSince(bench.lastBeat);
        QueryPerformanceCounter(&bench.lastBeat);
        bench.phase->gaps.push_back(gap);
        bench.phase->longestGapMs = std::max(bench.phase->longestGapMs, gap);
        // The launcher's result of a tick, once its echo has completed.
        if (!bench.phase->blocking && bench.launcher->ping.PingTotal != bench.lastTotal) {
            bench.lastTotal = bench.launcher->ping.PingTotal;
            bench.phase->results.push_back(main.Pingtime.caption);
        }
        break;
    }
    case kTick:
        if (bench.ticksLeft == 0)
            break;
        --bench.ticksLeft;
        if (bench.phase->blocking)
            bench.phase->results.push_back(BlockingEcho());
        else
            main.PingTimer.tick();
        if (bench.ticksLeft == 0)
            SetTimer(window, kEnd, kTickMs, nullptr);
        break;
    case kEnd:
        KillTimer(window, kEnd);
        PostQuitMessage(0);
        break;
    }
    return 0;
}

void Run(win32ui::ViewHost& host, HWND window, Phase& phase, int ticks) {
    bench.phase = &phase;
    bench.ticksLeft = ticks;
    SetTimer(window, kHeartbeat, kHeartbeatMs, nullptr);
    SetTimer(window, kTick, kTickMs, nullptr);
    QueryPerformanceCounter(&bench.lastBeat);
    host.run();
    KillTimer(window, kHeartbeat);
    KillTimer(window, kTick);
}

void Print(Phase& phase) {
    std::string results;
    for (const auto& result : phase.results)
        results += (results.empty() ? "" : ", ") + result;
    std::sort(phase.gaps.begin(), phase.gaps.end());
    const double median = phase.gaps.empty() ? 0 : phase.gaps[phase.gaps.size() / 2];
    std::printf("  %-30s longest stall %7.1f ms (median heartbeat gap %4.1f ms)  results: %s\n",
                phase.name, phase.longestGapMs, median, results.c_str());
}

} // namespace

int main(int argc, char** argv) {
    const std::string text = argc > 1 ? argv[1] : "127.0.0.5";
    const int ticks = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    const auto address = net::ParseDottedAddress(text);
    // Nothing leaves the machine.
    if (!address || address->octets[0] != 127) {
        std::fprintf(stderr, "PingStallBench: %s is not a loopback address (127.x.x.x)\n",
                     text.c_str());
        return 2;
    }
    bench.address = *address;
    QueryPerformanceFrequency(&bench.frequency);

    // The launcher's core on the fake registry and files, with the real echo service.
    platform::fake::FakePlatform fake;
    platform::win32::Win32IcmpEcho icmp;
    platform::Platform services{fake.registry, fake.files,    fake.dialogs,
                                fake.kernel,   fake.messages, fake.shell,
                                fake.windows,  icmp,          {}};
    app::Launcher launcher(services);
    bench.launcher = &launcher;
    win32ui::ViewHost host(launcher.application);
    host.addWaitSource(icmp);
    auto& main = launcher.frmMain;
    main.txtIPAddress.text = text;
    main.rbJoin.select();
    main.chkUseNetwork.setChecked(true); // starts the monitor

    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"QuarlPingStallBench";
    RegisterClassW(&windowClass);
    const HWND window = CreateWindowW(windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                      nullptr, windowClass.hInstance, nullptr);

    std::printf("Ping stall: %d ticks each to %s, heartbeat every %u ms\n", ticks, text.c_str(),
                kHeartbeatMs);
    Phase asynchronous{"asynchronous echo (launcher)", false, 0, {}, {}};
    Phase blocking{"blocking IcmpSendEcho", true, 0, {}, {}};
    Run(host, window, asynchronous, ticks);
    Run(host, window, blocking, ticks);
    Print(asynchronous);
    Print(blocking);
    std::printf("  blocking / asynchronous: %.1f\n",
                blocking.longestGapMs / std::max(asynchronous.longestGapMs, 0.001));
    std::printf("  statistics: %s, %s, %s, %s\n", launcher.frmPingStats.Label1.caption.c_str(),
                launcher.frmPingStats.Label2.caption.c_str(),
                launcher.frmPingStats.Label3.caption.c_str(),
                launcher.frmPingStats.Label4.caption.c_str());
    std::printf("summary: | UI stall during pings to a silent address (Wine) | %.0f ms | %.0f ms "
                "blocking echo | %.3f | stall < 20 ms | %s |\n",
                asynchronous.longestGapMs, blocking.longestGapMs,
                asynchronous.longestGapMs / std::max(blocking.longestGapMs, 0.001),
                asynchronous.longestGapMs < 20 ? "met" : "missed");
    if (launcher.ping.PingLost < launcher.ping.PingTotal)
        std::printf("  note: %s answered; make it silent to measure the wait for a timeout\n",
                    text.c_str());
    DestroyWindow(window);
    return 0;
}
