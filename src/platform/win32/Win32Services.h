#pragma once

#include "platform/Clipboard.h"
#include "platform/Dialogs.h"
#include "platform/LocalAddresses.h"
#include "platform/KernelObjects.h"
#include "platform/Shell.h"
#include "platform/WindowMessages.h"

namespace quarl::platform::win32 {

// Message boxes and open-file dialogs owned by the launcher's active window.
class Win32Dialogs final : public Dialogs {
public:
    MessageResult showMessage(const MessageBoxRequest& request) override;
    OpenFileResult openFile(const OpenFileRequest& request) override;
};

class Win32KernelObjects final : public KernelObjects {
public:
    std::unique_ptr<NamedObject> createMutex(std::string_view name) override;
    std::unique_ptr<SharedMemory> createSharedMemory(std::string_view name, std::size_t size,
                                                     bool& alreadyExisted) override;
    std::unique_ptr<Semaphore> createSemaphore(std::string_view name, int initialCount,
                                               int maximumCount) override;
    std::unique_ptr<Semaphore> openSemaphore(std::string_view name) override;
    std::unique_ptr<MessageWindow> createMessageWindow(unsigned message,
                                                       std::function<void()> onMessage) override;
    bool postMessage(std::uintptr_t window, unsigned message) override;

    // Runs a message window's callback; the program routes it through its views, which show
    // what escapes and bring the windows up to date. Without it, an escaping exception is shown
    // in a plain message box.
    std::function<void(const std::function<void()>&)> dispatch;
};

class Win32Shell final : public Shell {
public:
    void open(const ShellRequest& request) override;
};

class Win32WindowMessages final : public WindowMessages {
public:
    void bringToFront() override;
    // The program's main window, once it exists.
    std::uintptr_t mainWindow = 0;
    std::uintptr_t findWindow(std::string_view className, std::string_view title) override;
    void sendMessage(std::uintptr_t window, unsigned message, std::uintptr_t wParam,
                     std::intptr_t lParam) override;
};

// The clipboard, owned by the program's main window while it holds the launcher's text.
class Win32Clipboard final : public Clipboard {
public:
    void copyText(const std::string& text) override;
    // The program's main window, once it exists.
    std::uintptr_t owner = 0;
};

// The IPv4 addresses of the network adapters that are up, loopback left out: what the system
// knows of itself, without asking a name server.
class Win32LocalAddresses final : public LocalAddresses {
public:
    std::vector<std::string> find() override;
};

} // namespace quarl::platform::win32
