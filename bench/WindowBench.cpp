// The launcher as a player meets it, under Wine: the real Launcher.exe beside its floor, started
// and driven from outside, in turns, several runs each. Prints Markdown; the last line,
// "summary: ...", is the row for the table of all benchmarks. A measurement: nothing is
// asserted.
//
//   WindowBench.exe startup RUNS LAUNCHER FLOOR...   process start to the first visible window:
//                                                    the launcher beside bare dialog programs
//   WindowBench.exe launch RUNS LAUNCHER GAME_FOLDER "Launch" to the game's process start,
//                                                    beside ShellExecute of the same game
//   WindowBench.exe memory ROUNDS LAUNCHER FLOOR     private bytes after start-up and after
//                                                    ROUNDS (twice) of Host, Join and a mod
//                                                    change, beside the bare dialog's
//
// LAUNCHER is the installed Launcher.exe (the demo installation's); its folder is the working
// folder. Only one launcher may run: the benchmark waits for each to end before the next.
#include "win32ui/MainViewIds.h"
#include "win32ui/ResumeViewIds.h"

#include <windows.h>
#include <psapi.h>
#include <shellapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr DWORD kPatienceMs = 30000;
constexpr wchar_t kGameExe[] = L"RogueSpear.exe";

double Now() {
    LARGE_INTEGER counter;
    LARGE_INTEGER frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// The median of the pairwise ratios: a pair's two runs meet the same load of a shared machine.
double MedianRatio(const std::vector<double>& ours, const std::vector<double>& theirs) {
    std::vector<double> ratios;
    for (std::size_t i = 0; i < ours.size() && i < theirs.size(); ++i)
        ratios.push_back(ours[i] / std::max(theirs[i], 0.001));
    return Median(ratios);
}

// Polls every millisecond until the condition holds; false after the patience ran out.
bool WaitFor(const std::function<bool()>& condition) {
    const double deadline = Now() + kPatienceMs;
    while (!condition()) {
        if (Now() > deadline)
            return false;
        Sleep(1);
    }
    return true;
}

std::wstring FolderOf(const std::wstring& path) {
    return path.substr(0, path.find_last_of(L'\\'));
}

struct WindowSearch {
    DWORD processId;
    HWND except;
    HWND found;
};

BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<WindowSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || window == search->except || !IsWindowVisible(window))
        return TRUE;
    search->found = window;
    return FALSE;
}

// A visible top-level window of the process (other than the one given), or nullptr.
HWND VisibleWindowOf(DWORD processId, HWND except = nullptr) {
    WindowSearch search{processId, except, nullptr};
    EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A program started from its own folder, ended (forcibly if need be) when the object goes.
class Program {
public:
    explicit Program(const std::wstring& path) {
        std::wstring line = L"\"" + path + L"\"";
        const auto folder = FolderOf(path);
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            folder.c_str(), &startup, &process_))
            std::fprintf(stderr, "WindowBench: cannot start %ls (error %lu)\n", path.c_str(),
                         GetLastError());
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    ~Program() {
        if (!process_.hProcess)
            return;
        if (WaitForSingleObject(process_.hProcess, kPatienceMs) == WAIT_TIMEOUT) {
            std::fprintf(stderr, "WindowBench: a program did not end; ended by force\n");
            TerminateProcess(process_.hProcess, 99);
            WaitForSingleObject(process_.hProcess, kPatienceMs);
        }
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    bool started() const { return process_.hProcess != nullptr; }
    DWORD id() const { return process_.dwProcessId; }
    HANDLE handle() const { return process_.hProcess; }
    // Its first visible window; nullptr when none came.
    HWND waitForWindow(HWND except = nullptr) const {
        HWND window = nullptr;
        if (started())
            WaitFor([&] { return (window = VisibleWindowOf(id(), except)) != nullptr; });
        return window;
    }
    // Lets the program handle everything queued so far, its first paint included.
    static void settle(HWND window) {
        DWORD_PTR result = 0;
        SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, kPatienceMs, &result);
        Sleep(300);
        SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, kPatienceMs, &result);
    }

private:
    PROCESS_INFORMATION process_{};
};

// CPU time (user and kernel) the process has used so far, in milliseconds.
double CpuMilliseconds(HANDLE process) {
    FILETIME created, ended, kernel, user;
    if (!GetProcessTimes(process, &created, &ended, &kernel, &user))
        return -1;
    const auto ticks = [](const FILETIME& time) {
        return static_cast<double>((static_cast<ULONGLONG>(time.dwHighDateTime) << 32) |
                                   time.dwLowDateTime);
    };
    return (ticks(kernel) + ticks(user)) / 10000.0;
}

struct StartTimes {
    double wall = -1; // process creation to the first visible window
    double cpu = -1;  // the process's CPU time at that moment: less disturbed by other work
};

StartTimes StartToWindow(const std::wstring& path) {
    StartTimes times;
    const double start = Now();
    Program program(path);
    const HWND window = program.waitForWindow();
    if (!window)
        return times;
    times.wall = Now() - start;
    times.cpu = CpuMilliseconds(program.handle());
    Program::settle(window);
    PostMessageW(window, WM_CLOSE, 0, 0);
    return times;
}

// The launcher beside each floor, in turns; the row's ratio is against the first floor, the
// others show where the time between the two goes.
int Startup(int runs, const std::wstring& launcher, const std::vector<std::wstring>& floors) {
    static const struct {
        const char* row;    // in the table
        const char* beside; // in the summary, after the first floor
    } kFloors[] = {
        {"Bare Win32 dialog", "a bare dialog"},
        {"Bare dialog with Common Controls 6", "a bare dialog with Common Controls 6"},
        {"The launcher's main window template, shown by a bare program",
         "its own window template in a bare program"},
    };
    const std::size_t programs = 1 + std::min(floors.size(), std::size(kFloors));
    auto path = [&](std::size_t program) { return program == 0 ? launcher : floors[program - 1]; };
    // One of each first, not counted: Wine maps the programs and their DLLs once.
    for (std::size_t program = 0; program < programs; ++program)
        StartToWindow(path(program));
    std::vector<std::vector<double>> walls(programs), cpus(programs);
    for (int run = 0; run < runs; ++run) {
        for (std::size_t program = 0; program < programs; ++program) {
            const auto times = StartToWindow(path(program));
            if (times.wall < 0) {
                std::fprintf(stderr, "WindowBench: %ls showed no window\n", path(program).c_str());
                return 1;
            }
            walls[program].push_back(times.wall);
            cpus[program].push_back(times.cpu);
        }
    }
    std::printf("| Program | Start to first visible window, median of %d (ms) | Fastest | Slowest "
                "| CPU time by then, median (ms) | Launcher / this, median of the pairs |\n"
                "|---|---|---|---|---|---|\n",
                runs);
    for (std::size_t program = 0; program < programs; ++program) {
        const auto& wall = walls[program];
        std::printf("| %s | %.1f | %.1f | %.1f | %.1f | %.2f |\n",
                    program == 0 ? "Launcher.exe (demo installation)" : kFloors[program - 1].row,
                    Median(wall), *std::min_element(wall.begin(), wall.end()),
                    *std::max_element(wall.begin(), wall.end()), Median(cpus[program]),
                    MedianRatio(walls[0], wall));
    }
    const auto& ours = walls[0];
    const auto& theirs = walls[1];
    const double ratio = MedianRatio(ours, theirs);
    std::printf("\nLauncher / bare dialog, median of the %d pairs' ratios: %.2f (CPU time: %.2f)\n",
                runs, ratio, MedianRatio(cpus[0], cpus[1]));
    std::string beside;
    for (std::size_t program = 2; program < programs; ++program) {
        char text[80];
        std::snprintf(text, sizeof text, "; %.2f beside %s", MedianRatio(ours, walls[program]),
                      kFloors[program - 1].beside);
        beside += text;
    }
    std::printf(
        "summary: | Start to first paint (Wine) | %.0f ms (fastest %.0f, CPU %.0f) | %.0f ms "
        "bare dialog (fastest %.0f, CPU %.0f) | %.2f | ratio <= 1.25 | %s%s |\n",
        Median(ours), *std::min_element(ours.begin(), ours.end()), Median(cpus[0]), Median(theirs),
        *std::min_element(theirs.begin(), theirs.end()), Median(cpus[1]), ratio,
        ratio <= 1.25 ? "met" : "missed", beside.c_str());
    return 0;
}

// The ids of the running processes of the game's executable.
std::vector<DWORD> GameProcesses() {
    std::vector<DWORD> ids;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return ids;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more;
         more = Process32NextW(snapshot, &entry))
        if (_wcsicmp(entry.szExeFile, kGameExe) == 0)
            ids.push_back(entry.th32ProcessID);
    CloseHandle(snapshot);
    return ids;
}

void EndProcess(DWORD id) {
    if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id)) {
        TerminateProcess(process, 0);
        WaitForSingleObject(process, kPatienceMs);
        CloseHandle(process);
    }
}

// Milliseconds from the trigger to the game's process start; the game is ended again.
double TriggerToGame(const std::function<void()>& trigger) {
    const double start = Now();
    trigger();
    std::vector<DWORD> games;
    if (!WaitFor([&] { return !(games = GameProcesses()).empty(); }))
        return -1;
    const double elapsed = Now() - start;
    for (const DWORD id : games)
        EndProcess(id);
    return elapsed;
}

int Launch(int runs, const std::wstring& launcherPath, const std::wstring& gameFolder) {
    for (const DWORD id : GameProcesses())
        EndProcess(id);
    Program launcher(launcherPath);
    const HWND main = launcher.waitForWindow();
    if (!main) {
        std::fprintf(stderr, "WindowBench: the launcher showed no window\n");
        return 1;
    }
    Program::settle(main);
    const auto launch = [&] {
        const double elapsed =
            TriggerToGame([&] { PostMessageW(main, WM_COMMAND, IDM_LAUNCH, 0); });
        // Back from the game: "&Resume" enables the main window again.
        if (const HWND resume = launcher.waitForWindow(main)) {
            Program::settle(resume);
            SendMessageW(GetDlgItem(resume, IDC_BTN_RESUME), BM_CLICK, 0, 0);
        }
        WaitFor([&] { return IsWindowEnabled(main) != FALSE; });
        Program::settle(main);
        return elapsed;
    };
    const auto shell = [&] {
        return TriggerToGame([&] {
            ShellExecuteW(nullptr, L"open", kGameExe, L"-client 127.0.0.1 2346", gameFolder.c_str(),
                          SW_SHOWNORMAL);
        });
    };
    launch();
    shell();
    std::vector<double> ours;
    std::vector<double> theirs;
    for (int run = 0; run < runs; ++run) {
        ours.push_back(launch());
        theirs.push_back(shell());
    }
    PostMessageW(main, WM_CLOSE, 0, 0);
    if (std::count(ours.begin(), ours.end(), -1.0) +
        std::count(theirs.begin(), theirs.end(), -1.0)) {
        std::fprintf(stderr, "WindowBench: a game process did not start\n");
        return 1;
    }
    const double a = Median(ours);
    const double b = Median(theirs);
    std::printf("| Trigger | To the game's process start, median of %d (ms) | Fastest | Slowest "
                "|\n|---|---|---|---|\n",
                runs);
    std::printf("| The launcher's Launch command | %.1f | %.1f | %.1f |\n", a,
                *std::min_element(ours.begin(), ours.end()),
                *std::max_element(ours.begin(), ours.end()));
    std::printf("| ShellExecute of the same game | %.1f | %.1f | %.1f |\n", b,
                *std::min_element(theirs.begin(), theirs.end()),
                *std::max_element(theirs.begin(), theirs.end()));
    const double ratio = MedianRatio(ours, theirs);
    std::printf("\nLaunch / ShellExecute, median of the %d pairs' ratios: %.2f\n", runs, ratio);
    std::printf("summary: | Launch click to game process (Wine) | %.0f ms | %.0f ms ShellExecute "
                "| %.2f | ratio <= 1.1 | %s |\n",
                a, b, ratio, ratio <= 1.1 ? "met" : "missed");
    return 0;
}

double PrivateMegabytes(HANDLE process) {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                              sizeof counters))
        return -1;
    // Wine leaves PrivateUsage at 0; Windows gives the same figure, the commit charge, in both.
    const auto bytes = counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
    return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

void Click(HWND main, int id) {
    SendMessageW(GetDlgItem(main, id), BM_CLICK, 0, 0);
}

// ROUNDS of Host, Join and the next mod of the list.
void ChangeChoices(HWND main, int rounds) {
    const HWND mods = GetDlgItem(main, IDC_LST_MODS);
    const auto count = static_cast<int>(SendMessageW(mods, LB_GETCOUNT, 0, 0));
    for (int round = 0; round < rounds; ++round) {
        Click(main, IDC_RB_HOST);
        Click(main, IDC_RB_JOIN);
        if (count > 0) {
            SendMessageW(mods, LB_SETCURSEL, static_cast<WPARAM>(round % count), 0);
            SendMessageW(main, WM_COMMAND, MAKEWPARAM(IDC_LST_MODS, LBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(mods));
        }
    }
}

int Memory(int rounds, const std::wstring& launcherPath, const std::wstring& floorPath) {
    double floor = -1;
    {
        Program program(floorPath);
        if (const HWND window = program.waitForWindow()) {
            Program::settle(window);
            floor = PrivateMegabytes(program.handle());
            PostMessageW(window, WM_CLOSE, 0, 0);
        }
    }
    Program launcher(launcherPath);
    const HWND main = launcher.waitForWindow();
    if (!main || floor < 0) {
        std::fprintf(stderr, "WindowBench: a program showed no window\n");
        return 1;
    }
    Program::settle(main);
    const double started = PrivateMegabytes(launcher.handle());
    ChangeChoices(main, rounds);
    Program::settle(main);
    const double changed = PrivateMegabytes(launcher.handle());
    ChangeChoices(main, rounds);
    Program::settle(main);
    const double again = PrivateMegabytes(launcher.handle());
    PostMessageW(main, WM_CLOSE, 0, 0);

    std::printf("| Program | Private bytes (MB) |\n|---|---|\n");
    std::printf("| Bare Win32 dialog, started | %.2f |\n", floor);
    std::printf("| Launcher.exe, started | %.2f |\n", started);
    std::printf("| Launcher.exe, after %d rounds of Host, Join and a mod change | %.2f |\n", rounds,
                changed);
    std::printf("| Launcher.exe, after %d more | %.2f |\n", rounds, again);
    std::printf(
        "summary: | Memory (Wine, private bytes) | %.1f MB started, %+.2f MB after %d "
        "changes, %+.2f MB after %d more | %.1f MB bare dialog | %.2f | < 10 MB, no "
        "growth | %s |\n",
        started, changed - started, rounds * 3, again - changed, rounds * 3, floor, started / floor,
        std::max({started, changed, again}) < 10 && again - changed < 0.1 ? "met" : "missed");
    return 0;
}

int Usage() {
    std::fprintf(stderr, "usage: WindowBench startup RUNS LAUNCHER FLOOR [FLOOR...]\n"
                         "       WindowBench memory RUNS LAUNCHER FLOOR\n"
                         "       WindowBench launch RUNS LAUNCHER GAME_FOLDER\n");
    return 2;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 5)
        return Usage();
    const std::wstring mode = argv[1];
    const int runs = std::max(1, _wtoi(argv[2]));
    if (mode == L"startup")
        return Startup(runs, argv[3], std::vector<std::wstring>(argv + 4, argv + argc));
    if (argc != 5)
        return Usage();
    if (mode == L"launch")
        return Launch(runs, argv[3], argv[4]);
    if (mode == L"memory")
        return Memory(runs, argv[3], argv[4]);
    return Usage();
}
