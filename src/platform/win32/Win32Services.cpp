#include "platform/win32/Win32Services.h"

#include "platform/win32/SystemDll.h"
#include "platform/win32/Text.h"

#include <windows.h>
#include <cderr.h>
#include <commdlg.h>
#include <shellapi.h>

#include <cstring>
#include <exception>
#include <stdexcept>
#include <string_view>
#include <vector>

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

OpenFileResult Win32Dialogs::openFile(const OpenFileRequest& request) {
    // The filter's separators become the NULs the dialog expects, and it ends with two.
    std::wstring filter = Widen(request.filter);
    for (auto& c : filter)
        if (c == L'|')
            c = L'\0';
    filter.append(2, L'\0');
    const std::wstring extension = Widen(request.defaultExtension);
    // The name the dialog starts with goes into its buffer only when it fits, NUL included.
    std::vector<wchar_t> buffer(32768, L'\0');
    const std::wstring start = Widen(request.fileName);
    if (start.size() >= buffer.size())
        return {OpenFileOutcome::NameRefused, {}};
    start.copy(buffer.data(), start.size());

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = GetActiveWindow();
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = buffer.data();
    dialog.nMaxFile = static_cast<DWORD>(buffer.size());
    dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR;
    static const auto openFileName =
        SystemFunction<decltype(GetOpenFileNameW)>(L"comdlg32.dll", "GetOpenFileNameW");
    static const auto extendedError =
        SystemFunction<decltype(CommDlgExtendedError)>(L"comdlg32.dll", "CommDlgExtendedError");
    if (!openFileName || !extendedError)
        throw std::runtime_error("Cannot show the file dialog: comdlg32.dll cannot be loaded");
    if (openFileName(&dialog))
        return {OpenFileOutcome::Chosen, Narrow(buffer.data())};
    if (extendedError() == FNERR_INVALIDFILENAME)
        return {OpenFileOutcome::NameRefused, {}};
    return {};
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

namespace {

class MappedView final : public SharedMemory {
public:
    MappedView(HANDLE mapping, void* view, std::size_t size)
        : mapping_(mapping), view_(view), size_(size) {}
    MappedView(const MappedView&) = delete;
    MappedView& operator=(const MappedView&) = delete;
    ~MappedView() override {
        UnmapViewOfFile(view_);
        CloseHandle(mapping_);
    }
    std::span<std::byte> bytes() override { return {static_cast<std::byte*>(view_), size_}; }

private:
    HANDLE mapping_;
    void* view_;
    std::size_t size_;
};

class NamedSemaphore final : public Semaphore {
public:
    explicit NamedSemaphore(HANDLE handle) : handle_(handle) {}
    NamedSemaphore(const NamedSemaphore&) = delete;
    NamedSemaphore& operator=(const NamedSemaphore&) = delete;
    ~NamedSemaphore() override { CloseHandle(handle_); }
    bool wait(unsigned timeoutMs) override {
        return WaitForSingleObject(handle_, timeoutMs) == WAIT_OBJECT_0;
    }
    bool release() override { return ReleaseSemaphore(handle_, 1, nullptr) != 0; }

private:
    HANDLE handle_;
};

// Message windows of this program carry this class name; posting checks it, so that a stale
// handle that now names some other program's window never gets the launcher's message.
constexpr wchar_t kMessageWindowClass[] = L"QuarlLauncherHandOver";

class HiddenMessageWindow final : public MessageWindow {
public:
    HiddenMessageWindow(Win32KernelObjects& owner, unsigned message,
                        std::function<void()> onMessage)
        : owner_(owner), message_(message), onMessage_(std::move(onMessage)) {}
    HiddenMessageWindow(const HiddenMessageWindow&) = delete;
    HiddenMessageWindow& operator=(const HiddenMessageWindow&) = delete;
    ~HiddenMessageWindow() override {
        if (hwnd_)
            DestroyWindow(hwnd_);
    }
    bool create() {
        static const bool registered = [] {
            WNDCLASSEXW windowClass{};
            windowClass.cbSize = sizeof windowClass;
            windowClass.lpfnWndProc = WindowProc;
            windowClass.hInstance = GetModuleHandleW(nullptr);
            windowClass.lpszClassName = kMessageWindowClass;
            return RegisterClassExW(&windowClass) != 0;
        }();
        if (registered)
            hwnd_ = CreateWindowExW(0, kMessageWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                    nullptr, GetModuleHandleW(nullptr), this);
        return hwnd_ != nullptr;
    }
    std::uintptr_t handle() const override { return reinterpret_cast<std::uintptr_t>(hwnd_); }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        }
        auto* window =
            reinterpret_cast<HiddenMessageWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (window && message == window->message_) {
            window->run();
            return 0;
        }
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    // No exception may cross the window procedure.
    void run() {
        try {
            if (owner_.dispatch)
                owner_.dispatch(onMessage_);
            else
                onMessage_();
        } catch (const std::exception& error) {
            MessageBoxW(nullptr, Widen(error.what()).c_str(), L"Quarl Launcher",
                        MB_OK | MB_ICONERROR | MB_TASKMODAL);
        } catch (...) {
            MessageBoxW(nullptr, L"Unexpected error", L"Quarl Launcher",
                        MB_OK | MB_ICONERROR | MB_TASKMODAL);
        }
    }

    Win32KernelObjects& owner_;
    unsigned message_;
    std::function<void()> onMessage_;
    HWND hwnd_ = nullptr;
};

} // namespace

std::unique_ptr<SharedMemory> Win32KernelObjects::createSharedMemory(std::string_view name,
                                                                     std::size_t size,
                                                                     bool& alreadyExisted) {
    alreadyExisted = false;
    HANDLE mapping = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                        static_cast<DWORD>(size), Widen(name).c_str());
    if (!mapping)
        return nullptr;
    alreadyExisted = GetLastError() == ERROR_ALREADY_EXISTS;
    void* view = MapViewOfFile(mapping, FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, size);
    // A block another program made smaller than asked for is not used: nothing may be read
    // past its end.
    MEMORY_BASIC_INFORMATION region{};
    if (!view || VirtualQuery(view, &region, sizeof region) != sizeof region ||
        region.RegionSize < size) {
        if (view)
            UnmapViewOfFile(view);
        CloseHandle(mapping);
        return nullptr;
    }
    return std::make_unique<MappedView>(mapping, view, size);
}

std::unique_ptr<Semaphore> Win32KernelObjects::createSemaphore(std::string_view name,
                                                               int initialCount, int maximumCount) {
    HANDLE handle = CreateSemaphoreW(nullptr, initialCount, maximumCount, Widen(name).c_str());
    if (!handle)
        return nullptr;
    return std::make_unique<NamedSemaphore>(handle);
}

std::unique_ptr<Semaphore> Win32KernelObjects::openSemaphore(std::string_view name) {
    HANDLE handle =
        OpenSemaphoreW(SYNCHRONIZE | SEMAPHORE_MODIFY_STATE, FALSE, Widen(name).c_str());
    if (!handle)
        return nullptr;
    return std::make_unique<NamedSemaphore>(handle);
}

std::unique_ptr<MessageWindow>
Win32KernelObjects::createMessageWindow(unsigned message, std::function<void()> onMessage) {
    auto window = std::make_unique<HiddenMessageWindow>(*this, message, std::move(onMessage));
    if (!window->create())
        return nullptr;
    return window;
}

bool Win32KernelObjects::postMessage(std::uintptr_t window, unsigned message) {
    const auto target = reinterpret_cast<HWND>(window);
    if (!target || !IsWindow(target))
        return false;
    wchar_t className[64] = {};
    if (!GetClassNameW(target, className, static_cast<int>(std::size(className))) ||
        std::wstring_view(className) != kMessageWindowClass)
        return false;
    return PostMessageW(target, message, 0, 0) != 0;
}

void Win32Shell::open(const ShellRequest& request) {
    const auto verb = Widen(request.verb);
    const auto file = Widen(request.file);
    const auto parameters = Widen(request.parameters);
    const auto folder = Widen(request.folder);
    static const auto shellExecute =
        SystemFunction<decltype(ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
    if (!shellExecute)
        return;
    shellExecute(GetActiveWindow(), verb.empty() ? nullptr : verb.c_str(), file.c_str(),
                 parameters.empty() ? nullptr : parameters.c_str(),
                 folder.empty() ? nullptr : folder.c_str(), static_cast<int>(request.show));
}

void Win32WindowMessages::bringToFront() {
    const auto window = reinterpret_cast<HWND>(mainWindow);
    if (!window || !IsWindow(window))
        return;
    // Minimising and restoring lets the window come to the front even when another program
    // has the focus. A hidden main window (the settings window is open) stays hidden.
    if (IsWindowVisible(window)) {
        ShowWindow(window, SW_MINIMIZE);
        ShowWindow(window, SW_RESTORE);
    }
    const HWND popup = GetLastActivePopup(window);
    SetForegroundWindow(popup ? popup : window);
}

std::uintptr_t Win32WindowMessages::findWindow(std::string_view className, std::string_view title) {
    return reinterpret_cast<std::uintptr_t>(
        FindWindowW(Widen(className).c_str(), Widen(title).c_str()));
}

void Win32WindowMessages::sendMessage(std::uintptr_t window, unsigned message,
                                      std::uintptr_t wParam, std::intptr_t lParam) {
    SendMessageW(reinterpret_cast<HWND>(window), message, wParam, lParam);
}

void Win32Clipboard::copyText(const std::string& text) {
    const auto wide = Widen(text);
    const auto bytes = (wide.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memory)
        return;
    std::memcpy(GlobalLock(memory), wide.c_str(), bytes);
    GlobalUnlock(memory);
    HWND window = owner ? reinterpret_cast<HWND>(owner) : GetActiveWindow();
    if (!OpenClipboard(window)) {
        GlobalFree(memory);
        return;
    }
    EmptyClipboard();
    // The clipboard owns the memory once it takes it.
    if (!SetClipboardData(CF_UNICODETEXT, memory))
        GlobalFree(memory);
    CloseClipboard();
}

} // namespace quarl::platform::win32
