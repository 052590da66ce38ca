#include "contract/RegistryBackend.h"
#include "platform/win32/Text.h"
#include "platform/win32/Win32Registry.h"
#include "support/Sandbox.h"

#include <windows.h>

namespace quarl::tests {
namespace {

using platform::win32::Widen;

HKEY Root(platform::RootKey root) {
    return root == platform::RootKey::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

// The real registry, with a sandbox key per process under each root, removed afterwards.
class Win32Backend final : public RegistryBackend {
public:
    Win32Backend()
        : sandbox_("Software\\QuarlContractTest\\" + std::to_string(GetCurrentProcessId())) {
        removeSandbox();
    }
    ~Win32Backend() override { removeSandbox(); }
    platform::Registry& registry() override { return registry_; }
    std::string sandbox() const override { return sandbox_; }
    void createKey(platform::RootKey root, const std::string& path) override {
        HKEY key = nullptr;
        RegCreateKeyExW(Root(root), Widen(path).c_str(), 0, nullptr, 0, KEY_WRITE | kGameView,
                        nullptr, &key, nullptr);
        RegCloseKey(key);
    }
    void putBinary(platform::RootKey root, const std::string& path,
                   const std::string& name) override {
        const BYTE data[] = {1, 2, 3};
        SetValue(Root(root), Widen(path), Widen(name), REG_BINARY, data, sizeof data);
    }

private:
    void removeSandbox() {
        for (auto root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE})
            DeleteTree(root, Widen(sandbox_));
    }

    std::string sandbox_;
    platform::win32::Win32Registry registry_;
};

} // namespace

std::unique_ptr<RegistryBackend> MakeRegistryBackend() {
    return std::make_unique<Win32Backend>();
}

} // namespace quarl::tests
