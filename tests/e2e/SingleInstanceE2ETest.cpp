// End to end: two real launcher processes and the instance hand-over between them.
#include "E2ETest.h"
#include "app/HandOverArea.h"
#include "win32ui/MainViewIds.h"

#include <optional>
#include <utility>
#include <vector>

namespace quarl::tests {
namespace {

// The hand-over objects are named after the launcher's file name.
constexpr const wchar_t* kArea = L"Launcher.exe";
constexpr const wchar_t* kSemaphore = L"Launcher.exeSem";

class SingleInstanceE2E : public E2ETest {
protected:
    void SetUp() override {
        E2ETest::SetUp();
        install(game_);
    }
    GameFolder game_{{L"RogueSpear.exe"}};
};

// Another process's hand-over objects, held by the test: the area and its semaphore, which is
// left to be made later when no count is given.
struct HeldObjects {
    HeldObjects(std::optional<LONG> count, DWORD window) {
        area = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                  app::kHandOverAreaSize, kArea);
        view = static_cast<DWORD*>(
            MapViewOfFile(area, FILE_MAP_ALL_ACCESS, 0, 0, app::kHandOverAreaSize));
        if (count)
            semaphore = CreateSemaphoreW(nullptr, *count, 1, kSemaphore);
        if (view)
            view[0] = window;
    }
    HeldObjects(const HeldObjects&) = delete;
    HeldObjects& operator=(const HeldObjects&) = delete;
    ~HeldObjects() {
        UnmapViewOfFile(view);
        CloseHandle(area);
        if (semaphore)
            CloseHandle(semaphore);
    }
    bool valid() const { return area && view && semaphore; }
    HANDLE area;
    DWORD* view;
    HANDLE semaphore = nullptr;
};

TEST_F(SingleInstanceE2E, ASecondStartBringsTheRunningLauncherToTheFrontWithItsAddressAndEnds) {
    LauncherProcess first;
    const HWND window = first.waitForWindow(L"Quarl Launcher");
    ASSERT_NE(window, nullptr);
    first.settle(window);
    ShowWindow(window, SW_MINIMIZE);
    first.settle(window);
    ASSERT_TRUE(IsIconic(window));
    // Another program has the foreground.
    const HWND other =
        CreateWindowExW(0, L"STATIC", L"Another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                        200, 100, nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    ASSERT_NE(GetForegroundWindow(), window);

    const auto started = GetTickCount();
    LauncherProcess second(L"-CLIENT 127.0.0.1 2400");
    EXPECT_EQ(second.waitForExit(), 0u);
    EXPECT_LT(GetTickCount() - started, 5000u) << "handed over without waiting out a time-out";

    first.settle(window);
    const auto item = [&](int id) { return GetDlgItem(window, id); };
    EXPECT_TRUE(Checked(item(IDC_CHK_USENETWORK)));
    EXPECT_TRUE(Checked(item(IDC_RB_JOIN)));
    EXPECT_TRUE(IsWindowEnabled(item(IDC_CB_IPADDRESS)));
    EXPECT_EQ(Text(item(IDC_CB_IPADDRESS)), L"127.0.0.1");
    EXPECT_EQ(Text(item(IDC_EDT_PORT)), L"2400");
    EXPECT_FALSE(IsIconic(window)) << "restored";
    EXPECT_EQ(GetForegroundWindow(), window);
    EXPECT_EQ(first.close(window), 0u);
    DestroyWindow(other);
}

TEST_F(SingleInstanceE2E, ElevenArgumentsHandOverTheFirstTen) {
    LauncherProcess first;
    const HWND window = first.waitForWindow(L"Quarl Launcher");
    ASSERT_NE(window, nullptr);
    first.settle(window);

    LauncherProcess second(L"-CLIENT 127.0.0.2 2401 a b c d e -HOST 2500 -NONET");
    EXPECT_EQ(second.waitForExit(), 0u);
    first.settle(window);
    EXPECT_TRUE(Checked(GetDlgItem(window, IDC_CHK_USENETWORK))) << "-NONET stayed behind";
    EXPECT_TRUE(Checked(GetDlgItem(window, IDC_RB_HOST)));
    EXPECT_EQ(Text(GetDlgItem(window, IDC_EDT_PORT)), L"2500") << "the tenth came along";
    EXPECT_EQ(first.close(window), 0u);
}

TEST_F(SingleInstanceE2E, ALauncherThatNeverAnswersLetsTheNextStartRunOnItsOwnAfterTheWait) {
    // The test plays a running launcher that holds the semaphore and never gives it back.
    HeldObjects held(0, 0);
    ASSERT_TRUE(held.valid());
    const auto started = GetTickCount();
    LauncherProcess launcher(L"-CLIENT 127.0.0.3");
    const HWND window = launcher.waitForWindow(L"Quarl Launcher", 30000);
    ASSERT_NE(window, nullptr);
    EXPECT_GE(GetTickCount() - started, 9500u) << "it waited for the silent launcher";
    launcher.settle(window);
    EXPECT_EQ(Text(GetDlgItem(window, IDC_CB_IPADDRESS)), L"127.0.0.3");

    // It took over: its message window in the area and the semaphore's count at 1.
    wchar_t className[64] = {};
    GetClassNameW(reinterpret_cast<HWND>(static_cast<UINT_PTR>(held.view[0])), className, 64);
    EXPECT_STREQ(className, L"QuarlLauncherHandOver");
    EXPECT_EQ(WaitForSingleObject(held.semaphore, 0), WAIT_OBJECT_0);
    ReleaseSemaphore(held.semaphore, 1, nullptr);
    EXPECT_EQ(launcher.close(window), 0u);
}

TEST_F(SingleInstanceE2E, AStartBetweenAnotherStartsAreaAndItsSemaphoreHandsOverOnceItPublishes) {
    // The test plays a start that has made the area but not yet its semaphore, as older copies
    // do, with a message window of the launcher's class.
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"QuarlLauncherHandOver";
    RegisterClassExW(&windowClass);
    const HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0,
                                        HWND_MESSAGE, nullptr, windowClass.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    HeldObjects held(std::nullopt, 0);
    ASSERT_TRUE(held.area && held.view);

    LauncherProcess launcher(L"-CLIENT 127.0.0.7");
    ASSERT_TRUE(WaitFor(
        [&] {
            held.semaphore = OpenSemaphoreW(SEMAPHORE_ALL_ACCESS, FALSE, kSemaphore);
            return held.semaphore != nullptr;
        },
        std::chrono::seconds(15)));
    held.view[0] = static_cast<DWORD>(reinterpret_cast<UINT_PTR>(window));
    EXPECT_TRUE(ReleaseSemaphore(held.semaphore, 1, nullptr)) << "nobody took it before";

    MSG message;
    ASSERT_TRUE(WaitFor([&] { return PeekMessageW(&message, window, 1324, 1324, PM_REMOVE) != 0; },
                        std::chrono::seconds(5)));
    const auto* bytes = reinterpret_cast<const char*>(held.view);
    EXPECT_STREQ(bytes + 8, "-CLIENT");
    EXPECT_STREQ(bytes + 8 + app::kHandOverSlotSize, "127.0.0.7");
    ReleaseSemaphore(held.semaphore, 1, nullptr);
    EXPECT_EQ(launcher.waitForExit(), 0u);
    DestroyWindow(window);
}

TEST_F(SingleInstanceE2E, AStaleWindowHandleInTheAreaIsNotWaitedFor) {
    // An area left with the handle of a window that is not a launcher's.
    const HWND other = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                       GetModuleHandleW(nullptr), nullptr);
    HeldObjects held(1, static_cast<DWORD>(reinterpret_cast<UINT_PTR>(other)));
    ASSERT_TRUE(held.valid());
    const auto started = GetTickCount();
    LauncherProcess launcher(L"-HOST 2600");
    const HWND window = launcher.waitForWindow(L"Quarl Launcher");
    ASSERT_NE(window, nullptr);
    EXPECT_LT(GetTickCount() - started, 5000u);
    launcher.settle(window);
    EXPECT_TRUE(Checked(GetDlgItem(window, IDC_RB_HOST)));
    MSG message;
    EXPECT_FALSE(PeekMessageW(&message, other, 0, 0, PM_REMOVE)) << "nothing was posted to it";
    EXPECT_EQ(launcher.close(window), 0u);
    DestroyWindow(other);
}

// A join link clicked on a web page reaches the running launcher as "-LINK <link>".
class JoinLinkE2E : public E2ETest {
protected:
    void SetUp() override {
        E2ETest::SetUp();
        game_.addFolder(L"mods\\Alpha");
        game_.addFolder(L"mods\\Beta");
        install(game_);
        SetString(HKEY_LOCAL_MACHINE, kGameKey, L"ModsPath", L"\\mods");
    }
    // The mod list's entries and whether each is selected.
    static std::vector<std::pair<std::wstring, bool>> Mods(HWND list) {
        std::vector<std::pair<std::wstring, bool>> mods;
        const auto count = SendMessageW(list, LB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            wchar_t name[64] = {};
            SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(name));
            mods.emplace_back(name, SendMessageW(list, LB_GETSEL, static_cast<WPARAM>(i), 0) > 0);
        }
        return mods;
    }
    GameFolder game_{{L"RogueSpear.exe", L"UrbanOperations.exe"}};
};

TEST_F(JoinLinkE2E, ALinkHandedOverSetsUpTheRunningLauncherAndARefusedOneOnlyShowsABox) {
    LauncherProcess first;
    const HWND window = first.waitForWindow(L"Quarl Launcher");
    ASSERT_NE(window, nullptr);
    first.settle(window);
    const auto item = [&](int id) { return GetDlgItem(window, id); };

    LauncherProcess second(L"-LINK quarl://join/uo/127.0.0.1:2400?mod=Alpha");
    EXPECT_EQ(second.waitForExit(), 0u);
    first.settle(window);
    EXPECT_TRUE(Checked(item(IDC_RB_UO)));
    EXPECT_TRUE(Checked(item(IDC_CHK_USENETWORK)));
    EXPECT_TRUE(Checked(item(IDC_RB_JOIN)));
    EXPECT_EQ(Text(item(IDC_CB_IPADDRESS)), L"127.0.0.1");
    EXPECT_EQ(Text(item(IDC_EDT_PORT)), L"2400");
    EXPECT_TRUE(Checked(item(IDC_CHK_USEMOD)));
    const std::vector<std::pair<std::wstring, bool>> linked = {{L"Alpha", true}, {L"Beta", false}};
    EXPECT_EQ(Mods(item(IDC_LST_MODS)), linked);
    EXPECT_EQ(GetForegroundWindow(), window);
    EXPECT_TRUE(IsWindowEnabled(window)) << "nothing launched";

    // The second start is let go while the box is still open.
    const auto started = GetTickCount();
    LauncherProcess refused(L"-LINK quarl://join/rs/127.0.0.9:99999");
    EXPECT_EQ(refused.waitForExit(), 0u);
    EXPECT_LT(GetTickCount() - started, 5000u);
    const HWND box = first.waitForWindow(L"Error!");
    ASSERT_NE(box, nullptr) << "no \"Error!\" message box";
    EXPECT_NE(Text(GetDlgItem(box, 0xFFFF)).find(L"quarl://join/rs/127.0.0.9:99999"),
              std::wstring::npos)
        << Narrow(Text(GetDlgItem(box, 0xFFFF)));
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    first.settle(window);
    EXPECT_TRUE(Checked(item(IDC_RB_UO)));
    EXPECT_EQ(Text(item(IDC_CB_IPADDRESS)), L"127.0.0.1");
    EXPECT_EQ(Text(item(IDC_EDT_PORT)), L"2400");
    EXPECT_EQ(Mods(item(IDC_LST_MODS)), linked);
    EXPECT_EQ(first.close(window), 0u);
}

TEST_F(SingleInstanceE2E, UninstallRestoresTheGameAndEndsWithoutAWindowOrStateSave) {
    game_.write(L"RSpear.exe", "real game");
    SetString(HKEY_CURRENT_USER, kLauncherKey, L"Patched", L"True");
    SetString(HKEY_CURRENT_USER, kLauncherKey, L"EXEName", L"RSpear.exe");

    LauncherProcess launcher(L"-UNINSTALL");
    EXPECT_EQ(launcher.waitForExit(), 0u);
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, kLauncherKey, L"Patched"), L"False");
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, kLauncherKey, L"EXEName"), L"RogueSpear.exe");
    EXPECT_EQ(GetDword(HKEY_CURRENT_USER, kLauncherKey, L"GameType", 99), 99u) << "no state save";
    WIN32_FILE_ATTRIBUTE_DATA data{};
    ASSERT_TRUE(GetFileAttributesExW((game_.path() + L"\\RogueSpear.exe").c_str(),
                                     GetFileExInfoStandard, &data));
    EXPECT_EQ(data.nFileSizeLow, 9u);
}

} // namespace
} // namespace quarl::tests
