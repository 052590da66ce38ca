// Program entry: the services, the launcher, the main window and the table of the others, the
// message loop.
#include "app/HelpTopics.h"
#include "app/Launcher.h"
#include "platform/win32/Text.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Help.h"
#include "platform/win32/Win32IcmpEcho.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32Services.h"
#include "settings/SettingsHelp.h"
#include "win32ui/MainView.h"
#include "win32ui/ViewHost.h"
#include "win32ui/Windows.h"

#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <exception>
#include <memory>

using namespace quarl;

namespace {

// The arguments as the C runtime split the command line at start, by its rules for quotes and
// backslashes: CommandLineToArgvW would load the shell's DLL, and its DLLs, at every start.
std::vector<std::string> Arguments() {
    std::vector<std::string> arguments;
    for (int i = 1; i < __argc; ++i)
        arguments.push_back(platform::win32::Narrow(__wargv[i]));
    return arguments;
}

// The program's file name without folder, spelt as on disk: every start of the same program
// names the hand-over objects alike, whatever case its command line used.
std::string ExecutableName() {
    const auto path = platform::win32::ModulePath();
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(path.c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        FindClose(find);
        return platform::win32::Narrow(data.cFileName);
    }
    return platform::win32::Narrow(path.substr(path.find_last_of(L'\\') + 1));
}

int Run() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES |
                                                       ICC_STANDARD_CLASSES | ICC_LINK_CLASS};
    InitCommonControlsEx(&controls);

    platform::win32::Win32Registry registry;
    platform::win32::Win32FileSystem files;
    platform::win32::Win32Dialogs dialogs;
    platform::win32::Win32KernelObjects kernel;
    platform::win32::Win32Shell shell;
    platform::win32::Win32WindowMessages windows;
    platform::win32::Win32IcmpEcho icmp;
    platform::win32::Win32Clipboard clipboard;
    platform::win32::Win32LocalAddresses localAddresses;
    platform::win32::Win32Help help(
        [](int context) { return std::string(settings::PopupText(context)); },
        platform::HelpPages(shell, files, dialogs, app::HelpTopics()));
    std::unique_ptr<win32ui::ViewHost> host;

    // The view host is the message pump, and it needs the application that the launcher owns:
    // the launcher gets a pump that forwards to the host once it exists.
    struct Pump final : platform::MessagePump {
        win32ui::ViewHost* host = nullptr;
        void processPendingMessages() override {
            if (host)
                host->processPendingMessages();
        }
    } pump;
    platform::Platform services{registry, files,     dialogs,       kernel,      pump,
                                shell,    windows,   icmp,          Arguments(), ExecutableName(),
                                help,     clipboard, localAddresses};
    app::Launcher launcher(services);
    host = std::make_unique<win32ui::ViewHost>(launcher.application);
    host->addWaitSource(icmp);
    kernel.dispatch = [&host](const std::function<void()>& event) { host->dispatch(event); };
    pump.host = host.get();
    pump.processPendingMessages();

    win32ui::MainView main(*host, launcher);
    for (auto& window : win32ui::SecondaryWindows(launcher))
        host->addWindow(window.form, std::move(window.makeView), window.owner);

    pump.processPendingMessages();
    const HWND mainWindow = main.create(nullptr);
    if (!mainWindow || !main.carryOn())
        return 0; // a handed-over start or "-UNINSTALL": no state save
    windows.mainWindow = reinterpret_cast<std::uintptr_t>(mainWindow);
    clipboard.owner = windows.mainWindow;
    launcher.frmMain.show();
    host->reconcileAll();
    SetForegroundWindow(mainWindow);
    return host->run();
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    try {
        return Run();
    } catch (const std::exception& error) {
        MessageBoxW(nullptr, platform::win32::Widen(error.what()).c_str(), L"Quarl Launcher",
                    MB_OK | MB_ICONERROR);
        return 1;
    }
}
