#include "platform/win32/Win32Registry.h"

#include "platform/win32/Text.h"

#include <windows.h>

#include <cstring>
#include <vector>

namespace quarl::platform::win32 {

namespace {

HKEY RootHandle(RootKey root) {
    return root == RootKey::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

// The game is a 32-bit program: its key, and the launcher's values beside it, live in the 32-bit
// view of the registry (under WOW6432Node on 64-bit Windows). Every key is opened in that view,
// so that any build of the launcher reads and writes exactly what the game reads. A 32-bit
// program is in that view anyway, and 32-bit Windows ignores the flag.
constexpr REGSAM kGameView = KEY_WOW64_32KEY;

// An open registry key, closed when it goes out of scope.
class Key {
public:
    Key() = default;
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    ~Key() {
        if (handle_)
            RegCloseKey(handle_);
    }
    HKEY* out() { return &handle_; }
    HKEY get() const { return handle_; }

private:
    HKEY handle_ = nullptr;
};

[[noreturn]] void Fail(const char* what, std::string_view name, LONG code) {
    throw RegistryError(std::string(what) + " '" + std::string(name) + "': " + ErrorText(code));
}

} // namespace

bool Win32Registry::keyExists(RootKey root, std::string_view path) const {
    Key key;
    return RegOpenKeyExW(RootHandle(root), Widen(path).c_str(), 0, KEY_READ | kGameView,
                         key.out()) == ERROR_SUCCESS;
}

std::optional<RegistryValue> Win32Registry::readValue(RootKey root, std::string_view path,
                                                      std::string_view name) const {
    Key key;
    if (RegOpenKeyExW(RootHandle(root), Widen(path).c_str(), 0, KEY_READ | kGameView, key.out()) !=
        ERROR_SUCCESS)
        return std::nullopt;
    const auto wideName = Widen(name);
    DWORD type = 0;
    DWORD size = 0;
    LONG result = RegQueryValueExW(key.get(), wideName.c_str(), nullptr, &type, nullptr, &size);
    std::vector<BYTE> data;
    // Another program may make the value longer between the size query and the read: ask again
    // with the size it reports then.
    while (result == ERROR_SUCCESS || result == ERROR_MORE_DATA) {
        data.resize(size + sizeof(wchar_t));
        size = static_cast<DWORD>(data.size());
        result = RegQueryValueExW(key.get(), wideName.c_str(), nullptr, &type, data.data(), &size);
        if (result == ERROR_SUCCESS)
            break;
    }
    if (result == ERROR_FILE_NOT_FOUND)
        return std::nullopt;
    if (result != ERROR_SUCCESS)
        Fail("Failed to read", name, result);
    switch (type) {
    case REG_SZ:
    case REG_EXPAND_SZ: {
        std::wstring text(reinterpret_cast<const wchar_t*>(data.data()), size / sizeof(wchar_t));
        while (!text.empty() && text.back() == L'\0')
            text.pop_back();
        return RegistryValue::String(Narrow(text));
    }
    case REG_DWORD:
        if (size == sizeof(DWORD)) {
            DWORD number = 0;
            std::memcpy(&number, data.data(), sizeof number);
            return RegistryValue::Dword(number);
        }
        break;
    default: break;
    }
    return RegistryValue{RegistryValue::Kind::Other, {}, 0};
}

bool Win32Registry::writeValue(RootKey root, std::string_view path, std::string_view name,
                               const RegistryValue& value, bool createKey) {
    Key key;
    const auto widePath = Widen(path);
    LONG result;
    if (createKey)
        result = RegCreateKeyExW(RootHandle(root), widePath.c_str(), 0, nullptr, 0,
                                 KEY_WRITE | kGameView, nullptr, key.out(), nullptr);
    else
        result =
            RegOpenKeyExW(RootHandle(root), widePath.c_str(), 0, KEY_WRITE | kGameView, key.out());
    if (result == ERROR_FILE_NOT_FOUND && !createKey)
        return false;
    if (result != ERROR_SUCCESS)
        Fail("Failed to open the key for", name, result);
    const auto wideName = Widen(name);
    if (value.kind == RegistryValue::Kind::Dword) {
        const DWORD number = value.number;
        result = RegSetValueExW(key.get(), wideName.c_str(), 0, REG_DWORD,
                                reinterpret_cast<const BYTE*>(&number), sizeof number);
    } else {
        const auto text = Widen(value.text);
        result = RegSetValueExW(key.get(), wideName.c_str(), 0, REG_SZ,
                                reinterpret_cast<const BYTE*>(text.c_str()),
                                static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }
    if (result != ERROR_SUCCESS)
        Fail("Failed to set data for", name, result);
    return true;
}

} // namespace quarl::platform::win32
