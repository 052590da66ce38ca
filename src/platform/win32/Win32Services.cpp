#include "platform/win32/Win32Services.h"

#include "platform/win32/Text.h"

#include <windows.h>
#include <shellapi.h>

namespace quarl::platform::win32 {

MessageResult Win32Dialogs::showMessage(const MessageBoxRequest& request) {
    UINT style = request.buttons == MessageButtons::YesNo ? MB_YESNO : MB_OK;
    switch (request.icon) {
    case MessageIcon::Exclamation: style |= MB_ICONEXCLAMATION; break;
    case MessageIcon::Question: style |= MB_ICONQUESTION; break;
    case MessageIcon::Error: style |= MB_ICONERROR; break;
    case MessageIcon::Information: style |= MB_ICONINFORMATION; break;
    case MessageIcon::None: break;
    }
    if (request.defaultButton == 2)
        style |= MB_DEFBUTTON2;
    HWND owner = GetActiveWindow();
    const int result =
        MessageBoxW(owner, Widen(request.text).c_str(), Widen(request.caption).c_str(),
                    style | (owner ? 0u : static_cast<UINT>(MB_TASKMODAL)));
    switch (result) {
    case IDYES: return MessageResult::Yes;
    case IDNO: return MessageResult::No;
    default: return MessageResult::Ok;
    }
}

namespace {

class Mutex final : public NamedObject {
public:
    explicit Mutex(HANDLE handle) : handle_(handle) {}
    Mutex(const Mutex&) = delete;
    Mutex& operator=(const Mutex&) = delete;
    ~Mutex() override { CloseHandle(handle_); }

private:
    HANDLE handle_;
};

} // namespace

std::unique_ptr<NamedObject> Win32KernelObjects::createMutex(std::string_view name) {
    HANDLE handle = CreateMutexW(nullptr, FALSE, Widen(name).c_str());
    if (!handle)
        return nullptr;
    return std::make_unique<Mutex>(handle);
}

void Win32Shell::open(const ShellRequest& request) {
    const auto verb = Widen(request.verb);
    const auto file = Widen(request.file);
    const auto parameters = Widen(request.parameters);
    const auto folder = Widen(request.folder);
    ShellExecuteW(GetActiveWindow(), verb.empty() ? nullptr : verb.c_str(), file.c_str(),
                  parameters.empty() ? nullptr : parameters.c_str(),
                  folder.empty() ? nullptr : folder.c_str(), static_cast<int>(request.show));
}

std::uintptr_t Win32WindowMessages::findWindow(std::string_view className, std::string_view title) {
    return reinterpret_cast<std::uintptr_t>(
        FindWindowW(Widen(className).c_str(), Widen(title).c_str()));
}

void Win32WindowMessages::sendMessage(std::uintptr_t window, unsigned message,
                                      std::uintptr_t wParam, std::intptr_t lParam) {
    SendMessageW(reinterpret_cast<HWND>(window), message, wParam, lParam);
}

} // namespace quarl::platform::win32
