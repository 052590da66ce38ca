#pragma once

#include "platform/Dialogs.h"
#include "platform/KernelObjects.h"
#include "platform/Shell.h"
#include "platform/WindowMessages.h"

namespace quarl::platform::win32 {

// Message boxes owned by the launcher's active window.
class Win32Dialogs final : public Dialogs {
public:
    MessageResult showMessage(const MessageBoxRequest& request) override;
};

class Win32KernelObjects final : public KernelObjects {
public:
    std::unique_ptr<NamedObject> createMutex(std::string_view name) override;
};

class Win32Shell final : public Shell {
public:
    void open(const ShellRequest& request) override;
};

class Win32WindowMessages final : public WindowMessages {
public:
    std::uintptr_t findWindow(std::string_view className, std::string_view title) override;
    void sendMessage(std::uintptr_t window, unsigned message, std::uintptr_t wParam,
                     std::intptr_t lParam) override;
};

} // namespace quarl::platform::win32
