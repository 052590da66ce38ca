#include "platform/fake/FakeServices.h"

namespace quarl::platform::fake {

MessageResult FakeDialogs::showMessage(const MessageBoxRequest& request) {
    shown_.push_back(request);
    if (!answers_.empty()) {
        const auto answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    if (request.buttons == MessageButtons::Ok)
        return MessageResult::Ok;
    return request.defaultButton == 2 ? MessageResult::No : MessageResult::Yes;
}

namespace {

class FakeMutex final : public NamedObject {
public:
    FakeMutex(std::map<std::string, int>& handles, std::string name)
        : handles_(handles), name_(std::move(name)) {
        ++handles_[name_];
    }
    ~FakeMutex() override {
        if (--handles_[name_] == 0)
            handles_.erase(name_);
    }

private:
    std::map<std::string, int>& handles_;
    std::string name_;
};

} // namespace

std::unique_ptr<NamedObject> FakeKernelObjects::createMutex(std::string_view name) {
    ++creations_;
    return std::make_unique<FakeMutex>(handles_, std::string(name));
}

int FakeKernelObjects::openHandles(const std::string& name) const {
    const auto it = handles_.find(name);
    return it == handles_.end() ? 0 : it->second;
}

std::uintptr_t FakeWindowMessages::addWindow(std::string className, std::string title) {
    const auto handle = static_cast<std::uintptr_t>(0x1000 + windows_.size() * 4);
    windows_[{std::move(className), std::move(title)}] = handle;
    return handle;
}

std::uintptr_t FakeWindowMessages::findWindow(std::string_view className, std::string_view title) {
    const auto it = windows_.find({std::string(className), std::string(title)});
    return it == windows_.end() ? 0 : it->second;
}

void FakeWindowMessages::sendMessage(std::uintptr_t window, unsigned message, std::uintptr_t wParam,
                                     std::intptr_t lParam) {
    sent_.push_back({window, message, wParam, lParam});
}

void FakeMessagePump::processPendingMessages() {
    ++calls_;
    if (onPump)
        onPump();
}

} // namespace quarl::platform::fake
