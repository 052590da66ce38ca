#pragma once

#include "platform/Dialogs.h"
#include "platform/KernelObjects.h"

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

} // namespace quarl::platform::win32
