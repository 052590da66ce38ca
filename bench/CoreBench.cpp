// The launcher's core on this machine, natively: the work whose cost grows with the player's
// data (mod folders, address book rows) beside the plain file system work it rests on, and the
// registry and file calls of one start.
//
//   CoreBench mods  SCRATCH RUNS SIZE...   mod list fill + last mod restore beside a listing
//   CoreBench book  SCRATCH RUNS SIZE...   address book save and load beside a plain write/read
//   CoreBench count DEMO_DATA              the registry opens and file calls of one start on
//                                          the demo installation (DEMO_DATA: demo/data)
//
// The sizes should grow tenfold (1x, 10x, 100x): each table ends with the growth factor of each
// step, about 10 when the work is linear. Prints Markdown; the last line, "summary: ...", is the
// row for the table of all benchmarks. A measurement: nothing is asserted.
#include "HostFileSystem.h"
#include "SampleBook.h"
#include "app/Launcher.h"
#include "config/LauncherKey.h"
#include "net/AddressBook.h"
#include "platform/fake/CountingServices.h"
#include "platform/fake/FakePlatform.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

using namespace quarl;
namespace fs = std::filesystem;
using platform::RootKey;

namespace {

constexpr const char* kGameFolder = "C:\\Games\\Rogue Spear";
constexpr const char* kLauncherFolder = "C:\\Quarl";

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times.empty() ? 0 : times[times.size() / 2];
}

double MillisecondsOf(const std::function<void()>& step) {
    const auto start = std::chrono::steady_clock::now();
    step();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

// The launcher's step and its floor, taken in turns, RUNS times each: medians in ms.
std::pair<double, double> Interleaved(int runs, const std::function<void()>& launcher,
                                      const std::function<void()>& floor) {
    std::vector<double> ours;
    std::vector<double> theirs;
    for (int run = 0; run < runs; ++run) {
        ours.push_back(MillisecondsOf(launcher));
        theirs.push_back(MillisecondsOf(floor));
    }
    return {Median(ours), Median(theirs)};
}

std::string Growth(const std::vector<double>& times) {
    std::string text;
    char buffer[32];
    for (std::size_t i = 1; i < times.size(); ++i) {
        std::snprintf(buffer, sizeof buffer, "%sx%.1f", i > 1 ? ", " : "",
                      times[i] / std::max(times[i - 1], 1e-6));
        text += buffer;
    }
    return text;
}

// Linear in the count: no tenfold step grows the launcher's time more than twentyfold, or more
// than twice as fast as its floor's (a disk's own growth is not the launcher's).
bool Linear(const std::vector<double>& ours, const std::vector<double>& floors) {
    for (std::size_t i = 1; i < ours.size(); ++i) {
        const double growth = ours[i] / std::max(ours[i - 1], 1e-6);
        const double floorGrowth = floors[i] / std::max(floors[i - 1], 1e-6);
        if (growth > 20 && growth > 2 * floorGrowth)
            return false;
    }
    return true;
}

// The demo's registry: the game key and the launcher key as the demo installation has them.
void SeedDemoRegistry(platform::fake::FakeRegistry& registry) {
    const auto game = config::kGameKey;
    const auto launcher = config::kLauncherKey;
    registry.setString(RootKey::LocalMachine, game, "InstallationPath", kGameFolder);
    registry.setString(RootKey::LocalMachine, game, "ModsPath", "\\mods");
    registry.setString(RootKey::LocalMachine, game, "MultiPlayerPlayerName", "Player");
    registry.setString(RootKey::LocalMachine, game, "Version", "2.5");
    registry.setString(RootKey::LocalMachine, game, "Language", "English");
    registry.setString(RootKey::CurrentUser, launcher, "InstallationPath", kLauncherFolder);
    registry.setString(RootKey::CurrentUser, launcher, "Port", "2346");
    registry.setString(RootKey::CurrentUser, launcher, "servermru", "ab");
    registry.setString(RootKey::CurrentUser, launcher, "server-a", "127.0.0.1");
    registry.setString(RootKey::CurrentUser, launcher, "server-b", "127.0.0.1");
    registry.setDword(RootKey::CurrentUser, launcher, "GameType", 1);
    registry.setString(RootKey::CurrentUser, launcher, "UseNetwork", "TRUE");
    registry.setString(RootKey::CurrentUser, launcher, "Host", "FALSE");
    registry.setString(RootKey::CurrentUser, launcher, "UseMod", "TRUE");
}

std::string ReadHostFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A host folder's files and folders, added under a Windows folder of the fake file system.
void AddTree(platform::fake::FakeFileSystem& files, const fs::path& from, const std::string& to) {
    files.addFolder(to);
    for (const auto& entry : fs::directory_iterator(from)) {
        const auto name = to + "\\" + entry.path().filename().string();
        if (entry.is_directory())
            AddTree(files, entry.path(), name);
        else
            files.addFile(name, ReadHostFile(entry.path()));
    }
}

int CountStart(const fs::path& demoData) {
    platform::fake::FakePlatform fake;
    SeedDemoRegistry(fake.registry);
    AddTree(fake.files, demoData / "game", kGameFolder);
    for (const auto* exe : {"RogueSpear.exe", "UrbanOperations.exe", "CovertOperations.exe"})
        fake.files.addFile(std::string(kGameFolder) + "\\" + exe);
    AddTree(fake.files, demoData / "mods", std::string(kGameFolder) + "\\mods");
    AddTree(fake.files, demoData / "launcher", kLauncherFolder);

    platform::fake::CountingRegistry registry(fake.registry);
    platform::fake::CountingFileSystem files(fake.files);
    platform::Platform services{
        registry,   files,          fake.dialogs,       fake.kernel, fake.messages,
        fake.shell, fake.windows,   fake.icmp,          {},          "Launcher.exe",
        fake.help,  fake.clipboard, fake.localAddresses};
    app::Launcher launcher(services);
    if (!launcher.frmMain.create())
        return 1;
    launcher.frmMain.show();
    launcher.frmMain.paint();

    const auto startRegistry = registry.counts;
    const auto startFiles = files.counts;
    // Then one Launch with the demo's choices (join a loopback server with a mod).
    registry.counts.clear();
    files.counts.clear();
    app::LaunchGame(launcher);
    const auto launchRegistry = registry.counts;
    const auto launchFiles = files.counts;
    if (fake.shell.opened().empty())
        std::fprintf(stderr, "CoreBench: the launch started no game\n");

    const auto list = [](const platform::fake::CallCounts& counts) {
        std::string text;
        for (const auto& [operation, calls] : counts)
            text += (text.empty() ? "" : ", ") + operation + " " + std::to_string(calls);
        return text;
    };
    const auto opens = platform::fake::TotalCalls(startRegistry);
    const auto fileCalls = platform::fake::TotalCalls(startFiles);
    std::printf("| Service | Calls | By operation |\n|---|---|---|\n");
    std::printf("| Registry (key opens), one start | %zu | %s |\n", opens,
                list(startRegistry).c_str());
    std::printf("| File system, one start | %zu | %s |\n", fileCalls, list(startFiles).c_str());
    std::printf("| Registry (key opens), one launch | %zu | %s |\n",
                platform::fake::TotalCalls(launchRegistry), list(launchRegistry).c_str());
    std::printf("| File system, one launch | %zu | %s |\n", platform::fake::TotalCalls(launchFiles),
                list(launchFiles).c_str());
    std::printf("summary: | Registry opens and file calls of one start | %zu opens, %zu file "
                "calls | - | - | a count to compare with later changes | - |\n",
                opens, fileCalls);
    return 0;
}

int Mods(const fs::path& scratch, int runs, const std::vector<std::size_t>& sizes) {
    std::printf(
        "| Mod folders | Fill + restore (ms) | Listing (ms) | Ratio |\n|---|---|---|---|\n");
    std::vector<double> ours;
    std::vector<double> floors;
    for (const auto size : sizes) {
        fs::remove_all(scratch);
        bench::HostFileSystem files(scratch);
        const auto modsFolder = std::string(kGameFolder) + "\\mods";
        fs::create_directories(files.host(modsFolder));
        std::string last;
        for (std::size_t i = 0; i < size; ++i) {
            last = "Mod number " + std::to_string(i);
            fs::create_directory(files.host(modsFolder + "\\" + last));
        }
        std::ofstream(files.host(std::string(kGameFolder) + "\\RogueSpear.exe")).put('\0');

        platform::fake::FakePlatform fake;
        SeedDemoRegistry(fake.registry);
        // The worst case for the restore: the last mod is the list's last entry.
        fake.registry.setString(RootKey::CurrentUser, config::kLauncherKey, "LastMod", last);
        platform::Platform services{fake.registry, files,         fake.dialogs,
                                    fake.kernel,   fake.messages, fake.shell,
                                    fake.windows,  fake.icmp,     {}};
        app::Launcher launcher(services);
        launcher.frmMain.create();
        launcher.frmMain.show();
        launcher.frmMain.paint();
        if (launcher.frmMain.ListBox1.items().size() != size ||
            launcher.frmMain.ListBox1.itemIndex() < 0)
            std::fprintf(stderr, "CoreBench: the list holds %zu mods of %zu\n",
                         launcher.frmMain.ListBox1.items().size(), size);

        const auto [fill, listing] = Interleaved(
            runs,
            [&] {
                launcher.mods.FillModList();
                launcher.mods.RestoreLastMod();
            },
            [&] {
                std::vector<platform::FolderEntry> entries;
                files.listFolder(modsFolder, entries);
            });
        ours.push_back(fill);
        floors.push_back(listing);
        std::printf("| %zu | %.2f | %.2f | %.2f |\n", size, fill, listing, fill / listing);
    }
    fs::remove_all(scratch);
    std::printf("\nGrowth per tenfold step: fill + restore %s; listing %s.\n", Growth(ours).c_str(),
                Growth(floors).c_str());
    const double ratio = ours.back() / floors.back();
    std::printf("summary: | %zu mod folders (native) | %.1f ms | %.1f ms listing | %.2f | linear; "
                "< 50 ms | %s: growth %s (listing %s) |\n",
                sizes.back(), ours.back(), floors.back(), ratio,
                ours.back() < 50 && Linear(ours, floors) ? "met" : "missed", Growth(ours).c_str(),
                Growth(floors).c_str());
    return 0;
}

int Book(const fs::path& scratch, int runs, const std::vector<std::size_t>& sizes) {
    fs::remove_all(scratch);
    bench::HostFileSystem files(scratch);
    fs::create_directories(files.host(kLauncherFolder));
    platform::fake::FakePlatform fake;
    SeedDemoRegistry(fake.registry);
    platform::Platform services{fake.registry, files,         fake.dialogs,
                                fake.kernel,   fake.messages, fake.shell,
                                fake.windows,  fake.icmp,     {}};
    config::Session session(fake.registry);
    const auto plain = files.host(std::string(kLauncherFolder) + "\\plain.txt");

    std::printf("| Rows | Save (ms) | Plain write (ms) | Ratio | Load (ms) | Plain read (ms) | "
                "Ratio | Save + load / plain |\n|---|---|---|---|---|---|---|---|\n");
    std::vector<double> ours;
    std::vector<double> floors;
    for (const auto rows : sizes) {
        ui::Grid grid("ABGrid", std::vector<ui::Grid::Column>(net::kAddressBookColumns));
        bench::FillSampleBook(grid, rows);
        const auto bytes = net::AddressBookText(grid);
        // A first save, so that every measured save also keeps a backup of the old book.
        net::SaveAddressBook(services, session, grid);
        const auto [save, write] = Interleaved(
            runs, [&] { net::SaveAddressBook(services, session, grid); },
            [&] { bench::WriteWholeFile(plain, bytes); });
        // Each load fills a new grid, as the window's first load does; the grids are freed
        // after the measurement.
        std::deque<ui::Grid> loaded;
        const auto [load, read] = Interleaved(
            runs,
            [&] {
                net::LoadAddressBook(services, session,
                                     loaded.emplace_back("ABGrid", std::vector<ui::Grid::Column>(
                                                                       net::kAddressBookColumns)));
            },
            [&] { static_cast<void>(bench::ReadWholeFile(plain).size()); });
        if (loaded.back().rowCount() != rows)
            std::fprintf(stderr, "CoreBench: loaded %zu rows of %zu\n", loaded.back().rowCount(),
                         rows);
        ours.push_back(save + load);
        floors.push_back(write + read);
        std::printf("| %zu | %.2f | %.2f | %.2f | %.2f | %.2f | %.2f | %.2f |\n", rows, save, write,
                    save / write, load, read, load / read, (save + load) / (write + read));
    }
    fs::remove_all(scratch);
    std::printf("\nGrowth per tenfold step: save + load %s; plain write + read %s.\n",
                Growth(ours).c_str(), Growth(floors).c_str());
    const double ratio = ours.back() / floors.back();
    std::printf("summary: | %zu address book rows, load + save (native) | %.1f ms | %.1f ms "
                "plain write + read | %.2f | linear; ratio <= 3 | %s: growth %s (plain %s) |\n",
                sizes.back(), ours.back(), floors.back(), ratio,
                ratio <= 3 && Linear(ours, floors) ? "met" : "missed", Growth(ours).c_str(),
                Growth(floors).c_str());
    return 0;
}

int Usage() {
    std::fprintf(stderr, "usage: CoreBench mods|book SCRATCH RUNS SIZE... | CoreBench count "
                         "DEMO_DATA\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 2 && args[0] == "count")
        return CountStart(args[1]);
    if (args.size() < 4 || (args[0] != "mods" && args[0] != "book"))
        return Usage();
    const int runs = std::max(1, std::atoi(args[2].c_str()));
    std::vector<std::size_t> sizes;
    for (std::size_t i = 3; i < args.size(); ++i)
        sizes.push_back(std::strtoul(args[i].c_str(), nullptr, 10));
    // Never a folder of the project or of the machine: the scratch folder is made and removed.
    const fs::path scratch = fs::absolute(args[1]) / "core-bench-scratch";
    return args[0] == "mods" ? Mods(scratch, runs, sizes) : Book(scratch, runs, sizes);
}
