// Loading and saving a large address book through the launcher's own code and the real file
// system, beside a plain whole-file write and read of the same bytes in the same run. Prints a
// Markdown table of medians; the launcher's times should grow linearly with the rows, as the
// plain ones do.
//
//   AddressBookBench.exe [FOLDER]     FOLDER a scratch folder (default: the temporary folder)
#include "SampleBook.h"
#include "net/AddressBook.h"
#include "platform/fake/FakePlatform.h"
#include "platform/win32/Text.h"
#include "platform/win32/Win32FileSystem.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

using namespace quarl;

namespace {

constexpr int kRuns = 5;

double Now() {
    LARGE_INTEGER counter;
    LARGE_INTEGER frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

template <class Step> double MedianMs(Step step) {
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        const double start = Now();
        step();
        times.push_back(Now() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void WriteWhole(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    FlushFileBuffers(file);
    CloseHandle(file);
}

std::string ReadWhole(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    std::string bytes;
    char block[65536];
    DWORD read = 0;
    while (ReadFile(file, block, sizeof block, &read, nullptr) && read > 0)
        bytes.append(block, read);
    CloseHandle(file);
    return bytes;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    std::wstring folder;
    if (argc > 1) {
        folder = argv[1];
    } else {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder = std::wstring(temp) + L"quarl-address-book-bench";
    }
    while (!folder.empty() && folder.back() == L'\\')
        folder.pop_back();
    CreateDirectoryW(folder.c_str(), nullptr);

    platform::fake::FakePlatform fake;
    platform::win32::Win32FileSystem files;
    platform::Platform services{fake.registry, files,         fake.dialogs,
                                fake.kernel,   fake.messages, fake.shell,
                                fake.windows,  fake.icmp,     {}};
    config::Session session(fake.registry);
    session.writeLauncherString("InstallationPath", platform::win32::Narrow(folder));
    const auto book = folder + L"\\addressbook.txt";
    const auto plain = folder + L"\\plain.txt";

    std::printf(
        "| Rows | Save (ms) | Plain write (ms) | Save / plain | Load (ms) | Plain read (ms) "
        "| Load / plain |\n|---|---|---|---|---|---|---|\n");
    for (const std::size_t rows : {25'000u, 50'000u, 100'000u}) {
        ui::Grid grid("ABGrid", std::vector<ui::Grid::Column>(6));
        bench::FillSampleBook(grid, rows);
        const auto bytes = net::AddressBookText(grid);
        const double save = MedianMs([&] { net::SaveAddressBook(services, session, grid); });
        const double write = MedianMs([&] { WriteWhole(plain, bytes); });
        ui::Grid loaded("ABGrid", std::vector<ui::Grid::Column>(6));
        const double load = MedianMs([&] { net::LoadAddressBook(services, session, loaded); });
        const double read = MedianMs([&] { static_cast<void>(ReadWhole(plain).size()); });
        if (loaded.rowCount() != rows)
            std::fprintf(stderr, "loaded %zu rows of %zu\n", loaded.rowCount(), rows);
        std::printf("| %zu | %.1f | %.1f | %.2f | %.1f | %.1f | %.2f |\n", rows, save, write,
                    save / write, load, read, load / read);
    }
    DeleteFileW(plain.c_str());
    DeleteFileW(book.c_str());
    DeleteFileW((folder + L"\\addressbook.bak").c_str());
    RemoveDirectoryW(folder.c_str());
    return 0;
}
