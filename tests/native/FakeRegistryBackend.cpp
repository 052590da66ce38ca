#include "contract/RegistryBackend.h"
#include "platform/fake/FakeRegistry.h"

namespace quarl::tests {
namespace {

class FakeBackend final : public RegistryBackend {
public:
    platform::Registry& registry() override { return registry_; }
    std::string sandbox() const override { return "Software\\QuarlContractTest"; }
    void createKey(platform::RootKey root, const std::string& path) override {
        registry_.createKey(root, path);
    }
    void putBinary(platform::RootKey root, const std::string& path,
                   const std::string& name) override {
        registry_.setOther(root, path, name);
    }

private:
    platform::fake::FakeRegistry registry_;
};

} // namespace

std::unique_ptr<RegistryBackend> MakeRegistryBackend() {
    return std::make_unique<FakeBackend>();
}

} // namespace quarl::tests
